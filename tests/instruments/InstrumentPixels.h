#pragma once

#include "platform/Bitmap.h"
#include "tests/support/TestOutput.h"

#include <QString>

namespace instrumenttest {

inline constexpr int kSize = 105;

// Saves the picture, enlarged four times so single pixels can be judged,
// under the test output folder.
inline void savePicture(const platform::TBitmap& picture, const QString& name)
{
    picture.image()
        .scaled(picture.Width() * 4, picture.Height() * 4)
        .save(testsupport::testOutputDir() + "/" + name + ".png");
}

inline bool hasColorNear(const platform::TBitmap& picture, int x, int y, platform::TColor color, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (picture.Canvas().Pixels(x + dx, y + dy) == color)
                return true;
    return false;
}

} // namespace instrumenttest
