#pragma once

#include "platform/Bitmap.h"
#include "tests/support/TestOutput.h"

#include <QRect>
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

// Aligned 2 x 2 blocks of device pixels holding both a pixel of colour a
// and one of colour b. A picture drawn at 1x and enlarged has none: all of
// its edges run between blocks.
// Only blocks inside area (device pixels) count, when one is given.
inline int blocksHoldingBoth(
    const platform::TBitmap& picture, platform::TColor a, platform::TColor b, QRect area = QRect())
{
    const QRgb pa = platform::toQRgb(a) & 0xFFFFFF;
    const QRgb pb = platform::toQRgb(b) & 0xFFFFFF;
    if (area.isNull())
        area = QRect(0, 0, picture.PixelWidth(), picture.PixelHeight());
    int count = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            bool hasA = false;
            bool hasB = false;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = picture.ScanLine(y + dy)[x + dx] & 0xFFFFFF;
                    hasA = hasA || p == pa;
                    hasB = hasB || p == pb;
                }
            count += hasA && hasB;
        }
    return count;
}

// The picture at 1x enlarged to ratio 2, pixel by pixel.
inline void enlarge(const platform::TBitmap& picture, platform::TBitmap& into)
{
    into.SetRatio(2);
    into.SetSize(picture.Width(), picture.Height());
    into.Canvas().Draw(0, 0, picture);
}

} // namespace instrumenttest
