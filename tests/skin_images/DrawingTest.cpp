#include "tests/skin_images/CutPictures.h"

#include "skin/data/SkinDrawing.h"
#include "skin/data/SkinWindowHelpers.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

using namespace skin;
using platform::TBitmap;
using platform::TColor;

namespace {

constexpr TColor kRed = platform::RGB(255, 0, 0);
constexpr TColor kBlue = platform::RGB(0, 0, 255);
constexpr TColor kGreen = platform::RGB(0, 255, 0);

// Painted pixels of row y as a string: '#' for color, '.' otherwise.
std::string row(const TBitmap& bitmap, int y, TColor color)
{
    std::string s;
    for (int x = 0; x < bitmap.Width(); ++x)
        s += bitmap.Canvas().Pixels(x, y) == color ? '#' : '.';
    return s;
}

} // namespace

TEST(Drawing, GlyphTwoOfTwoIsTheRightHalfWithItsCornerColourTransparent)
{
    TBitmap strip(8, 3);
    strip.Canvas().Brush.Color = kRed;
    strip.Canvas().FillRect({0, 0, 4, 3});
    strip.Canvas().Brush.Color = kBlue;
    strip.Canvas().FillRect({4, 0, 8, 3});
    strip.Canvas().SetPixels(4, 2, kGreen);
    strip.Canvas().SetPixels(6, 0, kGreen);
    TBitmap canvas(6, 3);
    DrawGlyph(canvas.Canvas(), 1, 0, strip, 2, 2);
    EXPECT_EQ(row(canvas, 0, kBlue), ".##.#.");
    EXPECT_EQ(row(canvas, 2, kBlue), "..###.");
    EXPECT_EQ(row(canvas, 1, kRed), "......");

    TBitmap empty;
    DrawGlyph(canvas.Canvas(), 0, 0, empty, 2, 1);
    EXPECT_EQ(row(canvas, 0, kBlue), ".##.#.");
}

TEST(Drawing, CheckArrowsRadioAndFrame)
{
    TBitmap bitmap(12, 12);
    DrawCheckImage(bitmap.Canvas(), 1, 1, kRed);
    // Three strokes down to (3, 8 - i), then up to (8, 3 - i) without the end point.
    EXPECT_EQ(row(bitmap, 6, kRed), ".#####......");
    EXPECT_EQ(row(bitmap, 8, kRed), "...#........");
    EXPECT_EQ(row(bitmap, 2, kRed), ".......#....");
    EXPECT_EQ(row(bitmap, 1, kRed), "............");

    TBitmap arrow(9, 9);
    DrawArrowImage(arrow.Canvas(), {0, 0, 9, 9}, kBlue, 4);
    EXPECT_EQ(row(arrow, 2, kBlue), ".#######.");
    EXPECT_EQ(row(arrow, 3, kBlue), "..#####..");
    EXPECT_EQ(row(arrow, 5, kBlue), "....#....");
    EXPECT_EQ(row(arrow, 6, kBlue), ".........");
    TBitmap left(9, 9);
    DrawArrowImage(left.Canvas(), {0, 0, 9, 9}, kBlue, 1);
    EXPECT_EQ(row(left, 4, kBlue), "..####...");
    EXPECT_EQ(row(left, 1, kBlue), ".....#...");

    TBitmap track(9, 9);
    DrawTrackArrowImage(track.Canvas(), {0, 0, 9, 9}, kBlue);
    EXPECT_EQ(row(track, 3, kBlue), "..#####..");
    EXPECT_EQ(row(track, 5, kBlue), "....#....");

    TBitmap radio(10, 10);
    DrawRadioImage(radio.Canvas(), 2, 3, kGreen);
    EXPECT_EQ(row(radio, 3, kGreen), "..######..");
    EXPECT_EQ(row(radio, 8, kGreen), "..######..");
    EXPECT_EQ(row(radio, 9, kGreen), "..........");

    TBitmap frame(6, 5);
    Frm3D(frame.Canvas(), {0, 0, 6, 5}, kRed, kBlue);
    EXPECT_EQ(row(frame, 0, kRed), "#####.");
    EXPECT_EQ(row(frame, 0, kBlue), ".....#");
    EXPECT_EQ(row(frame, 2, kRed), "#.....");
    EXPECT_EQ(row(frame, 2, kBlue), ".....#");
    EXPECT_EQ(row(frame, 4, kRed), "#.....");
    EXPECT_EQ(row(frame, 4, kBlue), ".#####");
}

