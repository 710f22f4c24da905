#include "tests/skin_images/CutPictures.h"

#include "skin/data/SkinImageBuilders.h"

#include <gtest/gtest.h>

using namespace skin;
using cuttest::sourceOf;
using platform::TBitmap;
using platform::TPoint;

namespace {

// The group box area lies at (10, 20) of a larger picture, so every source
// coordinate below is offset by R's corner.
constexpr TRect kGroupBoxArea{10, 20, 69, 72};

struct GroupBoxImage : ::testing::Test {
    void SetUp() override { cuttest::paintCoordinates(source, 90, 90); }
    TBitmap source;
    TBitmap image;
};

// Source column of target column x of the group box's top band at 105 wide.
int topBandColumn(int x)
{
    if (x < 8)
        return x;
    if (x >= 96)
        return 50 + (x - 96);
    return 8 + (x - 8) % 42;
}

} // namespace

TEST_F(GroupBoxImage, TopMiddleTilesAt8_50_92AndTheThirdEndsAt96)
{
    const CutTarget target = stretchedTarget(cuttest::groupBoxCut(), 105, 129);
    EXPECT_EQ(target.rightTop.x, 96);
    CreateSkinImage(cuttest::groupBoxCut(), target, image, source, kGroupBoxArea, true);
    cuttest::savePicture(image, "groupbox_105x129", 4);
    ASSERT_EQ(image.Width(), 105);
    ASSERT_EQ(image.Height(), 129);
    for (int x = 0; x < 105; ++x) {
        ASSERT_EQ(sourceOf(image, x, 5), (TPoint{10 + topBandColumn(x), 25})) << "column " << x;
        ASSERT_EQ(sourceOf(image, x, 0), (TPoint{10 + topBandColumn(x), 20})) << "column " << x;
    }
    // Tile starts and the cut third tile: 92 .. 95 are columns 8 .. 11.
    EXPECT_EQ(sourceOf(image, 50, 3).x, 10 + 8);
    EXPECT_EQ(sourceOf(image, 92, 3).x, 10 + 8);
    EXPECT_EQ(sourceOf(image, 95, 3).x, 10 + 11);
    EXPECT_EQ(sourceOf(image, 96, 3).x, 10 + 50);
}

TEST_F(GroupBoxImage, BandsCornersAndClientLandWhereTheCutSays)
{
    const CutTarget target = stretchedTarget(cuttest::groupBoxCut(), 105, 129);
    CreateSkinImage(cuttest::groupBoxCut(), target, image, source, kGroupBoxArea, true);
    // Bottom-right corner: source (52 .. 59, 51) at (98 .. 105, 128).
    EXPECT_EQ(sourceOf(image, 98, 128), (TPoint{10 + 52, 20 + 51}));
    EXPECT_EQ(sourceOf(image, 104, 128), (TPoint{10 + 58, 20 + 51}));
    // Left band middle rows 20 .. 45 tiled from row 20 down to NLB.y = 122.
    EXPECT_EQ(sourceOf(image, 0, 20 + 25 + 3), (TPoint{10, 20 + 20 + 3}));
    // Left band below the middle: rows 45 .. 52 at 122 .. 129.
    EXPECT_EQ(sourceOf(image, 0, 122), (TPoint{10, 20 + 45}));
    // Right band: source columns 58 .. 59 at 104.
    EXPECT_EQ(sourceOf(image, 104, 60).x, 10 + 58);
    // Client tiles of 57 x 31 from (1, 20).
    EXPECT_EQ(sourceOf(image, 1 + 57 + 3, 20 + 31 + 2), (TPoint{10 + 1 + 3, 20 + 20 + 2}));
    EXPECT_EQ(sourceOf(image, 103, 127), (TPoint{10 + 1 + (102 % 57), 20 + 20 + (107 % 31)}));
}

TEST_F(GroupBoxImage, WithoutClientTheMiddleStaysBlank)
{
    CreateSkinImage(cuttest::groupBoxCut(), stretchedTarget(cuttest::groupBoxCut(), 105, 129), image, source,
        kGroupBoxArea, false);
    EXPECT_EQ(sourceOf(image, 50, 60), (TPoint{-1, -1}));
}

TEST_F(GroupBoxImage, StretchedTopMiddleSpansTheMovedPoints)
{
    EdgeStretch stretch;
    stretch.top = true;
    CreateSkinImageBS(cuttest::groupBoxCut(), stretchedTarget(cuttest::groupBoxCut(), 105, 129), image, source,
        kGroupBoxArea, true, stretch);
    cuttest::savePicture(image, "groupbox_top_stretched", 4);
    // 42 source columns over 88 target columns, nearest pixel.
    EXPECT_EQ(sourceOf(image, 8, 4).x, 10 + 8);
    EXPECT_EQ(sourceOf(image, 52, 4).x, 10 + 8 + 44 * 42 / 88);
    EXPECT_EQ(sourceOf(image, 95, 4).x, 10 + 8 + 87 * 42 / 88);
    EXPECT_EQ(sourceOf(image, 96, 4).x, 10 + 50);
    // The other bands still tile.
    EXPECT_EQ(sourceOf(image, 0, 20 + 25 + 3), (TPoint{10, 20 + 20 + 3}));
}

TEST_F(GroupBoxImage, TargetSmallerThanTheFixedPartsStillGetsItsCorners)
{
    const CutTarget target = stretchedTarget(cuttest::groupBoxCut(), 15, 40);
    ASSERT_LT(target.rightTop.x, target.leftTop.x);
    CreateSkinImage(cuttest::groupBoxCut(), target, image, source, kGroupBoxArea, true);
    EXPECT_EQ(sourceOf(image, 2, 2), (TPoint{12, 22}));
    // The top-right corner starts at NRT.x = 6 and is drawn over the left one.
    EXPECT_EQ(sourceOf(image, 7, 5), (TPoint{10 + 50 + 1, 25}));
}

