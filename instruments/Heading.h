#pragma once

namespace platform {
class TBitmap;
}

namespace instruments {

// Paints the compass dial for a heading in radians, clockwise from north,
// over the whole picture. The pen left by the previous call outlines the
// background.
void DrawHeading(double heading, platform::TBitmap& picture);

// Whole degrees shown in the dial's box: truncated, then wrapped into
// 0..359 by at most one turn each way.
int headingReadout(double heading);

} // namespace instruments
