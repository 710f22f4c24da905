#pragma once

#include "skin/data/SkinTypes.h"

#include <QSize>

// The cut of a skin area: how a picture area is split into fixed corners,
// repeated border bands and a client middle so that it can be drawn at any
// size. Pure value types and functions, shared by the frame and every
// control, testable without widgets.
namespace skin {

// Coordinates the builders accept; anything beyond is clamped, so hostile
// skin numbers cannot overflow the arithmetic. No picture comes near it.
inline constexpr int kCoordinateLimit = 1 << 24;

// A skin area of W x H pixels and its cut, all relative to the area's top
// left corner: the client rectangle and the four points that bound the
// repeated middle of each band (top LT.x..RT.x, bottom LB.x..RB.x, left
// LT.y..LB.y, right RT.y..RB.y).
struct SkinCut {
    QSize size;
    TRect client;
    TPoint leftTop;
    TPoint rightTop;
    TPoint leftBottom;
    TPoint rightBottom;

    int width() const { return size.width(); }
    int height() const { return size.height(); }
    friend bool operator==(const SkinCut&, const SkinCut&) = default;
};

// Where the cut lands in a target of width x height: the moved points and
// client rectangle, in target coordinates.
struct CutTarget {
    int width = 0;
    int height = 0;
    TRect client;
    TPoint leftTop;
    TPoint rightTop;
    TPoint leftBottom;
    TPoint rightBottom;
    friend bool operator==(const CutTarget&, const CutTarget&) = default;
};

// How a control's image follows its size (values as the skin tools count
// them).
enum class ResizeMode {
    None = -1,       // no skin area: nothing is drawn from the skin
    Fixed = 0,       // the control takes the size of its skin area
    NinePart = 1,    // corners fixed, bands and middle repeated both ways
    Horizontal = 2,  // height fixed to the skin's, middle columns repeated
    Vertical = 3,    // width fixed to the skin's, middle rows repeated
};

// The cut of a control record: size of skinrect, its clientrect and points.
SkinCut cutOf(const TRect& skinrect, const TRect& clientrect, TPoint lefttoppoint, TPoint righttoppoint,
    TPoint leftbottompoint, TPoint rightbottompoint);

// The resize mode of a record with this skin area and cut: None for an all-
// zero skinrect, NinePart when RB has both coordinates, Horizontal when RT
// has one, Vertical when LB has one, Fixed otherwise (tested in that order).
ResizeMode resizeModeOf(const TRect& skinrect, const SkinCut& cut);

// Every band follows the target: RT and RB move right by the width change,
// LB and RB down by the height change, the client's right and bottom edges
// with them (the frame and nine-part geometry).
CutTarget stretchedTarget(const SkinCut& cut, int width, int height);

// A control's size fitting: the size the control takes for a requested one
// and the cut moved to it. NinePart keeps the request; Horizontal takes the
// skin height and moves only RT and the client's right edge; Vertical takes
// the skin width and moves only LB and the client's bottom edge; Fixed takes
// the skin size. None leaves the size and returns the cut unmoved.
CutTarget fitCut(const SkinCut& cut, ResizeMode mode, QSize requested);

// A rectangle given on the skin image moved to a target of the given size
// (captions, buttons and other parts that lie on the image); edges count as
// inside.
TRect moveRectToSize(const SkinCut& cut, ResizeMode mode, const TRect& r, QSize size);

// Coordinates clamped to ±kCoordinateLimit.
int clampCoordinate(qint64 value);
TRect clampRect(const TRect& r);
SkinCut clampCut(const SkinCut& cut);
CutTarget clampTarget(const CutTarget& target);

// Coordinates held to 0 .. the width or height of size (a picture or an
// area): a skin's numbers beyond it would size a window or a part past any
// screen.
TPoint pointWithin(TPoint p, QSize size);
TRect rectWithin(const TRect& r, QSize size);

} // namespace skin
