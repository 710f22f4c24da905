#pragma once

#include <QtGlobal>

namespace skin {

// Rectangle of skin coordinates; right and bottom are exclusive, so width
// is right - left. Null (not given) when width or height is 0 or less.
struct TRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;

    qint64 width() const { return qint64(right) - left; }
    qint64 height() const { return qint64(bottom) - top; }
    bool isNull() const { return width() <= 0 || height() <= 0; }
    // All four bounds inclusive.
    bool contains(qint32 x, qint32 y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// Null when x or y is 0.
struct TPoint {
    qint32 x = 0;
    qint32 y = 0;

    bool isNull() const { return x == 0 || y == 0; }
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Red in the low byte, green in the next, blue in the third.
using TColor = qint32;

enum class TFontStyle : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Set of TFontStyle bits.
struct TFontStyles {
    quint8 bits = 0;

    bool has(TFontStyle style) const { return bits & quint8(style); }
    TFontStyles& operator|=(TFontStyle style)
    {
        bits |= quint8(style);
        return *this;
    }
    friend bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

enum class TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

enum class TkvStdCommand { cmClose = 0, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

enum class TkvMorphKind { mkDefault = 0, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };

enum class TkvInActiveEffect { ieBrightness = 0, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

} // namespace skin
