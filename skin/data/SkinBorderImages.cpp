// The four band images of the skinned window frame. Each band is its own
// picture, so its middle is tiled from the band's origin rather than from
// the moved points; the corners and end pieces are drawn over the tiles.

#include "skin/data/SkinImageBuilders.h"

#include "skin/data/SkinTiling.h"

namespace skin {

using platform::TBitmap;
using namespace tiling;

namespace {

void middle(Axis axis, bool stretched, TBitmap& band, const TBitmap& SB, const Strip& strip, int s, int e, int extent)
{
    if (stretched)
        stretch(axis, band, SB, strip, s, e);
    else
        tile(axis, band, SB, strip, 0, extent, tileCount(0, extent, strip.length));
}

// A side band (left or right): source columns x0 .. x1 of the picture, the
// middle rows top .. bottom of the cut, the end pieces above and below it.
void sideBand(TBitmap& band, const TBitmap& SB, const TRect& R, const TRect& C, int width, int hh, int x0, int x1,
    int top, int bottom, bool stretched)
{
    band.SetSize(width, hh);
    middle(Axis::Rows, stretched, band, SB, {R.top + top, bottom - top, x0, x1, 0, width}, top - C.top,
        hh + bottom - C.bottom, hh);
    if (top - C.top > 0)
        copyArea(band, SB, {x0, R.top + C.top, x1, R.top + top}, {0, 0, width, top - C.top});
    if (C.bottom - bottom > 0)
        copyArea(band, SB, {x0, R.top + bottom, x1, R.top + C.bottom}, {0, hh - (C.bottom - bottom), width, hh});
}

} // namespace

void CreateSkinBorderImages(const SkinCut& rawCut, const CutTarget& rawTarget, BorderImages& bands, const TBitmap& SB,
    const TRect& rawR, const EdgeStretch& stretched)
{
    const SkinCut cut = clampCut(rawCut);
    const CutTarget t = clampTarget(rawTarget);
    const TRect R = clampRect(rawR);
    const TPoint LT = cut.leftTop, RT = cut.rightTop, LB = cut.leftBottom, RB = cut.rightBottom;
    const TRect C = cut.client;
    const TRect NC = t.client;
    const int AW = t.width;
    const int AH = t.height;

    if (AW > 0 && NC.top > 0 && RT.x - LT.x > 0) {
        const int h = NC.top;
        bands.top.SetSize(AW, h);
        middle(Axis::Columns, stretched.top, bands.top, SB, {R.left + LT.x, RT.x - LT.x, R.top, R.top + h, 0, h},
            t.leftTop.x, t.rightTop.x, AW);
        copyArea(bands.top, SB, {R.left, R.top, R.left + LT.x, R.top + h}, {0, 0, t.leftTop.x, h});
        copyArea(bands.top, SB, {R.left + RT.x, R.top, R.right, R.top + h}, {t.rightTop.x, 0, AW, h});
    }

    const int bottomHeight = AH - NC.bottom;
    if (AW > 0 && bottomHeight > 0 && RB.x - LB.x > 0) {
        const int h = bottomHeight;
        bands.bottom.SetSize(AW, h);
        middle(Axis::Columns, stretched.bottom, bands.bottom, SB,
            {R.left + LB.x, RB.x - LB.x, R.bottom - h, R.bottom, 0, h}, t.leftBottom.x, t.rightBottom.x, AW);
        copyArea(bands.bottom, SB, {R.left, R.bottom - h, R.left + LB.x, R.bottom}, {0, 0, t.leftBottom.x, h});
        copyArea(bands.bottom, SB, {R.left + RB.x, R.bottom - h, R.right, R.bottom}, {t.rightBottom.x, 0, AW, h});
    }

    const int hh = AH - bands.bottom.Height() - bands.top.Height();
    if (NC.left > 0 && hh > 0 && LB.y - LT.y > 0)
        sideBand(bands.left, SB, R, C, NC.left, hh, R.left, R.left + NC.left, LT.y, LB.y, stretched.left);
    if (AW - NC.right >= 1 && hh >= 1 && RB.y - RT.y >= 1)
        sideBand(bands.right, SB, R, C, AW - NC.right, hh, R.left + C.right, R.right, RT.y, RB.y, stretched.right);
}

} // namespace skin
