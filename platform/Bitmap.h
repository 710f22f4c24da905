#pragma once

#include "platform/Canvas.h"

#include <QImage>

namespace platform {

// Off-screen picture with a canvas: 32-bit pixels (0xffRRGGBB) in a QImage.
// New pixels are white.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    bool Empty() const { return m_image.isNull(); }
    // Keeps the pixels that stay inside the new size.
    void SetSize(int width, int height);
    void Assign(const TBitmap& source);

    TCanvas& Canvas() { return m_canvas; }
    const TCanvas& Canvas() const { return m_canvas; }

    const QImage& image() const { return m_image; }
    // Takes over image, converted to our pixel format.
    void setImage(const QImage& image);
    QRgb* ScanLine(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }
    const QRgb* ScanLine(int y) const { return reinterpret_cast<const QRgb*>(m_image.constScanLine(y)); }

private:
    friend class TCanvas;
    QImage& pixels() { return m_image; }

    QImage m_image;
    TCanvas m_canvas{*this};
};

} // namespace platform
