#include "instruments/AngleFactor.h"
#include "instruments/Attitude.h"
#include "tests/instruments/InstrumentPixels.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace platform;
using instruments::degreesToRadians;
using instruments::DrawAttitude;
using instrumenttest::kSize;
using instrumenttest::savePicture;

namespace {

constexpr TColor kGround = RGB(205, 133, 63);
constexpr TColor kSky = RGB(166, 202, 240);

// First row of column x, from the top, that shows ground.
int horizonRow(const TBitmap& picture, int x)
{
    for (int y = 0; y < picture.Height(); ++y)
        if (picture.Canvas().Pixels(x, y) == kGround)
            return y;
    return -1;
}

struct Attitude : ::testing::Test {
    TBitmap picture{kSize, kSize};

    void draw(double rollDegrees, double pitchDegrees)
    {
        DrawAttitude(degreesToRadians(rollDegrees), degreesToRadians(pitchDegrees), picture);
    }
    TColor at(int x, int y) const { return picture.Canvas().Pixels(x, y); }
};

} // namespace

TEST_F(Attitude, LevelShowsSkyAboveAndGroundBelowTheCentreRow)
{
    draw(0, 0);
    savePicture(picture, "attitude_level");
    // Columns outside the wing bars.
    for (int x : {3, 101}) {
        EXPECT_NEAR(horizonRow(picture, x), 53, 1) << "x = " << x;
        EXPECT_EQ(at(x, 47), kSky);
        EXPECT_EQ(at(x, 58), kGround);
    }
}

TEST_F(Attitude, LevelReferenceLinesLieWhereTheirDistancesPutThem)
{
    draw(0, 0);
    // Rows r - d and r + d (truncated) for d = 0.17r, 0.34r, 0.495r, 0.7r;
    // the short pairs span x 35..70, the long ones 26..78.
    for (int row : {43, 61, 34, 70}) {
        EXPECT_EQ(at(37, row), clWhite) << "row " << row;
        EXPECT_EQ(at(68, row), clWhite) << "row " << row;
        EXPECT_NE(at(31, row), clWhite) << "row " << row;
        EXPECT_NE(at(74, row), clWhite) << "row " << row;
    }
    for (int row : {26, 78, 15, 89}) {
        EXPECT_EQ(at(28, row), clWhite) << "row " << row;
        EXPECT_EQ(at(76, row), clWhite) << "row " << row;
        EXPECT_NE(at(22, row), clWhite) << "row " << row;
        EXPECT_NE(at(82, row), clWhite) << "row " << row;
    }
    // Nothing white between the lines.
    for (int row : {20, 30, 39, 48, 57, 65, 74, 84})
        EXPECT_NE(at(45, row), clWhite) << "row " << row;
}

TEST_F(Attitude, WingBarsAndRingAreTheAircraftSymbol)
{
    draw(0, 0);
    // Bars (8, 52)-(39, 52) and (65, 52)-(96, 52), six pixels thick.
    for (int x : {8, 20, 39, 65, 80, 96}) {
        for (int y = 50; y <= 54; ++y)
            EXPECT_EQ(at(x, y), clLime) << x << ", " << y;
        EXPECT_NE(at(x, 46), clLime) << x;
        EXPECT_NE(at(x, 57), clLime) << x;
    }
    EXPECT_NE(at(2, 52), clLime);
    EXPECT_NE(at(102, 52), clLime);

    // Ring in the box (46, 46)-(58, 58): drawn around the centre with the
    // six-pixel pen, open in the middle.
    EXPECT_NE(at(52, 52), clLime);
    for (auto [x, y] : {std::pair{52, 46}, {52, 57}, {46, 52}, {57, 52}})
        EXPECT_EQ(at(x, y), clLime) << x << ", " << y;
    int top = kSize;
    int bottom = -1;
    for (int y = 30; y < 75; ++y)
        if (at(52, y) == clLime) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    EXPECT_NEAR((top + bottom) / 2.0, 52, 1);
    EXPECT_NEAR(bottom - top, 17, 2);
}

TEST_F(Attitude, BackgroundOutlineIsOnePixelFirstAndTwoAfterwards)
{
    draw(0, 0);
    // The corners lie outside the round horizon: silver with the outline.
    EXPECT_EQ(at(0, 5), clBlack);
    EXPECT_EQ(at(1, 5), clSilver);
    EXPECT_EQ(at(5, 0), clBlack);
    EXPECT_EQ(at(5, 1), clSilver);
    EXPECT_EQ(at(104, 5), clBlack);
    EXPECT_EQ(at(103, 5), clSilver);
    EXPECT_EQ(at(5, 104), clBlack);
    EXPECT_EQ(at(5, 103), clSilver);
    EXPECT_EQ(picture.Canvas().Pen, (TPen{clBlack, 2, PenStyle::Solid}));

    draw(0, 0);
    for (auto [x, y] : {std::pair{0, 5}, {1, 5}, {5, 0}, {5, 1}, {104, 5}, {103, 5}, {5, 104}, {5, 103}})
        EXPECT_EQ(at(x, y), clBlack) << x << ", " << y;
    EXPECT_EQ(at(2, 5), clSilver);
    EXPECT_EQ(at(102, 5), clSilver);
}

