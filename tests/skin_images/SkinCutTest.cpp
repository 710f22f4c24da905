#include "tests/skin_images/CutPictures.h"

#include "skin/data/SkinCutImage.h"
#include "skin/data/SkinControlRecords.h"

#include <gtest/gtest.h>

#include <climits>

using namespace skin;
using cuttest::sourceOf;

namespace {

// The vertical scroll bar cut: 17 x 68, top 18 and bottom 20 rows fixed.
SkinCut vscrollCut() { return {QSize(17, 68), {0, 17, 16, 51}, {0, 18}, {0, 0}, {0, 48}, {0, 0}}; }

} // namespace

TEST(SkinCut, ResizeModeFollowsThePointsInOrder)
{
    struct Case {
        TRect skinrect;
        TPoint rt, lb, rb;
        ResizeMode mode;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {24, 0}, {0, 0}, {52, 46}, ResizeMode::None},
        {{5, 5, 5, 5}, {0, 0}, {0, 0}, {0, 0}, ResizeMode::Fixed},
        {{0, 0, 59, 52}, {50, 21}, {5, 45}, {52, 46}, ResizeMode::NinePart},
        {{0, 0, 35, 25}, {24, 0}, {0, 0}, {0, 0}, ResizeMode::Horizontal},
        {{0, 0, 35, 25}, {0, 3}, {5, 5}, {7, 0}, ResizeMode::Horizontal},
        {{0, 0, 17, 68}, {0, 0}, {0, 48}, {0, 0}, ResizeMode::Vertical},
        {{0, 0, 17, 68}, {0, 0}, {0, 48}, {12, 0}, ResizeMode::Vertical},
        {{0, 0, 8, 16}, {0, 0}, {0, 0}, {0, 9}, ResizeMode::Fixed},
    };
    for (const Case& c : cases) {
        const SkinCut cut = cutOf(c.skinrect, {}, {1, 1}, c.rt, c.lb, c.rb);
        EXPECT_EQ(resizeModeOf(c.skinrect, cut), c.mode) << c.skinrect.right << " " << c.rt.x;
    }
}

TEST(SkinCut, SizeFittingByMode)
{
    struct Case {
        SkinCut cut;
        ResizeMode mode;
        QSize requested;
        QSize fitted;
    };
    const SkinCut fixed{QSize(8, 16), {1, 1, 7, 15}, {}, {}, {}, {}};
    const Case cases[] = {
        {cuttest::groupBoxCut(), ResizeMode::NinePart, {105, 129}, {105, 129}},
        {cuttest::groupBoxCut(), ResizeMode::NinePart, {20, 10}, {20, 10}},
        {cuttest::buttonCut(), ResizeMode::Horizontal, {100, 40}, {100, 25}},
        {cuttest::buttonCut(), ResizeMode::Horizontal, {89, 18}, {89, 25}},
        {vscrollCut(), ResizeMode::Vertical, {30, 168}, {17, 168}},
        {fixed, ResizeMode::Fixed, {99, 99}, {8, 16}},
        {fixed, ResizeMode::None, {99, 98}, {99, 98}},
    };
    for (const Case& c : cases) {
        const CutTarget t = fitCut(c.cut, c.mode, c.requested);
        EXPECT_EQ(QSize(t.width, t.height), c.fitted) << int(c.mode) << " " << c.requested.width();
    }
}

TEST(SkinCut, FittingMovesOnlyThePointsOfTheFreeAxis)
{
    const CutTarget box = fitCut(cuttest::groupBoxCut(), ResizeMode::NinePart, {105, 129});
    EXPECT_EQ(box.client, (TRect{1, 20, 104, 128}));
    EXPECT_EQ(box.leftTop, (TPoint{8, 20}));
    EXPECT_EQ(box.rightTop, (TPoint{96, 21}));
    EXPECT_EQ(box.leftBottom, (TPoint{5, 122}));
    EXPECT_EQ(box.rightBottom, (TPoint{98, 123}));
    EXPECT_EQ(box, stretchedTarget(cuttest::groupBoxCut(), 105, 129));

    const CutTarget button = fitCut(cuttest::buttonCut(), ResizeMode::Horizontal, {100, 40});
    EXPECT_EQ(button.rightTop, (TPoint{89, 3}));
    EXPECT_EQ(button.client, (TRect{3, 3, 97, 22}));
    EXPECT_EQ(button.leftBottom, (TPoint{0, 0}));

    const CutTarget bar = fitCut(vscrollCut(), ResizeMode::Vertical, {30, 168});
    EXPECT_EQ(bar.leftBottom, (TPoint{0, 148}));
    EXPECT_EQ(bar.client, (TRect{0, 17, 16, 151}));
    EXPECT_EQ(bar.rightTop, (TPoint{0, 0}));
}

