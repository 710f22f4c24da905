#pragma once

#include <QImage>

// The airframe picture strip: seven 137 × 137 cells side by side on white,
// in the order of the airframe list ("+4", "X4", "+6", "X6", "Y6", "Fh8",
// "X8"), each showing the frame from above with the nose up.
inline constexpr int kAirframeCell = 137;
inline constexpr int kAirframeCount = 7;

QImage drawAirframeStrip();
