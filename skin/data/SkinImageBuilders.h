#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinCut.h"

// Image builders: draw a skin area of a picture at another size by its cut.
// Repeated middles are tiled (or stretched where a flag says so) first and
// the fixed parts copied over them, so fixed parts win where they overlap.
// Inverted rectangles (targets smaller than the fixed parts) copy nothing.
// All coordinates pass through clampCoordinate first.
namespace skin {

// Per band: stretch its middle over the span instead of tiling it.
struct EdgeStretch {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

// The four band images of a skinned window frame.
struct BorderImages {
    platform::TBitmap left;
    platform::TBitmap top;
    platform::TBitmap right;
    platform::TBitmap bottom;
};

// Nine-part image of area R of SB in B, resized to target's size, every
// middle tiled; drawClient also tiles the client area over the target's
// client. B stays blank when RB.x = LT.x, RB.y = LT.y or SB is empty.
void CreateSkinImage(const SkinCut& cut, const CutTarget& target, platform::TBitmap& B, const platform::TBitmap& SB,
    const TRect& R, bool drawClient);

// CreateSkinImage with each band's middle stretched (nearest pixel) instead
// of tiled where its stretch flag is set.
void CreateSkinImageBS(const SkinCut& cut, const CutTarget& target, platform::TBitmap& B, const platform::TBitmap& SB,
    const TRect& R, bool drawClient, const EdgeStretch& stretch);

// Horizontal three-part image: B becomes AW by R's height with the LO left
// and RO right columns of R fixed and the middle tiled between them. AH has
// no effect.
void CreateHSkinImage(int LO, int RO, platform::TBitmap& B, const platform::TBitmap& SB, const TRect& R, int AW,
    int AH);

// Vertical three-part image: B becomes R's width by AH with the TO top and
// BO bottom rows fixed and the middle tiled between them. AW has no effect.
void CreateVSkinImage(int TO, int BO, platform::TBitmap& B, const platform::TBitmap& SB, const TRect& R, int AW,
    int AH);

// The four frame bands for a frame of target's size from area R of the main
// picture SB. Top and bottom span the whole width, left and right the rows
// between them; the middles are tiled from the band's own origin (or
// stretched by flag). A band whose part of the cut is empty keeps whatever
// it held before.
void CreateSkinBorderImages(const SkinCut& cut, const CutTarget& target, BorderImages& bands,
    const platform::TBitmap& SB, const TRect& R, const EdgeStretch& stretch);

} // namespace skin
