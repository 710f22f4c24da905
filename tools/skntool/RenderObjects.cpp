// render of frame objects: a face of a caption or a button in a state, a
// caption button's restore face, an animation frame, a caption's text
// frame.

#include "tools/skntool/RenderParts.h"

#include "skin/data/SkinCut.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/TkvSkinData.h"

namespace skntool {

using namespace skin;
using platform::TBitmap;

namespace {

const char* objectStateKey(State state)
{
    switch (state) {
    case State::Hot:
    case State::Focused: return "activeskinrect";
    case State::Pressed: return "downrect";
    case State::Disabled: return "disableskinrsect";
    case State::Inactive: return "inactiveskinrect";
    case State::Normal: break;
    }
    return nullptr;
}

// The restore face of each state; a disabled button shows its disabled
// face whichever face it is on.
const char* restoreStateKey(State state)
{
    switch (state) {
    case State::Hot:
    case State::Focused: return "restoreactiverect";
    case State::Pressed: return "restoredownrect";
    case State::Disabled: return "disableskinrsect";
    case State::Inactive: return "restoreinactiverect";
    case State::Normal: break;
    }
    return "restorerect";
}

QString objectName(const TkvDataSkinObject& record)
{
    return QStringLiteral("object %1 (%2)").arg(record.IDName, skinObjectKind(record));
}

const TBitmap& activePicture(const TkvSkinData& data, const TkvDataSkinObject& record, const RenderRequest& request)
{
    const TBitmap* picture = data.decodedActivePicture(record.activepictureindex);
    if (!picture)
        fail(QStringLiteral("%1: %2 has no active picture (activepictureindex %3)")
                 .arg(request.skin, objectName(record))
                 .arg(record.activepictureindex));
    return *picture;
}

void stretchInto(TBitmap& image, const TBitmap& picture, const TRect& source, const RenderRequest& request)
{
    image.SetSize(request.width, request.height);
    image.Canvas().CopyRect({0, 0, request.width, request.height}, picture.Canvas(), clampRect(source));
}

// Frame n lies n - 1 skinrect widths right of activeskinrect's left edge.
void renderAnimationFrame(const TkvSkinData& data, const TkvDataSkinAnimate& record, const RenderRequest& request,
    TBitmap& image)
{
    if (request.state != State::Normal)
        fail(QStringLiteral("%1: %2 is drawn by frame, not by state: choose one with --frame N")
                 .arg(request.skin, objectName(record)));
    const int frame = request.frame > 0 ? request.frame : 1;
    if (frame > record.countframes)
        fail(QStringLiteral("%1: %2 has %3 frame(s) (countframes), so there is no frame %4")
                 .arg(request.skin, objectName(record))
                 .arg(record.countframes)
                 .arg(frame));
    if (isNullRect(record.skinrect) || isNullRect(record.activeskinrect))
        fail(QStringLiteral("%1: %2 needs skinrect (the frame size) and activeskinrect (where the frames start)")
                 .arg(request.skin, objectName(record)));
    const TBitmap& picture = activePicture(data, record, request);
    const int width = record.skinrect.width();
    const TRect source = platform::Bounds(record.activeskinrect.left + (frame - 1) * width, record.activeskinrect.top, width,
        record.skinrect.height());
    if (source.right > picture.Width() || source.bottom > picture.Height())
        fail(QStringLiteral("%1: frame %3 of %2 (%4,%5,%6,%7) lies outside its picture of %8x%9")
                 .arg(request.skin, objectName(record))
                 .arg(frame)
                 .arg(source.left)
                 .arg(source.top)
                 .arg(source.right)
                 .arg(source.bottom)
                 .arg(picture.Width())
                 .arg(picture.Height()));
    stretchInto(image, picture, source, request);
}

// The plate is as high as its picture and widened to the requested width
// with its fixed ends, as the caption widens it to its text.
void renderTextFrame(const TkvSkinData& data, const TkvDataSkinCaption& record, const RenderRequest& request,
    TBitmap& image)
{
    if (isNullRect(record.framerect))
        fail(QStringLiteral("%1: %2 has no framerect, so it draws no text frame").arg(request.skin, objectName(record)));
    const bool active = request.state == State::Hot || request.state == State::Focused;
    if (!active && request.state != State::Normal && request.state != State::Inactive)
        fail(QStringLiteral("%1: the text frame of %2 has a normal and an active look (--state normal or hot)")
                 .arg(request.skin, objectName(record)));
    const TBitmap& picture = activePicture(data, record, request);
    const TRect source = active && !isNullRect(record.activeframerect) ? record.activeframerect : record.framerect;
    CreateHSkinImage(record.frameleftoffset, record.framerightoffset, image, picture, source, request.width,
        request.height);
}

// The second face takes the place of the first in every state; a state
// without its own image shows restorerect, as the window does.
void renderRestoreFace(const TkvSkinData& data, TkvDataSkinStdButton& record, const RenderRequest& request,
    TBitmap& image)
{
    if (isNullRect(record.restorerect))
        fail(QStringLiteral("%1: %2 has no restorerect, so it has no restore face").arg(request.skin, objectName(record)));
    const TRect stateRect = rectOf(record, restoreStateKey(request.state));
    stretchInto(image, activePicture(data, record, request), isNullRect(stateRect) ? record.restorerect : stateRect,
        request);
}

} // namespace

void renderObject(const TkvSkinData& data, TkvDataSkinObject& record, const RenderRequest& request, TBitmap& image)
{
    auto* animation = dynamic_cast<TkvDataSkinAnimate*>(&record);
    auto* caption = dynamic_cast<TkvDataSkinCaption*>(&record);
    auto* button = dynamic_cast<TkvDataSkinStdButton*>(&record);
    if (request.frame && !animation)
        fail(QStringLiteral("%1: %2 is not an animation, so it has no frames (--frame)").arg(request.skin, objectName(record)));
    if (request.textFrame && !caption)
        fail(QStringLiteral("%1: %2 is not a caption, so it has no text frame (--text-frame)")
                 .arg(request.skin, objectName(record)));
    if (request.restoreFace && !button)
        fail(QStringLiteral("%1: %2 is not a caption button, so it has no restore face (--restore)")
                 .arg(request.skin, objectName(record)));
    if (animation)
        return renderAnimationFrame(data, *animation, request, image);
    if (request.textFrame)
        return renderTextFrame(data, *caption, request, image);
    if (request.restoreFace)
        return renderRestoreFace(data, *button, request, image);

    const TRect stateRect = rectOf(record, objectStateKey(request.state));
    // The window shows the normal face while inactive only when the skin
    // has no inactive image; an author asking for it wants to know.
    if (request.state == State::Inactive && isNullRect(stateRect))
        fail(QStringLiteral("%1: %2 has no inactiveskinrect").arg(request.skin, objectName(record)));
    const bool normal = isNullRect(stateRect);
    const TBitmap* picture = normal && !record.skinrectinapicture ? data.decodedPicture()
                                                                  : data.decodedActivePicture(record.activepictureindex);
    const TRect source = normal ? record.skinrect : stateRect;
    if (!picture || isNullRect(source))
        fail(QStringLiteral("%1: %2 has no picture for this state").arg(request.skin, objectName(record)));
    stretchInto(image, *picture, source, request);
}

} // namespace skntool
