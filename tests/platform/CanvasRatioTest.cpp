// Pictures at a pixel ratio: logical coordinates in, device pixels out.

#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <climits>
#include <cmath>
#include <set>

using namespace platform;

namespace {

constexpr TColor kInk = RGB(20, 40, 160);

QRgb pixel(const TBitmap& bitmap, int x, int y) { return bitmap.ScanLine(y)[x] & 0xFFFFFF; }

bool isInk(const TBitmap& bitmap, int x, int y) { return pixel(bitmap, x, y) == (toQRgb(kInk) & 0xFFFFFF); }

// True when every aligned 2 x 2 block of device pixels is of one colour:
// a 1x picture enlarged, with no edge finer than a logical pixel.
bool onlyWholeBlocks(const TBitmap& bitmap)
{
    for (int y = 0; y + 1 < bitmap.PixelHeight(); y += 2)
        for (int x = 0; x + 1 < bitmap.PixelWidth(); x += 2) {
            const QRgb c = pixel(bitmap, x, y);
            if (pixel(bitmap, x + 1, y) != c || pixel(bitmap, x, y + 1) != c || pixel(bitmap, x + 1, y + 1) != c)
                return false;
        }
    return true;
}

// A picture of distinct colours, so every copied pixel tells where it came from.
void paintCheckerArt(TBitmap& art)
{
    for (int y = 0; y < art.Height(); ++y)
        for (int x = 0; x < art.Width(); ++x)
            art.ScanLine(y)[x] = qRgb(10 + 20 * x, 10 + 20 * y, (x + y) % 2 ? 200 : 30);
}

} // namespace

TEST(BitmapRatio, HoldsItsLogicalSizeTimesTheRatioInPixels)
{
    TBitmap two(10, 7, 2);
    EXPECT_EQ(two.Width(), 10);
    EXPECT_EQ(two.Height(), 7);
    EXPECT_EQ(two.PixelWidth(), 20);
    EXPECT_EQ(two.PixelHeight(), 14);
    EXPECT_EQ(two.image().devicePixelRatio(), 2.0);

    TBitmap half(75, 21, 1.5);
    EXPECT_EQ(half.PixelWidth(), 113); // rounded, as the window system rounds the widget
    EXPECT_EQ(half.PixelHeight(), 32);

    two.SetSize(4, 4);
    EXPECT_EQ(two.PixelWidth(), 8);
    two.SetRatio(3);
    EXPECT_EQ(two.Width(), 4);
    EXPECT_EQ(two.PixelWidth(), 12);
    EXPECT_EQ(pixel(two, 11, 11), 0xFFFFFFu);
}

