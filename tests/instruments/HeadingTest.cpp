#include "instruments/AngleFactor.h"
#include "instruments/Heading.h"
#include "tests/instruments/InstrumentPixels.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace platform;
using instruments::degreesToRadians;
using instruments::DrawHeading;
using instruments::headingReadout;
using instrumenttest::hasColorNear;
using instrumenttest::kSize;
using instrumenttest::savePicture;

namespace {

struct Heading : ::testing::Test {
    TBitmap picture{kSize, kSize};

    void draw(double degrees) { DrawHeading(degreesToRadians(degrees), picture); }
    TColor at(int x, int y) const { return picture.Canvas().Pixels(x, y); }

    // The inside of the readout box down to the bottom of its text: the box
    // covers the needle, and the needles of the headings compared here do
    // not pass below it.
    QImage readout() const { return picture.image().copy(41, 41, 21, 18); }
    QImage readoutFor(double degrees)
    {
        draw(degrees);
        return readout();
    }
};

} // namespace

TEST(HeadingReadout, TruncatesAndWrapsOnce)
{
    EXPECT_EQ(headingReadout(degreesToRadians(0)), 0);
    EXPECT_EQ(headingReadout(degreesToRadians(90)), 90);
    EXPECT_EQ(headingReadout(degreesToRadians(359.99)), 0);
    EXPECT_EQ(headingReadout(degreesToRadians(359.4)), 359);
    EXPECT_EQ(headingReadout(degreesToRadians(655.35)), 295);
    EXPECT_EQ(headingReadout(degreesToRadians(-10)), 350);
    EXPECT_EQ(headingReadout(degreesToRadians(-0.5)), 0) << "truncation towards zero";
    EXPECT_EQ(headingReadout(degreesToRadians(800)), 440) << "only one turn is taken off";
}

TEST_F(Heading, NeedleEndsAtRadiusPointNineInTheHeadingDirection)
{
    draw(0);
    savePicture(picture, "heading_0");
    // Needle (52, 52)-(52, 5), two pixels wide with round ends.
    EXPECT_EQ(at(52, 6), clBlue);
    EXPECT_EQ(at(52, 30), clBlue);
    EXPECT_TRUE(hasColorNear(picture, 52, 5, clBlue, 0) || hasColorNear(picture, 51, 5, clBlue, 0));
    for (int x = 40; x < 65; ++x)
        for (int y = 0; y < 4; ++y)
            EXPECT_NE(at(x, y), clBlue) << x << ", " << y;

    draw(90);
    savePicture(picture, "heading_90");
    // Needle (52, 52)-(98, 51).
    EXPECT_EQ(at(97, 51), clBlue);
    EXPECT_EQ(at(80, 51), clBlue);
    EXPECT_TRUE(hasColorNear(picture, 98, 51, clBlue, 0) || hasColorNear(picture, 98, 50, clBlue, 0));
    for (int x = 100; x < kSize; ++x)
        for (int y = 40; y < 65; ++y)
            EXPECT_NE(at(x, y), clBlue) << x << ", " << y;
}

TEST_F(Heading, NeedlePointsClockwiseFromNorth)
{
    draw(225);
    savePicture(picture, "heading_225");
    const double angle = degreesToRadians(225);
    const double tipX = 52 + 46.8 * std::sin(angle);
    const double tipY = 52 - 46.8 * std::cos(angle);
    EXPECT_TRUE(hasColorNear(picture, int(tipX), int(tipY), clBlue));
    EXPECT_TRUE(hasColorNear(picture, int((52 + tipX) / 2), int((52 + tipY) / 2), clBlue));
    EXPECT_FALSE(hasColorNear(picture, 52 + 30, 52 - 30, clBlue, 3)) << "nothing towards north-east";
}

TEST_F(Heading, ReadoutShowsWholeDegreesWrappedAtThreeSixty)
{
    const QImage zero = readoutFor(0);
    EXPECT_EQ(readoutFor(359.99), zero);
    savePicture(picture, "heading_359_99");
    EXPECT_NE(readoutFor(359.4), zero);
    savePicture(picture, "heading_359_4");
    EXPECT_EQ(readoutFor(359.4), readoutFor(359.0));
    EXPECT_EQ(readoutFor(655.35), readoutFor(295));
    savePicture(picture, "heading_295");
    EXPECT_EQ(readoutFor(-10), readoutFor(350));
    savePicture(picture, "heading_350");
    EXPECT_NE(readoutFor(90), readoutFor(91));
}

TEST_F(Heading, ReadoutBoxIsWhiteOnBlack)
{
    draw(90);
    // Box (41, 41)-(62, 57) outlined with the two-pixel white pen, text in
    // white from (46, 46) on black.
    EXPECT_EQ(at(41, 50), clWhite);
    EXPECT_EQ(at(42, 50), clWhite);
    EXPECT_EQ(at(61, 43), clWhite);
    EXPECT_EQ(at(50, 41), clWhite);
    EXPECT_EQ(at(43, 50), clBlack);
    EXPECT_EQ(at(62, 50), clBlack) << "right edge excluded: face behind it";
    int whiteInText = 0;
    for (int y = 46; y < 57; ++y)
        for (int x = 46; x < 60; ++x)
            whiteInText += at(x, y) == clWhite;
    EXPECT_GT(whiteInText, 10);
}

