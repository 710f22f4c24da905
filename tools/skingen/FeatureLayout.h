#pragma once

#include "SkinLayout.h"

// Where the feature skin's own images lie. The feature skin is the
// program's skin plus one of every frame feature the engine can draw; its
// first five pictures keep the program skin's places, the main, popup and
// hint pictures gain what the features need, and three pictures follow.
namespace skingen::features {

using namespace layout;

// --- Main picture: the fixed left part of the top band grows to x = 60 so
// that it holds, after the system-menu button, a plain button and a place
// the window paints itself; the caption starts after them.
constexpr TPoint kFeatureLeftTop{60, 30};
constexpr TRect kPlainButtonPlace = box(22, 5, 14, 14);
constexpr TRect kUserObjectPlace = box(38, 5, 14, 14);
constexpr TRect kFeatureCaption{54, 3, 89, 21};
// Text area relative to the caption: the whole height, so that the text
// frame fills the band.
constexpr TRect kFeatureCaptionText{5, 0, 31, 18};

// --- Pictures after the program skin's five.
constexpr int kFeaturePicture = 5;   // 128 x 116, 24 bits: the features' images
constexpr int kPopupMaskPicture = 6; // the popup picture's size, 1 bit
constexpr int kHintMaskPicture = 7;  // the hint picture's size, 1 bit
constexpr int kFeaturePictureCount = 8;
constexpr PictureSize kFeaturePictureSize{128, 116, 24};

// --- Feature picture.
// Caption buttons, 14 x 14 on a 16-pixel grid: a row per glyph, a column
// per state, the disabled state last.
constexpr CaptionGlyph kButtonGlyphs[] = {
    CaptionGlyph::Close, CaptionGlyph::Minimize, CaptionGlyph::Maximize, CaptionGlyph::Restore};
constexpr TRect kFeatureButton(int row, CaptionState state) { return box(static_cast<int>(state) * 16, row * 16, 14, 14); }
constexpr int kCloseRow = 0;
constexpr int kMinimizeRow = 1;
constexpr int kMaximizeRow = 2;
constexpr int kRestoreRow = 3;

// The roll-up button's animation: the button lights up and its arrow rises
// over five frames, the first the button at rest.
constexpr int kRollUpFrames = 5;
constexpr TRect kRollUpStrip = box(0, 64, 14 * kRollUpFrames, 14);
// A spinning propeller, a half turn in eight frames (two blades look the
// same after half a turn).
constexpr int kBusyFrames = 8;
constexpr TRect kBusyStrip = box(0, 80, 14 * kBusyFrames, 14);
constexpr TRect firstFrame(const TRect& strip) { return box(strip.left, strip.top, 14, 14); }

// The caption of the active window, for the caption's place on the frame.
constexpr TRect kFeatureCaptionActive = box(0, 96, kFeatureCaption.right - kFeatureCaption.left, 18);
// The plate behind the caption text, normal and active: rounded ends of
// kPlateEnd columns, the text in kPlateText.
constexpr TRect kPlate = box(40, 96, 40, 18);
constexpr TRect kPlateActive = box(82, 96, 40, 18);
constexpr int kPlateEnd = 7;
constexpr TRect kPlateText{8, 1, 32, 17};

// The plain button's faces under the pointer, pressed and disabled; its
// face at rest is part of the main picture.
constexpr TRect kPlainButtonHot = box(84, 0, 14, 14);
constexpr TRect kPlainButtonDown = box(100, 0, 14, 14);
constexpr TRect kPlainButtonDisabled = box(84, 16, 14, 14);

} // namespace skingen::features
