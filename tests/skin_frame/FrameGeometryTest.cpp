// Pure frame geometry: the hit test of the frame zones, the placing of
// record rectangles on a grown window and snapping to the work area.

#include "skin/frame/FrameGeometry.h"

#include "skin/data/SkinCut.h"
#include "skin/data/TkvSkinData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

using namespace skin;

namespace {

// The program's frame numbers (162 x 140 picture, client 5,24,157,135,
// corner points 40,30 / 80,30 / 40,130 / 120,130) at width x height.
FrameGeometry frameAt(int width, int height)
{
    FrameGeometry g;
    g.width = width;
    g.height = height;
    g.pictureWidth = 162;
    g.pictureHeight = 140;
    g.skinLeftTop = {40, 30};
    g.skinRightTop = {80, 30};
    g.skinLeftBottom = {40, 130};
    g.skinRightBottom = {120, 130};
    const int dx = width - 162;
    const int dy = height - 140;
    g.lefttoppoint = g.hitLeftTop = {40, 30};
    g.righttoppoint = g.hitRightTop = {80 + dx, 30};
    g.leftbottompoint = g.hitLeftBottom = {40, 130 + dy};
    g.rightbottompoint = g.hitRightBottom = {120 + dx, 130 + dy};
    g.clientrect = {5, 24, 157 + dx, 135 + dy};
    g.maskrectarea = {4, 3, 159 + dx, 137 + dy};
    return g;
}

HitTestState sizeableAt(int width, int height)
{
    HitTestState s;
    s.width = width;
    s.height = height;
    s.sizeable = true;
    s.borderwidth = 3;
    s.captions = {{24, 3, width - 73, 21}};
    return s;
}

struct HitCase {
    QPoint point;
    int code;
};

} // namespace

