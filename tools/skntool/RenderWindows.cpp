// render of the hint and popup-menu windows: the whole window picture cut
// at the record's points and resized, its corners cut by the mask.

#include "tools/skntool/RenderParts.h"

#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvSkinData.h"

namespace skntool {

using namespace skin;

bool isWindowName(const QString& name)
{
    return name == QStringLiteral("hintwindow") || name == QStringLiteral("popupwindow");
}

namespace {

// A window record: its picture resized by its cut, the mask's region.
template<typename Record>
std::optional<QRegion> renderWindowOf(const TkvSkinData& data, const Record& r, const RenderRequest& request,
    platform::TBitmap& image)
{
    const platform::TBitmap* picture = data.decodedActivePicture(r.windowpictureindex);
    if (!picture)
        fail(QStringLiteral("%1: [%2] has no window picture (windowpictureindex %3)")
                 .arg(request.skin, r.Section)
                 .arg(r.windowpictureindex));
    const SkinCut cut = r.cut(QSize(picture->Width(), picture->Height()));
    // The builder leaves the image blank without a middle to repeat.
    if (cut.rightBottom.x == cut.leftTop.x || cut.rightBottom.y == cut.leftTop.y)
        fail(QStringLiteral("%1: [%2] has no middle between its lefttoppoint and rightbottompoint to resize by")
                 .arg(request.skin, r.Section));
    const CutTarget target = stretchedTarget(cut, request.width, request.height);
    CreateSkinImageBS(cut, target, image, *picture, {0, 0, picture->Width(), picture->Height()}, true, r.stretch());
    if (r.maskpictureindex == -1)
        return std::nullopt;
    const platform::TBitmap* mask = data.decodedActivePicture(r.maskpictureindex);
    if (!mask)
        fail(QStringLiteral("%1: [%2] maskpictureindex %3 names no picture")
                 .arg(request.skin, r.Section)
                 .arg(r.maskpictureindex));
    return CreateSkinRegion(cut, target, *mask);
}

} // namespace

std::optional<QRegion> renderWindow(const TkvSkinData& data, const RenderRequest& request, platform::TBitmap& image)
{
    const bool hint = request.name == QStringLiteral("hintwindow");
    if (request.state != State::Normal || request.frame || request.restoreFace || request.textFrame)
        fail(QStringLiteral("%1: the %2 window has a single look; only its size can be chosen")
                 .arg(request.skin, hint ? QStringLiteral("hint") : QStringLiteral("popup")));
    return hint ? renderWindowOf(data, data.HintWindowRecord, request, image)
                : renderWindowOf(data, data.PopupWindowRecord, request, image);
}

} // namespace skntool
