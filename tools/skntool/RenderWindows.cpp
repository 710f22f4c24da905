// render of the hint and popup-menu windows: the whole window picture cut
// at the record's points and resized, its corners cut by the mask.

#include "tools/skntool/RenderParts.h"

#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvSkinData.h"

namespace skntool {

using namespace skin;

namespace {

// What the two window records share.
struct WindowLook {
    QString section;
    qint32 windowpictureindex = -1;
    qint32 maskpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    // "clientrect" of the hint window, "itemsrect" of the popup window.
    TRect client;
    EdgeStretch stretch;
};

template<typename Record>
WindowLook lookOf(const Record& r, const TRect& client)
{
    return {r.Section, r.windowpictureindex, r.maskpictureindex, r.lefttoppoint, r.righttoppoint, r.leftbottompoint,
        r.rightbottompoint, client, {r.leftstretch, r.topstretch, r.rightstretch, r.bottomstretch}};
}

} // namespace

bool isWindowName(const QString& name)
{
    return name == QStringLiteral("hintwindow") || name == QStringLiteral("popupwindow");
}

std::optional<QRegion> renderWindow(const TkvSkinData& data, const RenderRequest& request, platform::TBitmap& image)
{
    const bool hint = request.name == QStringLiteral("hintwindow");
    const WindowLook look = hint ? lookOf(data.HintWindowRecord, data.HintWindowRecord.clientrect)
                                 : lookOf(data.PopupWindowRecord, data.PopupWindowRecord.itemsrect);
    if (request.state != State::Normal || request.frame || request.restoreFace || request.textFrame)
        fail(QStringLiteral("%1: the %2 window has a single look; only its size can be chosen")
                 .arg(request.skin, hint ? QStringLiteral("hint") : QStringLiteral("popup")));
    const platform::TBitmap* picture = data.decodedActivePicture(look.windowpictureindex);
    if (!picture)
        fail(QStringLiteral("%1: [%2] has no window picture (windowpictureindex %3)")
                 .arg(request.skin, look.section)
                 .arg(look.windowpictureindex));
    const SkinCut cut{QSize(picture->Width(), picture->Height()), look.client, look.lefttoppoint, look.righttoppoint,
        look.leftbottompoint, look.rightbottompoint};
    // The builder leaves the image blank without a middle to repeat.
    if (cut.rightBottom.x == cut.leftTop.x || cut.rightBottom.y == cut.leftTop.y)
        fail(QStringLiteral("%1: [%2] has no middle between its lefttoppoint and rightbottompoint to resize by")
                 .arg(request.skin, look.section));
    const CutTarget target = stretchedTarget(cut, request.width, request.height);
    CreateSkinImageBS(cut, target, image, *picture, {0, 0, picture->Width(), picture->Height()}, true, look.stretch);
    if (look.maskpictureindex == -1)
        return std::nullopt;
    const platform::TBitmap* mask = data.decodedActivePicture(look.maskpictureindex);
    if (!mask)
        fail(QStringLiteral("%1: [%2] maskpictureindex %3 names no picture")
                 .arg(request.skin, look.section)
                 .arg(look.maskpictureindex));
    return CreateSkinRegion(cut, target, *mask);
}

} // namespace skntool
