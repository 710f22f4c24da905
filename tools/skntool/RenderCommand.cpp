// render: a control record, an object, the window frame or the hint or
// popup window of a skin drawn at a requested size through the same
// builders the program draws with.

#include "tools/skntool/RenderParts.h"

#include "skin/controls/FaceState.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinCutImage.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvEffectBmp.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <optional>

namespace skntool {

using namespace skin;
using platform::TBitmap;

namespace {


// Keys of the state images: the active image serves hover and focus alike.
const char* controlStateKey(State state)
{
    switch (state) {
    case State::Hot:
    case State::Focused: return "activeskinrect";
    case State::Pressed: return "downskinrect";
    case State::Disabled: return "disabledskinrect";
    case State::Normal:
    case State::Inactive: break;
    }
    return nullptr;
}

// An edit's button lies in its image, moved with the right edge; it shows
// its hot, pressed or disabled face over the image, which shows it at rest.
// The edit around it is lit while the pointer is over it.
void drawEditButton(const TkvDataSkinEditControl& edit, const platform::TBitmap& picture, State state,
    platform::TBitmap& image)
{
    PartFace face;
    face.look = state == State::Hot ? PartLook::Hot : state == State::Pressed ? PartLook::Pressed : PartLook::Normal;
    face.disabled = state == State::Disabled;
    const TRect source = embeddedButtonSource(face, edit.activebuttonrect, edit.downbuttonrect, edit.unenabledbuttonrect);
    if (isNullRect(source))
        return;
    const int grow = image.Width() - edit.skinrect.width();
    const TRect& r = edit.buttonrect;
    image.Canvas().CopyRect({r.left + grow, r.top, r.right + grow, r.bottom}, picture.Canvas(), source);
}

std::optional<QRegion> renderControl(const TkvSkinData& data, TkvDataSkinControl& record, const RenderRequest& request,
    TBitmap& image)
{
    const TBitmap* picture = data.decodedActivePicture(record.pictureindex);
    if (!picture)
        fail(QStringLiteral("%1: control %2 has no picture (pictureindex %3)")
                 .arg(request.skin, record.IDName)
                 .arg(record.pictureindex));
    const auto* custom = dynamic_cast<TkvDataSkinCustomControl*>(&record);
    const SkinCut cut = custom ? cutOfRecord(*custom) : cutOf(record.skinrect, {}, {}, {}, {}, {});
    const ResizeMode mode = custom ? resizeModeOf(record.skinrect, cut) : ResizeMode::Fixed;
    if (resizeModeOf(record.skinrect, cut) == ResizeMode::None)
        fail(QStringLiteral("%1: control %2 has no skinrect").arg(request.skin, record.IDName));
    if (request.state == State::Inactive)
        fail(QStringLiteral("%1: control %2 has no inactive look; --state inactive is for the frame and its objects")
                 .arg(request.skin, record.IDName));
    if (request.frame || request.restoreFace || request.textFrame)
        fail(QStringLiteral("%1: %2 is a control; --frame, --restore and --text-frame draw frame objects")
                 .arg(request.skin, record.IDName));
    const auto* edit = dynamic_cast<const TkvDataSkinEditControl*>(&record);
    const bool editButton = edit && !isNullRect(edit->buttonrect);
    // Pressing an edit's button puts the pointer over the edit.
    const State faceState = editButton && request.state == State::Pressed ? State::Hot : request.state;
    const TRect stateRect = rectOf(record, controlStateKey(faceState));
    const TRect source = isNullRect(stateRect) ? record.skinrect : stateRect;
    const CutTarget target = fitCut(cut, mode, {request.width, request.height});
    composeCutImage(image, *picture, source, cut, mode, target);
    if (editButton)
        drawEditButton(*edit, *picture, request.state, image);
    if (const TBitmap* mask = data.decodedActivePicture(record.maskpictureindex))
        return cutRegion(*mask, cut, mode, target);
    return std::nullopt;
}

std::optional<QRegion> renderForm(const TkvSkinData& data, const RenderRequest& request, TBitmap& image)
{
    if (request.frame || request.restoreFace || request.textFrame)
        fail(QStringLiteral("%1: --frame, --restore and --text-frame draw frame objects, not the whole frame")
                 .arg(request.skin));
    const bool inactive = request.state == State::Disabled || request.state == State::Inactive;
    const TBitmap* picture = inactive && data.decodedInactivePicture() ? data.decodedInactivePicture()
                                                                        : data.decodedPicture();
    if (!picture)
        fail(QStringLiteral("%1 has no main picture to draw the frame from").arg(request.skin));
    const SkinCut cut = formCut(data);
    const CutTarget target = stretchedTarget(cut, request.width, request.height);
    BorderImages bands;
    CreateSkinBorderImages(cut, target, bands, *picture, {0, 0, picture->Width(), picture->Height()},
        {data.leftstretch, data.topstretch, data.rightstretch, data.bottomstretch});

    image.SetSize(request.width, request.height);
    platform::TCanvas& canvas = image.Canvas();
    // The client background: the background picture, or the main picture's
    // client area, tiled from the client's corner.
    const TBitmap* background = data.decodedActivePicture(data.bgpictureindex);
    const TRect tileArea
        = background ? TRect{0, 0, background->Width(), background->Height()} : clampRect(data.clientrect);
    const TBitmap& tileSource = background ? *background : *picture;
    const TRect& nc = target.client;
    if (tileArea.width() > 0 && tileArea.height() > 0) {
        for (int y = nc.top; y < nc.bottom; y += tileArea.height()) {
            for (int x = nc.left; x < nc.right; x += tileArea.width()) {
                const int w = std::min(tileArea.width(), nc.right - x);
                const int h = std::min(tileArea.height(), nc.bottom - y);
                canvas.CopyRect({x, y, x + w, y + h}, tileSource.Canvas(),
                    {tileArea.left, tileArea.top, tileArea.left + w, tileArea.top + h});
            }
        }
    }
    canvas.Draw(0, 0, bands.top);
    canvas.Draw(0, nc.bottom, bands.bottom);
    canvas.Draw(0, nc.top, bands.left);
    canvas.Draw(nc.right, nc.top, bands.right);

    if (inactive && !data.decodedInactivePicture() && data.autorenderinginactiveimage) {
        TkvEffectBmp effect(image);
        effect.ApplyInActiveEffect(data.inactiveeffect);
        effect.toBitmap(image);
    }
    if (const TBitmap* mask = data.decodedMask())
        return CreateSkinRegion(formMaskCut(data), stretchedTarget(formMaskCut(data), request.width, request.height),
            *mask);
    return std::nullopt;
}

void save(const TBitmap& image, const std::optional<QRegion>& region, const RenderRequest& request)
{
    QImage picture(image.Width(), image.Height(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        if (region)
            painter.setClipRegion(*region);
        painter.drawImage(0, 0, image.image());
    }
    if (request.scale > 1)
        picture = picture.scaled(picture.size() * request.scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!picture.save(request.out, "PNG"))
        fail(QStringLiteral("Cannot create file %1").arg(request.out));
}

} // namespace

void loadSkin(TkvSkinData& data, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        fail(QStringLiteral("Cannot open file %1").arg(path));
    QString definition;
    if (info.isDir()) {
        const QStringList inis = QDir(path).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
        if (inis.size() != 1)
            fail(QStringLiteral("%1 must hold exactly one skin definition (.ini), not %2").arg(path).arg(inis.size()));
        definition = QDir(path).filePath(inis.first());
    } else if (info.suffix().compare(QStringLiteral("ini"), Qt::CaseInsensitive) == 0) {
        definition = path;
    }
    if (definition.isEmpty())
        data.LoadFromCompressedFile(path);
    else
        data.LoadFromFile(definition);
    if (data.IsEmpty())
        fail(QStringLiteral("%1 holds no skin this program can read").arg(definition.isEmpty() ? path : definition));
}

int render(const RenderRequest& request)
{
    TkvSkinData data;
    loadSkin(data, request.skin);
    TBitmap image;
    std::optional<QRegion> region;
    if (request.name == QStringLiteral("form")) {
        region = renderForm(data, request, image);
    } else if (isWindowName(request.name)) {
        region = renderWindow(data, request, image);
    } else if (const int control = data.GetControlIndex(request.name); control >= 0) {
        region = renderControl(data, *data.SkinControls[size_t(control)], request, image);
    } else if (const int object = data.GetIndex(request.name); object >= 0) {
        renderObject(data, *data.SkinObjects[size_t(object)], request, image);
    } else {
        fail(QStringLiteral("%1 has no control or object named \"%2\" (names are case-sensitive)")
                 .arg(request.skin, request.name));
    }
    if (image.Empty())
        fail(QStringLiteral("%1: \"%2\" gives an empty picture at %3x%4")
                 .arg(request.skin, request.name)
                 .arg(request.width)
                 .arg(request.height));
    save(image, region, request);
    out() << "rendered " << request.name << " of " << request.skin << " at " << image.Width() << "x" << image.Height()
          << " into " << request.out << "\n";
    return 0;
}

} // namespace skntool
