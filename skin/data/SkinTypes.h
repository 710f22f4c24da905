#pragma once

#include "platform/Geometry.h"

#include <QtGlobal>

namespace skin {

// Skin rectangles and points are the platform's, so records feed canvas
// calls directly. A rectangle is null (not given) when its width or height
// is 0 or less; a point is null when x or y is 0.
using TRect = platform::TRect;
using TPoint = platform::TPoint;

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
