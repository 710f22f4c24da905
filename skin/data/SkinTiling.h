#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinTypes.h"

// Copy and tile steps shared by the image builders and the mask cutter.
namespace skin::tiling {

enum class Axis { Columns, Rows };

// The repeated strip of a band: length pixels from start along the axis,
// crossing from cross0 to cross1 in the source and dstCross0 to dstCross1 in
// the target.
struct Strip {
    int start = 0;
    int length = 0;
    int cross0 = 0;
    int cross1 = 0;
    int dstCross0 = 0;
    int dstCross1 = 0;
};

// Copies src of from to dst of to, nearest-pixel scaled when the sizes
// differ; empty or inverted rectangles copy nothing.
void copyArea(platform::TBitmap& to, const platform::TBitmap& from, const TRect& src, const TRect& dst);

// (e - s) div length, truncated toward zero.
qint64 tileCount(int s, int e, int length);

// Tiles i = 0 .. n of the strip at s + i * length, tile i cut short at its
// far end by max(0, s + (i + 1) * length - e) in source and target alike.
// A strip of no length draws nothing; tiles off the target are skipped.
void tile(Axis axis, platform::TBitmap& to, const platform::TBitmap& from, const Strip& strip, int s, int e,
    qint64 n);

// The strip stretched over s .. e.
void stretch(Axis axis, platform::TBitmap& to, const platform::TBitmap& from, const Strip& strip, int s, int e);

} // namespace skin::tiling