TEST_F(Heading, MarksShowOnTheFaceExceptUnderTheLetterS)
{
    draw(10);
    for (int k = 0; k < 12; ++k) {
        const double theta = 30 * k / 57.3;
        const double radius = 0.85 * 52;
        const auto x = [&](double angle) { return int(52 + radius * std::sin(angle)); };
        const auto y = [&](double angle) { return int(52 - radius * std::cos(angle)); };
        // The letters come after the marks on an opaque black cell; the
        // cell of S covers the mark at 180 degrees.
        EXPECT_EQ(hasColorNear(picture, x(theta), y(theta), clWhite), k != 6) << "mark " << k;
        EXPECT_EQ(at(x(theta + 0.26), y(theta + 0.26)), clBlack) << "face after mark " << k;
    }
}

TEST_F(Heading, LettersSitInTheirCellsInRed)
{
    draw(0);
    TBitmap measure(1, 1);
    measure.Canvas().Font.SetSize(12);
    struct Cell {
        const char* letter;
        int x, y;
    };
    int inCells = 0;
    for (const Cell& cell : {Cell{"N", 49, 13}, Cell{"E", 85, 49}, Cell{"S", 49, 85}, Cell{"W", 13, 49}}) {
        const QSize extent = measure.Canvas().TextExtent(cell.letter);
        int red = 0;
        for (int y = cell.y; y < cell.y + extent.height(); ++y)
            for (int x = cell.x; x < cell.x + extent.width(); ++x)
                red += at(x, y) == clRed;
        EXPECT_GT(red, 8) << cell.letter;
        inCells += red;
    }
    int total = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            total += at(x, y) == clRed;
    EXPECT_EQ(total, inCells) << "no red outside the four letter cells";
}

TEST_F(Heading, RingFaceAndOutline)
{
    draw(0);
    EXPECT_EQ(at(30, 52), clBlack);
    EXPECT_EQ(at(52, 2), clSilver) << "ring between the outer ellipse and the face";
    // First draw: the default one-pixel black pen outlines the background.
    EXPECT_EQ(at(0, 5), clBlack);
    EXPECT_EQ(at(1, 5), clSilver);
    EXPECT_EQ(picture.Canvas().Pen, (TPen{clWhite, 2, PenStyle::Solid}));

    // Later draws: the white two-pixel pen left by the readout box.
    draw(0);
    EXPECT_EQ(at(0, 5), clWhite);
    EXPECT_EQ(at(1, 5), clWhite);
    EXPECT_EQ(at(2, 5), clSilver);
}

// The dial is kept between draws; what a draw shows must still depend only
// on the heading, the picture's size and the canvas it is drawn on.
TEST(HeadingDial, DrawsAlikeWhateverWasDrawnBefore)
{
    const double heading = degreesToRadians(30);
    TBitmap first{kSize, kSize};
    DrawHeading(heading, first);
    const QImage firstDraw = first.image().copy();
    DrawHeading(heading, first);
    const QImage laterDraw = first.image().copy();
    ASSERT_NE(firstDraw, laterDraw) << "the outline follows the pen the canvas brings";

    TBitmap fresh{kSize, kSize};
    DrawHeading(heading, fresh);
    EXPECT_EQ(fresh.image(), firstDraw) << "a fresh canvas after a used one";

    TBitmap larger{kSize + 20, kSize + 20};
    DrawHeading(heading, larger);
    DrawHeading(degreesToRadians(200), larger);
    EXPECT_EQ(larger.image().size(), QSize(kSize + 20, kSize + 20));

    DrawHeading(heading, fresh);
    EXPECT_EQ(fresh.image(), laterDraw) << "after another size";
    EXPECT_EQ(fresh.Canvas().Pen, first.Canvas().Pen);
    EXPECT_EQ(fresh.Canvas().Font, first.Canvas().Font);
}

TEST(HeadingAtRatio, TheNeedleStepsBySingleDevicePixels)
{
    const double heading = degreesToRadians(117);
    TBitmap sharp(kSize, kSize, 2);
    DrawHeading(heading, sharp);
    savePicture(sharp, "heading_ratio_2");

    TBitmap one(kSize, kSize);
    DrawHeading(heading, one);
    TBitmap enlarged;
    instrumenttest::enlarge(one, enlarged);
    EXPECT_EQ(instrumenttest::blocksHoldingBoth(enlarged, clBlue, clBlack), 0);
    // The needle runs about forty pixels long at 1x.
    EXPECT_GT(instrumenttest::blocksHoldingBoth(sharp, clBlue, clBlack), 25);
    // The red letters are drawn at the device size too.
    EXPECT_GT(instrumenttest::blocksHoldingBoth(sharp, clRed, clBlack), 4);
}

TEST(HeadingAtRatio, TheDialIsDrawnAgainForAnotherRatio)
{
    TBitmap one(kSize, kSize);
    DrawHeading(0, one);
    TBitmap two(kSize, kSize, 2);
    DrawHeading(0, two);
    TBitmap again(kSize, kSize);
    DrawHeading(0, again);
    EXPECT_EQ(two.PixelWidth(), 2 * kSize);
    EXPECT_GT(instrumenttest::blocksHoldingBoth(two, clRed, clBlack), 4);
    EXPECT_EQ(again.image(), one.image());
}
