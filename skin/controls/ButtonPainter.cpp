#include "skin/controls/ButtonPainter.h"

#include "skin/controls/DefaultLook.h"

namespace skin {

void paintDefaultButton(platform::TCanvas& canvas, const ButtonContent& content, const ButtonFace& face)
{
    drawPart(canvas, content.client, face.part.look);
    canvas.Font = face.font;
    if (face.part.disabled)
        canvas.Font.Color = platform::clBtnShadow;
    DrawImageAndText(canvas, content.client, content.margin, content.spacing, content.layout, content.caption,
        *content.glyph, content.numGlyphs, face.glyphIndex, face.part.look == PartLook::Pressed);
}

int glyphNumber(int numGlyphs, bool down, bool mouseIn, bool disabled)
{
    if (down && mouseIn && numGlyphs > 2)
        return 3;
    if (mouseIn && numGlyphs > 3)
        return 4;
    if (disabled && numGlyphs > 1)
        return 2;
    return 1;
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
