#pragma once

#include "skin/controls/TkvSkinButton.h"

namespace skin {

// The button's default look: a frame and a fill on the client rectangle
// (pressed and hot in the fixed fills with a navy frame, otherwise button
// face with a shadow frame), then glyph and caption, shifted by a pixel
// while pressed; a disabled caption in the shadow colour.
void paintDefaultButton(platform::TCanvas& canvas, const TkvSkinButton& button, const ButtonFace& face);

} // namespace skin
