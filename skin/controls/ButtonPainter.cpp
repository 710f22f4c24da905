#include "skin/controls/ButtonPainter.h"

#include "skin/controls/DefaultLook.h"

namespace skin {

void paintDefaultButton(platform::TCanvas& canvas, const TkvSkinButton& button, const ButtonFace& face)
{
    const platform::TRect r = button.RealClientRect();
    drawPart(canvas, r, face.part.look);
    canvas.Font = face.font;
    if (face.part.disabled)
        canvas.Font.Color = platform::clBtnShadow;
    DrawImageAndText(canvas, r, button.Margin(), button.Spacing(), button.Layout(), button.Caption(), button.Glyph(),
        button.NumGlyphs(), face.glyphIndex, face.part.look == PartLook::Pressed);
}

} // namespace skin

namespace skin {

ButtonImage skinButtonImage(const ButtonFace& face, bool morphing, bool hasDisabledImage)
{
    if (morphing && face.morphFactor > 0.0 && face.morphFactor < 1.0 && !face.part.disabled)
        return ButtonImage::CrossFade;
    if (face.part.disabled && hasDisabledImage)
        return ButtonImage::Disabled;
    if (face.part.look == PartLook::Pressed)
        return ButtonImage::Down;
    if (face.part.focused || face.mouseIn)
        return ButtonImage::Active;
    if (!morphing || face.morphFactor != 1.0)
        return ButtonImage::Normal;
    return ButtonImage::Active;
}

} // namespace skin
