#pragma once

#include "skin/controls/TkvSkinButton.h"

namespace skin {

// The button's default look: a frame and a fill on the client rectangle
// (pressed and hot in the fixed fills with a navy frame, otherwise button
// face with a shadow frame), then glyph and caption, shifted by a pixel
// while pressed; a disabled caption in the shadow colour.
void paintDefaultButton(platform::TCanvas& canvas, const ButtonContent& content, const ButtonFace& face);

// The glyph of numGlyphs a button shows: 3 pressed under the pointer, 4
// hot, 2 disabled, as far as the glyph has them; else 1.
int glyphNumber(int numGlyphs, bool down, bool mouseIn, bool disabled);

} // namespace skin

namespace skin {

// The image of its record a skinned button shows, first match wins:
//   cross-fade  morphing, 0 < MorphFactor < 1, enabled
//   disabled    disabled, and the record has a disabled image
//   down        the pressed look
//   active      focused, or the pointer over the button
//   normal      morphing off or MorphFactor below 1
//   active      otherwise (a finished fade towards hot)
enum class ButtonImage { CrossFade, Disabled, Down, Active, Normal };

ButtonImage skinButtonImage(const ButtonFace& face, bool morphing, bool hasDisabledImage);

} // namespace skin
