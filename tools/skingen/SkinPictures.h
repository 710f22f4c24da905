#pragma once

#include "PixelArt.h"
#include "SkinLayout.h"
#include "SkinPalette.h"

#include <QImage>

#include <vector>

namespace skingen {

// Every picture of one skin as RGB32 images (the mask black inside the
// window, white outside); the writer chooses the file formats.
struct SkinPictures {
    QImage main;
    QImage mask;
    std::vector<QImage> active;
};

SkinPictures drawSkinPictures(const SkinPalette& palette);

using layout::CaptionGlyph;
using layout::CaptionState;
using layout::TRect;

// The feature skin's pictures: the program skin's, the main, popup and
// hint pictures with what the features need, then the features' images and
// the popup and hint masks.
SkinPictures drawFeaturePictures(const SkinPalette& palette);

// The parts, for the drawing files.
void drawFramePictures(const SkinPalette& palette, SkinPictures& pictures);
void drawControlPictures(const SkinPalette& palette, QImage& atlas);
// Title bar colour of row y of the frame (0 = the window's top row).
QRgb titleRow(const SkinPalette& palette, int y, bool active);
// The program's mark in 14 x 14 pixels at (x, y).
void drawEmblem(PixelArt& art, int x, int y, QRgb arms, QRgb rotors);
// A caption button's glyph in 14 x 14 pixels at (x, y).
void drawGlyph(PixelArt& art, CaptionGlyph glyph, int x, int y, QRgb colour);
// A caption button in one state at r, on the title bar rows it sits on.
void drawCaptionButton(PixelArt& art, const SkinPalette& palette, CaptionGlyph glyph, CaptionState state, const TRect& r);
// The active caption into r for a caption at the frame's place caption:
// the title bar lit, faded in over the part left of leftTopX and out over
// the part right of rightTopX (the parts that keep their size), with an
// accent line.
void drawCaptionActive(PixelArt& art, const SkinPalette& palette, const TRect& r, const TRect& caption, int leftTopX, int rightTopX);

} // namespace skingen
