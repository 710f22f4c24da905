#include "skin/frame/FrameGeometry.h"

#include "skin/data/SkinCut.h"
#include "skin/data/TkvSkinData.h"

namespace skin {

namespace {

// A skin coordinate moved with the frame's size, held to the range the
// image builders accept whatever numbers the skin holds.
int clampedSum(int value, int by) { return clampCoordinate(qint64(value) + by); }

TPoint moved(TPoint p, int dx, int dy) { return {clampedSum(p.x, dx), clampedSum(p.y, dy)}; }

// The right and bottom edges moved, the left and top kept.
TRect grown(const TRect& r, int dx, int dy)
{
    return {r.left, r.top, clampedSum(r.right, dx), clampedSum(r.bottom, dy)};
}

bool isZeroRect(const TRect& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

// Left/top inclusive, right/bottom exclusive: the corner zones' test.
bool inZone(const TRect& zone, int x, int y)
{
    return x >= zone.left && x < zone.right && y >= zone.top && y < zone.bottom;
}

} // namespace

FrameGeometry CalcRects(const TkvSkinData& skin, int width, int height)
{
    FrameGeometry g;
    g.width = width;
    g.height = height;
    g.pictureWidth = skin.PictureBitmap.width();
    g.pictureHeight = skin.PictureBitmap.height();
    g.skinLeftTop = skin.lefttoppoint;
    g.skinRightTop = skin.righttoppoint;
    g.skinLeftBottom = skin.leftbottompoint;
    g.skinRightBottom = skin.rightbottompoint;
    const int dx = g.dx();
    const int dy = g.dy();
    g.lefttoppoint = skin.lefttoppoint;
    g.righttoppoint = moved(skin.righttoppoint, dx, 0);
    g.leftbottompoint = moved(skin.leftbottompoint, 0, dy);
    g.rightbottompoint = moved(skin.rightbottompoint, dx, dy);
    g.clientrect = grown(skin.clientrect, dx, dy);
    g.captionrect = skin.captionrect;
    if (!isZeroRect(g.captionrect))
        g.captionrect.right = clampedSum(g.captionrect.right, dx);
    g.buttonsrect = skin.buttonsrect;
    if (!isNullRect(g.buttonsrect) && g.buttonsrect.left > g.pictureWidth / 2)
        g.buttonsrect = {clampedSum(g.buttonsrect.left, dx), g.buttonsrect.top, clampedSum(g.buttonsrect.right, dx),
            g.buttonsrect.bottom};
    g.buttonsoffset = clampCoordinate(skin.buttonsoffset);
    g.buttonsinleft = skin.buttonsinleft;
    g.hitLeftTop = skin.hittestlefttoppoint;
    g.hitRightTop = moved(skin.hittestrighttoppoint, dx, 0);
    g.hitLeftBottom = moved(skin.hittestleftbottompoint, 0, dy);
    g.hitRightBottom = moved(skin.hittestrightbottompoint, dx, dy);
    g.maskrectarea = grown(skin.maskrectarea, dx, dy);
    return g;
}

TRect CalcRealObjectRect(const FrameGeometry& g, const TRect& r)
{
    const int pw = g.pictureWidth;
    const int ph = g.pictureHeight;
    const TRect topLeft{0, 0, g.skinLeftTop.x, g.skinLeftTop.y};
    const TRect topRight{g.skinRightTop.x, 0, pw, g.skinRightTop.y};
    const TRect bottomLeft{0, g.skinLeftBottom.y, g.skinLeftBottom.x, ph};
    const TRect bottomRight{g.skinRightBottom.x, g.skinRightBottom.y, pw, ph};
    const int dx = g.dx();
    const int dy = g.dy();
    const auto tl = [&](const TRect& zone) { return inZone(zone, r.left, r.top); };
    const auto br = [&](const TRect& zone) { return inZone(zone, r.right, r.bottom); };
    const auto shifted = [&](int mx, int my) { return TRect{r.left + mx, r.top + my, r.right + mx, r.bottom + my}; };

    if (tl(topLeft) && br(topLeft))
        return r;
    if (tl(topRight) && br(topRight))
        return shifted(dx, 0);
    if (tl(bottomLeft) && br(bottomLeft))
        return shifted(0, dy);
    if (tl(bottomRight) && br(bottomRight))
        return shifted(dx, dy);
    if (tl(topLeft) && br(bottomRight))
        return {r.left, r.top, r.right + dx, r.bottom + dy};
    if (tl(topLeft) && br(topRight))
        return {r.left, r.top, r.right + dx, r.bottom};
    if (tl(bottomLeft) && br(bottomRight))
        return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
    if (tl(topLeft) && br(bottomLeft))
        return {r.left, r.top, r.right, r.bottom + dy};
    if (tl(topRight) && br(bottomRight))
        return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
    return r;
}

namespace {

bool inCaption(const HitTestState& s, QPoint p)
{
    for (const TRect& caption : s.captions) {
        if (ptInRect(caption, p))
            return true;
    }
    return false;
}

bool inWindow(const HitTestState& s, int x, int y)
{
    if (s.mask)
        return s.mask->contains(QPoint(x, y));
    return x >= 0 && y >= 0 && x < s.width && y < s.height;
}

} // namespace

int NewNCHitTest(const FrameGeometry& g, const HitTestState& s, QPoint p)
{
    const bool caption = inCaption(s, p);
    if (s.rolledUp || s.minimized)
        return caption ? HTCAPTION : HTOBJECT;
    const bool client = ptInRect(g.clientrect, p);
    if (s.objectHovered && !caption && !client && !s.inSizeMove)
        return HTOBJECT;
    const auto plain = [&] { return client ? HTCLIENT : caption ? HTCAPTION : HTOBJECT; };
    if (s.maximized || !s.sizeable)
        return plain();
    const int x = p.x();
    const int y = p.y();
    const int bw = s.borderwidth;
    // Near the outline: one of the four points a border width away falls
    // outside the window (its mask, where it has one).
    bool near = false;
    if (!s.mask || !ptInRect(g.maskrectarea, p)) {
        near = !inWindow(s, x - bw, y) || !inWindow(s, x, y - bw) || !inWindow(s, x + bw, y)
            || !inWindow(s, x, y + bw);
    }
    if (!near)
        return plain();
    const TRect& c = g.clientrect;
    if (x <= g.hitLeftTop.x && y <= g.hitLeftTop.y)
        return HTTOPLEFT;
    if (x >= g.hitRightTop.x && y <= g.hitRightTop.y)
        return HTTOPRIGHT;
    if (x <= g.hitLeftBottom.x && y >= g.hitLeftBottom.y)
        return HTBOTTOMLEFT;
    if (x >= g.hitRightBottom.x && y >= g.hitRightBottom.y)
        return HTBOTTOMRIGHT;
    if (ptInRect(TRect{g.hitLeftTop.x, 0, g.hitRightTop.x, c.top}, p))
        return HTTOP;
    if (ptInRect(TRect{g.hitLeftBottom.x, c.bottom, g.hitRightBottom.x, s.height}, p))
        return HTBOTTOM;
    if (ptInRect(TRect{0, g.hitLeftTop.y, c.left, g.hitLeftBottom.y}, p))
        return HTLEFT;
    if (ptInRect(TRect{c.right, g.hitRightTop.y, s.width, g.hitRightBottom.y}, p))
        return HTRIGHT;
    return plain();
}

int DefaultNCHitTest(const HitTestState& s, QPoint p)
{
    const TRect client{kDefBorder, kDefCaptionHeight + kDefBorder, s.width - kDefBorder, s.height - kDefBorder};
    const auto plain = [&] {
        if (s.objectHovered)
            return HTOBJECT;
        if (inCaption(s, p))
            return HTCAPTION;
        return ptInRect(client, p) && !s.rolledUp && !s.minimized ? HTCLIENT : HTOBJECT;
    };
    if (s.maximized || s.rolledUp || s.minimized || !s.sizeable || s.objectHovered)
        return plain();
    const int x = p.x();
    const int y = p.y();
    const bool left = x <= 2;
    const bool top = y <= 2;
    const bool right = x >= s.width - 2;
    const bool bottom = y >= s.height - 2;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (left && bottom)
        return HTBOTTOMLEFT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    if (bottom)
        return HTBOTTOM;
    return plain();
}

QPoint DoMagnetic(QPoint proposed, QSize size, const TRect& workArea, int distance)
{
    int x = proposed.x();
    int y = proposed.y();
    const int m = distance;
    if (workArea.left - m < x && x < workArea.left + m)
        x = workArea.left;
    if (workArea.top - m < y && y < workArea.top + m)
        y = workArea.top;
    if (workArea.right - m < x + size.width() && x + size.width() < workArea.right + m)
        x = workArea.right - size.width();
    if (workArea.bottom - m < y + size.height() && y + size.height() < workArea.bottom + m)
        y = workArea.bottom - size.height();
    return {x, y};
}

} // namespace skin