TEST(BitmapRatio, APainterDrawsItAtItsLogicalSize)
{
    TBitmap face(6, 4, 2);
    face.Canvas().Brush.Color = kInk;
    face.Canvas().FillRect({0, 0, 6, 4});
    QImage screen(24, 16, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0), face.image());
    }
    EXPECT_EQ(screen.pixel(11, 7) & 0xFFFFFF, toQRgb(kInk) & 0xFFFFFF);
    EXPECT_EQ(screen.pixel(12, 8) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(CanvasRatio, RectanglesCoverTheDevicePixelsOfTheirLogicalArea)
{
    TBitmap picture(10, 10, 2);
    TCanvas& canvas = picture.Canvas();
    canvas.Brush.Color = kInk;
    canvas.FillRect({2, 3, 5, 4});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(isInk(picture, x, y), x >= 4 && x < 10 && y >= 6 && y < 8) << x << "," << y;

    // A one-pixel outline is one logical pixel wide: two device pixels.
    TBitmap framed(10, 10, 2);
    framed.Canvas().Pen.Color = kInk;
    framed.Canvas().Brush.Style = BrushStyle::Clear;
    framed.Canvas().Rectangle(1, 1, 9, 9);
    EXPECT_TRUE(isInk(framed, 2, 10));
    EXPECT_TRUE(isInk(framed, 3, 10));
    EXPECT_FALSE(isInk(framed, 4, 10));
    EXPECT_TRUE(isInk(framed, 16, 10));
    EXPECT_TRUE(isInk(framed, 17, 10));
    EXPECT_FALSE(isInk(framed, 18, 10));
}

TEST(CanvasRatio, SetPixelsFillsTheLogicalPixelAndPixelsReadsIt)
{
    TBitmap picture(4, 4, 2);
    picture.Canvas().SetPixels(1, 2, kInk);
    EXPECT_EQ(picture.Canvas().Pixels(1, 2), kInk);
    int inked = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            inked += isInk(picture, x, y);
    EXPECT_EQ(inked, 4);
    EXPECT_TRUE(isInk(picture, 3, 5));
}

TEST(CanvasRatio, SlantedLinesAndEllipsesStepBySingleDevicePixels)
{
    TBitmap line(40, 40, 2);
    line.Canvas().Pen.Color = kInk;
    line.Canvas().Pen.Width = 2;
    line.Canvas().MoveTo(3, 5);
    line.Canvas().LineTo(35, 21);
    EXPECT_FALSE(onlyWholeBlocks(line));
    // Its thickness is the pen's, in device pixels: four rows at the middle column.
    int rows = 0;
    for (int y = 0; y < 80; ++y)
        rows += isInk(line, 38, y);
    EXPECT_NEAR(rows, 4 * std::sqrt(1 + 0.25), 1.0);

    TBitmap ellipse(30, 30, 2);
    ellipse.Canvas().Brush.Color = kInk;
    ellipse.Canvas().Pen.Style = PenStyle::Clear;
    ellipse.Canvas().Ellipse(0, 0, 30, 30);
    EXPECT_FALSE(onlyWholeBlocks(ellipse));
    EXPECT_TRUE(isInk(ellipse, 30, 30));
    EXPECT_FALSE(isInk(ellipse, 0, 0));
}

TEST(CanvasRatio, TextIsDrawnWithTheFontAtTheDeviceSize)
{
    const auto inkRows = [](const TBitmap& picture) {
        std::set<int> rows;
        for (int y = 0; y < picture.PixelHeight(); ++y)
            for (int x = 0; x < picture.PixelWidth(); ++x)
                if (pixel(picture, x, y) == 0)
                    rows.insert(y);
        return rows;
    };
    const auto write = [](TBitmap& picture) {
        TCanvas& canvas = picture.Canvas();
        canvas.Font.Name = QStringLiteral("Arial");
        canvas.Font.Height = 14;
        canvas.Font.Color = clBlack;
        canvas.Brush.Style = BrushStyle::Clear;
        canvas.TextOut(2, 1, QStringLiteral("Roll 42"));
    };
    TBitmap one(60, 18, 1);
    TBitmap two(60, 18, 2);
    write(one);
    write(two);
    const std::set<int> rowsAtOne = inkRows(one);
    const std::set<int> rowsAtTwo = inkRows(two);
    ASSERT_FALSE(rowsAtOne.empty());
    const int heightAtOne = *rowsAtOne.rbegin() - *rowsAtOne.begin() + 1;
    const int heightAtTwo = *rowsAtTwo.rbegin() - *rowsAtTwo.begin() + 1;
    EXPECT_NEAR(heightAtTwo, 2 * heightAtOne, 2);
    // Not the small text enlarged: its strokes end on odd device pixels too.
    EXPECT_FALSE(onlyWholeBlocks(two));
    // Measured in logical units whatever the ratio.
    EXPECT_EQ(two.Canvas().TextWidth(QStringLiteral("Roll 42")), one.Canvas().TextWidth(QStringLiteral("Roll 42")));
}

// Laid out as at 1x, so a caption centred by its logical width stays
// inside its button: the large font's own advances would run wider.
TEST(CanvasRatio, TextIsAsWideAsItMeasuresAtEveryRatio)
{
    const QString caption = QStringLiteral("Start RC Stick Calibration");
    for (const qreal ratio : {1.5, 2.0, 3.0}) {
        TBitmap picture(200, 20, ratio);
        TCanvas& canvas = picture.Canvas();
        canvas.Font.Name = QStringLiteral("Arial");
        canvas.Font.Height = 14;
        canvas.Font.Color = clBlack;
        canvas.Brush.Style = BrushStyle::Clear;
        canvas.TextOut(10, 2, caption);
        const int width = canvas.TextWidth(caption);
        int first = INT_MAX;
        int last = INT_MIN;
        for (int y = 0; y < picture.PixelHeight(); ++y)
            for (int x = 0; x < picture.PixelWidth(); ++x)
                if (pixel(picture, x, y) == 0) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        EXPECT_NEAR(first, 10 * ratio, 2 * ratio) << ratio;
        EXPECT_LE(last, (10 + width) * ratio) << ratio;
        EXPECT_GE(last, (10 + width - 2) * ratio) << ratio;
    }
}

TEST(CanvasRatio, OneXArtScalesByTheNearestPixelAtWholeRatios)
{
    TBitmap art(5, 4);
    paintCheckerArt(art);
    TBitmap face(5, 4, 2);
    face.Canvas().Draw(0, 0, art);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(pixel(face, x, y), art.ScanLine(y / 2)[x / 2] & 0xFFFFFF) << x << "," << y;

    TBitmap three(5, 4, 3);
    three.Canvas().CopyRect({1, 1, 3, 3}, art.Canvas(), {2, 0, 4, 2});
    EXPECT_EQ(pixel(three, 3, 3), art.ScanLine(0)[2] & 0xFFFFFF);
    EXPECT_EQ(pixel(three, 8, 8), art.ScanLine(1)[3] & 0xFFFFFF);
}

TEST(CanvasRatio, OneXArtIsFilteredAtFractionalRatios)
{
    TBitmap art(2, 1);
    art.ScanLine(0)[0] = qRgb(0, 0, 0);
    art.ScanLine(0)[1] = qRgb(255, 255, 255);
    TBitmap face(2, 1, 1.5);
    face.Canvas().Draw(0, 0, art);
    ASSERT_EQ(face.PixelWidth(), 3);
    // The middle pixel lies between black and white: filtered, not picked.
    const QRgb middle = pixel(face, 1, 0);
    EXPECT_GT(qRed(middle), 0);
    EXPECT_LT(qRed(middle), 255);
}

TEST(CanvasRatio, KeyedCopiesLeaveTheKeyColourAtEveryRatio)
{
    TBitmap glyph(2, 2);
    glyph.Canvas().Brush.Color = clFuchsia;
    glyph.Canvas().FillRect({0, 0, 2, 2});
    glyph.Canvas().SetPixels(0, 0, kInk);
    for (const qreal ratio : {2.0, 1.5}) {
        TBitmap face(4, 4, ratio);
        face.Canvas().DrawTransparent(1, 1, glyph, {0, 0, 2, 2}, clFuchsia);
        for (int y = 0; y < face.PixelHeight(); ++y)
            for (int x = 0; x < face.PixelWidth(); ++x)
                EXPECT_NE(pixel(face, x, y), toQRgb(clFuchsia) & 0xFFFFFF) << ratio;
        EXPECT_EQ(face.Canvas().Pixels(1, 1), kInk) << ratio;
    }
}
