#pragma once

#include "platform/CanvasTools.h"
#include "platform/Geometry.h"

#include <QSize>
#include <QString>

#include <span>

namespace platform {

class TBitmap;

// Drawing surface of a bitmap with the classic raster conventions: the
// right and bottom edges of rectangles, ellipses and chords and the end
// point of a line-to are excluded; no antialiasing. Pen, brush and font are
// plain values kept between calls; each operation uses them as they are at
// that moment. Shapes are scan-converted here rather than by QPainter:
// that keeps them symmetric and exact and is several times faster.
// Wide pens have round ends and draw dashed styles solid; ellipse and chord
// outlines are always solid.
//
// Coordinates, pen widths and font heights are logical; on a bitmap of
// another pixel ratio each operation maps them to device pixels, so slanted
// edges and text are drawn at the full resolution. There lines of any pen
// are drawn as wide lines (round ends, end point included). Copies from a
// picture of another ratio scale by the nearest pixel when one ratio is a
// whole multiple of the other and smoothly otherwise. At ratio 1 nothing
// is mapped.
class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    TBitmap& bitmap() const { return m_bitmap; }

    // Fills with the brush only; nothing when the brush is clear.
    void FillRect(const TRect& rect);
    // Filled with the brush and outlined with the pen.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
    // The part of the ellipse in the box between the radials through
    // (x3, y3) and (x4, y4), counter-clockwise from the first, closed by a
    // straight line.
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

    void MoveTo(int x, int y) { m_penPos = {x, y}; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return m_penPos; }
    // Joined segments; neither uses nor moves the pen position.
    void Polyline(std::span<const TPoint> points);

    // Text with its top-left corner at (x, y) on the brush colour, or
    // transparent when the brush is clear; the pen position moves to the end
    // of the text.
    void TextOut(int x, int y, const QString& text);
    // Text clipped to rect; an opaque brush fills the whole rect first.
    void TextRect(const TRect& rect, int x, int y, const QString& text);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);
    QSize TextExtent(const QString& text);

    // Copies source's rect to dest, nearest-pixel scaled when the sizes
    // differ. Empty or inverted rectangles copy nothing.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);
    // Copies sourceRect of bitmap to (x, y), leaving the pixels of colour
    // transparent unchanged.
    void DrawTransparent(int x, int y, const TBitmap& bitmap, const TRect& sourceRect, TColor transparent);

    // -1 outside the bitmap. At another ratio the pixel is the one at the
    // logical pixel's top-left corner, and setting fills all of its pixels.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

private:
    bool penDraws() const { return Pen.Style != PenStyle::Clear && Pen.Width > 0; }
    qreal ratio() const;
    bool mapped() const { return ratio() != 1; }
    int device(int logical) const;
    TRect device(const TRect& logical) const;
    // The pen's width in pixels, at least one.
    int devicePenWidth() const;
    void copyFrom(const TRect& dest, const TBitmap& source, const TRect& sourceRect, const TColor* transparent);
    // Device pixels from here on.
    void thinLine(TPoint from, TPoint to);
    void wideLine(TPoint from, TPoint to);
    // A logical line at another ratio.
    void mappedLine(TPoint from, TPoint to);
    void thinEllipse(int left, int top, int right, int bottom);
    void fillPixels(int left, int top, int right, int bottom, TColor color);
    void drawText(int x, int y, const QString& text, const TRect* clip);

    TBitmap& m_bitmap;
    TPoint m_penPos;
};

} // namespace platform
