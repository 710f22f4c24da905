#pragma once

#include "platform/Geometry.h"

#include <QImage>

// A plain preview of how a skin cut looks at another size, for looking at
// the pictures: nine-part and three-part cuts with tiled middles. Tile
// phases are simplified; the product's image builders are the reference.
namespace preview {

using platform::TPoint;
using platform::TRect;

struct Cut {
    TRect area;
    TPoint lt, rt, lb, rb;
    TRect client;
};

QImage ninePart(const QImage& picture, const Cut& cut, int width, int height);
// Fixed left and right columns, tiled middle; the area's height.
QImage threePart(const QImage& picture, const TRect& area, int left, int right, int width);
// Fixed top and bottom rows, tiled middle; the area's width.
QImage threePartVertical(const QImage& picture, const TRect& area, int top, int bottom, int height);
QImage part(const QImage& picture, const TRect& area);

} // namespace preview
