#pragma once

#include "platform/CanvasTools.h"
#include "platform/Geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <span>

class QPainter;

namespace platform {

class TBitmap;

// Drawing surface of a bitmap with the classic raster conventions: the
// right and bottom edges of rectangles, ellipses and chords and the end
// point of a line-to are excluded; no antialiasing. Pen, brush and font are
// plain values kept between calls; each operation uses them as they are at
// that moment.
class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap);
    ~TCanvas();
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

    // -1 outside the bitmap.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // Ends painting so that the bitmap's pixel buffer can be replaced.
    void releasePainter();

private:
    QPainter& painter();
    void applyPen(const TPen& pen);
    void applyBrush();
    void useFont();
    void drawText(int x, int y, const QString& text);
    bool penDraws() const { return Pen.Style != PenStyle::Clear && Pen.Width > 0; }
    void thinLine(TPoint from, TPoint to);
    void ellipseSpans(int left, int top, int right, int bottom, bool outline);
    void fillPixels(int left, int top, int right, int bottom, TColor color);

    TBitmap& m_bitmap;
    std::unique_ptr<QPainter> m_painter;
    TPoint m_penPos;
    // What the painter holds, so that unchanged tools are not set again.
    std::optional<TPen> m_appliedPen;
    std::optional<TBrush> m_appliedBrush;
    bool m_painterFontStale = true;
    std::optional<TFont> m_fontSource;
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
};

} // namespace platform
