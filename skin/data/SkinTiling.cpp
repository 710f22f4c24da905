#include "skin/data/SkinTiling.h"

#include <algorithm>

namespace skin::tiling {

namespace {

TRect along(Axis axis, qint64 from, qint64 to, int cross0, int cross1)
{
    if (axis == Axis::Columns)
        return {int(from), cross0, int(to), cross1};
    return {cross0, int(from), cross1, int(to)};
}

} // namespace

void copyArea(platform::TBitmap& to, const platform::TBitmap& from, const TRect& src, const TRect& dst)
{
    to.Canvas().CopyRect(dst, from.Canvas(), src);
}

qint64 tileCount(int s, int e, int length)
{
    return length == 0 ? -1 : (qint64(e) - s) / length;
}

void tile(Axis axis, platform::TBitmap& to, const platform::TBitmap& from, const Strip& strip, int s, int e, qint64 n)
{
    const qint64 m = strip.length;
    // A strip of no or negative length gives only empty or inverted tiles.
    if (m <= 0 || n < 0 || to.Empty())
        return;
    const qint64 extent = axis == Axis::Columns ? to.Width() : to.Height();
    // Only tiles that reach into the target: s + (i + 1) * m > 0 and
    // s + i * m < extent.
    const qint64 first = s >= 0 ? 0 : std::max<qint64>(0, -qint64(s) / m - 1);
    const qint64 last = std::min<qint64>(n, (extent - s) / m + 1);
    for (qint64 i = first; i <= last; ++i) {
        const qint64 k = std::max<qint64>(0, s + (i + 1) * m - e);
        const TRect src = along(axis, strip.start, strip.start + m - k, strip.cross0, strip.cross1);
        const TRect dst = along(axis, s + i * m, s + (i + 1) * m - k, strip.dstCross0, strip.dstCross1);
        copyArea(to, from, src, dst);
    }
}

void stretch(Axis axis, platform::TBitmap& to, const platform::TBitmap& from, const Strip& strip, int s, int e)
{
    copyArea(to, from, along(axis, strip.start, qint64(strip.start) + strip.length, strip.cross0, strip.cross1),
        along(axis, s, e, strip.dstCross0, strip.dstCross1));
}

} // namespace skin::tiling
