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
