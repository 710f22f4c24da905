#include "skin/data/SkinCutImage.h"

#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvSkinData.h"

namespace skin {

SkinCut cutOfRecord(const TkvDataSkinCustomControl& record)
{
    return cutOf(record.skinrect, record.clientrect, record.lefttoppoint, record.righttoppoint,
        record.leftbottompoint, record.rightbottompoint);
}

SkinCut formCut(const TkvSkinData& data)
{
    return cutOf({0, 0, data.PictureBitmap.width(), data.PictureBitmap.height()}, data.clientrect, data.lefttoppoint,
        data.righttoppoint, data.leftbottompoint, data.rightbottompoint);
}

SkinCut formMaskCut(const TkvSkinData& data)
{
    SkinCut cut = formCut(data);
    cut.client = clampRect(data.maskrectarea);
    return cut;
}

void composeCutImage(platform::TBitmap& B, const platform::TBitmap& picture, const TRect& R, const SkinCut& cut,
    ResizeMode mode, const CutTarget& target)
{
    switch (mode) {
    case ResizeMode::None:
        B.SetSize(target.width, target.height);
        return;
    case ResizeMode::Fixed: {
        const TRect area = clampRect(R);
        B.SetSize(area.width(), area.height());
        B.Canvas().CopyRect({0, 0, area.width(), area.height()}, picture.Canvas(), area);
        return;
    }
    case ResizeMode::NinePart:
        CreateSkinImage(cut, target, B, picture, R, true);
        return;
    case ResizeMode::Horizontal:
        CreateHSkinImage(cut.leftTop.x, cut.width() - cut.rightTop.x, B, picture, R, target.width, target.height);
        return;
    case ResizeMode::Vertical:
        CreateVSkinImage(cut.leftTop.y, cut.height() - cut.leftBottom.y, B, picture, R, target.width, target.height);
        return;
    }
}

std::optional<QRegion> cutRegion(const platform::TBitmap& mask, const SkinCut& cut, ResizeMode mode,
    const CutTarget& target)
{
    switch (mode) {
    case ResizeMode::None:
        return std::nullopt;
    case ResizeMode::Fixed:
        return CreateSkinSimplyRegion(mask);
    case ResizeMode::NinePart:
    case ResizeMode::Horizontal:
    case ResizeMode::Vertical:
        return CreateSkinRegion(cut, target, mask);
    }
    return std::nullopt;
}

} // namespace skin
