#include "skin/controls/DefaultLook.h"

#include <algorithm>

namespace skin {

using platform::TCanvas;
using platform::TColor;
using platform::TRect;

void fillRect(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush = {color, platform::BrushStyle::Solid};
    canvas.FillRect(r);
}

void frameRect(TCanvas& canvas, const TRect& r, TColor color)
{
    if (isNullRect(r))
        return;
    fillRect(canvas, {r.left, r.top, r.right, r.top + 1}, color);
    fillRect(canvas, {r.left, r.bottom - 1, r.right, r.bottom}, color);
    fillRect(canvas, {r.left, r.top, r.left + 1, r.bottom}, color);
    fillRect(canvas, {r.right - 1, r.top, r.right, r.bottom}, color);
}

void drawPart(TCanvas& canvas, const TRect& r, PartLook look)
{
    switch (look) {
    case PartLook::Pressed:
        fillRect(canvas, r, kPressedFill);
        frameRect(canvas, r, platform::clNavy);
        break;
    case PartLook::Hot:
        fillRect(canvas, r, kHotFill);
        frameRect(canvas, r, platform::clNavy);
        break;
    case PartLook::Normal:
        fillRect(canvas, r, platform::clBtnFace);
        frameRect(canvas, r, platform::clBtnShadow);
        break;
    }
}

void drawArrow(TCanvas& canvas, const TRect& r, ArrowDirection direction, TColor color)
{
    DrawArrowImage(canvas, r, color, int(direction) + 1);
}

void drawCheckMark(TCanvas& canvas, int x, int y, TColor color)
{
    // Three pixels thick: down from the left for three columns, then up.
    for (int i = 0; i < 7; ++i) {
        const int top = i < 3 ? y + 2 + i : y + 4 - (i - 2);
        fillRect(canvas, {x + i, top, x + i + 1, top + 3}, color);
    }
}

void drawFocusRect(TCanvas& canvas, const TRect& r)
{
    if (isNullRect(r))
        return;
    auto invert = [&canvas](int x, int y) {
        const TColor c = canvas.Pixels(x, y);
        if (c != -1)
            canvas.SetPixels(x, y, c ^ 0xFFFFFF);
    };
    for (int x = r.left; x < r.right; x += 2) {
        invert(x, r.top);
        if (r.bottom - 1 > r.top)
            invert(x, r.bottom - 1);
    }
    for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
        invert(r.left, y);
        if (r.right - 1 > r.left)
            invert(r.right - 1, y);
    }
}

void drawBevel(TCanvas& canvas, const TRect& r, bool raised)
{
    const TColor topLeft = raised ? platform::clBtnHighlight : platform::clBtnShadow;
    const TColor bottomRight = raised ? platform::clBtnShadow : platform::clBtnHighlight;
    fillRect(canvas, {r.left, r.top, r.right, r.top + 1}, topLeft);
    fillRect(canvas, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    fillRect(canvas, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fillRect(canvas, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

AccelText parseAccelText(const QString& caption)
{
    AccelText result;
    result.text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != u'&' && result.accelIndex < 0)
                result.accelIndex = int(result.text.size());
        }
        result.text += caption[i];
    }
    return result;
}

QSize accelTextExtent(TCanvas& canvas, const QString& caption)
{
    return canvas.TextExtent(parseAccelText(caption).text);
}

namespace {

void drawAccel(TCanvas& canvas, const TRect* clip, int x, int y, const QString& caption)
{
    const AccelText accel = parseAccelText(caption);
    canvas.Brush.Style = platform::BrushStyle::Clear;
    if (clip)
        canvas.TextRect(*clip, x, y, accel.text);
    else
        canvas.TextOut(x, y, accel.text);
    if (accel.accelIndex < 0)
        return;
    const int left = x + canvas.TextWidth(accel.text.left(accel.accelIndex));
    const int right = x + canvas.TextWidth(accel.text.left(accel.accelIndex + 1));
    const int underline = y + canvas.TextHeight(accel.text) - 2;
    TRect line{left, underline, right, underline + 1};
    if (clip) {
        line.left = std::max(line.left, clip->left);
        line.right = std::min(line.right, clip->right);
        if (line.top < clip->top || line.top >= clip->bottom)
            return;
    }
    fillRect(canvas, line, canvas.Font.Color);
    canvas.Brush.Style = platform::BrushStyle::Clear;
}

} // namespace

void drawAccelText(TCanvas& canvas, int x, int y, const QString& caption) { drawAccel(canvas, nullptr, x, y, caption); }

void drawAccelTextClipped(TCanvas& canvas, const TRect& clip, int x, int y, const QString& caption)
{
    drawAccel(canvas, &clip, x, y, caption);
}

void DrawImageAndText(TCanvas& canvas, const TRect& r, int Margin, int Spacing, TkvButtonLayout Layout,
    const QString& Caption, const platform::TBitmap& Glyph, int NumGlyphs, int GlyphIndex, bool Pressed)
{
    const bool hasGlyph = !Glyph.Empty() && NumGlyphs > 0;
    const int gw = hasGlyph ? Glyph.Width() / NumGlyphs : 0;
    const int gh = hasGlyph ? Glyph.Height() : 0;
    const QSize extent = Caption.isEmpty() ? QSize(0, 0) : accelTextExtent(canvas, Caption);
    const int tw = extent.width();
    const int th = extent.height();
    const int cx = r.left + r.width() / 2;
    const int cy = r.top + r.height() / 2;

    int gx = 0, gy = 0, tx = 0, ty = 0;
    if (Margin == -1) {
        const int hw = (tw + gw + Spacing) / 2;
        const int hh = (th + gh + Spacing) / 2;
        switch (Layout) {
        case TkvButtonLayout::blGlyphLeft:
            gx = cx - hw, gy = cy - gh / 2, tx = cx + hw - tw, ty = cy - th / 2;
            break;
        case TkvButtonLayout::blGlyphRight:
            tx = cx - hw, ty = cy - th / 2, gx = cx + hw - gw, gy = cy - gh / 2;
            break;
        case TkvButtonLayout::blGlyphTop:
            gx = cx - gw / 2, gy = cy - hh, tx = cx - tw / 2, ty = cy + hh - th;
            break;
        case TkvButtonLayout::blGlyphBottom:
            tx = cx - tw / 2, ty = cy - hh, gx = cx - gw / 2, gy = cy + hh - gh;
            break;
        }
    } else {
        switch (Layout) {
        case TkvButtonLayout::blGlyphLeft:
            gx = r.left + Margin, gy = cy - gh / 2, tx = gx + gw + Spacing, ty = cy - th / 2;
            break;
        case TkvButtonLayout::blGlyphRight:
            gx = r.right - gw - Margin, gy = cy - gh / 2, tx = gx - Spacing - tw, ty = cy - th / 2;
            break;
        case TkvButtonLayout::blGlyphTop:
            gx = cx - gw / 2, gy = r.top + Margin, tx = cx - tw / 2, ty = gy + gh + Spacing;
            break;
        case TkvButtonLayout::blGlyphBottom:
            gx = cx - gw / 2, gy = r.bottom - gh - Margin, tx = cx - tw / 2, ty = gy - Spacing - th;
            break;
        }
    }
    if (Pressed) {
        ++gx, ++gy, ++tx, ++ty;
    }
    // The caption sits centred in a box two pixels wider than its text.
    if (!Caption.isEmpty())
        drawAccelText(canvas, tx + 1, ty, Caption);
    if (hasGlyph)
        DrawGlyph(canvas, gx, gy, Glyph, NumGlyphs, GlyphIndex);
}

} // namespace skin
