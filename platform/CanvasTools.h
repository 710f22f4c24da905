#pragma once

#include "platform/Color.h"

#include <QFlags>
#include <QString>

namespace platform {

// Dashed styles show only with width 1; wider pens draw them solid, as on
// the classic platform.
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    friend bool operator==(const TPen&, const TPen&) = default;
};

enum class BrushStyle { Solid, Clear };

struct TBrush {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::Solid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

enum class FontStyle { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// Height in pixels: a positive value is the cell height (ascent plus
// descent), a negative one the character height without internal leading.
// Size is in points at 96 pixels per inch and sets a negative height.
struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;
    TFontStyles Style;
    TColor Color = clWindowText;

    int Size() const;
    void SetSize(int points);
    friend bool operator==(const TFont&, const TFont&) = default;
};

} // namespace platform
