#include "skin/controls/ButtonPainter.h"
#include "skin/controls/DefaultLook.h"
#include "skin/data/TkvEffectBmp.h"

// The button's skin look: one of the record's images, or a cross-fade
// between the normal and the active one, with glyph and caption on top.
namespace skin {

using platform::TRect;

namespace {

// The active image falls back to the normal one, the pressed to the active.
TRect activeRect(const TkvDataSkinButtonControl& r) { return isNullRect(r.activeskinrect) ? r.skinrect : r.activeskinrect; }
TRect downRect(const TkvDataSkinButtonControl& r) { return isNullRect(r.downskinrect) ? activeRect(r) : r.downskinrect; }

} // namespace

void TkvSkinButton::GetSkinData()
{
    TkvSkinCustomControl::GetSkinData();
    const auto* button = record<TkvDataSkinButtonControl>();
    m_morphing = button && button->morphing;
}

void TkvSkinButton::CreateButtonImage(
    platform::TBitmap& bitmap, const TRect& r, const ButtonFace& face, bool ADown, bool AMouseIn)
{
    const auto* button = record<TkvDataSkinButtonControl>();
    CreateSkinControlImage(bitmap, r);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Font = face.font;
    if (face.part.disabled)
        canvas.Font.Color = button->disabledfontcolor;
    else if (ADown && AMouseIn)
        canvas.Font.Color = button->downfontcolor;
    else if (AMouseIn)
        canvas.Font.Color = button->activefontcolor;
    const ButtonContent c = content();
    DrawImageAndText(canvas, c.client, c.margin, c.spacing, c.layout, c.caption, *c.glyph, c.numGlyphs,
        glyphNumber(c.numGlyphs, ADown, AMouseIn, face.part.disabled), ADown && AMouseIn);
}

void TkvSkinButton::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    const auto* button = record<TkvDataSkinButtonControl>();
    const ButtonFace state = face();
    switch (skinButtonImage(state, m_morphing, !isNullRect(button->disabledskinrect))) {
    case ButtonImage::CrossFade: {
        platform::TBitmap hot(width(), height(), bitmap.Ratio());
        CreateButtonImage(bitmap, button->skinrect, state, false, false);
        CreateButtonImage(hot, activeRect(*button), state, false, true);
        TkvEffectBmp fade(bitmap);
        fade.MorphBy(button->morphkind, TkvEffectBmp(hot), state.morphFactor);
        fade.toBitmap(bitmap);
        return;
    }
    case ButtonImage::Disabled: CreateButtonImage(bitmap, button->disabledskinrect, state, false, false); return;
    case ButtonImage::Down: CreateButtonImage(bitmap, downRect(*button), state, true, true); return;
    case ButtonImage::Active: CreateButtonImage(bitmap, activeRect(*button), state, false, true); return;
    case ButtonImage::Normal: CreateButtonImage(bitmap, button->skinrect, state, false, false); return;
    }
}

} // namespace skin
