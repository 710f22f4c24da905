#include "instruments/Attitude.h"

#include "instruments/AngleFactor.h"
#include "platform/Bitmap.h"

#include <array>
#include <cmath>

namespace instruments {

using namespace platform;

namespace {

constexpr double kP = 3.1415926;
constexpr double kPitchLimit = 45;

constexpr TColor kGround = RGB(205, 133, 63);
constexpr TColor kSky = RGB(166, 202, 240);

// A pair of reference lines: half-length and distance from the centre, as
// fractions of the radius.
struct ReferencePair {
    double halfLength;
    double distance;
};

constexpr std::array<ReferencePair, 4> kReferencePairs{{
    {0.5, 0.495},
    {0.5, 0.7},
    {1.0 / 3.0, 0.17},
    {1.0 / 3.0, 0.34},
}};

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

    // Kept as laid down although a pitch in radians never gets near it.
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

    for (const ReferencePair& pair : kReferencePairs) {
        const double hr = pair.halfLength;
        const double dr = pair.distance;
        const double radius = std::sqrt(r * r * hr * hr + r * r * dr * dr);
        const double phi = std::atan((hr * r) / (dr * r));
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
