#include "skin/data/TkvEffectBmp.h"

#include <gtest/gtest.h>

using namespace skin;
using platform::RGB;

namespace {

TkvEffectBmp filled(int w, int h, TColor color)
{
    TkvEffectBmp bmp(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bmp.SetPixel(x, y, color);
    return bmp;
}

// Each column its own grey: 10 * (x + 1).
TkvEffectBmp columns(int w, int h, int base = 0)
{
    TkvEffectBmp bmp(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bmp.SetPixel(x, y, RGB(base + 10 * (x + 1), base + 10 * (x + 1), base + 10 * (x + 1)));
    return bmp;
}

int red(const TkvEffectBmp& bmp, int x, int y) { return platform::GetRValue(bmp.GetPixel(x, y)); }

std::vector<int> redRow(const TkvEffectBmp& bmp, int y)
{
    std::vector<int> values;
    for (int x = 0; x < bmp.Width(); ++x)
        values.push_back(red(bmp, x, y));
    return values;
}

constexpr TColor kBlack = RGB(0, 0, 0);
constexpr TColor kWhite = RGB(255, 255, 255);

} // namespace

TEST(EffectBuffer, RowsAreBlueGreenRedPaddedToFourBytes)
{
    TkvEffectBmp bmp(5, 3);
    EXPECT_EQ(bmp.RowLength(), 16);
    EXPECT_EQ(bmp.Size(), 48);
    bmp.SetPixel(2, 1, RGB(1, 2, 3));
    const quint8* p = bmp.ScanLine(1) + 6;
    EXPECT_EQ(p - bmp.ScanLine(0), 16 + 6);
    EXPECT_EQ(p[0], 3);
    EXPECT_EQ(p[1], 2);
    EXPECT_EQ(p[2], 1);

    platform::TBitmap bitmap(4, 2);
    bitmap.Canvas().SetPixels(3, 1, RGB(7, 8, 9));
    const TkvEffectBmp copy(bitmap);
    EXPECT_EQ(copy.RowLength(), 12);
    EXPECT_EQ(copy.GetPixel(3, 1), RGB(7, 8, 9));
    platform::TBitmap back;
    copy.toBitmap(back);
    EXPECT_EQ(back.image(), bitmap.image());
}

TEST(Morph, HalfOfBlackTowardWhiteRoundsToTheEven128)
{
    TkvEffectBmp bmp = filled(3, 2, kBlack);
    bmp.Morph(filled(3, 2, kWhite), 0.5);
    EXPECT_EQ(bmp.GetPixel(2, 1), RGB(128, 128, 128));
    bmp.Morph(filled(3, 2, RGB(10, 20, 30)), 1.5);
    EXPECT_EQ(bmp.GetPixel(0, 0), RGB(10, 20, 30)) << "k above 1 acts as 1";
    bmp.Morph(filled(4, 2, kWhite), 1);
    EXPECT_EQ(bmp.GetPixel(0, 0), RGB(10, 20, 30)) << "another size changes nothing";
}

TEST(Morph, SlidesAndPushAtZero)
{
    TkvEffectBmp slide = columns(5, 2);
    slide.MorphLeftSlide(columns(5, 2, 100), 0);
    EXPECT_EQ(redRow(slide, 1), (std::vector<int>{150, 20, 30, 40, 50}));

    TkvEffectBmp right = columns(5, 2);
    right.MorphRightSlide(columns(5, 2, 100), 0.4);
    EXPECT_EQ(redRow(right, 0), (std::vector<int>{10, 20, 30, 110, 120}));

    TkvEffectBmp push = columns(5, 2);
    push.MorphPush(columns(5, 2, 100), 0);
    EXPECT_EQ(redRow(push, 0), (std::vector<int>{150, 10, 20, 30, 40}));
    push = columns(5, 2);
    push.MorphPush(columns(5, 2, 100), 0.4);
    EXPECT_EQ(redRow(push, 1), (std::vector<int>{130, 140, 150, 10, 20}));
}

TEST(Morph, GradientsBlendOverTheirRamp)
{
    TkvEffectBmp h = filled(9, 2, kBlack);
    h.MorphHGrad(filled(9, 2, RGB(200, 200, 200)), 0);
    // Centre column is the target; the blend reaches the source 4 columns away.
    EXPECT_EQ(redRow(h, 0), (std::vector<int>{0, 50, 100, 150, 200, 150, 100, 50, 0}));

    TkvEffectBmp wide = filled(9, 2, kBlack);
    wide.MorphHGrad(filled(9, 2, RGB(200, 200, 200)), 0.45);
    // a = 4: columns 2 .. 6 target, b = 2.
    EXPECT_EQ(redRow(wide, 1), (std::vector<int>{0, 100, 200, 200, 200, 200, 200, 100, 0}));

    TkvEffectBmp v = filled(2, 9, kBlack);
    v.MorphGrad(filled(2, 9, RGB(200, 200, 200)), 0);
    // Vertical because higher than wide: b = (9 - 1 - 0) div 2 = 4.
    std::vector<int> column;
    for (int y = 0; y < 9; ++y)
        column.push_back(red(v, 1, y));
    EXPECT_EQ(column, (std::vector<int>{0, 50, 100, 150, 200, 150, 100, 50, 0}));

    TkvEffectBmp left = filled(8, 1, kBlack);
    left.MorphLeftGrad(filled(8, 1, RGB(200, 200, 200)), 0.5);
    EXPECT_EQ(redRow(left, 0), (std::vector<int>{200, 150, 100, 50, 0, 0, 0, 0}));

    TkvEffectBmp right = filled(8, 1, kBlack);
    right.MorphRightGrad(filled(8, 1, RGB(200, 200, 200)), 0.5);
    EXPECT_EQ(redRow(right, 0), (std::vector<int>{0, 0, 0, 0, 50, 100, 150, 200}));
}

TEST(Effects, BrightnessDarknessGreyAndInvert)
{
    TkvEffectBmp bmp(2, 1);
    bmp.SetPixel(0, 0, kBlack);
    bmp.SetPixel(1, 0, kWhite);
    bmp.ChangeBrightness(0.5);
    EXPECT_EQ(bmp.GetPixel(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(bmp.GetPixel(1, 0), kWhite);

    TkvEffectBmp dark = filled(1, 1, RGB(200, 100, 15));
    dark.ChangeDarkness(0.3);
    EXPECT_EQ(dark.GetPixel(0, 0), RGB(140, 70, 10)) << "10.5 rounds to the even 10";
    dark.ChangeDarkness(-2);
    EXPECT_EQ(dark.GetPixel(0, 0), RGB(140, 70, 10));

    TkvEffectBmp grey = filled(1, 1, RGB(10, 20, 30));
    grey.GrayScale();
    EXPECT_EQ(grey.GetPixel(0, 0), RGB(18, 18, 18));

    TkvEffectBmp inverted = filled(1, 1, RGB(10, 20, 255));
    inverted.Invert();
    EXPECT_EQ(inverted.GetPixel(0, 0), RGB(245, 235, 0));
}

TEST(Effects, MonoNoiseAddsOneOffsetPerPixelWithinRange)
{
    TkvEffectBmp bmp = filled(100, 100, RGB(128, 100, 60));
    bmp.AddMonoNoise(50);
    int lowest = 100;
    int highest = -100;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const TColor c = bmp.GetPixel(x, y);
            const int offset = platform::GetRValue(c) - 128;
            ASSERT_EQ(platform::GetGValue(c) - 100, offset);
            ASSERT_EQ(platform::GetBValue(c) - 60, offset);
            lowest = std::min(lowest, offset);
            highest = std::max(highest, offset);
        }
    }
    EXPECT_EQ(lowest, -25);
    EXPECT_EQ(highest, 24);

    TkvEffectBmp white = filled(50, 50, kWhite);
    white.AddMonoNoise(50);
    int saturated = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            saturated += white.GetPixel(x, y) == kWhite;
    EXPECT_GT(saturated, 50 * 50 / 3) << "offsets above 0 are clamped at 255";
}

TEST(Effects, SplitBlurReadsBlurredRowsAbove)
{
    TkvEffectBmp one = filled(1, 1, RGB(33, 66, 99));
    one.SplitBlur(1);
    EXPECT_EQ(one.GetPixel(0, 0), RGB(33, 66, 99));

    TkvEffectBmp column(1, 3);
    column.SetPixel(0, 0, RGB(0, 0, 0));
    column.SetPixel(0, 1, RGB(100, 100, 100));
    column.SetPixel(0, 2, RGB(200, 200, 200));
    column.SplitBlur(1);
    EXPECT_EQ(red(column, 0, 0), 50);
    EXPECT_EQ(red(column, 0, 1), 125) << "the row above is read blurred (50), not as 0";
    EXPECT_EQ(red(column, 0, 2), 162);

    TkvEffectBmp row(3, 1);
    row.SetPixel(0, 0, RGB(0, 0, 0));
    row.SetPixel(1, 0, RGB(100, 100, 100));
    row.SetPixel(2, 0, RGB(200, 200, 200));
    row.SplitBlur(1);
    EXPECT_EQ(redRow(row, 0), (std::vector<int>{50, 100, 150})) << "the row itself is read unblurred";
}
