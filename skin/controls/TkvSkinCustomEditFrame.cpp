// The edit's frame: the default two-pixel frame or the record's image.

#include "skin/controls/TkvSkinCustomEdit.h"

#include "skin/controls/DefaultLook.h"
#include "skin/data/SkinImageBuilders.h"

#include <QLineEdit>

namespace skin {

using platform::TRect;

namespace {

// Frame width on every side without a record.
constexpr int kFrame = 2;

} // namespace

QMargins TkvSkinCustomEdit::frameInsets() const
{
    if (m_frameless)
        return QMargins();
    const auto* edit = hasRecord() ? record<TkvDataSkinEditControl>() : nullptr;
    if (!edit || isNullRect(edit->skinrect))
        return QMargins(kFrame, kFrame, kFrame, kFrame);
    const TRect& client = edit->clientrect;
    return QMargins(client.left, client.top, edit->skinrect.width() - client.right,
        edit->skinrect.height() - client.bottom);
}

void TkvSkinCustomEdit::recordFrame(platform::TBitmap& frame) const
{
    const auto* edit = record<TkvDataSkinEditControl>();
    const bool active = m_mouseIn || lineEditFocused();
    const TRect& source = active && !isNullRect(edit->activeskinrect) ? edit->activeskinrect : edit->skinrect;
    CreateHSkinImage(edit->lefttoppoint.x, edit->skinrect.width() - edit->righttoppoint.x, frame, skinPicture(),
        source, width(), source.height());
}

void TkvSkinCustomEdit::DrawSkinEdit2(platform::TCanvas& canvas)
{
    platform::TBitmap frame;
    recordFrame(frame);
    if (!frame.Empty())
        canvas.StretchDraw({0, 0, width(), height()}, frame);
}

void TkvSkinCustomEdit::DrawSkinEdit(platform::TCanvas& canvas)
{
    if (hasRecord() && !skinPicture().Empty()) {
        platform::TBitmap frame;
        recordFrame(frame);
        if (!frame.Empty())
            canvas.Draw(0, 0, frame);
        if (m_buttonMode)
            drawRecordButton(canvas);
        return;
    }
    const int frameWidth = width() - (m_buttonMode ? height() : 0);
    const TRect frame{0, 0, frameWidth, height()};
    frameRect(canvas, frame, platform::clBtnShadow);
    frameRect(canvas, {1, 1, frame.right - 1, frame.bottom - 1}, platform::clBtnFace);
    if (m_buttonMode) {
        const QRect b = buttonRect();
        const TRect r{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
        const PartFace button = buttonFace();
        drawPart(canvas, r, button.look);
        drawArrow(canvas, r, ArrowDirection::Down, button.disabled ? platform::clBtnShadow : platform::clBlack);
    }
}

void TkvSkinCustomEdit::drawRecordButton(platform::TCanvas& canvas)
{
    // The frame image already shows the button at rest.
    const auto* edit = record<TkvDataSkinEditControl>();
    const TRect source
        = embeddedButtonSource(buttonFace(), edit->activebuttonrect, edit->downbuttonrect, edit->unenabledbuttonrect);
    const QRect place = buttonRect();
    if (!isNullRect(source) && !place.isEmpty())
        canvas.CopyRect({place.left(), place.top(), place.right() + 1, place.bottom() + 1}, skinPicture().Canvas(), source);
}

QImage TkvSkinCustomEdit::renderFrame()
{
    if (width() <= 0 || height() <= 0)
        return {};
    GetSkinData();
    const bool stretched = hasRecord() && !m_useSkinFont;
    const FrameKey key{size(), devicePixelRatioF(), RecordIndex(), skinPicture().image().cacheKey(), stretched,
        m_mouseIn || lineEditFocused(), m_buttonMode, m_buttonMode ? buttonFace() : PartFace{}};
    if (key == m_frameKey && !m_frame.isNull())
        return m_frame;
    platform::TBitmap bitmap(width(), height(), key.ratio);
    if (stretched)
        DrawSkinEdit2(bitmap.Canvas());
    else
        DrawSkinEdit(bitmap.Canvas());
    m_frameKey = key;
    m_frame = bitmap.image();
    return m_frame;
}

} // namespace skin
