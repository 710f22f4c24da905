#include "tests/skin_images/CutPictures.h"

#include "skin/data/SkinRegions.h"

#include <gtest/gtest.h>

using namespace skin;
using platform::TBitmap;

namespace {

void fill(TBitmap& bitmap, int width, int height, QRgb color)
{
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.ScanLine(y)[x] = color;
}

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

} // namespace

TEST(Regions, BlackPixelsBecomeOneRowRuns)
{
    TBitmap mask;
    EXPECT_FALSE(CreateRgnFromBmp(mask, 0, 0).has_value()) << "an empty bitmap gives no region";

    fill(mask, 4, 2, kWhite);
    const std::optional<RegionData> white = CreateRgnFromBmp(mask, 0, 0);
    ASSERT_TRUE(white.has_value());
    EXPECT_TRUE(white->rects.empty());
    EXPECT_EQ(white->size(), 32);

    fill(mask, 4, 2, kBlack);
    const std::optional<RegionData> black = CreateRgnFromBmp(mask, 0, 0);
    ASSERT_TRUE(black.has_value());
    EXPECT_EQ(black->rects, (std::vector<TRect>{{0, 0, 4, 1}, {0, 1, 4, 2}}));
    EXPECT_EQ(black->size(), 32 + 2 * 16);
    EXPECT_EQ(black->bounds, (TRect{0, 0, 4, 2}));

    // Runs end at the first pixel that is not black, however dark.
    fill(mask, 6, 1, kBlack);
    mask.ScanLine(0)[1] = qRgb(0, 0, 1);
    mask.ScanLine(0)[4] = kWhite;
    const std::optional<RegionData> runs = CreateRgnFromBmp(mask, 10, 20);
    EXPECT_EQ(runs->rects, (std::vector<TRect>{{10, 20, 11, 21}, {12, 20, 14, 21}, {15, 20, 16, 21}}));
    EXPECT_EQ(runs->bounds, (TRect{10, 20, 16, 21}));
    EXPECT_EQ(runs->region(), QRegion(10, 20, 1, 1) | QRegion(12, 20, 2, 1) | QRegion(15, 20, 1, 1));
}

TEST(Regions, MaskWithMoreThanTenThousandRunsKeepsThemAll)
{
    TBitmap mask;
    fill(mask, 201, 101, kWhite);
    for (int y = 0; y < 101; ++y)
        for (int x = y % 2; x < 201; x += 2)
            mask.ScanLine(y)[x] = kBlack;
    const std::optional<RegionData> data = CreateRgnFromBmp(mask, 0, 0);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->rects.size(), 51u * 101 + 50u * 100);
    EXPECT_GT(data->rects.size(), 10001u);
    const QRegion region = CreateSkinSimplyRegion(mask);
    EXPECT_TRUE(region.contains(QPoint(200, 100)));
    EXPECT_FALSE(region.contains(QPoint(199, 100)));
}

namespace {

// A 20 x 20 mask cut at client 3,0,17,17: left, right and bottom bands but
// no top band. Black everywhere except its bottom-left pixel.
struct NoTopBand : ::testing::Test {
    void SetUp() override
    {
        fill(mask, 20, 20, kBlack);
        mask.ScanLine(19)[0] = kWhite;
    }
    SkinCut cut{QSize(20, 20), {3, 0, 17, 17}, {5, 2}, {15, 2}, {5, 15}, {15, 15}};
    TBitmap mask;
};

} // namespace

TEST_F(NoTopBand, RegionStillUnitesTheOtherBandsWithTheClient)
{
    const CutTarget target = stretchedTarget(cut, 40, 30);
    BorderImages bands;
    CreateSkinMask(cut, target, mask, bands);
    EXPECT_TRUE(bands.top.Empty());
    EXPECT_EQ(QSize(bands.left.Width(), bands.left.Height()), QSize(3, 27));
    EXPECT_EQ(QSize(bands.bottom.Width(), bands.bottom.Height()), QSize(40, 3));

    const std::optional<QRegion> region = CreateSkinRegion(cut, target, mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(0, 10)));   // left band
    EXPECT_TRUE(region->contains(QPoint(38, 10)));  // right band
    EXPECT_TRUE(region->contains(QPoint(20, 28)));  // bottom band
    EXPECT_TRUE(region->contains(QPoint(20, 10)));  // client
    EXPECT_FALSE(region->contains(QPoint(0, 29)));  // the cut-away corner, moved down
    EXPECT_TRUE(region->contains(QPoint(1, 29)));
    EXPECT_EQ(region->boundingRect(), QRect(0, 0, 40, 30));
}

TEST_F(NoTopBand, TargetSmallerThanTheFixedPartsGivesNoRegion)
{
    CutTarget target = stretchedTarget(cut, 40, 30);
    target.rightTop.x = target.leftTop.x - 1;
    EXPECT_FALSE(CreateSkinRegion(cut, target, mask).has_value());
}

TEST(Regions, FrameMaskCutsCornersAndTilesTheBands)
{
    // A 162 x 140 mask whose four corner pixels are cut away, drawn 720 wide.
    TBitmap mask;
    fill(mask, 162, 140, kBlack);
    for (const QPoint p : {QPoint(0, 0), QPoint(161, 0), QPoint(0, 139), QPoint(161, 139)})
        mask.ScanLine(p.y())[p.x()] = kWhite;
    const SkinCut cut{QSize(162, 140), {4, 3, 159, 137}, {40, 30}, {80, 30}, {40, 130}, {120, 130}};
    const CutTarget target = stretchedTarget(cut, 720, 476);
    const std::optional<QRegion> region = CreateSkinRegion(cut, target, mask);
    ASSERT_TRUE(region.has_value());
    for (const QPoint p : {QPoint(0, 0), QPoint(719, 0), QPoint(0, 475), QPoint(719, 475)})
        EXPECT_FALSE(region->contains(p)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 0), QPoint(360, 0), QPoint(718, 0), QPoint(0, 240), QPoint(719, 240),
             QPoint(360, 475), QPoint(360, 240)})
        EXPECT_TRUE(region->contains(p)) << p.x() << "," << p.y();
}