TEST_F(GroupBoxImage, CutWithoutRepeatedPartsOrPictureLeavesTheImageBlank)
{
    SkinCut flat = cuttest::groupBoxCut();
    flat.rightBottom.x = flat.leftTop.x;
    CreateSkinImage(flat, stretchedTarget(flat, 70, 60), image, source, kGroupBoxArea, true);
    EXPECT_EQ(image.Width(), 70);
    EXPECT_EQ(sourceOf(image, 3, 3), (TPoint{-1, -1}));

    TBitmap none;
    CreateSkinImage(cuttest::groupBoxCut(), stretchedTarget(cuttest::groupBoxCut(), 70, 60), image, none,
        kGroupBoxArea, true);
    EXPECT_EQ(image.Height(), 60);
    EXPECT_EQ(sourceOf(image, 3, 3), (TPoint{-1, -1}));
}

namespace {

struct ThreePart : ::testing::Test {
    void SetUp() override { cuttest::paintCoordinates(source, 60, 40); }
    // Source columns of every target column of row 0.
    std::vector<int> columns() const
    {
        std::vector<int> result;
        for (int x = 0; x < image.Width(); ++x)
            result.push_back(sourceOf(image, x, 0).x);
        return result;
    }
    TBitmap source;
    TBitmap image;
};

std::vector<int> expectedColumns(int width, int lo, int ro, int areaLeft, int areaWidth)
{
    const int m = areaWidth - lo - ro;
    std::vector<int> result;
    for (int x = 0; x < width; ++x) {
        if (x >= width - ro)
            result.push_back(areaLeft + areaWidth - ro + (x - (width - ro)));
        else if (x < lo)
            result.push_back(areaLeft + x);
        else
            result.push_back(areaLeft + lo + (x - lo) % m);
    }
    return result;
}

} // namespace

TEST_F(ThreePart, ButtonAt100TilesSixTimesAndTheLastEndsAt89)
{
    const TRect area{5, 10, 40, 35};
    CreateHSkinImage(10, 35 - 24, image, source, area, 100, 40);
    cuttest::savePicture(image, "button_100", 4);
    ASSERT_EQ(image.Width(), 100);
    EXPECT_EQ(image.Height(), 25) << "the height is the area's; AH has no effect";
    EXPECT_EQ(columns(), expectedColumns(100, 10, 11, 5, 35));
    for (int start : {10, 24, 38, 52, 66, 80})
        EXPECT_EQ(sourceOf(image, start, 0).x, 5 + 10) << start;
    EXPECT_EQ(sourceOf(image, 88, 0).x, 5 + 10 + 8);
    EXPECT_EQ(sourceOf(image, 89, 0).x, 5 + 24);
    EXPECT_EQ(sourceOf(image, 7, 24), (TPoint{12, 34}));
}

TEST_F(ThreePart, FourFourTenAt30And8Wide)
{
    const TRect area{0, 0, 18, 6};
    CreateHSkinImage(4, 4, image, source, area, 30, 0);
    EXPECT_EQ(columns(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                             13, 4, 5, 14, 15, 16, 17}));
    CreateHSkinImage(4, 4, image, source, area, 8, 0);
    EXPECT_EQ(columns(), (std::vector<int>{0, 1, 2, 3, 14, 15, 16, 17}));
}

TEST_F(ThreePart, SpanShorterThanATileGetsOneCutTile)
{
    CreateHSkinImage(10, 11, image, source, {0, 0, 35, 25}, 26, 25);
    EXPECT_EQ(columns(), expectedColumns(26, 10, 11, 0, 35));
    EXPECT_EQ(sourceOf(image, 14, 0).x, 14);
    EXPECT_EQ(sourceOf(image, 15, 0).x, 24);
}

TEST_F(ThreePart, NarrowerThanItsEndsLetsTheRightEndOverlapTheLeft)
{
    CreateHSkinImage(10, 11, image, source, {0, 0, 35, 25}, 15, 25);
    EXPECT_EQ(columns(), (std::vector<int>{0, 1, 2, 3, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34}));
}

TEST_F(ThreePart, VerticalTilesRowsAndKeepsTheAreaWidth)
{
    const TRect area{3, 2, 20, 70 - 32};
    CreateVSkinImage(18, 36 - 30, image, source, area, 99, 50);
    ASSERT_EQ(image.Width(), 17);
    ASSERT_EQ(image.Height(), 50);
    // Top 18 rows fixed, middle rows 18 .. 30 (12) tiled, bottom 6 fixed.
    for (int y = 0; y < 50; ++y) {
        const int expected = y >= 44 ? 2 + 30 + (y - 44) : y < 18 ? 2 + y : 2 + 18 + (y - 18) % 12;
        ASSERT_EQ(sourceOf(image, 0, y), (TPoint{3, expected})) << "row " << y;
    }
}

TEST_F(ThreePart, MiddleOfNoWidthDrawsOnlyTheEnds)
{
    CreateHSkinImage(10, 10, image, source, {0, 0, 20, 5}, 40, 5);
    EXPECT_EQ(sourceOf(image, 5, 0).x, 5);
    EXPECT_EQ(sourceOf(image, 20, 0), (TPoint{-1, -1}));
    EXPECT_EQ(sourceOf(image, 35, 0).x, 15);
}
