#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinCut.h"

#include <QRegion>

#include <optional>

namespace skin {

class TkvDataSkinCustomControl;
class TkvSkinData;

// The cut of a control record (its skinrect, clientrect and four points).
SkinCut cutOfRecord(const TkvDataSkinCustomControl& record);
// The frame's cut: the whole main picture with the [FORMINFO] points and
// clientrect; the mask's cut uses "maskrectarea" as its client area.
SkinCut formCut(const TkvSkinData& data);
SkinCut formMaskCut(const TkvSkinData& data);

// A control image in B of target's size from area R of picture (skinrect or
// a state rectangle of the same size), by resize mode: Fixed copies R;
// NinePart builds the nine-part image with the client drawn; Horizontal the
// three-part image with LT.x and (W - RT.x) fixed columns; Vertical with
// LT.y and (H - LB.y) fixed rows. None only sizes B.
void composeCutImage(platform::TBitmap& B, const platform::TBitmap& picture, const TRect& R, const SkinCut& cut,
    ResizeMode mode, const CutTarget& target);

// A control's window region from its mask picture: the unscaled mask's
// black pixels in Fixed mode, the nine-part region for the target otherwise;
// no region in mode None or when the target is smaller than its fixed parts.
std::optional<QRegion> cutRegion(const platform::TBitmap& mask, const SkinCut& cut, ResizeMode mode,
    const CutTarget& target);

} // namespace skin
