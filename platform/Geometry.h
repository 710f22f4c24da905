#pragma once

#include <QPoint>

#include <cstdint>

namespace platform {

// A point of the classic platform; used in polylines and pen positions.
struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle of the classic platform: right and bottom are exclusive, so
// the width is right - left.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The one set of rectangle rules. A rectangle is null (not given) when its
// width or height is 0 or less; a point is null when x or y is 0.
inline bool isNullRect(const TRect& r)
{
    // Skin files may hold any 32-bit bounds: no overflow in the difference.
    return int64_t(r.right) - r.left <= 0 || int64_t(r.bottom) - r.top <= 0;
}
inline bool isNullPoint(const TPoint& p) { return p.x == 0 || p.y == 0; }
// Left and top edges inside, right and bottom outside.
inline bool ptInRect(const TRect& r, QPoint p)
{
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}
// All four edges inside, as the skin's own hit rules count them.
inline bool rectContains(const TRect& r, int x, int y) { return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom; }

} // namespace platform
