#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace platform;

namespace {

// Smallest box (inclusive) holding every pixel that differs from white.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    friend bool operator==(const Box&, const Box&) = default;
};

Box inkBox(const TBitmap& bitmap)
{
    Box box;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixels(x, y) != clWhite) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

int countPixels(const TBitmap& bitmap, TColor color)
{
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Canvas().Pixels(x, y) == color;
    return count;
}

} // namespace

TEST(Color, KeepsRedInTheLowByte)
{
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FF);
    EXPECT_EQ(RGB(1, 2, 3), 0x030201);
    EXPECT_EQ(toQRgb(clRed), qRgb(255, 0, 0));
    EXPECT_EQ(fromQRgb(qRgb(0, 0, 128)), clNavy);
    EXPECT_EQ(ColorToRGB(clBtnFace) & clSystemColor, 0);
    EXPECT_NE(ColorToRGB(clBtnFace), ColorToRGB(clBtnShadow));
}

TEST(Bitmap, ResizingKeepsPixelsAndWhitensTheNewArea)
{
    TBitmap bitmap(4, 4);
    EXPECT_EQ(countPixels(bitmap, clWhite), 16);
    bitmap.Canvas().SetPixels(3, 3, clRed);
    bitmap.SetSize(6, 5);
    EXPECT_EQ(bitmap.Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixels(5, 4), clWhite);
    TBitmap copy;
    copy.Assign(bitmap);
    bitmap.Canvas().SetPixels(0, 0, clLime);
    EXPECT_EQ(copy.Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(copy.Canvas().Pixels(0, 0), clWhite) << "copies do not share pixels";
    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.Canvas().Rectangle(0, 0, 3, 3);
    bitmap.Canvas().LineTo(5, 5);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), -1);
}

TEST(Canvas, PixelsOutsideReadAsMinusOneAndIgnoreWrites)
{
    TBitmap bitmap(3, 3);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetPixels(-1, 0, clRed);
    canvas.SetPixels(3, 0, clRed);
    canvas.SetPixels(1, 2, clBlue);
    EXPECT_EQ(canvas.Pixels(1, 2), clBlue);
    EXPECT_EQ(canvas.Pixels(3, 0), -1);
    EXPECT_EQ(canvas.Pixels(0, -1), -1);
    EXPECT_EQ(countPixels(bitmap, clRed), 0);
    EXPECT_EQ(bitmap.image().pixel(1, 2), qRgb(0, 0, 255));
}

TEST(Canvas, FillRectExcludesRightAndBottomAndNeedsASolidBrush)
{
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.FillRect(Rect(2, 3, 5, 7));
    EXPECT_EQ(inkBox(bitmap), (Box{2, 3, 4, 6}));
    EXPECT_EQ(countPixels(bitmap, clRed), 12);
    canvas.Brush.Color = clBlue;
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(countPixels(bitmap, clBlue), 0);
    canvas.Brush.Style = BrushStyle::Solid;
    canvas.FillRect(Rect(5, 5, 3, 3));
    EXPECT_EQ(countPixels(bitmap, clBlue), 0);
}

TEST(Canvas, RectangleOutlineAndFillStayInsideTheBox)
{
    TBitmap bitmap(12, 12);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Rectangle(2, 3, 7, 9);
    EXPECT_EQ(inkBox(bitmap), (Box{2, 3, 6, 8}));
    for (int y = 3; y <= 8; ++y) {
        EXPECT_EQ(canvas.Pixels(2, y), clBlack);
        EXPECT_EQ(canvas.Pixels(6, y), clBlack);
    }
    EXPECT_EQ(canvas.Pixels(4, 3), clBlack);
    EXPECT_EQ(canvas.Pixels(4, 8), clBlack);
    EXPECT_EQ(countPixels(bitmap, clRed), 3 * 4);

    // Inverted corners give the same rectangle.
    TBitmap inverted(12, 12);
    inverted.Canvas().Brush.Color = clRed;
    inverted.Canvas().Rectangle(7, 9, 2, 3);
    EXPECT_EQ(inverted.image(), bitmap.image());
}

