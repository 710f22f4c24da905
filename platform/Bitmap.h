#pragma once

#include "platform/Canvas.h"

#include <QImage>

namespace platform {

// Off-screen picture with a canvas: 32-bit pixels (0xffRRGGBB) in a QImage.
// New pixels are white.
//
// A picture has a size in logical units and a pixel ratio: at ratio r it
// holds about w * r by h * r pixels, and its canvas takes logical
// coordinates and draws at device pixels. Width() and Height() are
// logical; code that walks the pixels uses PixelWidth() and PixelHeight().
// Skin pictures are loaded at ratio 1; a control's face is made at its
// window's ratio.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, qreal ratio = 1);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int PixelWidth() const { return m_image.width(); }
    int PixelHeight() const { return m_image.height(); }
    qreal Ratio() const { return m_ratio; }
    bool Empty() const { return m_image.isNull(); }
    // Keeps the pixels that stay inside the new size.
    void SetSize(int width, int height);
    // A new ratio starts a white picture of the same logical size.
    void SetRatio(qreal ratio);
    void Assign(const TBitmap& source);

    TCanvas& Canvas() { return m_canvas; }
    const TCanvas& Canvas() const { return m_canvas; }

    // Carries the ratio, so a painter draws it at its logical size.
    const QImage& image() const { return m_image; }
    // Takes over image at ratio 1, converted to our pixel format.
    void setImage(const QImage& image);
    // Takes over pixels of the size this picture's logical size and ratio
    // give; anything else is ignored.
    void setPixels(const QImage& pixels);
    QRgb* ScanLine(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }
    const QRgb* ScanLine(int y) const { return reinterpret_cast<const QRgb*>(m_image.constScanLine(y)); }

private:
    friend class TCanvas;
    QImage& pixels() { return m_image; }
    void allocate(int width, int height);

    QImage m_image;
    int m_width = 0;
    int m_height = 0;
    qreal m_ratio = 1;
    TCanvas m_canvas{*this};
};

// Pixels a logical length or coordinate covers at a ratio: rounded, as
// the window system places widgets.
int toDevice(int logical, qreal ratio);
// Whether a scale is a whole number (1x art stays crisp by the nearest
// pixel), as opposed to a fractional one that needs filtering.
bool isWholeRatio(qreal ratio);

} // namespace platform
