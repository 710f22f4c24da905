// The image builders and effects on faces of another pixel ratio: cuts in
// logical units, pixels from the 1x art.

#include "tests/skin_images/CutPictures.h"

#include "skin/data/SkinImageBuilders.h"
#include "skin/data/TkvEffectBmp.h"

#include <gtest/gtest.h>

#include <utility>

using namespace skin;
using platform::TBitmap;

namespace {

QRgb pixel(const TBitmap& bitmap, int x, int y) { return bitmap.ScanLine(y)[x] & 0xFFFFFF; }

struct FrameCut : ::testing::Test {
    void SetUp() override { cuttest::paintCoordinates(source, 162, 140); }

    void build(TBitmap& image, const CutTarget& target)
    {
        CreateSkinImage(cuttest::frameCut(), target, image, source, {0, 0, 162, 140}, true);
    }
    TBitmap source;
};

} // namespace

// At a whole ratio every piece lands where it lands at 1x, each pixel
// doubled: the pieces meet without seams or gaps.
TEST_F(FrameCut, NinePartAtRatioTwoIsTheOneXImageWithEveryPixelDoubled)
{
    const CutTarget target = stretchedTarget(cuttest::frameCut(), 301, 203);
    TBitmap one;
    build(one, target);
    TBitmap two(0, 0, 2);
    build(two, target);
    ASSERT_EQ(two.Width(), 301);
    ASSERT_EQ(two.PixelWidth(), 602);
    ASSERT_EQ(two.PixelHeight(), 406);
    for (int y = 0; y < two.PixelHeight(); ++y)
        for (int x = 0; x < two.PixelWidth(); ++x)
            ASSERT_EQ(pixel(two, x, y), pixel(one, x / 2, y / 2)) << x << "," << y;
    cuttest::savePicture(two, "frame-cut-ratio-2");
}

TEST_F(FrameCut, NinePartAtAFractionalRatioCoversEveryPixel)
{
    const CutTarget target = stretchedTarget(cuttest::frameCut(), 301, 203);
    TBitmap image(0, 0, 1.5);
    build(image, target);
    ASSERT_EQ(image.PixelWidth(), 452);
    // Every source pixel has blue 90, filtering keeps it near: white would
    // be a gap between two pieces.
    for (int y = 0; y < image.PixelHeight(); ++y)
        for (int x = 0; x < image.PixelWidth(); ++x)
            ASSERT_NEAR(qBlue(pixel(image, x, y)), 90, 2) << x << "," << y;
    cuttest::savePicture(image, "frame-cut-ratio-1.5");
}

TEST_F(FrameCut, BandsAtRatioTwoMeetAtTheirLogicalEdges)
{
    const CutTarget target = stretchedTarget(cuttest::frameCut(), 301, 203);
    BorderImages one;
    CreateSkinBorderImages(cuttest::frameCut(), target, one, source, {0, 0, 162, 140}, {});
    BorderImages two;
    for (TBitmap* band : {&two.top, &two.left, &two.right, &two.bottom})
        band->SetRatio(2);
    CreateSkinBorderImages(cuttest::frameCut(), target, two, source, {0, 0, 162, 140}, {});
    using Pair = std::pair<const TBitmap*, const TBitmap*>;
    for (const auto& [a, b] : {Pair{&one.top, &two.top}, Pair{&one.left, &two.left}, Pair{&one.right, &two.right},
             Pair{&one.bottom, &two.bottom}}) {
        ASSERT_EQ(b->Width(), a->Width());
        ASSERT_EQ(b->Height(), a->Height());
        for (int y = 0; y < b->PixelHeight(); ++y)
            for (int x = 0; x < b->PixelWidth(); ++x)
                ASSERT_EQ(pixel(*b, x, y), pixel(*a, x / 2, y / 2));
    }
}

TEST(EffectsAtRatio, AnEffectGivesThePictureBackAtItsSizeAndRatio)
{
    TBitmap face(10, 6, 2);
    face.Canvas().Brush.Color = platform::RGB(200, 100, 50);
    face.Canvas().FillRect({0, 0, 5, 6});
    TBitmap hot(10, 6, 2);
    TkvEffectBmp fade(face);
    EXPECT_EQ(fade.Width(), 20);
    fade.MorphBy(TkvMorphKind::mkDefault, TkvEffectBmp(hot), 0.5);
    fade.toBitmap(face);
    EXPECT_EQ(face.Width(), 10);
    EXPECT_EQ(face.Ratio(), 2.0);
    EXPECT_EQ(face.PixelWidth(), 20);
    // Halfway between the fill and white, on the fill's device pixels only.
    EXPECT_EQ(pixel(face, 9, 11), qRgb(228, 178, 152) & 0xFFFFFF);
    EXPECT_EQ(pixel(face, 10, 0), 0xFFFFFFu);
}