TEST(Canvas, WideRectangleOutlineLiesInsideForEvenWidths)
{
    TBitmap bitmap(12, 12);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Pen.Width = 2;
    canvas.Rectangle(0, 0, 12, 12);
    EXPECT_EQ(canvas.Pixels(1, 5), clBlack);
    EXPECT_EQ(canvas.Pixels(10, 5), clBlack);
    EXPECT_EQ(canvas.Pixels(5, 1), clBlack);
    EXPECT_EQ(canvas.Pixels(5, 10), clBlack);
    EXPECT_EQ(countPixels(bitmap, clRed), 8 * 8);

    canvas.Pen.Width = 3;
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(3, 3, 9, 9);
    EXPECT_EQ(canvas.Pixels(2, 5), clBlack);
    EXPECT_EQ(canvas.Pixels(4, 5), clBlack);
    EXPECT_EQ(canvas.Pixels(5, 5), clWhite);
    EXPECT_EQ(canvas.Pixels(9, 5), clBlack);
}

TEST(Canvas, RectangleWithoutPenFillsOnePixelLess)
{
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Pen.Style = PenStyle::Clear;
    canvas.Rectangle(1, 1, 6, 6);
    EXPECT_EQ(inkBox(bitmap), (Box{1, 1, 4, 4}));
}

TEST(Canvas, EllipseFitsTheBoxWithoutRightAndBottomEdge)
{
    TBitmap bitmap(70, 70);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Ellipse(46, 46, 58, 58);
    EXPECT_EQ(inkBox(bitmap), (Box{46, 46, 57, 57}));
    EXPECT_EQ(canvas.Pixels(52, 46), clBlack);
    EXPECT_EQ(canvas.Pixels(46, 52), clBlack);
    EXPECT_EQ(canvas.Pixels(51, 51), clRed);

    // The shape is symmetric about the box's centre.
    const QImage image = bitmap.image().copy(46, 46, 12, 12);
    EXPECT_EQ(image, image.mirrored(true, false));
    EXPECT_EQ(image, image.mirrored(false, true));
}

