#include "skin/data/SkinRegions.h"

#include "skin/data/SkinTiling.h"
#include "skin/data/TkvFBitmap.h"

#include <QRect>

namespace skin {

using platform::TBitmap;
using namespace tiling;

QRegion RegionData::region() const
{
    std::vector<QRect> qrects;
    qrects.reserve(rects.size());
    for (const TRect& r : rects)
        qrects.emplace_back(r.left, r.top, r.width(), r.height());
    QRegion result;
    if (!qrects.empty())
        result.setRects(qrects.data(), int(qrects.size()));
    return result;
}

std::optional<RegionData> CreateRgnFromBmp(const TBitmap& bitmap, int x0, int y0)
{
    if (bitmap.Empty())
        return std::nullopt;
    const TkvFBitmap pixels(bitmap);
    const int w = pixels.Width();
    const int h = pixels.Height();
    x0 = clampCoordinate(x0);
    y0 = clampCoordinate(y0);
    RegionData data;
    data.bounds = {x0, y0, x0 + w, y0 + h};
    const auto black = [](const quint8* p) { return p[0] + p[1] + p[2] == 0; };
    for (int y = 0; y < h; ++y) {
        const quint8* row = pixels.ScanLine(y);
        int x = 0;
        while (x < w) {
            if (!black(row + 3 * x)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && black(row + 3 * x))
                ++x;
            data.rects.push_back({start + x0, y + y0, x + x0, y + y0 + 1});
        }
    }
    return data;
}

QRegion CreateSkinSimplyRegion(const TBitmap& mask)
{
    const std::optional<RegionData> data = CreateRgnFromBmp(mask, 0, 0);
    return data ? data->region() : QRegion();
}

namespace {

// Left or right band mask: mask columns x0 .. x1, middle rows top .. bottom
// tiled from the band's top, the end pieces over them.
void sideMask(TBitmap& band, const TBitmap& mask, const TRect& C, int height, int x0, int x1, int top, int bottom)
{
    const int width = x1 - x0;
    band.SetSize(width, height);
    tile(Axis::Rows, band, mask, {top, bottom - top, x0, x1, 0, width}, 0, height, tileCount(0, height, bottom - top));
    if (top - C.top > 0)
        copyArea(band, mask, {x0, C.top, x1, top}, {0, 0, width, top - C.top});
    if (C.bottom - bottom > 0)
        copyArea(band, mask, {x0, bottom, x1, C.bottom}, {0, height - (C.bottom - bottom), width, height});
}

// Top or bottom band mask: mask rows y0 .. y1, middle columns left .. right
// tiled from the moved left point and cut at the moved right point.
void endMask(TBitmap& band, const TBitmap& mask, int width, int y0, int y1, int left, int right, int newLeft,
    int newRight)
{
    const int height = y1 - y0;
    band.SetSize(width, height);
    const int m = right - left;
    if (m != 0)
        tile(Axis::Columns, band, mask, {left, m, y0, y1, 0, height}, newLeft, newRight, width / m);
    copyArea(band, mask, {0, y0, left, y1}, {0, 0, left, height});
    copyArea(band, mask, {right, y0, mask.Width(), y1}, {newRight, 0, width, height});
}

} // namespace

void CreateSkinMask(const SkinCut& rawCut, const CutTarget& rawTarget, const TBitmap& mask, BorderImages& bands)
{
    const SkinCut cut = clampCut(rawCut);
    const CutTarget t = clampTarget(rawTarget);
    const TRect C = cut.client;
    const int clientHeight = t.client.height();
    const int maskWidth = mask.Width();
    const int maskHeight = mask.Height();

    if (C.left > 0 && clientHeight > 0)
        sideMask(bands.left, mask, C, clientHeight, 0, C.left, cut.leftTop.y, cut.leftBottom.y);
    if (maskWidth - C.right > 0 && clientHeight > 0)
        sideMask(bands.right, mask, C, clientHeight, C.right, maskWidth, cut.rightTop.y, cut.rightBottom.y);
    if (t.width > 0 && C.top > 0)
        endMask(bands.top, mask, t.width, 0, C.top, cut.leftTop.x, cut.rightTop.x, t.leftTop.x, t.rightTop.x);
    if (t.width >= 1 && maskHeight - C.bottom >= 1)
        endMask(bands.bottom, mask, t.width, C.bottom, maskHeight, cut.leftBottom.x, cut.rightBottom.x,
            t.leftBottom.x, t.rightBottom.x);
}

std::optional<QRegion> CreateSkinRegion(const SkinCut& rawCut, const CutTarget& rawTarget, const TBitmap& mask)
{
    const CutTarget t = clampTarget(rawTarget);
    if (t.rightTop.x < t.leftTop.x || t.leftBottom.y < t.leftTop.y)
        return std::nullopt;
    BorderImages bands;
    CreateSkinMask(rawCut, t, mask, bands);
    QRegion result;
    if (!isNullRect(t.client))
        result = QRegion(t.client.left, t.client.top, t.client.width(), t.client.height());
    const auto add = [&result](const TBitmap& band, int x, int y) {
        if (const std::optional<RegionData> data = CreateRgnFromBmp(band, x, y))
            result |= data->region();
    };
    add(bands.top, 0, 0);
    add(bands.bottom, 0, t.client.bottom);
    add(bands.left, 0, t.client.top);
    add(bands.right, t.client.right, t.client.top);
    return result;
}

} // namespace skin
