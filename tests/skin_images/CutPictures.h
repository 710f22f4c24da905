#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinCut.h"

#include <QString>

// Pictures and cuts for the image builder tests. Each source pixel carries
// its own coordinates (red = x, green = y), so a test reads from an output
// pixel which source pixel landed there.
namespace cuttest {

// width x height, pixel (x, y) = RGB(x, y, 90); both below 256.
void paintCoordinates(platform::TBitmap& bitmap, int width, int height);
// Source coordinates of a pixel painted by paintCoordinates; (-1, -1) for
// a pixel that came from nowhere (white, blue not 90).
platform::TPoint sourceOf(const platform::TBitmap& bitmap, int x, int y);

// The group box cut: 59 x 52, LT 8,20, RT 50,21, LB 5,45, RB 52,46,
// client 1,20,58,51.
skin::SkinCut groupBoxCut();
// The button cut: 35 x 25, LT.x 10, RT.x 24, RB 0,0, client 3,3,32,22.
skin::SkinCut buttonCut();
// The frame cut: 162 x 140, client 5,24,157,135, LT 40,30, RT 80,30,
// LB 40,130, RB 120,130.
skin::SkinCut frameCut();

// Saves bitmap as build/test-output/skin_images/NAME.png, scaled up by
// zoom so a person can see the seams.
void savePicture(const platform::TBitmap& bitmap, const QString& name, int zoom = 1);

} // namespace cuttest
