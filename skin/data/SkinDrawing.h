#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "skin/data/SkinTypes.h"

#include <QString>

// Small drawing and text routines shared by the skinned frame and the
// controls. Lines follow the canvas's classic rules: a line-to leaves out
// its end point, rectangles their right and bottom edge.
namespace skin {

// Frame glyphIndex (counted from 1, clamped to 1 .. numGlyphs) of a strip of
// numGlyphs equal frames side by side, drawn at (x, y) with the colour of
// the frame's bottom-left pixel transparent. An empty strip draws nothing.
void DrawGlyph(platform::TCanvas& canvas, int x, int y, const platform::TBitmap& glyph, int numGlyphs, int glyphIndex);

// Arrow of four lines (7, 5, 3 and 1 pixels) centred in rect; direction
// 1 points left, 2 right, 3 up, 4 down; other values draw nothing.
void DrawArrowImage(platform::TCanvas& canvas, const TRect& rect, platform::TColor color, int direction);
// Downward arrow of three lines (5, 3 and 1 pixels) centred in rect.
void DrawTrackArrowImage(platform::TCanvas& canvas, const TRect& rect, platform::TColor color);
// Check mark three pixels thick: polylines (x, y+5-i) - (x+2, y+7-i) -
// (x+7, y+2-i) for i = 0, 1, 2.
void DrawCheckImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
// Filled 6 x 6 square at (x, y).
void DrawRadioImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
// One-pixel frame just inside rect: left and top edges in color1, right and
// bottom edges in color2.
void Frm3D(platform::TCanvas& canvas, const TRect& rect, platform::TColor color1, platform::TColor color2);

// Fallback pictograms of the caption buttons, drawn in color with their
// top-left corner at (x, y); DrawRCloseImage centres the cross in rect.
void DrawCloseImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawRCloseImage(platform::TCanvas& canvas, const TRect& rect, platform::TColor color);
void DrawSysMenuImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawMinimizeImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawMaximizeImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawRestoreImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawRollUpImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawRestoreRollUpImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);
void DrawMTImage(platform::TCanvas& canvas, int x, int y, platform::TColor color);

// text unchanged when it fits width in the canvas's font; otherwise the
// longest head of it that fits together with "...", plus "...".
QString CorrectTextbyWidth(platform::TCanvas& canvas, const QString& text, int width);
// One line in the canvas's font, vertically centred in rect and clipped to
// it, without background: at rect.left (KVDrawText), rect.left + 2
// (KVDrawText2) or rect.left + offset + 2 (KVDrawText3).
void KVDrawText(platform::TCanvas& canvas, const QString& text, const TRect& rect);
void KVDrawText2(platform::TCanvas& canvas, const QString& text, const TRect& rect);
void KVDrawText3(platform::TCanvas& canvas, const QString& text, const TRect& rect, int offset);

// Rectangle helpers beyond isNullRect, isNullPoint and rectContains: inner's
// top-left and bottom-right corners both inside outer (left and top
// inclusive, right and bottom exclusive); r moved so that it is centred in
// outer, by half the size difference truncated toward zero.
bool RectInRect(const TRect& inner, const TRect& outer);
TRect RectToCenter(const TRect& r, const TRect& outer);

} // namespace skin
