#pragma once

#include "skin/controls/ControlTypes.h"
#include "skin/controls/FaceState.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "skin/data/SkinDrawing.h"

#include <QString>

#include <cmath>

// Drawing pieces shared by the default looks (no skin record) of the
// controls: the two fixed fills with their navy frames, arrows, check
// marks, focus rectangles and the glyph-and-caption layout.
namespace skin {

inline constexpr platform::TColor kPressedFill = platform::RGB(133, 147, 181);
inline constexpr platform::TColor kHotFill = platform::RGB(182, 189, 210);

enum class ArrowDirection { Left, Right, Up, Down };

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }


// A one-pixel line just inside r.
void frameRect(platform::TCanvas& canvas, const platform::TRect& r, platform::TColor color);
void fillRect(platform::TCanvas& canvas, const platform::TRect& r, platform::TColor color);
// Normal: button-shadow frame on button face; hot and pressed: navy frame
// on the hot or pressed fill.
void drawPart(platform::TCanvas& canvas, const platform::TRect& r, PartLook look);
// A small solid triangle centred in r.
void drawArrow(platform::TCanvas& canvas, const platform::TRect& r, ArrowDirection direction, platform::TColor color);
// A 7 x 7 check mark with its top-left corner at (x, y).
void drawCheckMark(platform::TCanvas& canvas, int x, int y, platform::TColor color);
// Every other pixel of r's outline inverted, so it shows on any background.
void drawFocusRect(platform::TCanvas& canvas, const platform::TRect& r);
// Raised (highlight top-left, shadow bottom-right) or the reverse.
void drawBevel(platform::TCanvas& canvas, const platform::TRect& r, bool raised);

// A caption with "&" marking the accelerator letter ("&&" is a plain "&").
struct AccelText {
    QString text;
    int accelIndex = -1;
};
AccelText parseAccelText(const QString& caption);
// Measures and draws captions the way labels and buttons show them: the
// prefix removed and the accelerator letter underlined.
QSize accelTextExtent(platform::TCanvas& canvas, const QString& caption);
void drawAccelText(platform::TCanvas& canvas, int x, int y, const QString& caption);
void drawAccelTextClipped(platform::TCanvas& canvas, const platform::TRect& clip, int x, int y, const QString& caption);

// Glyph and caption laid out in r as every skinned control does it.
void DrawImageAndText(platform::TCanvas& canvas, const platform::TRect& r, int Margin, int Spacing,
    TkvButtonLayout Layout, const QString& Caption, const platform::TBitmap& Glyph, int NumGlyphs, int GlyphIndex,
    bool Pressed);

} // namespace skin
