#include "skin/data/SkinCut.h"

#include <algorithm>

namespace skin {

namespace {

TRect moved(TRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// Both corners of inner inside outer, edges included.
bool inside(const TRect& inner, const TRect& outer)
{
    return rectContains(outer, inner.left, inner.top) && rectContains(outer, inner.right, inner.bottom);
}

TPoint clampPoint(TPoint p) { return {clampCoordinate(p.x), clampCoordinate(p.y)}; }

} // namespace

int clampCoordinate(qint64 value) { return int(std::clamp<qint64>(value, -kCoordinateLimit, kCoordinateLimit)); }

TRect clampRect(const TRect& r)
{
    return {clampCoordinate(r.left), clampCoordinate(r.top), clampCoordinate(r.right), clampCoordinate(r.bottom)};
}

SkinCut clampCut(const SkinCut& cut)
{
    return {QSize(std::clamp(cut.width(), 0, kCoordinateLimit), std::clamp(cut.height(), 0, kCoordinateLimit)),
        clampRect(cut.client), clampPoint(cut.leftTop), clampPoint(cut.rightTop), clampPoint(cut.leftBottom),
        clampPoint(cut.rightBottom)};
}

CutTarget clampTarget(const CutTarget& t)
{
    return {std::clamp(t.width, 0, kCoordinateLimit), std::clamp(t.height, 0, kCoordinateLimit), clampRect(t.client),
        clampPoint(t.leftTop), clampPoint(t.rightTop), clampPoint(t.leftBottom), clampPoint(t.rightBottom)};
}

SkinCut cutOf(const TRect& skinrect, const TRect& clientrect, TPoint lefttoppoint, TPoint righttoppoint,
    TPoint leftbottompoint, TPoint rightbottompoint)
{
    const TRect area = clampRect(skinrect);
    return clampCut({QSize(area.width(), area.height()), clientrect, lefttoppoint, righttoppoint, leftbottompoint,
        rightbottompoint});
}

ResizeMode resizeModeOf(const TRect& skinrect, const SkinCut& cut)
{
    if (skinrect == TRect{})
        return ResizeMode::None;
    if (cut.rightBottom.x != 0 && cut.rightBottom.y != 0)
        return ResizeMode::NinePart;
    if (cut.rightTop.x != 0 || cut.rightTop.y != 0)
        return ResizeMode::Horizontal;
    if (cut.leftBottom.x != 0 || cut.leftBottom.y != 0)
        return ResizeMode::Vertical;
    return ResizeMode::Fixed;
}

CutTarget stretchedTarget(const SkinCut& cut, int width, int height)
{
    const SkinCut c = clampCut(cut);
    const int dw = clampCoordinate(qint64(width) - c.width());
    const int dh = clampCoordinate(qint64(height) - c.height());
    return clampTarget({width, height, {c.client.left, c.client.top, c.client.right + dw, c.client.bottom + dh},
        c.leftTop, {c.rightTop.x + dw, c.rightTop.y}, {c.leftBottom.x, c.leftBottom.y + dh},
        {c.rightBottom.x + dw, c.rightBottom.y + dh}});
}

CutTarget fitCut(const SkinCut& cut, ResizeMode mode, QSize requested)
{
    const SkinCut c = clampCut(cut);
    CutTarget t{requested.width(), requested.height(), c.client, c.leftTop, c.rightTop, c.leftBottom, c.rightBottom};
    switch (mode) {
    case ResizeMode::None:
        return t;
    case ResizeMode::NinePart:
        return stretchedTarget(c, requested.width(), requested.height());
    case ResizeMode::Horizontal: {
        t.height = c.height();
        const int dw = clampCoordinate(qint64(requested.width()) - c.width());
        t.rightTop.x = clampCoordinate(qint64(c.rightTop.x) + dw);
        t.client.right = clampCoordinate(qint64(c.client.right) + dw);
        return t;
    }
    case ResizeMode::Vertical: {
        t.width = c.width();
        const int dh = clampCoordinate(qint64(requested.height()) - c.height());
        t.leftBottom.y = clampCoordinate(qint64(c.leftBottom.y) + dh);
        t.client.bottom = clampCoordinate(qint64(c.client.bottom) + dh);
        return t;
    }
    case ResizeMode::Fixed:
        t.width = c.width();
        t.height = c.height();
        return t;
    }
    return t;
}

TRect moveRectToSize(const SkinCut& cut, ResizeMode mode, const TRect& r, QSize size)
{
    const SkinCut c = clampCut(cut);
    const TRect rect = clampRect(r);
    const int dw = clampCoordinate(qint64(size.width()) - c.width());
    const int dh = clampCoordinate(qint64(size.height()) - c.height());
    const int w = c.width();
    const int h = c.height();
    switch (mode) {
    case ResizeMode::NinePart: {
        const TRect lt{0, 0, c.leftTop.x, c.leftTop.y};
        const TRect rt{c.rightTop.x, 0, w, c.rightTop.y};
        const TRect lb{0, c.leftBottom.y, c.leftBottom.x, h};
        const TRect rb{c.rightBottom.x, c.rightBottom.y, w, h};
        if (inside(rect, lt))
            return rect;
        if (inside(rect, rt))
            return moved(rect, dw, 0);
        if (inside(rect, lb))
            return moved(rect, 0, dh);
        if (inside(rect, rb))
            return moved(rect, dw, dh);
        const auto in = [](const TRect& block, int x, int y) { return rectContains(block, x, y); };
        const bool tlInLt = in(lt, rect.left, rect.top);
        if (tlInLt && in(rb, rect.right, rect.bottom))
            return {rect.left, rect.top, rect.right + dw, rect.bottom + dh};
        if (tlInLt && in(rt, rect.right, rect.bottom))
            return {rect.left, rect.top, rect.right + dw, rect.bottom};
        if (in(lb, rect.left, rect.top) && in(rb, rect.right, rect.bottom))
            return {rect.left, rect.top + dh, rect.right + dw, rect.bottom + dh};
        if (tlInLt && in(lb, rect.right, rect.bottom))
            return {rect.left, rect.top, rect.right, rect.bottom + dh};
        if (in(rt, rect.left, rect.top) && in(rb, rect.right, rect.bottom))
            return {rect.left + dw, rect.top, rect.right + dw, rect.bottom + dh};
        return rect;
    }
    case ResizeMode::Horizontal:
        if (rect.left <= c.leftTop.x && rect.right >= c.rightTop.x)
            return {rect.left, rect.top, rect.right + dw, rect.bottom};
        if (rect.left >= c.rightTop.x && rect.right > c.rightTop.x)
            return moved(rect, dw, 0);
        return rect;
    case ResizeMode::Vertical:
        if (rect.top <= c.leftTop.y && rect.bottom >= c.leftBottom.y)
            return {rect.left, rect.top, rect.right, rect.bottom + dh};
        if (rect.top >= c.leftBottom.y && rect.bottom > c.leftBottom.y)
            return moved(rect, 0, dh);
        return rect;
    case ResizeMode::None:
    case ResizeMode::Fixed:
        return rect;
    }
    return rect;
}

TPoint pointWithin(TPoint p, QSize size)
{
    return {std::clamp(p.x, 0, std::max(size.width(), 0)), std::clamp(p.y, 0, std::max(size.height(), 0))};
}

TRect rectWithin(const TRect& r, QSize size)
{
    const TPoint topLeft = pointWithin({r.left, r.top}, size);
    const TPoint bottomRight = pointWithin({r.right, r.bottom}, size);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

} // namespace skin
