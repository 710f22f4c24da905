#pragma once

#include <QRgb>

#include <cstdint>

namespace platform {

// A colour as the classic platform holds it: red in the low byte, green in
// the next, blue in the third. Values with the top bit set are system
// colours (0x80000000 | index) and are resolved by ColorToRGB.
using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

inline constexpr TColor clBlack = RGB(0, 0, 0);
inline constexpr TColor clMaroon = RGB(128, 0, 0);
inline constexpr TColor clGreen = RGB(0, 128, 0);
inline constexpr TColor clOlive = RGB(128, 128, 0);
inline constexpr TColor clNavy = RGB(0, 0, 128);
inline constexpr TColor clPurple = RGB(128, 0, 128);
inline constexpr TColor clTeal = RGB(0, 128, 128);
inline constexpr TColor clGray = RGB(128, 128, 128);
inline constexpr TColor clSilver = RGB(192, 192, 192);
inline constexpr TColor clRed = RGB(255, 0, 0);
inline constexpr TColor clLime = RGB(0, 255, 0);
inline constexpr TColor clYellow = RGB(255, 255, 0);
inline constexpr TColor clBlue = RGB(0, 0, 255);
inline constexpr TColor clFuchsia = RGB(255, 0, 255);
inline constexpr TColor clAqua = RGB(0, 255, 255);
inline constexpr TColor clWhite = RGB(255, 255, 255);

// System colours: symbolic values resolved when drawn.
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

// Resolves a system colour to its fixed desktop value; plain colours pass
// through with the unused top byte cleared.
TColor ColorToRGB(TColor color);

// Conversions to and from the pixel format of our bitmaps (0xAARRGGBB).
inline QRgb toQRgb(TColor color)
{
    const TColor c = ColorToRGB(color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline TColor fromQRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

} // namespace platform
