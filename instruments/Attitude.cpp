#include "instruments/Attitude.h"

#include "instruments/AngleFactor.h"
#include "platform/Bitmap.h"

#include <array>
#include <cmath>
#include <utility>

namespace instruments {

using namespace platform;

namespace {

constexpr double kP = 3.1415926;
constexpr double kPitchLimit = 45;

constexpr TColor kGround = RGB(205, 133, 63);
constexpr TColor kSky = RGB(166, 202, 240);

} // namespace

void DrawAttitude(double roll, double pitch, TBitmap& picture)
{
    TCanvas& canvas = picture.Canvas();
    const int w = picture.Width();
    const int h = picture.Height();
    const double r = w * 0.5;
    const double a = -roll;

    canvas.Brush.Color = clSilver;
    canvas.Brush.Style = BrushStyle::Solid;
    canvas.Rectangle(0, 0, w, h);

    canvas.Pen.Width = 2;

    // A guard against a wild value: a pitch in radians never gets near it.
    const double q = std::clamp(pitch, -kPitchLimit, kPitchLimit);

    canvas.Brush.Color = kGround;
    canvas.Chord(0, 0, w, h,
        truncToInt(r - r * std::cos(a - q)), truncToInt(r - r * std::sin(a - q)),
        truncToInt(r + r * std::cos(a + q)), truncToInt(r + r * std::sin(a + q)));

    canvas.Brush.Color = kSky;
    canvas.Chord(0, 0, w, h,
        truncToInt(r - r * std::cos(a + kP + q)), truncToInt(r - r * std::sin(a + kP + q)),
        truncToInt(r + r * std::cos(a + kP - q)), truncToInt(r + r * std::sin(a + kP - q)));

    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Pen.Width = 2;
    canvas.Pen.Style = PenStyle::Solid;
    canvas.Pen.Color = clWhite;

    // Half-length and distance from the centre of each pair of lines,
    // written as the sums are meant: truncation makes their last bits count.
    const std::array<std::pair<double, double>, 4> pairs{{
        {0.5 * r, 0.495 * r},
        {0.5 * r, 0.7 * r},
        {r / 3, 0.17 * r},
        {r / 3, 0.34 * r},
    }};
    for (const auto& [halfLength, distance] : pairs) {
        const double hr = halfLength / r;
        const double dr = distance / r;
        const double radius = std::sqrt(r * r * hr * hr + r * r * dr * dr);
        const double phi = std::atan(halfLength / distance);
        canvas.MoveTo(truncToInt(r - radius * std::sin(phi + a)), truncToInt(r + radius * std::cos(phi + a)));
        canvas.LineTo(truncToInt(r + radius * std::sin(phi - a)), truncToInt(r + radius * std::cos(phi - a)));
        canvas.MoveTo(truncToInt(r - radius * std::sin(phi - a)), truncToInt(r - radius * std::cos(phi - a)));
        canvas.LineTo(truncToInt(r + radius * std::sin(phi + a)), truncToInt(r - radius * std::cos(phi + a)));
    }

    canvas.Pen.Color = clLime;
    canvas.Pen.Width = 6;
    canvas.MoveTo(truncToInt(r - r * 5 / 6), truncToInt(r));
    canvas.LineTo(truncToInt(r - 0.25 * r), truncToInt(r));
    canvas.MoveTo(truncToInt(r + 0.25 * r), truncToInt(r));
    canvas.LineTo(truncToInt(r + r * 5 / 6), truncToInt(r));
    canvas.Ellipse(truncToInt(r - 6), truncToInt(r - 6), truncToInt(r + 6), truncToInt(r + 6));

    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 2;
}

} // namespace instruments
