#include "tests/skin_images/CutPictures.h"

#include "skin/data/SkinImageBuilders.h"

#include <gtest/gtest.h>

using namespace skin;
using cuttest::sourceOf;
using platform::TBitmap;
using platform::TPoint;

namespace {

// The main window's frame: a 162 x 140 picture drawn at 720 x 476.
struct FrameBands : ::testing::Test {
    void SetUp() override
    {
        cuttest::paintCoordinates(source, 162, 140);
        target = stretchedTarget(cuttest::frameCut(), 720, 476);
    }
    TBitmap source;
    CutTarget target;
    BorderImages bands;
};

} // namespace

TEST_F(FrameBands, BandSizesFollowTheClientRectangle)
{
    CreateSkinBorderImages(cuttest::frameCut(), target, bands, source, {0, 0, 162, 140}, {});
    EXPECT_EQ(QSize(bands.top.Width(), bands.top.Height()), QSize(720, 24));
    EXPECT_EQ(QSize(bands.bottom.Width(), bands.bottom.Height()), QSize(720, 5));
    EXPECT_EQ(QSize(bands.left.Width(), bands.left.Height()), QSize(5, 447));
    EXPECT_EQ(QSize(bands.right.Width(), bands.right.Height()), QSize(5, 447));
    cuttest::savePicture(bands.top, "frame_top_720");
}

TEST_F(FrameBands, MiddlesTileFromTheBandOriginUnderTheCorners)
{
    CreateSkinBorderImages(cuttest::frameCut(), target, bands, source, {0, 0, 162, 140}, {});
    // Top: corners 0 .. 40 and 638 .. 720; tiles of 40 from x = 0.
    for (int x = 0; x < 720; ++x) {
        const int expected = x < 40 ? x : x >= 638 ? 80 + (x - 638) : 40 + x % 40;
        ASSERT_EQ(sourceOf(bands.top, x, 10), (TPoint{expected, 10})) << "column " << x;
    }
    // Bottom: corners 0 .. 40 and 678 .. 720, tiles of 80 from x = 0; rows 135 .. 140.
    for (int x = 0; x < 720; ++x) {
        const int expected = x < 40 ? x : x >= 678 ? 120 + (x - 678) : 40 + x % 80;
        ASSERT_EQ(sourceOf(bands.bottom, x, 2), (TPoint{expected, 137})) << "column " << x;
    }
    // Left: top piece rows 24 .. 30, bottom piece 130 .. 135, tiles of 100 from y = 0.
    for (int y = 0; y < 447; ++y) {
        const int expected = y < 6 ? 24 + y : y >= 442 ? 130 + (y - 442) : 30 + y % 100;
        ASSERT_EQ(sourceOf(bands.left, 1, y), (TPoint{1, expected})) << "row " << y;
        ASSERT_EQ(sourceOf(bands.right, 1, y), (TPoint{158, expected})) << "row " << y;
    }
}

TEST_F(FrameBands, StretchedBandsSpanTheMovedPoints)
{
    EdgeStretch all{true, true, true, true};
    CreateSkinBorderImages(cuttest::frameCut(), target, bands, source, {0, 0, 162, 140}, all);
    EXPECT_EQ(sourceOf(bands.top, 40, 0).x, 40);
    EXPECT_EQ(sourceOf(bands.top, 637, 0).x, 40 + 597 * 40 / 598);
    EXPECT_EQ(sourceOf(bands.top, 638, 0).x, 80);
    // Left middle stretched over rows 6 .. 442.
    EXPECT_EQ(sourceOf(bands.left, 0, 6).y, 30);
    EXPECT_EQ(sourceOf(bands.left, 0, 441).y, 30 + 435 * 100 / 436);
    EXPECT_EQ(sourceOf(bands.left, 0, 442).y, 130);
}

TEST_F(FrameBands, BandWithoutRepeatedPartKeepsItsOldPicture)
{
    CreateSkinBorderImages(cuttest::frameCut(), target, bands, source, {0, 0, 162, 140}, {});
    SkinCut flat = cuttest::frameCut();
    flat.rightTop.x = flat.leftTop.x;
    bands.top.SetSize(3, 3);
    bands.top.ScanLine(1)[1] = qRgb(1, 2, 3);
    CreateSkinBorderImages(flat, stretchedTarget(flat, 300, 200), bands, source, {0, 0, 162, 140}, {});
    EXPECT_EQ(bands.top.Width(), 3);
    EXPECT_EQ(bands.top.ScanLine(1)[1], qRgb(1, 2, 3));
    EXPECT_EQ(bands.bottom.Width(), 300);
}
