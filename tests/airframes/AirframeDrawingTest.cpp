#include "AirframeDrawing.h"

#include "tests/support/TestOutput.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// Colour family of a pixel, loose enough for antialiased edges.
enum class Tone { White, Black, Orange, Blue, Other };

Tone tone(QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (r > 235 && g > 235 && b > 235)
        return Tone::White;
    if (r < 60 && g < 60 && b < 60)
        return Tone::Black;
    if (r > 200 && g > 100 && g < 170 && b < 80)
        return Tone::Orange;
    if (b > 180 && r < 90 && g > 80 && g < 140)
        return Tone::Blue;
    return Tone::Other;
}

// A point of a cell at a radius and angle (degrees clockwise from the nose).
QPoint at(int cell, double radius, double degrees, QPointF offset = {})
{
    const double rad = degrees * std::numbers::pi / 180;
    return QPointF(cell * kAirframeCell + kAirframeCell / 2.0 + radius * std::sin(rad) + offset.x(),
        kAirframeCell / 2.0 - radius * std::cos(rad) + offset.y())
        .toPoint();
}

struct Motor {
    int cell;
    double angle;
    double armLength;
    double radius;
    Tone disc;
};

} // namespace

TEST(AirframeStrip, SevenCellsOnWhiteWithTheHubArrowUp)
{
    const QImage strip = drawAirframeStrip();
    strip.save(testsupport::testOutputDir() + "/airframes.png");
    ASSERT_EQ(strip.size(), QSize(959, 137));
    for (int cell = 0; cell < kAirframeCount; ++cell) {
        const int left = cell * kAirframeCell;
        EXPECT_EQ(tone(strip.pixel(left + 1, 1)), Tone::White) << cell;
        EXPECT_EQ(tone(strip.pixel(left + 135, 135)), Tone::White) << cell;
        // Black hub ring around a white arrow whose tip points up.
        EXPECT_EQ(tone(strip.pixel(at(cell, 10, 90))), Tone::Black) << cell;
        EXPECT_EQ(tone(strip.pixel(at(cell, 5, 0))), Tone::White) << cell;
        EXPECT_EQ(tone(strip.pixel(at(cell, 5, 180))), Tone::White) << cell;
    }
}

TEST(AirframeStrip, MotorsSitWhereEachLayoutPutsThemInTheirColours)
{
    const QImage strip = drawAirframeStrip();
    const Tone O = Tone::Orange, B = Tone::Blue;
    const Motor motors[] = {
        // "+4": M1 front, M3 right, M2 rear, M4 left.
        {0, 0, 43, 17, O}, {0, 90, 43, 17, O}, {0, 180, 43, 17, B}, {0, 270, 43, 17, B},
        // "X4": M1 front left, M3 front right, M2 rear right, M4 rear left.
        {1, 315, 43, 17, O}, {1, 45, 43, 17, O}, {1, 135, 43, 17, B}, {1, 225, 43, 17, B},
        // "+6": M1 front then clockwise.
        {2, 0, 45, 14, O}, {2, 60, 45, 14, B}, {2, 180, 45, 14, B}, {2, 240, 45, 14, O},
        // "X6": M1 front left, M3 right, M6 left.
        {3, 330, 45, 14, O}, {3, 90, 45, 14, O}, {3, 270, 45, 14, B},
        // "Fh8": M1 front left of the nose, M2 front right, M8 last.
        {5, 337.5, 47, 12, O}, {5, 22.5, 47, 12, B}, {5, 292.5, 47, 12, B},
    };
    for (const Motor& m : motors) {
        // Left of the number, inside the disc.
        const QPoint inside = at(m.cell, m.armLength, m.angle, {-m.radius * 0.75, 0});
        EXPECT_EQ(tone(strip.pixel(inside)), m.disc) << "cell " << m.cell << " angle " << m.angle;
    }
}

TEST(AirframeStrip, CoaxialPairsAreAnOrangeDiscInABlueRing)
{
    const QImage strip = drawAirframeStrip();
    const Motor rings[] = {{4, 300, 42, 17, Tone::Blue}, {4, 60, 42, 17, Tone::Blue}, {4, 180, 42, 17, Tone::Blue},
        {6, 315, 43, 17, Tone::Blue}, {6, 45, 43, 17, Tone::Blue}, {6, 135, 43, 17, Tone::Blue},
        {6, 225, 43, 17, Tone::Blue}};
    for (const Motor& m : rings) {
        EXPECT_EQ(tone(strip.pixel(at(m.cell, m.armLength, m.angle, {-m.radius * 0.82, 0}))), Tone::Blue)
            << "ring, cell " << m.cell << " angle " << m.angle;
        EXPECT_EQ(tone(strip.pixel(at(m.cell, m.armLength, m.angle, {-m.radius * 0.5, 0}))), Tone::Orange)
            << "disc, cell " << m.cell << " angle " << m.angle;
    }
}

TEST(AirframeStrip, CommittedAssetIsTheDrawingAt24Bits)
{
    QFile file(QStringLiteral(FCT_ASSETS_DIR "/airframes.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bytes[28]), 24) << "bits per pixel";
    const QImage committed = QImage::fromData(bytes, "BMP");
    ASSERT_FALSE(committed.isNull());
    EXPECT_EQ(committed.convertToFormat(QImage::Format_RGB32), drawAirframeStrip());
}
