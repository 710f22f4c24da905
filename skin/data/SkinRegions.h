#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinCut.h"
#include "skin/data/SkinImageBuilders.h"

#include <QRegion>

#include <optional>
#include <vector>

// Window regions from mask pictures: black pixels are inside, every other
// colour outside.
namespace skin {

// A region as a list of one-row rectangles, y then x sorted.
struct RegionData {
    TRect bounds;
    std::vector<TRect> rects;

    // Bytes of the region record: a 32-byte header and 16 bytes a rectangle.
    qint64 size() const { return 32 + 16 * qint64(rects.size()); }
    QRegion region() const;
};

// The runs of black pixels of bitmap, row by row, shifted by (x0, y0);
// bounds is (x0, y0, x0 + width, y0 + height). An empty bitmap gives no
// region; one without black pixels a region without rectangles. The run
// list grows as needed, however many runs the mask has.
std::optional<RegionData> CreateRgnFromBmp(const platform::TBitmap& bitmap, int x0, int y0);

// The black pixels of the whole mask at (0, 0); empty for an empty mask.
QRegion CreateSkinSimplyRegion(const platform::TBitmap& mask);

// The four band masks (top, bottom, left, right) of mask for the target:
// cut's client is the mask's own client area (for the frame its mask area)
// and target's client where it lands. Bands whose part of the cut is empty
// keep what they held.
void CreateSkinMask(const SkinCut& cut, const CutTarget& target, const platform::TBitmap& mask, BorderImages& bands);

// Window region for the target: the target's client rectangle united with
// the black pixels of the four band masks placed around it. No region when
// the target is narrower or lower than its fixed parts (NRT.x < NLT.x or
// NLB.y < NLT.y).
std::optional<QRegion> CreateSkinRegion(const SkinCut& cut, const CutTarget& target, const platform::TBitmap& mask);

} // namespace skin
