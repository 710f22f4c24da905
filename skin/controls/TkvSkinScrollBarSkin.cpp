#include "skin/controls/TkvSkinScrollBar.h"

#include "skin/controls/DefaultLook.h"
#include "skin/data/SkinImageBuilders.h"

// The scroll bar drawn from its record: the base image, the hot or pressed
// button images over it, and the thumb with its glyph.
namespace skin {

using platform::TRect;

namespace {

// A state image falls back to the next quieter one when the record leaves it empty.
const TRect& orElse(const TRect& r, const TRect& fallback) { return isNullRect(r) ? fallback : r; }

TRect thumbSource(const TkvDataSkinScrollBarControl& bar, PartLook look)
{
    const TRect& active = orElse(bar.activethumbrect, bar.thumbrect);
    switch (look) {
    case PartLook::Pressed: return orElse(bar.downthumbrect, active);
    case PartLook::Hot: return active;
    case PartLook::Normal: break;
    }
    return bar.thumbrect;
}

TRect glyphSource(const TkvDataSkinScrollBarControl& bar, PartLook look)
{
    const TRect& active = orElse(bar.activeglyphrect, bar.glyphrect);
    switch (look) {
    case PartLook::Pressed: return orElse(bar.downglyphrect, active);
    case PartLook::Hot: return active;
    case PartLook::Normal: break;
    }
    return bar.glyphrect;
}

} // namespace

void TkvSkinScrollBar::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    const auto* bar = record<TkvDataSkinScrollBarControl>();
    CalcRects();
    TkvSkinCustomControl::CreateControlSkinImage(bitmap);
    platform::TCanvas& canvas = bitmap.Canvas();
    const platform::TCanvas& picture = skinPicture().Canvas();
    for (Part button : {kIncrease, kDecrease}) {
        const bool increase = button == kIncrease;
        const TRect& hot = increase ? bar->activeupbuttonrect : bar->activedownbuttonrect;
        const TRect& down = orElse(increase ? bar->downupbuttonrect : bar->downdownbuttonrect, hot);
        const PartLook look = partFace(button).look;
        const TRect& source = look == PartLook::Pressed ? down : look == PartLook::Hot ? hot : TRect{};
        if (!isNullRect(source))
            canvas.CopyRect(m_rects[button], picture, source);
    }
    if (!partFace(kThumb).disabled)
        drawSkinThumb(canvas, *bar);
}

void TkvSkinScrollBar::drawSkinThumb(platform::TCanvas& canvas, const TkvDataSkinScrollBarControl& bar)
{
    const TRect& thumb = m_rects[kThumb];
    const PartLook look = partFace(kThumb).look;
    const TRect source = thumbSource(bar, look);
    if (isNullRect(source) || isNullRect(thumb))
        return;
    if (m_pageSize != 0) {
        // Ends fixed, middle tiled to the thumb's length.
        platform::TBitmap image;
        if (horizontal())
            CreateHSkinImage(bar.thumboffset1, bar.thumboffset2, image, skinPicture(), source, thumb.width(), 0);
        else
            CreateVSkinImage(bar.thumboffset1, bar.thumboffset2, image, skinPicture(), source, 0, thumb.height());
        canvas.Draw(thumb.left, thumb.top, image);
    } else {
        canvas.CopyRect(thumb, skinPicture().Canvas(), source);
    }
    const TRect glyph = glyphSource(bar, look);
    if (isNullRect(glyph))
        return;
    const int x = thumb.left + thumb.width() / 2 - glyph.width() / 2;
    const int y = thumb.top + thumb.height() / 2 - glyph.height() / 2;
    canvas.CopyRect(platform::Bounds(x, y, glyph.width(), glyph.height()), skinPicture().Canvas(), glyph);
}

} // namespace skin
