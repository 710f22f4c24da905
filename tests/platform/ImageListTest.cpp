#include "platform/TImageList.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr TColor kKey = clFuchsia;

// A strip of images 4 x 3: image n is filled with colour n, keyed out in
// its top-left pixel; extra columns narrower than an image follow.
void paintStrip(TBitmap& strip, const std::vector<TColor>& colours, int extraColumns)
{
    strip.SetSize(int(colours.size()) * 4 + extraColumns, 3);
    for (int n = 0; n < int(colours.size()); ++n) {
        strip.Canvas().Brush.Color = colours[std::size_t(n)];
        strip.Canvas().FillRect(Bounds(n * 4, 0, 4, 3));
        strip.Canvas().SetPixels(n * 4, 0, kKey);
    }
    for (int x = int(colours.size()) * 4; x < strip.Width(); ++x)
        for (int y = 0; y < 3; ++y)
            strip.Canvas().SetPixels(x, y, clBlue);
}

TEST(ImageListTest, AStripIsCutIntoWholeImagesAndNumberedOnFromTheLastAdd)
{
    TImageList list(4, 3);
    TBitmap strip;
    paintStrip(strip, {clRed, clGreen, clNavy}, 3);
    EXPECT_EQ(list.AddMasked(strip, kKey), 0);
    EXPECT_EQ(list.Count(), 3) << "the 3-column rest is no image";
    EXPECT_EQ(list.AddMasked(strip, kKey), 3);
    EXPECT_EQ(list.Count(), 6);

    TBitmap small(3, 3);
    EXPECT_EQ(list.AddMasked(small, kKey), -1) << "narrower than one image";
    TBitmap low(8, 2);
    EXPECT_EQ(list.AddMasked(low, kKey), -1) << "lower than one image";
    EXPECT_EQ(list.Count(), 6);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddMasked(strip, kKey), 0);
}

TEST(ImageListTest, DrawLeavesTheTransparentColourAndUnknownNumbersOut)
{
    TImageList list(4, 3);
    TBitmap strip;
    paintStrip(strip, {clRed, clGreen}, 0);
    list.AddMasked(strip, kKey);

    TBitmap target(10, 6);
    target.Canvas().Brush.Color = clYellow;
    target.Canvas().FillRect(Rect(0, 0, 10, 6));
    list.Draw(target.Canvas(), 2, 1, 1);
    const TCanvas& c = target.Canvas();
    EXPECT_EQ(c.Pixels(2, 1), clYellow) << "the keyed pixel shows what was under it";
    EXPECT_EQ(c.Pixels(3, 1), clGreen);
    EXPECT_EQ(c.Pixels(5, 3), clGreen) << "bottom-right pixel of the image";
    EXPECT_EQ(c.Pixels(6, 3), clYellow) << "right of the image";
    EXPECT_EQ(c.Pixels(5, 4), clYellow) << "below the image";

    for (int index : {-1, 2, 100})
        list.Draw(target.Canvas(), 0, 0, index);
    EXPECT_EQ(c.Pixels(0, 0), clYellow);
    EXPECT_EQ(c.Pixels(1, 1), clYellow);
}

TEST(ImageListTest, TheDisabledLookIsALightGreyOfEachPixelsBrightness)
{
    TImageList list(4, 3);
    TBitmap strip;
    paintStrip(strip, {clBlack, clRed, clWhite}, 0);
    list.AddMasked(strip, kKey);

    TBitmap target(12, 3);
    target.Canvas().Brush.Color = clBlue;
    target.Canvas().FillRect(Rect(0, 0, 12, 3));
    for (int n = 0; n < 3; ++n)
        list.Draw(target.Canvas(), n * 4, 0, n, TImageLook::Disabled);
    const TCanvas& c = target.Canvas();
    EXPECT_EQ(c.Pixels(0, 0), clBlue) << "transparent in the disabled look too";
    const TColor black = c.Pixels(1, 1);
    const TColor red = c.Pixels(5, 1);
    const TColor white = c.Pixels(9, 1);
    for (TColor grey : {black, red, white})
        EXPECT_TRUE(GetRValue(grey) == GetGValue(grey) && GetGValue(grey) == GetBValue(grey)) << std::hex << grey;
    EXPECT_EQ(black, RGB(128, 128, 128)) << "black turns a mid grey, never darker";
    EXPECT_LT(GetRValue(black), GetRValue(red));
    EXPECT_LT(GetRValue(red), GetRValue(white)) << "brightness order is kept";
}

TEST(ImageListTest, AGreyedPixelNeverBecomesTheTransparentColour)
{
    // Black greys to (128, 128, 128); with that grey as the key it must stay visible.
    const TColor key = RGB(128, 128, 128);
    TImageList list(2, 1);
    TBitmap strip(2, 1);
    strip.Canvas().SetPixels(0, 0, key);
    strip.Canvas().SetPixels(1, 0, clBlack);
    list.AddMasked(strip, key);
    TBitmap target(2, 1);
    target.Canvas().Brush.Color = clYellow;
    target.Canvas().FillRect(Rect(0, 0, 2, 1));
    list.Draw(target.Canvas(), 0, 0, 0, TImageLook::Disabled);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clYellow);
    EXPECT_NE(target.Canvas().Pixels(1, 0), clYellow);
    EXPECT_NE(target.Canvas().Pixels(1, 0), key);
}

} // namespace
