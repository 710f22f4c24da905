#pragma once

#include "platform/Bitmap.h"

// The slider's built-in pictures, drawn here rather than loaded. Their
// lower-left pixel is the key colour that transparent drawing leaves out.
namespace skin::sliderpictures {

// Horizontal thumb, two 9 x 17 states side by side (normal, then pressed
// or disabled), pointing down at the ticks.
void drawHThumb(platform::TBitmap& bitmap);
// Horizontal ruler groove, 10 x 8, two-pixel ends.
void drawHRuler(platform::TBitmap& bitmap);
// Vertical thumb, two 19 x 9 states, pointing right at the ticks.
void drawVThumb(platform::TBitmap& bitmap);
// Vertical ruler groove, 8 x 10.
void drawVRuler(platform::TBitmap& bitmap);

} // namespace skin::sliderpictures