TEST(Canvas, ChordRunsCounterClockwiseBetweenTheRadials)
{
    TBitmap bitmap(40, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    // From nine o'clock counter-clockwise to three o'clock: the lower half.
    canvas.Chord(0, 0, 40, 40, 0, 20, 40, 20);
    EXPECT_EQ(canvas.Pixels(20, 30), clRed);
    EXPECT_EQ(canvas.Pixels(20, 10), clWhite);
    const Box lower = inkBox(bitmap);
    EXPECT_EQ(lower.left, 0);
    EXPECT_EQ(lower.right, 39);
    EXPECT_EQ(lower.bottom, 39);
    EXPECT_GE(lower.top, 18);

    // The same radials the other way round: the upper half.
    TBitmap upper(40, 40);
    upper.Canvas().Brush.Color = clRed;
    upper.Canvas().Chord(0, 0, 40, 40, 40, 20, 0, 20);
    EXPECT_EQ(upper.Canvas().Pixels(20, 10), clRed);
    EXPECT_EQ(upper.Canvas().Pixels(20, 30), clWhite);
    EXPECT_EQ(inkBox(upper).top, 0);

    // Equal radials give the whole ellipse.
    TBitmap whole(40, 40);
    whole.Canvas().Brush.Color = clRed;
    whole.Canvas().Chord(0, 0, 40, 40, 40, 0, 40, 0);
    EXPECT_EQ(whole.Canvas().Pixels(20, 35), clRed);
    EXPECT_EQ(whole.Canvas().Pixels(20, 5), clRed);
    EXPECT_EQ(inkBox(whole), (Box{0, 0, 39, 39}));
}

TEST(Canvas, ChordRadialsMeetAWideEllipseAtTheirOwnAngle)
{
    // Radials through the upper corners of a 2:1 box cut the ellipse at
    // about (0.15, 0.15) and (0.85, 0.15) of the box: the chord between them
    // is a thin cap at the top.
    TBitmap bitmap(80, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Pen.Style = PenStyle::Clear;
    canvas.Chord(0, 0, 80, 40, 80, 0, 0, 0);
    EXPECT_EQ(canvas.Pixels(40, 3), clRed);
    EXPECT_EQ(canvas.Pixels(40, 8), clWhite);
    const Box cap = inkBox(bitmap);
    EXPECT_NEAR(cap.left, 13, 1);
    EXPECT_NEAR(cap.right, 66, 1);
    EXPECT_NEAR(cap.bottom, 5, 1);
}

TEST(Canvas, ChordIsClosedByItsStraightEdge)
{
    TBitmap bitmap(40, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Pen.Width = 2;
    canvas.Chord(0, 0, 40, 40, 0, 20, 40, 20);
    int edge = 0;
    for (int y = 17; y <= 22; ++y)
        edge += canvas.Pixels(20, y) == clBlack;
    EXPECT_EQ(edge, 2);
    EXPECT_EQ(canvas.Pixels(20, 30), clRed);
    EXPECT_EQ(canvas.Pixels(20, 38), clBlack) << "arc";
    EXPECT_EQ(canvas.Pixels(20, 12), clWhite);

    TBitmap thin(40, 40);
    thin.Canvas().Chord(0, 0, 40, 40, 0, 20, 40, 20);
    int thinEdge = 0;
    for (int x = 0; x < 40; ++x)
        thinEdge += thin.Canvas().Pixels(x, 19) == clBlack || thin.Canvas().Pixels(x, 20) == clBlack;
    EXPECT_EQ(thinEdge, 40) << "the edge runs from arc end to arc end";
}

struct LineCase {
    int dx, dy;
};

class LineEnds : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, LineToPaintsTheStartButNotTheEnd)
{
    const auto [dx, dy] = GetParam();
    TBitmap bitmap(21, 21);
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveTo(10, 10);
    canvas.LineTo(10 + dx, 10 + dy);
    EXPECT_EQ(canvas.PenPos(), (TPoint{10 + dx, 10 + dy}));
    EXPECT_EQ(canvas.Pixels(10, 10), clBlack);
    EXPECT_EQ(canvas.Pixels(10 + dx, 10 + dy), clWhite);
    EXPECT_EQ(countPixels(bitmap, clBlack), std::max(std::abs(dx), std::abs(dy)));
    // The pixel one step before the end is there.
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const int bx = 10 + dx - (std::abs(dx) == steps ? (dx > 0 ? 1 : -1) : 0);
    const int by = 10 + dy - (std::abs(dy) == steps ? (dy > 0 ? 1 : -1) : 0);
    EXPECT_EQ(canvas.Pixels(bx, by), clBlack);
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, LineEnds,
    ::testing::Values(LineCase{7, 0}, LineCase{-7, 0}, LineCase{0, 7}, LineCase{0, -7}, LineCase{5, 5},
        LineCase{-5, 5}, LineCase{5, -5}, LineCase{-5, -5}, LineCase{8, 3}, LineCase{-3, -8}, LineCase{1, 0}));

TEST(Canvas, LinesFromFarAwayDrawTheirVisiblePart)
{
    TBitmap bitmap(20, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveTo(INT_MIN, 4);
    canvas.LineTo(INT_MAX, 4);
    EXPECT_EQ(countPixels(bitmap, clBlack), 20);
    canvas.Pen.Color = clRed;
    canvas.MoveTo(-1000, -1000);
    canvas.LineTo(1000, 1000);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(canvas.Pixels(i, i), clRed) << i;
    canvas.Pen.Width = 3;
    canvas.Pen.Color = clBlue;
    canvas.MoveTo(5, -2000000000);
    canvas.LineTo(5, 2000000000);
    EXPECT_EQ(canvas.Pixels(4, 0), clBlue);
    EXPECT_EQ(canvas.Pixels(6, 9), clBlue);
}

TEST(Canvas, WideLinesAreCentredWithRoundEnds)
{
    TBitmap bitmap(60, 60);
    TCanvas& canvas = bitmap.Canvas();
    // Even width: no middle pixel, the extra row lies above.
    canvas.Pen.Width = 6;
    canvas.MoveTo(8, 52);
    canvas.LineTo(39, 52);
    EXPECT_EQ(inkBox(bitmap), (Box{5, 49, 41, 54}));
    EXPECT_EQ(canvas.Pixels(5, 52), clBlack);
    EXPECT_EQ(canvas.Pixels(5, 49), clWhite) << "rounded corner";

    // Odd width: centred on the pixels of the line, end point included.
    TBitmap odd(30, 20);
    odd.Canvas().Pen.Width = 3;
    odd.Canvas().MoveTo(10, 10);
    odd.Canvas().LineTo(20, 10);
    EXPECT_EQ(inkBox(odd), (Box{9, 9, 21, 11}));

    // A steep line is as wide across as a flat one.
    TBitmap steep(30, 30);
    steep.Canvas().Pen.Width = 3;
    steep.Canvas().MoveTo(10, 2);
    steep.Canvas().LineTo(10, 25);
    EXPECT_EQ(inkBox(steep), (Box{9, 1, 11, 26}));

    // Joined segments of a wide polyline leave no notch at the corner.
    TBitmap corner(30, 30);
    corner.Canvas().Pen.Width = 4;
    const std::array<TPoint, 3> points{TPoint{5, 5}, {20, 5}, {20, 20}};
    corner.Canvas().Polyline(points);
    EXPECT_EQ(corner.Canvas().Pixels(20, 5), clBlack);
    EXPECT_EQ(corner.Canvas().Pixels(21, 4), clBlack);
}

TEST(Canvas, LineToOfZeroLengthPaintsNothing)
{
    TBitmap bitmap(5, 5);
    bitmap.Canvas().MoveTo(2, 2);
    bitmap.Canvas().LineTo(2, 2);
    EXPECT_EQ(countPixels(bitmap, clBlack), 0);
}

TEST(Canvas, PolylineJoinsSegmentsWithoutItsLastPoint)
{
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveTo(9, 9);
    const std::array<TPoint, 3> points{TPoint{1, 1}, {6, 1}, {6, 6}};
    canvas.Polyline(points);
    EXPECT_EQ(countPixels(bitmap, clBlack), 10);
    EXPECT_EQ(canvas.Pixels(6, 1), clBlack);
    EXPECT_EQ(canvas.Pixels(6, 5), clBlack);
    EXPECT_EQ(canvas.Pixels(6, 6), clWhite);
    EXPECT_EQ(canvas.PenPos(), (TPoint{9, 9}));
}

TEST(Canvas, DottedPenFillsItsGapsWithAnOpaqueBrush)
{
    TBitmap bitmap(20, 3);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Style = PenStyle::Dot;
    canvas.Brush.Color = clBlue;
    canvas.MoveTo(0, 1);
    canvas.LineTo(12, 1);
    const std::array<TColor, 12> expected{clBlack, clBlack, clBlack, clBlue, clBlue, clBlue, clBlack, clBlack,
        clBlack, clBlue, clBlue, clBlue};
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(canvas.Pixels(x, 1), expected[x]) << "x = " << x;

    canvas.Brush.Style = BrushStyle::Clear;
    canvas.MoveTo(0, 2);
    canvas.LineTo(12, 2);
    EXPECT_EQ(canvas.Pixels(4, 2), clWhite);
    EXPECT_EQ(canvas.Pixels(7, 2), clBlack);
}

TEST(Canvas, ToolsPersistBetweenCallsAndAreReadAtEachCall)
{
    TBitmap bitmap(40, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 3;
    canvas.MoveTo(2, 10);
    canvas.LineTo(30, 10);
    canvas.Ellipse(5, 20, 15, 30);
    EXPECT_EQ(canvas.Pen, (TPen{clRed, 3, PenStyle::Solid}));
    EXPECT_EQ(canvas.Pixels(15, 9), clRed);
    EXPECT_EQ(canvas.Pixels(15, 11), clRed);
    EXPECT_EQ(canvas.Pixels(5, 25), clRed);

    // A change of each tool shows in the next shape, also after text has
    // been drawn in another colour in between.
    canvas.Font.Color = clLime;
    canvas.TextOut(20, 20, "x");
    canvas.Pen.Color = clBlue;
    canvas.Pen.Width = 1;
    canvas.Brush.Color = clYellow;
    canvas.Ellipse(25, 30, 35, 40);
    EXPECT_EQ(canvas.Pixels(25, 35), clBlue);
    EXPECT_EQ(canvas.Pixels(30, 35), clYellow);
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Pen.Color = clBlack;
    canvas.Ellipse(0, 30, 10, 40);
    EXPECT_EQ(canvas.Pixels(0, 35), clBlack);
    EXPECT_EQ(canvas.Pixels(5, 35), clWhite);
}

TEST(Canvas, ClearPenDrawsNoOutlineOrLine)
{
    TBitmap bitmap(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Style = PenStyle::Clear;
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Ellipse(0, 0, 20, 20);
    canvas.MoveTo(0, 5);
    canvas.LineTo(20, 5);
    canvas.Pen.Width = 4;
    canvas.LineTo(0, 15);
    EXPECT_EQ(countPixels(bitmap, clWhite), 400);
}

TEST(Canvas, FontSizeInPointsIsANegativePixelHeight)
{
    TFont font;
    font.SetSize(12);
    EXPECT_EQ(font.Height, -16);
    EXPECT_EQ(font.Size(), 12);
    font.Height = -11;
    EXPECT_EQ(font.Size(), 8);
}

TEST(Canvas, PositiveFontHeightIsTheCellHeight)
{
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.Name = "Arial";
    for (int height : {12, 14, 20}) {
        canvas.Font.Height = height;
        EXPECT_EQ(canvas.TextHeight("Ag"), height);
    }
    canvas.Font.Height = 14;
    canvas.Font.Height = -14;
    EXPECT_GT(canvas.TextHeight("Ag"), 15);
    const QSize extent = canvas.TextExtent("Wide text");
    EXPECT_EQ(extent.width(), canvas.TextWidth("Wide text"));
    EXPECT_GT(extent.width(), canvas.TextWidth("W"));
    canvas.Font.Style = FontStyle::Bold;
    EXPECT_GT(canvas.TextWidth("Wide text"), extent.width());
}

TEST(Canvas, TextOutPaintsTheCellOnTheBrushAndMovesThePen)
{
    TBitmap bitmap(60, 30);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.Color = clWhite;
    canvas.Brush.Color = clBlack;
    canvas.TextOut(5, 4, "N0");
    const QSize cell = canvas.TextExtent("N0");
    EXPECT_EQ(inkBox(bitmap), (Box{5, 4, 5 + cell.width() - 1, 4 + cell.height() - 1}));
    EXPECT_GT(countPixels(bitmap, clWhite), 60 * 30 - cell.width() * cell.height());
    EXPECT_EQ(canvas.PenPos(), (TPoint{5 + cell.width(), 4}));

    TBitmap clear(60, 30);
    clear.Canvas().Brush.Style = BrushStyle::Clear;
    clear.Canvas().Font.Color = clRed;
    clear.Canvas().TextOut(5, 4, "N0");
    EXPECT_GT(countPixels(clear, clRed), 10);
    EXPECT_EQ(countPixels(clear, clRed) + countPixels(clear, clWhite), 60 * 30) << "no antialiasing, no background";
}

TEST(Canvas, RedrawnTextIsTheSameInEveryColourAndPlace)
{
    TBitmap first(40, 20);
    first.Canvas().Font.Color = clRed;
    first.Canvas().TextOut(2, 2, "259");
    TBitmap second(40, 20);
    second.Canvas().Font.Color = clBlue;
    second.Canvas().Font.Height = 30;
    second.Canvas().TextOut(0, 0, "259");
    second.Canvas().Font.Height = TFont{}.Height;
    second.Canvas().FillRect(Rect(0, 0, 40, 20));
    second.Canvas().TextOut(2, 2, "259");
    QImage blue = second.image();
    for (int y = 0; y < blue.height(); ++y)
        for (int x = 0; x < blue.width(); ++x)
            if (blue.pixel(x, y) == qRgb(0, 0, 255))
                blue.setPixel(x, y, qRgb(255, 0, 0));
    EXPECT_EQ(blue, first.image());
    EXPECT_GT(countPixels(first, clRed), 10);
}

TEST(Canvas, TextRectClipsToItsRectangle)
{
    TBitmap bitmap(60, 30);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.Height = 20;
    canvas.Font.Color = clRed;
    canvas.Brush.Color = clYellow;
    canvas.TextRect(Rect(10, 5, 20, 15), 8, 0, "WWW");
    EXPECT_EQ(inkBox(bitmap), (Box{10, 5, 19, 14}));
    EXPECT_GT(countPixels(bitmap, clRed), 0);

    // Text drawn after it is no longer clipped.
    canvas.TextOut(30, 0, "W");
    EXPECT_GT(inkBox(bitmap).right, 35);
}

TEST(Canvas, CopyRectCopiesAndStretchesByNearestPixel)
{
    TBitmap source(2, 2);
    source.Canvas().SetPixels(0, 0, clRed);
    source.Canvas().SetPixels(1, 0, clLime);
    source.Canvas().SetPixels(0, 1, clBlue);
    source.Canvas().SetPixels(1, 1, clBlack);

    TBitmap target(8, 8);
    target.Canvas().CopyRect(Rect(1, 1, 3, 3), source.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clBlack);
    EXPECT_EQ(inkBox(target), (Box{1, 1, 2, 2}));

    TBitmap stretched(8, 8);
    stretched.Canvas().StretchDraw(Rect(2, 2, 6, 8), source);
    EXPECT_EQ(inkBox(stretched), (Box{2, 2, 5, 7}));
    EXPECT_EQ(stretched.Canvas().Pixels(3, 4), clRed);
    EXPECT_EQ(stretched.Canvas().Pixels(4, 4), clLime);
    EXPECT_EQ(stretched.Canvas().Pixels(5, 5), clBlack);
    EXPECT_EQ(stretched.Canvas().Pixels(2, 5), clBlue);

    // Shrinking picks whole pixels, never blends.
    TBitmap shrunk(1, 1);
    shrunk.Canvas().CopyRect(Rect(0, 0, 1, 1), stretched.Canvas(), Rect(2, 2, 6, 8));
    EXPECT_EQ(shrunk.Canvas().Pixels(0, 0), clRed);
}

TEST(Canvas, CopyRectClipsAndIgnoresInvertedRectangles)
{
    TBitmap source(4, 4);
    source.Canvas().Brush.Color = clRed;
    source.Canvas().FillRect(Rect(0, 0, 4, 4));
    TBitmap target(4, 4);
    // Only target (3, 3) has its source pixel (0, 0) inside the source.
    target.Canvas().CopyRect(Rect(2, 2, 6, 6), source.Canvas(), Rect(-1, -1, 3, 3));
    EXPECT_EQ(countPixels(target, clRed), 1);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), clRed);
    target.Canvas().CopyRect(Rect(4, 4, 0, 0), source.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(countPixels(target, clRed), 1);
}

TEST(Canvas, CopyRectWithinOneBitmapReadsTheOldPixels)
{
    TBitmap bitmap(6, 1);
    for (int x = 0; x < 3; ++x)
        bitmap.Canvas().SetPixels(x, 0, RGB(x, 0, 0));
    bitmap.Canvas().CopyRect(Rect(1, 0, 4, 1), bitmap.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Canvas().Pixels(2, 0), RGB(1, 0, 0));
    EXPECT_EQ(bitmap.Canvas().Pixels(3, 0), RGB(2, 0, 0));
}

TEST(Canvas, DrawTransparentSkipsTheKeyColour)
{
    TBitmap glyph(3, 1);
    glyph.Canvas().SetPixels(0, 0, clFuchsia);
    glyph.Canvas().SetPixels(1, 0, clRed);
    glyph.Canvas().SetPixels(2, 0, clFuchsia);
    TBitmap target(5, 2);
    target.Canvas().Brush.Color = clBlue;
    target.Canvas().FillRect(Rect(0, 0, 5, 2));
    target.Canvas().DrawTransparent(1, 1, glyph, Rect(0, 0, 3, 1), clFuchsia);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clBlue);
    EXPECT_EQ(target.Canvas().Pixels(2, 1), clRed);
    EXPECT_EQ(target.Canvas().Pixels(3, 1), clBlue);
    target.Canvas().Draw(2, 0, glyph);
    EXPECT_EQ(target.Canvas().Pixels(2, 0), clFuchsia);
}
