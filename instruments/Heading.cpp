#include "instruments/Heading.h"

#include "instruments/AngleFactor.h"
#include "platform/Bitmap.h"

#include <QString>

#include <array>
#include <cmath>

namespace instruments {

using namespace platform;

namespace {

struct Letter {
    const char* text;
    double degrees;
};

constexpr std::array<Letter, 4> kLetters{{{"N", 0}, {"E", 90}, {"S", 180}, {"W", 270}}};

// The marks were meant to show on the black face; a light pen does that.
constexpr TColor kMarkColor = clWhite;

// Point at an angle clockwise from up and a radius from the centre.
TPoint polar(int c, double radius, double theta)
{
    return TPoint{truncToInt(c + radius * std::sin(theta)), truncToInt(c - radius * std::cos(theta))};
}

} // namespace

int headingReadout(double heading)
{
    int degrees = truncToInt(heading * kRadiansToDegrees);
    if (degrees < 0)
        degrees += 360;
    if (degrees >= 360)
        degrees -= 360;
    return degrees;
}

namespace {

// The dial without needle and readout: the same for every heading.
void drawDial(TCanvas& canvas, int w, int h)
{
    const int c = w / 2;
    canvas.Brush.Color = clSilver;
    canvas.Brush.Style = BrushStyle::Solid;
    canvas.Rectangle(0, 0, w, h);

    canvas.Pen.Width = 2;
    canvas.Pen.Color = clBlack;
    canvas.Ellipse(0, 0, w, h);

    canvas.Brush.Color = clBlack;
    canvas.Ellipse(truncToInt(0.05 * w), truncToInt(0.05 * h), truncToInt(0.95 * w), truncToInt(0.95 * h));

    canvas.Pen.Color = kMarkColor;
    for (int k = 0; k <= 11; ++k) {
        const double theta = 30 * k / kRadiansToDegrees;
        const TPoint inner = polar(c, 0.8 * c, theta);
        const TPoint outer = polar(c, 0.9 * c, theta);
        canvas.MoveTo(inner.x, inner.y);
        canvas.LineTo(outer.x, outer.y);
    }

    canvas.Font.Color = clRed;
    canvas.Font.SetSize(12);
    for (const Letter& letter : kLetters) {
        const double theta = letter.degrees / kRadiansToDegrees;
        canvas.TextOut(truncToInt(0.95 * c + 0.7 * c * std::sin(theta)),
            truncToInt(0.95 * c - 0.7 * c * std::cos(theta)), QString::fromLatin1(letter.text));
    }
}

// The dial depends only on the picture's size and on the pen, brush and
// font the canvas brings, so it is drawn once and copied for each heading:
// telemetry turns the needle twenty times a second.
struct DialCache {
    int width = 0;
    int height = 0;
    qreal ratio = 1;
    TPen pen;
    TBrush brush;
    TFont font;
    // The dial, with its canvas left as drawing it left it.
    TBitmap dial;
};

const TBitmap& dialFor(const TCanvas& canvas, int w, int h, qreal ratio)
{
    thread_local DialCache cache;
    if (cache.dial.Empty() || cache.width != w || cache.height != h || cache.ratio != ratio
        || !(cache.pen == canvas.Pen) || !(cache.brush == canvas.Brush) || !(cache.font == canvas.Font)) {
        cache.width = w;
        cache.height = h;
        cache.ratio = ratio;
        cache.pen = canvas.Pen;
        cache.brush = canvas.Brush;
        cache.font = canvas.Font;
        cache.dial.SetRatio(ratio);
        cache.dial.SetSize(w, h);
        TCanvas& dial = cache.dial.Canvas();
        dial.Pen = canvas.Pen;
        dial.Brush = canvas.Brush;
        dial.Font = canvas.Font;
        drawDial(dial, w, h);
    }
    return cache.dial;
}

} // namespace

void DrawHeading(double heading, TBitmap& picture)
{
    TCanvas& canvas = picture.Canvas();
    const int w = picture.Width();
    const int h = picture.Height();
    const int c = w / 2;

    const TBitmap& dial = dialFor(canvas, w, h, picture.Ratio());
    canvas.Draw(0, 0, dial);
    canvas.Pen = dial.Canvas().Pen;
    canvas.Brush = dial.Canvas().Brush;
    canvas.Font = dial.Canvas().Font;

    canvas.Pen.Width = 2;
    canvas.Pen.Color = clBlue;
    const TPoint tip = polar(c, 0.9 * c, heading);
    canvas.MoveTo(c, c);
    canvas.LineTo(tip.x, tip.y);

    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = 2;
    canvas.Rectangle(truncToInt(0.8 * c), truncToInt(0.8 * c), truncToInt(1.2 * c), truncToInt(1.1 * c));

    canvas.Font.Color = clWhite;
    canvas.Font.Height = 12;
    canvas.TextOut(truncToInt(0.9 * c), truncToInt(0.9 * c), QString::number(headingReadout(heading)));
}

} // namespace instruments
