#include "skin/data/SkinDrawing.h"

#include <algorithm>
#include <array>

namespace skin {

using platform::TCanvas;
using platform::TColor;

namespace {

void line(TCanvas& canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

void usePen(TCanvas& canvas, TColor color) { canvas.Pen = {color, 1, platform::PenStyle::Solid}; }

void hollowRect(TCanvas& canvas, int left, int top, int right, int bottom)
{
    canvas.Brush.Style = platform::BrushStyle::Clear;
    canvas.Rectangle(left, top, right, bottom);
}

void fill(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush = {color, platform::BrushStyle::Solid};
    canvas.FillRect(r);
}

void textAt(TCanvas& canvas, const QString& text, const TRect& rect, int x)
{
    const int y = rect.top + (rect.height() - canvas.TextHeight(text)) / 2;
    canvas.Brush.Style = platform::BrushStyle::Clear;
    canvas.TextRect(rect, x, y, text);
}

} // namespace

void DrawGlyph(TCanvas& canvas, int x, int y, const platform::TBitmap& glyph, int numGlyphs, int glyphIndex)
{
    if (glyph.Empty() || numGlyphs < 1)
        return;
    const int w = glyph.Width() / numGlyphs;
    const int index = std::clamp(glyphIndex, 1, numGlyphs) - 1;
    const TColor transparent = glyph.Canvas().Pixels(index * w, glyph.Height() - 1);
    canvas.DrawTransparent(x, y, glyph, {index * w, 0, index * w + w, glyph.Height()}, transparent);
}

void DrawArrowImage(TCanvas& canvas, const TRect& rect, TColor color, int direction)
{
    constexpr int depth = 4;
    const int cx = rect.left + rect.width() / 2;
    const int cy = rect.top + rect.height() / 2;
    for (int i = 0; i < depth; ++i) {
        const int half = depth - 1 - i;
        switch (direction) {
        case 1:
            fill(canvas, {cx + 1 - i, cy - half, cx + 2 - i, cy + half + 1}, color);
            break;
        case 2:
            fill(canvas, {cx - 2 + i, cy - half, cx - 1 + i, cy + half + 1}, color);
            break;
        case 3:
            fill(canvas, {cx - half, cy + 1 - i, cx + half + 1, cy + 2 - i}, color);
            break;
        case 4:
            fill(canvas, {cx - half, cy - 2 + i, cx + half + 1, cy - 1 + i}, color);
            break;
        default:
            return;
        }
    }
}

void DrawTrackArrowImage(TCanvas& canvas, const TRect& rect, TColor color)
{
    const int cx = rect.left + rect.width() / 2;
    const int cy = rect.top + rect.height() / 2;
    for (int i = 0; i < 3; ++i)
        fill(canvas, {cx - 2 + i, cy - 1 + i, cx + 3 - i, cy + i}, color);
}

void DrawCheckImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    for (int i = 0; i < 3; ++i) {
        const std::array<platform::TPoint, 3> points{{{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}}};
        canvas.Polyline(points);
    }
}

void DrawRadioImage(TCanvas& canvas, int x, int y, TColor color) { fill(canvas, {x, y, x + 6, y + 6}, color); }

void Frm3D(TCanvas& canvas, const TRect& rect, TColor color1, TColor color2)
{
    const int r = rect.right - 1;
    const int b = rect.bottom - 1;
    usePen(canvas, color1);
    const std::array<platform::TPoint, 3> topLeft{{{rect.left, b}, {rect.left, rect.top}, {r, rect.top}}};
    canvas.Polyline(topLeft);
    usePen(canvas, color2);
    const std::array<platform::TPoint, 3> bottomRight{{{r, rect.top}, {r, b}, {rect.left, b}}};
    canvas.Polyline(bottomRight);
}

void DrawCloseImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    line(canvas, x + 1, y + 1, x + 9, y + 9);
    line(canvas, x + 9, y + 1, x + 1, y + 9);
    line(canvas, x + 2, y + 1, x + 10, y + 9);
    line(canvas, x + 8, y + 1, x, y + 9);
}

void DrawRCloseImage(TCanvas& canvas, const TRect& rect, TColor color)
{
    DrawCloseImage(canvas, rect.left + rect.width() / 2 - 5, rect.top + rect.height() / 2 - 5, color);
}

void DrawSysMenuImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    hollowRect(canvas, x + 1, y + 3, x + 9, y + 6);
}

void DrawMinimizeImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    line(canvas, x + 1, y + 8, x + 9, y + 8);
    line(canvas, x + 1, y + 9, x + 9, y + 9);
}

void DrawMaximizeImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    hollowRect(canvas, x, y, x + 11, y + 10);
    hollowRect(canvas, x, y, x + 11, y + 2);
}

void DrawRestoreImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    hollowRect(canvas, x + 2, y, x + 10, y + 6);
    hollowRect(canvas, x + 2, y, x + 10, y + 2);
    hollowRect(canvas, x, y + 4, x + 7, y + 10);
    hollowRect(canvas, x, y + 4, x + 7, y + 6);
}

void DrawRollUpImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    for (int i = 0; i <= 4; ++i)
        line(canvas, x + i + 1, y + 6 - i, x + 9 - i, y + 6 - i);
}

void DrawRestoreRollUpImage(TCanvas& canvas, int x, int y, TColor color)
{
    usePen(canvas, color);
    for (int i = 0; i <= 4; ++i)
        line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawMTImage(TCanvas& canvas, int x, int y, TColor color) { fill(canvas, {x + 2, y + 2, x + 7, y + 7}, color); }

QString CorrectTextbyWidth(TCanvas& canvas, const QString& text, int width)
{
    if (canvas.TextWidth(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString head = text;
    while (!head.isEmpty()) {
        head.chop(1);
        if (canvas.TextWidth(head + dots) <= width)
            break;
    }
    return head + dots;
}

void KVDrawText(TCanvas& canvas, const QString& text, const TRect& rect) { textAt(canvas, text, rect, rect.left); }

void KVDrawText2(TCanvas& canvas, const QString& text, const TRect& rect)
{
    textAt(canvas, text, rect, rect.left + 2);
}

void KVDrawText3(TCanvas& canvas, const QString& text, const TRect& rect, int offset)
{
    textAt(canvas, text, rect, rect.left + offset + 2);
}

bool RectInRect(const TRect& inner, const TRect& outer)
{
    const auto in = [&outer](int x, int y) {
        return x >= outer.left && x < outer.right && y >= outer.top && y < outer.bottom;
    };
    return in(inner.left, inner.top) && in(inner.right, inner.bottom);
}

TRect RectToCenter(const TRect& r, const TRect& outer)
{
    const int dx = outer.left + (outer.width() - r.width()) / 2 - r.left;
    const int dy = outer.top + (outer.height() - r.height()) / 2 - r.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace skin
