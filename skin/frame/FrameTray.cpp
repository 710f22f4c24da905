#include "skin/frame/FrameTray.h"

#include "skin/frame/FrameMenuHost.h"
#include "skin/frame/TkvSorvane.h"

#include <QWidget>

namespace skin {

FrameTray::FrameTray(TkvSorvane& frame, FrameMenuHost& menus)
    : m_frame(frame)
    , m_menus(menus)
{
}

FrameTray::~FrameTray() { detach(); }

void FrameTray::detach()
{
    // The icon may outlive the frame: its clicks must not reach it.
    if (m_icon)
        m_icon->OnPopupMenu = nullptr;
}

void FrameTray::setIcon(TkvTrayIcon* value)
{
    if (m_icon == value)
        return;
    detach();
    m_icon = value;
    if (!m_icon)
        return;
    if (m_icon->Icon().isNull())
        m_icon->SetIcon(m_frame.Form()->windowIcon());
    m_icon->OnPopupMenu = [this](QPoint screenPoint) { m_menus.trackTrayMenu(screenPoint); };
    showIcon();
}

void FrameTray::setAlwaysShow(bool value)
{
    if (m_alwaysShow == value)
        return;
    m_alwaysShow = value;
    showIcon();
}

void FrameTray::showIcon()
{
    if (m_icon)
        m_icon->SetVisible(m_alwaysShow || m_icon->MinimizedToTray());
}

void FrameTray::minimize()
{
    if (!m_icon || m_icon->MinimizedToTray())
        return;
    m_icon->SetMinimizedToTray(true);
    showIcon();
    m_frame.SetWindowState(TWindowState::wsMinimized);
    // The tray holds the window now, not the task bar.
    m_frame.Form()->hide();
    if (m_frame.OnMinimizeToTray)
        m_frame.OnMinimizeToTray(&m_frame);
}

void FrameTray::restore()
{
    if (!m_icon)
        return;
    m_icon->SetMinimizedToTray(false);
    m_frame.Form()->show();
    // A window that stayed up (the icon is always shown) keeps its state.
    if (m_frame.WindowState() == TWindowState::wsMinimized)
        m_frame.SetWindowState(TWindowState::wsNormal);
    m_frame.Form()->activateWindow();
    showIcon();
    if (m_frame.OnRestoreFromTray)
        m_frame.OnRestoreFromTray(&m_frame);
}

} // namespace skin