TEST(FrameHitTest, SizeableWindowZonesFromATableOfPoints)
{
    const FrameGeometry g = frameAt(400, 300);
    const HitTestState s = sizeableAt(400, 300);
    const HitCase cases[] = {
        {{0, 0}, HTTOPLEFT},
        {{399, 0}, HTTOPRIGHT},
        {{0, 299}, HTBOTTOMLEFT},
        {{399, 299}, HTBOTTOMRIGHT},
        {{200, 0}, HTTOP},
        {{200, 299}, HTBOTTOM},
        {{0, 150}, HTLEFT},
        {{399, 150}, HTRIGHT},
        {{100, 10}, HTCAPTION},     // inside the caption, away from the edge
        {{200, 150}, HTCLIENT},
        {{3, 150}, HTOBJECT},       // border band, but not within 3 of the outline
        {{350, 10}, HTOBJECT},      // the button row
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(NewNCHitTest(g, s, c.point), c.code) << c.point.x() << "," << c.point.y();
}

TEST(FrameHitTest, FixedMaximizedAndRolledUpWindowsNeverSize)
{
    const FrameGeometry g = frameAt(720, 476);
    HitTestState s = sizeableAt(720, 476);
    s.sizeable = false;
    EXPECT_EQ(NewNCHitTest(g, s, {0, 0}), HTOBJECT);
    EXPECT_EQ(NewNCHitTest(g, s, {100, 10}), HTCAPTION);
    EXPECT_EQ(NewNCHitTest(g, s, {100, 100}), HTCLIENT);
    s.sizeable = true;
    s.maximized = true;
    EXPECT_EQ(NewNCHitTest(g, s, {719, 475}), HTOBJECT);
    s.maximized = false;
    s.rolledUp = true;
    // Rolled up there is no client: only the caption and the objects.
    EXPECT_EQ(NewNCHitTest(g, s, {100, 100}), HTOBJECT);
    EXPECT_EQ(NewNCHitTest(g, s, {100, 10}), HTCAPTION);
}

TEST(FrameHitTest, HoveredObjectWinsOverEdgesButNotOverCaptionOrClient)
{
    const FrameGeometry g = frameAt(400, 300);
    HitTestState s = sizeableAt(400, 300);
    s.objectHovered = true;
    EXPECT_EQ(NewNCHitTest(g, s, {399, 0}), HTOBJECT);
    EXPECT_EQ(NewNCHitTest(g, s, {100, 10}), HTCAPTION);
    EXPECT_EQ(NewNCHitTest(g, s, {200, 150}), HTCLIENT);
    s.inSizeMove = true;
    EXPECT_EQ(NewNCHitTest(g, s, {399, 0}), HTTOPRIGHT);
}

TEST(FrameHitTest, WithAMaskOnlyPointsNearTheOutlineSize)
{
    const FrameGeometry g = frameAt(400, 300);
    HitTestState s = sizeableAt(400, 300);
    // The outline lacks its top-left 10 x 10 corner.
    const QRegion mask = QRegion(0, 0, 400, 300) - QRegion(0, 0, 10, 10);
    s.mask = &mask;
    EXPECT_EQ(NewNCHitTest(g, s, {12, 1}), HTTOPLEFT);  // next to the cut-away corner
    EXPECT_EQ(NewNCHitTest(g, s, {60, 1}), HTTOP);
    EXPECT_EQ(NewNCHitTest(g, s, {2, 150}), HTLEFT);
    // Inside the mask area nothing is near, whatever the distance to the edge.
    EXPECT_EQ(NewNCHitTest(g, s, {4, 150}), HTOBJECT);
}

TEST(FrameHitTest, DefaultFrameEdgesWithinTwoPixels)
{
    HitTestState s;
    s.width = 300;
    s.height = 200;
    s.sizeable = true;
    s.captions = {{3, 3, 246, 22}};
    const HitCase cases[] = {{{1, 1}, HTTOPLEFT}, {{298, 198}, HTBOTTOMRIGHT}, {{150, 2}, HTTOP},
        {{150, 198}, HTBOTTOM}, {{2, 100}, HTLEFT}, {{298, 100}, HTRIGHT}, {{100, 10}, HTCAPTION},
        {{100, 100}, HTCLIENT}, {{260, 10}, HTOBJECT}};
    for (const HitCase& c : cases)
        EXPECT_EQ(DefaultNCHitTest(s, c.point), c.code) << c.point.x() << "," << c.point.y();
    s.sizeable = false;
    EXPECT_EQ(DefaultNCHitTest(s, {1, 1}), HTOBJECT);
}

TEST(FrameObjectPlacement, ZoneRulesAtSevenHundredTwentyWide)
{
    const FrameGeometry g = frameAt(720, 476);
    struct Case {
        TRect record;
        TRect placed;
        const char* rule;
    } const cases[] = {
        {{6, 5, 20, 19}, {6, 5, 20, 19}, "1: top-left corner stays"},
        {{92, 5, 154, 21}, {650, 5, 712, 21}, "2: top-right corner moves right"},
        {{6, 132, 20, 138}, {6, 468, 20, 474}, "3: bottom-left corner moves down"},
        {{130, 132, 150, 138}, {688, 468, 708, 474}, "4: bottom-right corner moves both ways"},
        {{10, 10, 130, 132}, {10, 10, 688, 468}, "5: stretches with the window"},
        {{24, 3, 89, 21}, {24, 3, 647, 21}, "6: stretches along the top (the caption)"},
        {{10, 132, 130, 138}, {10, 468, 688, 474}, "7: stretches along the bottom"},
        {{2, 10, 8, 132}, {2, 10, 8, 468}, "8: stretches down the left side"},
        {{125, 10, 135, 132}, {683, 10, 693, 468}, "9: stretches down the right side"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalcRealObjectRect(g, c.record), c.placed) << c.rule;
}

TEST(FrameGeometryRange, NumbersNearTheIntLimitStayWithinTheBuildersRange)
{
    // Records built in code skip the reader's bounds; the frame holds its
    // own sums to the builders' range all the same.
    constexpr int big = std::numeric_limits<int>::max() - 47;
    skin::TkvSkinData skin;
    skin.clientrect = {5, 24, big, big};
    skin.maskrectarea = {4, 3, big, big};
    skin.captionrect = {54, 3, big, 21};
    skin.buttonsrect = {big - 62, 5, big, 21};
    skin.righttoppoint = skin.hittestrighttoppoint = {big, 30};
    skin.rightbottompoint = skin.hittestrightbottompoint = {big, big};
    skin.leftbottompoint = skin.hittestleftbottompoint = {40, big};
    const FrameGeometry g = CalcRects(skin, 720, 476);
    const auto inRange = [](const TRect& r) {
        return std::abs(r.left) <= kCoordinateLimit && std::abs(r.top) <= kCoordinateLimit
            && std::abs(r.right) <= kCoordinateLimit && std::abs(r.bottom) <= kCoordinateLimit;
    };
    const auto pointInRange = [&](const TPoint& p) { return inRange({p.x, p.y, p.x, p.y}); };
    for (const TRect& r : {g.clientrect, g.maskrectarea, g.captionrect, g.buttonsrect})
        EXPECT_TRUE(inRange(r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    for (const TPoint& p : {g.righttoppoint, g.leftbottompoint, g.rightbottompoint, g.hitRightTop, g.hitLeftBottom,
             g.hitRightBottom})
        EXPECT_TRUE(pointInRange(p)) << p.x << "," << p.y;
    EXPECT_EQ(g.clientrect.right, kCoordinateLimit);
}

TEST(FrameSnapping, SnapsWithinTheDistanceOnly)
{
    const TRect area{0, 0, 1024, 740};
    const QSize size(720, 476);
    EXPECT_EQ(DoMagnetic({3, 4}, size, area, 5), QPoint(0, 0));
    EXPECT_EQ(DoMagnetic({-4, 100}, size, area, 5), QPoint(0, 100));
    EXPECT_EQ(DoMagnetic({5, 100}, size, area, 5), QPoint(5, 100));
    EXPECT_EQ(DoMagnetic({300, 262}, size, area, 5), QPoint(304, 264));  // right and bottom edges
    EXPECT_EQ(DoMagnetic({200, 200}, size, area, 5), QPoint(200, 200));
}
