#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinTypes.h"

class QWidget;

// Helpers that need windows: backgrounds of parents, the screen, work areas
// and window opacity.
namespace skin {

// Paints what control's parent shows under the control (its background and
// its own painting, not its children) into canvas at (0, 0), so a
// transparent control can draw over it. Nothing without a parent.
void GetParentImage(const QWidget* control, platform::TCanvas& canvas);

// Copies the screen area at (x, y) of bitmap's size into bitmap; leaves it
// unchanged where no screen can be read.
void GetScreenImage(int x, int y, platform::TBitmap& bitmap);

// Window opacity 0 (clear) .. 255 (opaque); shows only with a compositor.
void SetAlphaBlendTransparent(QWidget* window, int value);

// The available (task-bar free) area of the screen showing window, or of the
// primary screen.
TRect GetMonitorWorkArea(const QWidget* window);
TRect GetPrimaryMonitorWorkArea();

} // namespace skin
