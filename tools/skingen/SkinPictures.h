#pragma once

#include "SkinLayout.h"
#include "SkinPalette.h"

#include <QImage>

#include <array>

namespace skingen {

// Every picture of one skin as RGB32 images (the mask black inside the
// window, white outside); the writer chooses the file formats.
struct SkinPictures {
    QImage main;
    QImage mask;
    std::array<QImage, layout::kPictureCount> active;
};

SkinPictures drawSkinPictures(const SkinPalette& palette);

// The parts, for the drawing files.
void drawFramePictures(const SkinPalette& palette, SkinPictures& pictures);
void drawControlPictures(const SkinPalette& palette, QImage& atlas);
// Title bar colour of row y of the frame (0 = the window's top row).
QRgb titleRow(const SkinPalette& palette, int y, bool active);

} // namespace skingen