TEST(Drawing, CaptionGlyphs)
{
    TBitmap bitmap(14, 14);
    DrawCloseImage(bitmap.Canvas(), 2, 2, kRed);
    EXPECT_EQ(row(bitmap, 3, kRed), "...##.....##..");
    EXPECT_EQ(row(bitmap, 7, kRed), "......###.....");
    TBitmap centred(14, 14);
    DrawRCloseImage(centred.Canvas(), {0, 0, 14, 14}, kRed);
    EXPECT_EQ(centred.image(), bitmap.image());

    TBitmap minimize(12, 12);
    DrawMinimizeImage(minimize.Canvas(), 0, 0, kRed);
    EXPECT_EQ(row(minimize, 8, kRed), ".########...");
    EXPECT_EQ(row(minimize, 9, kRed), ".########...");
    TBitmap maximize(12, 12);
    DrawMaximizeImage(maximize.Canvas(), 0, 0, kRed);
    EXPECT_EQ(row(maximize, 1, kRed), "###########.");
    EXPECT_EQ(row(maximize, 5, kRed), "#.........#.");
    EXPECT_EQ(row(maximize, 9, kRed), "###########.");
    TBitmap rollUp(12, 8);
    DrawRollUpImage(rollUp.Canvas(), 0, 0, kRed);
    EXPECT_EQ(row(rollUp, 6, kRed), ".########...");
    // The apex line has no length, so a line-to draws nothing there.
    EXPECT_EQ(row(rollUp, 3, kRed), "....##......");
    EXPECT_EQ(row(rollUp, 2, kRed), "............");
    TBitmap restore(12, 8);
    DrawRestoreRollUpImage(restore.Canvas(), 0, 0, kRed);
    EXPECT_EQ(row(restore, 2, kRed), ".########...");
    EXPECT_EQ(row(restore, 5, kRed), "....##......");
    TBitmap mt(9, 9);
    DrawMTImage(mt.Canvas(), 0, 0, kRed);
    EXPECT_EQ(row(mt, 2, kRed), "..#####..");
    EXPECT_EQ(row(mt, 7, kRed), ".........");
}

TEST(Drawing, TextIsShortenedWithDotsOnlyWhenItDoesNotFit)
{
    TBitmap bitmap(200, 30);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Font = {QStringLiteral("Arial"), 14, {}, platform::clBlack};
    const QString text = QStringLiteral("Start RC Stick Calibration");
    const int full = canvas.TextWidth(text);
    EXPECT_EQ(CorrectTextbyWidth(canvas, text, full), text);
    const QString shorter = CorrectTextbyWidth(canvas, text, full / 2);
    EXPECT_TRUE(shorter.endsWith(QStringLiteral("..."))) << shorter.toStdString();
    EXPECT_TRUE(text.startsWith(shorter.chopped(3)));
    EXPECT_LE(canvas.TextWidth(shorter), full / 2);
    EXPECT_GT(canvas.TextWidth(text.left(shorter.size() - 2) + QStringLiteral("...")), full / 2);
    EXPECT_EQ(CorrectTextbyWidth(canvas, text, 0), QStringLiteral("..."));
}

TEST(Drawing, TextIsCentredVerticallyAndClippedToItsRectangle)
{
    TBitmap bitmap(60, 30);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Font = {QStringLiteral("Arial"), 14, {}, platform::clBlack};
    const TRect rect{10, 5, 30, 25};
    KVDrawText3(canvas, QStringLiteral("WWWWWW"), rect, 3);
    int firstInk = -1;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (canvas.Pixels(x, y) != platform::clBlack)
                continue;
            ASSERT_GE(x, 15) << "nothing left of rect.left + offset + 2";
            ASSERT_LT(x, 30) << "clipped at the right";
            ASSERT_GE(y, 5);
            ASSERT_LT(y, 25);
            if (firstInk < 0)
                firstInk = y;
        }
    }
    EXPECT_GT(firstInk, 5) << "centred, not at the top";
    cuttest::savePicture(bitmap, "kvdrawtext3", 4);
}

TEST(Drawing, RectangleHelpers)
{
    EXPECT_TRUE(RectInRect({2, 2, 5, 5}, {0, 0, 6, 6}));
    EXPECT_FALSE(RectInRect({2, 2, 6, 5}, {0, 0, 6, 6})) << "right edge is outside";
    EXPECT_EQ(RectToCenter({0, 0, 4, 4}, {10, 10, 21, 21}), (TRect{13, 13, 17, 17}));
    EXPECT_EQ(RectToCenter({5, 5, 15, 9}, {0, 0, 5, 5}), (TRect{-2, 0, 8, 4}));
}

namespace {

// A parent that paints a red background and a blue square at 15,15 - 20,20.
class PaintedParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::red);
        p.fillRect(QRect(15, 15, 5, 5), Qt::blue);
    }
};

} // namespace

TEST(Drawing, ParentImageShowsWhatLiesUnderTheControl)
{
    PaintedParent parent;
    parent.resize(60, 60);
    QWidget child(&parent);
    child.setGeometry(10, 10, 20, 20);
    TBitmap bitmap(20, 20);
    GetParentImage(&child, bitmap.Canvas());
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), kRed);
    EXPECT_EQ(bitmap.Canvas().Pixels(5, 5), kBlue);
    EXPECT_EQ(bitmap.Canvas().Pixels(9, 9), kBlue);
    EXPECT_EQ(bitmap.Canvas().Pixels(10, 10), kRed);

    QWidget orphan;
    TBitmap untouched(4, 4);
    GetParentImage(&orphan, untouched.Canvas());
    EXPECT_EQ(untouched.Canvas().Pixels(1, 1), platform::clWhite);
}

TEST(Drawing, WorkAreaIsTheScreensAvailableGeometry)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const TRect area = GetPrimaryMonitorWorkArea();
    EXPECT_EQ(QRect(area.left, area.top, area.width(), area.height()), available);
    QWidget window;
    EXPECT_EQ(GetMonitorWorkArea(&window), area);
    SetAlphaBlendTransparent(&window, 51);
    EXPECT_NEAR(window.windowOpacity(), 0.2, 0.01);
}
