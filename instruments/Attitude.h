#pragma once

namespace platform {
class TBitmap;
}

namespace instruments {

// Paints the artificial horizon for roll and pitch (radians) over the whole
// picture, which is taken to be square. The picture's pen, brush and font
// carry over from call to call: the background outline uses the pen left
// by the previous call.
void DrawAttitude(double roll, double pitch, platform::TBitmap& picture);

} // namespace instruments
