#pragma once

#include "skin/data/SkinTypes.h"
#include "skin/frame/TkvMenuItem.h"

#include <QPoint>

#include <functional>
#include <memory>

class QObject;

namespace skin {

class TkvSkinMenu;
class TkvSorvane;

// The frame's menus: builds the system menu from the window's state and
// the application's items, shows it and the menus linked to caption
// buttons through the frame's TkvSkinMenu, and tells the frame's owner
// when a menu opens and when it closes.
class FrameMenuHost {
public:
    // letGo runs when a menu closes, before the owner hears of it: the menu
    // took the pointer, so what was pressed to open it never sees a release.
    FrameMenuHost(TkvSorvane& frame, std::function<void()> letGo);
    ~FrameMenuHost();
    FrameMenuHost(const FrameMenuHost&) = delete;
    FrameMenuHost& operator=(const FrameMenuHost&) = delete;

    TkvSkinMenu& menu() const { return *m_menu; }
    bool open() const { return m_open; }

    // The system menu as the window's state offers it now.
    TkvMenuItem* systemMenu();
    void trackSystemMenu(QPoint screenPoint);
    // Shows menu's items next to screenRect (a point when it is empty).
    void popup(TkvMenuItem* menu, const TRect& screenRect, bool popupUp, QObject* control);
    void opened();
    void closed();

private:
    QString commandCaption(const char* key, const char* builtin) const;

    TkvSorvane& m_frame;
    std::function<void()> m_letGo;
    std::unique_ptr<TkvSkinMenu> m_menu;
    TkvMenuItem m_systemMenu;
    bool m_open = false;
};

} // namespace skin
