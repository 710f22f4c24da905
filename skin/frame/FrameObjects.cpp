// Behaviour of the frame objects: what the mouse does to them and the
// window commands of the caption buttons. Drawing is in FrameObjectsDraw.

#include "skin/frame/FrameObjects.h"

#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSorvane.h"

#include <QWidget>

#include <algorithm>

namespace skin {

TkvActiveSkinObject::TkvActiveSkinObject(TkvSorvane& owner, const TkvDataSkinObject* record)
    : m_owner(owner)
{
    if (!record)
        return;
    IDName = record->IDName;
    hint = record->hint;
    skinrect = record->skinrect;
    activeskinrect = record->activeskinrect;
    inactiveskinrect = record->inactiveskinrect;
    skinrectinapicture = record->skinrectinapicture;
    morphing = record->morphing;
    morphkind = record->morphkind;
    ObjectRect = skinrect;
    if (const TkvSkinData* data = owner.SkinData()) {
        m_picture = data->decodedPicture();
        m_activePicture = data->decodedActivePicture(record->activepictureindex);
    }
    // Without its picture an object has no highlighted face and never morphs.
    if (!m_activePicture)
        activeskinrect = {};
    if (isNullRect(activeskinrect))
        morphing = false;
}

bool TkvActiveSkinObject::CanMorphing() const
{
    return (highlighted && morphKf < 1) || (!highlighted && morphKf > 0);
}

bool TkvActiveSkinObject::morphInProgress() const
{
    return morphing && ((highlighted && morphKf < 1) || (!highlighted && morphKf > 0));
}

bool TkvActiveSkinObject::formActive() const { return m_owner.GetFormActive(); }

void TkvActiveSkinObject::MouseDown(int X, int Y, Qt::MouseButton button)
{
    if (m_owner.OnMouseDownEvent)
        m_owner.OnMouseDownEvent(IDName, X, Y, ObjectRect, button);
}

void TkvActiveSkinObject::MouseUp(int X, int Y, Qt::MouseButton button)
{
    if (mouseInside && m_owner.OnMouseUpEvent)
        m_owner.OnMouseUpEvent(IDName, X, Y, ObjectRect, button);
}

void TkvActiveSkinObject::MouseMove(int X, int Y)
{
    if (m_owner.OnMouseMoveEvent)
        m_owner.OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TkvActiveSkinObject::MouseEnter()
{
    mouseInside = true;
    highlighted = true;
    if (!isNullRect(activeskinrect))
        Redraw();
    if (m_owner.OnMouseEnterEvent)
        m_owner.OnMouseEnterEvent(IDName);
}

void TkvActiveSkinObject::MouseLeave()
{
    mouseInside = false;
    highlighted = false;
    if (!isNullRect(activeskinrect))
        Redraw();
    if (m_owner.OnMouseLeaveEvent)
        m_owner.OnMouseLeaveEvent(IDName);
}

void TkvActiveSkinObject::dropHover()
{
    highlighted = false;
    mouseInside = false;
    morphKf = 0;
}

void TkvActiveSkinObject::popupMenu(TkvMenuItem* menu, bool up) const
{
    if (!menu || menu->Count() == 0)
        return;
    const QPoint origin = m_owner.Form()->geometry().topLeft();
    const TRect screenRect{ObjectRect.left + origin.x(), ObjectRect.top + origin.y(), ObjectRect.right + origin.x(),
        ObjectRect.bottom + origin.y()};
    m_owner.PopupSkinMenu1(menu, screenRect, up);
}

void runWindowCommand(TkvSorvane& frame, TkvStdCommand command)
{
    switch (command) {
    case TkvStdCommand::cmClose:
        frame.Close();
        break;
    case TkvStdCommand::cmMaximize:
        frame.SetWindowState(
            frame.WindowState() == TWindowState::wsMaximized ? TWindowState::wsNormal : TWindowState::wsMaximized);
        break;
    case TkvStdCommand::cmMinimize:
        if (frame.AlwaysMinimizeToTray)
            frame.MinimizeToTray();
        else
            frame.SetWindowState(
                frame.WindowState() == TWindowState::wsMinimized ? TWindowState::wsNormal : TWindowState::wsMinimized);
        break;
    case TkvStdCommand::cmRollUp:
        frame.SetRollUpState(!frame.RollUpState());
        break;
    case TkvStdCommand::cmMinimizeToTray:
        frame.MinimizeToTray();
        break;
    case TkvStdCommand::cmSysMenu:
    case TkvStdCommand::cmDefault:
        break;
    }
}


void TkvActiveSkinObject::Redraw()
{
    if (morphing)
        m_owner.startMorphTimer();
    else
        RedrawNow();
}

void TkvActiveSkinObject::RedrawNow() { m_owner.drawObject(*this); }

void TkvActiveSkinObject::SetMorphKf(double value) { morphKf = std::clamp(value, 0.0, 1.0); }

void TkvActiveSkinObject::DoMorphing()
{
    SetMorphKf(morphKf + (highlighted ? 0.2 : -0.2));
    RedrawNow();
}

TkvSkinButtonObject::TkvSkinButtonObject(TkvSorvane& owner, const TkvDataSkinButton* record)
    : TkvActiveSkinObject(owner, record)
{
    if (record) {
        downrect = record->downrect;
        disabledrect = record->disableskinrsect;
    }
}

bool TkvSkinButtonObject::CanMorphing() const
{
    if (down && menuItem)
        return false;
    return TkvActiveSkinObject::CanMorphing();
}

void TkvSkinButtonObject::MouseEnter()
{
    mouseInside = true;
    highlighted = true;
    if (!isNullRect(downrect) && down) {
        if (morphing)
            morphKf = 1;
        RedrawNow();
    } else if (!isNullRect(activeskinrect)) {
        Redraw();
    }
    if (m_owner.OnMouseEnterEvent)
        m_owner.OnMouseEnterEvent(IDName);
}

void TkvSkinButtonObject::MouseLeave()
{
    mouseInside = false;
    highlighted = false;
    if (!(menuItem && down)) {
        RedrawNow();
        Redraw();
    }
    if (m_owner.OnMouseLeaveEvent)
        m_owner.OnMouseLeaveEvent(IDName);
}

void TkvSkinButtonObject::MouseDown(int X, int Y, Qt::MouseButton button)
{
    if (!enabled)
        return;
    if (button == Qt::LeftButton && !down) {
        SetDown(true);
        TrackMenu();
    }
    TkvActiveSkinObject::MouseDown(X, Y, button);
}

void TkvSkinButtonObject::MouseUp(int X, int Y, Qt::MouseButton button)
{
    if (!enabled)
        return;
    if (button == Qt::LeftButton && !menuItem && down)
        SetDown(false);
    TkvActiveSkinObject::MouseUp(X, Y, button);
}

void TkvSkinButtonObject::SetDown(bool value)
{
    down = value;
    if (morphing && highlighted)
        morphKf = 1;
    RedrawNow();
    if (morphing && !down)
        Redraw();
}

void TkvSkinButtonObject::TrackMenu() { popupMenu(menuItem, popupUp); }

TkvSkinStdButtonObject::TkvSkinStdButtonObject(TkvSorvane& owner, const TkvDataSkinStdButton* record)
    : TkvSkinButtonObject(owner, record)
{
    if (record) {
        command = record->command;
        restorerect = record->restorerect;
        restoreactiverect = record->restoreactiverect;
        restoredownrect = record->restoredownrect;
        restoreinactiverect = record->restoreinactiverect;
    }
}

TkvSkinStdButtonObject::TkvSkinStdButtonObject(TkvSorvane& owner, QString name, TkvStdCommand cmd)
    : TkvSkinButtonObject(owner, nullptr)
{
    IDName = std::move(name);
    command = cmd;
    skinSupport = false;
    skinrectinapicture = true;
    skinrect = activeskinrect = downrect = {0, 0, 1, 1};
    ObjectRect = skinrect;
}

bool TkvSkinStdButtonObject::CanMorphing() const
{
    if (command == TkvStdCommand::cmSysMenu && m_owner.ShowIcon() && skinrectinapicture)
        return false;
    return TkvSkinButtonObject::CanMorphing();
}

void TkvSkinStdButtonObject::MouseDown(int, int, Qt::MouseButton button)
{
    if (!enabled || button != Qt::LeftButton || down)
        return;
    SetDown(true);
    if (command == TkvStdCommand::cmSysMenu) {
        menuItem = m_owner.GetSystemMenu();
        TrackMenu();
    }
}

void TkvSkinStdButtonObject::MouseUp(int X, int Y, Qt::MouseButton button)
{
    const bool chosen = highlighted && button == Qt::LeftButton && enabled;
    if (command == TkvStdCommand::cmClose) {
        TkvSkinButtonObject::MouseUp(X, Y, button);
        if (chosen)
            DoCommand();
        return;
    }
    if (chosen)
        DoCommand();
    TkvSkinButtonObject::MouseUp(X, Y, button);
}

void TkvSkinStdButtonObject::DoCommand() { runWindowCommand(m_owner, command); }

void TkvSkinStdButtonObject::DblClick()
{
    if (command == TkvStdCommand::cmSysMenu)
        m_owner.Close();
}

bool TkvSkinStdButtonObject::inRestoreState() const
{
    switch (command) {
    case TkvStdCommand::cmMaximize:
        return m_owner.WindowState() == TWindowState::wsMaximized;
    case TkvStdCommand::cmMinimize:
        return m_owner.WindowState() == TWindowState::wsMinimized;
    case TkvStdCommand::cmRollUp:
        return m_owner.RollUpState();
    default:
        return false;
    }
}

TkvSkinCaptionObject::TkvSkinCaptionObject(TkvSorvane& owner, const TkvDataSkinCaption* record)
    : TkvActiveSkinObject(owner, record)
{
    fontname = record->fontname;
    fontstyle = record->fontstyle;
    fontheight = record->fontheight;
    fontcolor = record->fontcolor;
    activefontcolor = record->activefontcolor;
    shadow = record->shadow;
    shadowcolor = record->shadowcolor;
    activeshadowcolor = record->activeshadowcolor;
    alignment = record->alignment;
    textrect = record->textrect;
    framerect = record->framerect;
    activeframerect = record->activeframerect;
    frameleftoffset = record->frameleftoffset;
    framerightoffset = record->framerightoffset;
    frametextrect = record->frametextrect;
    // The plate is cut from the active picture; without it there is none.
    if (!m_activePicture)
        framerect = activeframerect = {};
}

// The caption's highlight follows the window's activation, not the mouse.
void TkvSkinCaptionObject::MouseEnter()
{
    mouseInside = true;
    if (m_owner.OnMouseEnterEvent)
        m_owner.OnMouseEnterEvent(IDName);
}

void TkvSkinCaptionObject::MouseLeave()
{
    mouseInside = false;
    if (m_owner.OnMouseLeaveEvent)
        m_owner.OnMouseLeaveEvent(IDName);
}

void TkvSkinCaptionObject::MouseDown(int X, int Y, Qt::MouseButton button)
{
    if (m_owner.OnMouseDownEvent)
        m_owner.OnMouseDownEvent(IDName, X, Y, ObjectRect, button);
}

void TkvSkinCaptionObject::MouseUp(int X, int Y, Qt::MouseButton button)
{
    if (m_owner.OnMouseUpEvent)
        m_owner.OnMouseUpEvent(IDName, X, Y, ObjectRect, button);
}

} // namespace skin
