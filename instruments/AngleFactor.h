#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

namespace instruments {

// Degrees become radians for both instruments through 3.1415/180 held in
// single precision (0.017452778); the heading readout converts back with
// 57.3. Both are deliberately inexact: the readout's wrap at 360 follows
// from them.
inline constexpr float kDegreesToRadians = 3.1415f / 180.0f;
inline constexpr double kRadiansToDegrees = 57.3;

inline double degreesToRadians(double degrees)
{
    return degrees * static_cast<double>(kDegreesToRadians);
}

// Truncation towards zero, as every coordinate handed to the canvas is
// truncated; values beyond int (or NaN) cannot come from the link but must
// not be undefined behaviour either.
inline int truncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), double(INT_MIN), double(INT_MAX)));
}

} // namespace instruments
