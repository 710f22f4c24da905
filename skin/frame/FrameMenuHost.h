#pragma once

#include "platform/CanvasTools.h"
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
// the application's items, and the tray menu; shows them and the menus
// linked to caption buttons through the frame's TkvSkinMenu; hands the
// frame's menu settings to it, and tells the frame's owner when a menu
// opens and when it closes.
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
    // Restore and close, for the tray icon.
    TkvMenuItem* trayMenu();
    void trackTrayMenu(QPoint screenPoint);
    // Shows menu's items next to screenRect (a point when it is empty).
    void popup(TkvMenuItem* menu, const TRect& screenRect, bool popupUp, QObject* control);
    void opened();
    void closed();

    // The frame's menu settings. The engine keeps its own initial blend
    // value until the frame's is assigned; item heights of 0 or less and
    // negative item limits are refused.
    bool alphaBlend() const;
    void setAlphaBlend(bool value);
    bool alphaBlendAnimation() const;
    void setAlphaBlendAnimation(bool value);
    int alphaBlendValue() const { return m_alphaBlendValue; }
    void setAlphaBlendValue(int value);
    int defItemHeight() const;
    void setDefItemHeight(int value);
    const platform::TFont& defItemFont() const;
    void setDefItemFont(const platform::TFont& value);
    bool useSkinFont() const;
    void setUseSkinFont(bool value);
    int maxItemsInWindow() const;
    void setMaxItemsInWindow(int value);

private:
    enum class WindowCommand { Minimize, Maximize, Restore, RollUp, MinimizeToTray };

    QString commandCaption(const char* key, const char* builtin) const;
    // The command's item, or nullptr when the window's state and border
    // icons do not offer it now.
    std::unique_ptr<TkvMenuItem> windowCommand(WindowCommand command) const;
    std::unique_ptr<TkvMenuItem> closeCommand(const char* name) const;

    TkvSorvane& m_frame;
    std::function<void()> m_letGo;
    std::unique_ptr<TkvSkinMenu> m_menu;
    TkvMenuItem m_systemMenu;
    TkvMenuItem m_trayMenu;
    int m_alphaBlendValue = 200;
    bool m_open = false;
};

} // namespace skin
