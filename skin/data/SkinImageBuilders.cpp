#include "skin/data/SkinImageBuilders.h"

#include "skin/data/SkinTiling.h"

#include <algorithm>

namespace skin {

using platform::TBitmap;
using namespace tiling;

namespace {

// The client area of the source tiled over the target's client in both
// directions, each tile cut at the client's right and bottom edges.
void tileClient(TBitmap& B, const TBitmap& SB, const TRect& R, const TRect& C, const TRect& NC)
{
    const int cw = C.width();
    const int ch = C.height();
    if (cw <= 0 || ch <= 0)
        return;
    const qint64 columns = tileCount(NC.left, NC.right, cw);
    const qint64 rows = tileCount(NC.top, NC.bottom, ch);
    if (rows < 0)
        return;
    const qint64 first = NC.top >= 0 ? 0 : std::max<qint64>(0, -qint64(NC.top) / ch - 1);
    const qint64 last = std::min<qint64>(rows, (qint64(B.Height()) - NC.top) / ch + 1);
    for (qint64 j = first; j <= last; ++j) {
        const qint64 k = std::max<qint64>(0, NC.top + (j + 1) * ch - NC.bottom);
        const Strip strip{R.left + C.left, cw, R.top + C.top, int(R.top + C.top + ch - k), int(NC.top + j * ch),
            int(NC.top + (j + 1) * ch - k)};
        tile(Axis::Columns, B, SB, strip, NC.left, NC.right, columns);
    }
}

void middle(Axis axis, bool stretched, TBitmap& B, const TBitmap& SB, const Strip& strip, int s, int e)
{
    if (stretched)
        stretch(axis, B, SB, strip, s, e);
    else
        tile(axis, B, SB, strip, s, e, tileCount(s, e, strip.length));
}

void buildNinePart(const SkinCut& rawCut, const CutTarget& rawTarget, TBitmap& B, const TBitmap& SB,
    const TRect& rawR, bool drawClient, const EdgeStretch& stretched)
{
    const SkinCut cut = clampCut(rawCut);
    const CutTarget t = clampTarget(rawTarget);
    const TRect R = clampRect(rawR);
    B.SetSize(t.width, t.height);
    const TPoint LT = cut.leftTop, RT = cut.rightTop, LB = cut.leftBottom, RB = cut.rightBottom;
    if (RB.x == LT.x || RB.y == LT.y || SB.Empty() || B.Empty())
        return;
    const TRect C = cut.client;
    const TRect NC = t.client;
    const int AW = t.width;
    const int AH = t.height;

    middle(Axis::Columns, stretched.top, B, SB, {R.left + LT.x, RT.x - LT.x, R.top, R.top + C.top, 0, NC.top},
        t.leftTop.x, t.rightTop.x);
    middle(Axis::Columns, stretched.bottom, B, SB,
        {R.left + LB.x, RB.x - LB.x, R.top + C.bottom, R.bottom, NC.bottom, AH}, t.leftBottom.x, t.rightBottom.x);
    middle(Axis::Rows, stretched.left, B, SB, {R.top + LT.y, LB.y - LT.y, R.left, R.left + NC.left, 0, NC.left},
        t.leftTop.y, t.leftBottom.y);
    middle(Axis::Rows, stretched.right, B, SB, {R.top + RT.y, RB.y - RT.y, R.left + C.right, R.right, NC.right, AW},
        t.rightTop.y, t.rightBottom.y);

    const auto fixed = [&](TRect src, TRect dst) { copyArea(B, SB, src, dst); };
    fixed({R.left, R.top, R.left + LT.x, R.top + C.top}, {0, 0, t.leftTop.x, NC.top});
    fixed({R.left, R.top + C.top, R.left + C.left, R.top + LT.y}, {0, NC.top, NC.left, t.leftTop.y});
    fixed({R.left + RT.x, R.top, R.right, R.top + C.top}, {t.rightTop.x, 0, AW, NC.top});
    fixed({R.left + C.right, R.top + C.top, R.right, R.top + RT.y}, {NC.right, NC.top, AW, t.rightTop.y});
    fixed({R.left, R.top + LB.y, R.left + C.left, R.bottom}, {0, t.leftBottom.y, NC.left, AH});
    fixed({R.left + C.left, R.top + C.bottom, R.left + LB.x, R.bottom}, {NC.left, NC.bottom, t.leftBottom.x, AH});
    fixed({R.left + RB.x, R.top + C.bottom, R.right, R.bottom}, {t.rightBottom.x, NC.bottom, AW, AH});
    fixed({R.left + C.right, R.top + RB.y, R.right, R.top + C.bottom}, {NC.right, t.rightBottom.y, AW, NC.bottom});

    if (drawClient)
        tileClient(B, SB, R, C, NC);
}

} // namespace

void CreateSkinImage(const SkinCut& cut, const CutTarget& target, TBitmap& B, const TBitmap& SB, const TRect& R,
    bool drawClient)
{
    buildNinePart(cut, target, B, SB, R, drawClient, {});
}

void CreateSkinImageBS(const SkinCut& cut, const CutTarget& target, TBitmap& B, const TBitmap& SB, const TRect& R,
    bool drawClient, const EdgeStretch& stretch)
{
    buildNinePart(cut, target, B, SB, R, drawClient, stretch);
}

void CreateHSkinImage(int LO, int RO, TBitmap& B, const TBitmap& SB, const TRect& rawR, int AW, int)
{
    const TRect R = clampRect(rawR);
    LO = clampCoordinate(LO);
    RO = clampCoordinate(RO);
    AW = std::clamp(AW, 0, kCoordinateLimit);
    B.SetSize(AW, R.height());
    const int h = B.Height();
    if (LO != 0)
        copyArea(B, SB, {R.left, R.top, R.left + LO, R.bottom}, {0, 0, LO, h});
    if (RO != 0)
        copyArea(B, SB, {R.right - RO, R.top, R.right, R.bottom}, {AW - RO, 0, AW, h});
    const int m = R.width() - LO - RO;
    tile(Axis::Columns, B, SB, {R.left + LO, m, R.top, R.bottom, 0, h}, LO, AW - RO, tileCount(LO, AW - RO, m));
}

void CreateVSkinImage(int TO, int BO, TBitmap& B, const TBitmap& SB, const TRect& rawR, int, int AH)
{
    const TRect R = clampRect(rawR);
    TO = clampCoordinate(TO);
    BO = clampCoordinate(BO);
    AH = std::clamp(AH, 0, kCoordinateLimit);
    B.SetSize(R.width(), AH);
    const int w = B.Width();
    if (TO != 0)
        copyArea(B, SB, {R.left, R.top, R.right, R.top + TO}, {0, 0, w, TO});
    if (BO != 0)
        copyArea(B, SB, {R.left, R.bottom - BO, R.right, R.bottom}, {0, AH - BO, w, AH});
    const int m = R.height() - TO - BO;
    tile(Axis::Rows, B, SB, {R.top + TO, m, R.left, R.right, 0, w}, TO, AH - BO, tileCount(TO, AH - BO, m));
}

} // namespace skin
