// The frame's animations: playing their frames on the 25 ms tick, as a
// caption button under the pointer or on their own once started.

#include "skin/frame/FrameObjects.h"

#include "skin/data/SkinCut.h"
#include "skin/frame/TkvSorvane.h"

#include <algorithm>

namespace skin {

TkvSkinAnimateObject::TkvSkinAnimateObject(TkvSorvane& owner, const TkvDataSkinAnimate* record)
    : TkvActiveSkinObject(owner, record)
{
    countframes = std::max(1, record->countframes);
    cycle = record->cycle;
    buttonstyle = record->buttonstyle;
    timerinterval = std::max(25, record->timerinterval);
    command = record->command;
    // Its frames take the place of a blend between two faces.
    morphing = false;
}

TRect TkvSkinAnimateObject::frameRect(int n) const
{
    // A skin may ask for millions of frames of a wide object: frame n lies
    // far beyond any picture then, but within the range the builders accept.
    const qint64 w = skinrect.width();
    const qint64 x = activeskinrect.left + (n - 1) * w;
    return {clampCoordinate(x), activeskinrect.top, clampCoordinate(x + w),
        clampCoordinate(qint64(activeskinrect.top) + skinrect.height())};
}

void TkvSkinAnimateObject::SetFrame(int n)
{
    if (forward && n > countframes)
        n = 1;
    else if (!forward && n < 1)
        n = countframes;
    frame = std::clamp(n, 1, countframes);
    RedrawNow();
}

void TkvSkinAnimateObject::play(bool forwards)
{
    highlighted = true;
    forward = forwards;
    m_owner.startAnimateTimer();
}

void TkvSkinAnimateObject::Start()
{
    elapsed = 25;
    frame = 1;
    play(true);
}

void TkvSkinAnimateObject::Stop()
{
    frame = 1;
    highlighted = false;
    elapsed = 25;
    RedrawNow();
}

void TkvSkinAnimateObject::ChangeFrame()
{
    if (elapsed < timerinterval) {
        elapsed += 25;
        return;
    }
    if (forward) {
        SetFrame(frame + 1);
        if (!cycle && frame == countframes)
            highlighted = false;
    } else {
        SetFrame(frame - 1);
        if (frame == 1)
            highlighted = false;
    }
    elapsed = 25;
}

void TkvSkinAnimateObject::dropHover()
{
    mouseInside = false;
    highlighted = false;
    frame = 1;
}

void TkvSkinAnimateObject::MouseEnter()
{
    mouseInside = true;
    if (buttonstyle)
        play(true);
    if (m_owner.OnMouseEnterEvent)
        m_owner.OnMouseEnterEvent(IDName);
}

void TkvSkinAnimateObject::MouseLeave()
{
    if (!mouseInside)
        return;
    mouseInside = false;
    if (buttonstyle)
        play(false);
    if (m_owner.OnMouseLeaveEvent)
        m_owner.OnMouseLeaveEvent(IDName);
}

void TkvSkinAnimateObject::MouseUp(int X, int Y, Qt::MouseButton button)
{
    TkvActiveSkinObject::MouseUp(X, Y, button);
    if (buttonstyle && mouseInside && button == Qt::LeftButton)
        DoCommand();
}

void TkvSkinAnimateObject::DoCommand()
{
    switch (command) {
    case TkvStdCommand::cmSysMenu:
        menuItem = m_owner.GetSystemMenu();
        popupMenu(menuItem, popupUp);
        break;
    case TkvStdCommand::cmDefault:
        popupMenu(menuItem, popupUp);
        break;
    default:
        runWindowCommand(m_owner, command);
        break;
    }
}

void TkvSkinAnimateObject::DblClick()
{
    if (command == TkvStdCommand::cmSysMenu)
        m_owner.Close();
}

void TkvSkinAnimateObject::Draw(platform::TCanvas& canvas, QPoint origin, bool update)
{
    // Without its frames it shows as any object does.
    if (!m_activePicture || isNullRect(activeskinrect)) {
        TkvActiveSkinObject::Draw(canvas, origin, update);
        return;
    }
    copyTo(canvas, origin, m_activePicture, frameRect(frame));
}

} // namespace skin