TEST_F(Attitude, PitchMovesTheHorizonByRTimesSinPitch)
{
    const double shift = 52.5 * std::sin(degreesToRadians(30));
    draw(0, 30);
    savePicture(picture, "attitude_pitch_plus30");
    EXPECT_NEAR(horizonRow(picture, 15), 52.5 + shift, 1.5);
    EXPECT_NEAR(horizonRow(picture, 90), 52.5 + shift, 1.5);
    EXPECT_EQ(at(15, 70), kSky);
    // The reference lines stay where they are.
    EXPECT_EQ(at(37, 43), clWhite);
    EXPECT_EQ(at(28, 89), clWhite);

    draw(0, -30);
    savePicture(picture, "attitude_pitch_minus30");
    EXPECT_NEAR(horizonRow(picture, 15), 52.5 - shift, 1.5);
    EXPECT_NEAR(horizonRow(picture, 90), 52.5 - shift, 1.5);
    EXPECT_EQ(at(15, 40), kGround);
}

TEST_F(Attitude, PositiveRollTurnsTheHorizonCounterClockwise)
{
    draw(30, 0);
    savePicture(picture, "attitude_roll_plus30");
    const double slope = std::tan(degreesToRadians(30));
    // A counter-clockwise turn lowers the horizon on the left and raises it
    // on the right.
    for (int x : {20, 35, 70, 85})
        EXPECT_NEAR(horizonRow(picture, x), 52.5 + (52.5 - x) * slope, 2) << "x = " << x;
    // The middle of the first pair's lower line, turned by 30 degrees about
    // the centre, and its unturned place.
    const double d = 0.495 * 52.5;
    EXPECT_TRUE(instrumenttest::hasColorNear(picture, int(52.5 + d * 0.5), int(52.5 + d * std::cos(0.5236)), clWhite));
    EXPECT_EQ(at(52, 78), kGround);
    // The aircraft symbol stays level.
    EXPECT_EQ(at(20, 52), clLime);
    EXPECT_EQ(at(85, 52), clLime);

    draw(-30, 0);
    savePicture(picture, "attitude_roll_minus30");
    for (int x : {20, 35, 70, 85})
        EXPECT_NEAR(horizonRow(picture, x), 52.5 - (52.5 - x) * slope, 2) << "x = " << x;
}

TEST_F(Attitude, RollAndPitchTogether)
{
    draw(20, 15);
    savePicture(picture, "attitude_roll20_pitch15");
    // The horizon moves down along the turned vertical and is still turned.
    EXPECT_GT(horizonRow(picture, 30), horizonRow(picture, 75));
    EXPECT_GT(horizonRow(picture, 52), 52 + 5);
}

TEST_F(Attitude, PitchBeyondTheLimitDrawsAsTheLimit)
{
    // A first draw leaves the pen every later outline uses.
    DrawAttitude(0, 0, picture);
    DrawAttitude(0, 45, picture);
    const QImage atLimit = picture.image().copy();
    DrawAttitude(0, 100, picture);
    EXPECT_EQ(picture.image(), atLimit);
    DrawAttitude(0, -45, picture);
    const QImage atLowerLimit = picture.image().copy();
    DrawAttitude(0, -1e9, picture);
    EXPECT_EQ(picture.image(), atLowerLimit);
}

TEST_F(Attitude, ScalesToAnyPicture)
{
    TBitmap large(200, 200);
    DrawAttitude(0, 0, large);
    savePicture(large, "attitude_level_200");
    EXPECT_NEAR(horizonRow(large, 8), 100, 1);
    EXPECT_EQ(large.Canvas().Pixels(30, 80), kSky);
    // Wing bars from x trunc(100 - 83.3) = 16 to 75 at y 100.
    EXPECT_EQ(large.Canvas().Pixels(17, 100), clLime);
    EXPECT_EQ(large.Canvas().Pixels(74, 100), clLime);
}

// On a screen of ratio 2 the horizon is drawn at the device pixels: its
// slanted edges step by single pixels, not by the 2 x 2 blocks of the 1x
// picture enlarged.
TEST(AttitudeAtRatio, SlantedEdgesStepBySingleDevicePixels)
{
    const double roll = degreesToRadians(25);
    const double pitch = degreesToRadians(4);
    TBitmap sharp(kSize, kSize, 2);
    DrawAttitude(roll, pitch, sharp);
    savePicture(sharp, "attitude_ratio_2");
    ASSERT_EQ(sharp.PixelWidth(), 2 * kSize);

    TBitmap one(kSize, kSize);
    DrawAttitude(roll, pitch, one);
    TBitmap enlarged;
    instrumenttest::enlarge(one, enlarged);
    // Inside the ring: the horizon line (the pen's black between sky and
    // ground) and the white reference lines.
    const QRect inside(40, 40, 130, 130);
    // The measure tells the two apart: none in the enlarged picture.
    EXPECT_EQ(instrumenttest::blocksHoldingBoth(enlarged, kSky, clBlack, inside), 0);
    EXPECT_EQ(instrumenttest::blocksHoldingBoth(enlarged, kSky, clWhite, inside), 0);

    // The horizon crosses about sixty block columns here; most of its
    // blocks on each side hold both colours, as do the reference lines'.
    EXPECT_GT(instrumenttest::blocksHoldingBoth(sharp, kSky, clBlack, inside), 30);
    EXPECT_GT(instrumenttest::blocksHoldingBoth(sharp, kGround, clBlack, inside), 30);
    EXPECT_GT(instrumenttest::blocksHoldingBoth(sharp, kSky, clWhite, inside), 40);

    // The same instrument, only finer: at every logical pixel away from the
    // edges the colour is the one the 1x picture has.
    int differing = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            differing += sharp.Canvas().Pixels(x, y) != one.Canvas().Pixels(x, y);
    EXPECT_LT(differing, kSize * kSize / 10);
}