TEST(SkinCut, RectanglesOnTheImageFollowTheBlockTheyLieIn)
{
    const SkinCut box = cuttest::groupBoxCut();
    const QSize size(105, 129);
    // Caption strip: top-left in the left-top block, bottom-right in the right-top one.
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {3, 2, 56, 18}, size), (TRect{3, 2, 102, 18}));
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {1, 1, 5, 5}, size), (TRect{1, 1, 5, 5}));
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {52, 2, 58, 8}, size), (TRect{98, 2, 104, 8}));
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {1, 47, 4, 50}, size), (TRect{1, 124, 4, 127}));
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {53, 47, 57, 50}, size), (TRect{99, 124, 103, 127}));
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {2, 2, 56, 50}, size), (TRect{2, 2, 102, 127}));
    EXPECT_EQ(moveRectToSize(box, ResizeMode::NinePart, {20, 25, 30, 30}, size), (TRect{20, 25, 30, 30}));

    const SkinCut button = cuttest::buttonCut();
    EXPECT_EQ(moveRectToSize(button, ResizeMode::Horizontal, {3, 3, 32, 22}, {100, 25}), (TRect{3, 3, 97, 22}));
    EXPECT_EQ(moveRectToSize(button, ResizeMode::Horizontal, {26, 5, 30, 9}, {100, 25}), (TRect{91, 5, 95, 9}));
    EXPECT_EQ(moveRectToSize(button, ResizeMode::Horizontal, {12, 5, 20, 9}, {100, 25}), (TRect{12, 5, 20, 9}));
    EXPECT_EQ(moveRectToSize(vscrollCut(), ResizeMode::Vertical, {0, 51, 17, 68}, {17, 168}),
        (TRect{0, 151, 17, 168}));
    EXPECT_EQ(moveRectToSize(vscrollCut(), ResizeMode::Vertical, {0, 17, 16, 51}, {17, 168}),
        (TRect{0, 17, 16, 151}));
}

TEST(SkinCut, HostileNumbersAreClamped)
{
    const SkinCut cut = cutOf({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, 0, INT_MAX, 5}, {INT_MAX, INT_MIN},
        {1, 1}, {1, 1}, {INT_MAX, INT_MAX});
    EXPECT_EQ(cut.width(), kCoordinateLimit);
    EXPECT_EQ(cut.client.left, -kCoordinateLimit);
    const CutTarget t = stretchedTarget(cut, INT_MAX, 10);
    EXPECT_EQ(t.width, kCoordinateLimit);
    EXPECT_LE(t.rightBottom.x, kCoordinateLimit);
}

TEST(SkinCut, ComposingDrawsTheRecordByItsMode)
{
    platform::TBitmap picture;
    cuttest::paintCoordinates(picture, 120, 120);
    TkvDataSkinButtonControl record(QStringLiteral("button"));
    record.skinrect = {10, 20, 45, 45};
    record.clientrect = {3, 3, 32, 22};
    record.lefttoppoint = {10, 3};
    record.righttoppoint = {24, 3};
    const SkinCut cut = cutOfRecord(record);
    const ResizeMode mode = resizeModeOf(record.skinrect, cut);
    ASSERT_EQ(mode, ResizeMode::Horizontal);
    const CutTarget target = fitCut(cut, mode, {89, 30});
    platform::TBitmap image;
    // A state image of the same size elsewhere in the picture shares the cut.
    composeCutImage(image, picture, {10, 60, 45, 85}, cut, mode, target);
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(89, 25));
    EXPECT_EQ(sourceOf(image, 88, 24), (TPoint{44, 84}));
    EXPECT_EQ(sourceOf(image, 30, 0), (TPoint{10 + 10 + 6, 60}));

    composeCutImage(image, picture, record.skinrect, cut, ResizeMode::Fixed, target);
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(35, 25));
    EXPECT_EQ(sourceOf(image, 0, 0), (TPoint{10, 20}));
}
