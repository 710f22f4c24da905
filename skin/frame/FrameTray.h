#pragma once

#include "skin/frame/TkvTrayIcon.h"

#include <QPointer>

namespace skin {

class FrameMenuHost;
class TkvSorvane;

// The window's place in the system tray: minimizing there and coming back
// through the frame's tray icon, whose click shows the frame's tray menu.
// Without an icon nothing goes to the tray.
class FrameTray {
public:
    FrameTray(TkvSorvane& frame, FrameMenuHost& menus);
    ~FrameTray();
    FrameTray(const FrameTray&) = delete;
    FrameTray& operator=(const FrameTray&) = delete;

    TkvTrayIcon* icon() const { return m_icon; }
    void setIcon(TkvTrayIcon* value);
    // The icon stays in the tray while the window is shown, too.
    bool alwaysShow() const { return m_alwaysShow; }
    void setAlwaysShow(bool value);

    void minimize();
    void restore();

private:
    void detach();
    void showIcon();

    TkvSorvane& m_frame;
    FrameMenuHost& m_menus;
    QPointer<TkvTrayIcon> m_icon;
    bool m_alwaysShow = false;
};

} // namespace skin
