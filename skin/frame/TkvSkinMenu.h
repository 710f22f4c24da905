#pragma once

#include "platform/CanvasTools.h"
#include "skin/data/TkvSkinData.h"
#include "skin/data/SkinTypes.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QTimer;
class QWidget;

namespace skin {

class TkvMenuItem;
class TkvSkinData;
class TkvSkinPopupWindow;
class TkvSorvane;

// The popup-menu engine of a frame: shows a menu's items in skinned popup
// windows, one per open level, tracks mouse and keyboard, opens submenus,
// and runs the chosen item's command after every window has closed.
class TkvSkinMenu : public QObject {
    Q_OBJECT

public:
    explicit TkvSkinMenu(TkvSorvane& owner);
    ~TkvSkinMenu() override;

    // Opens item's children from startIndex as level 0 next to R (screen
    // coordinates; a point when R is empty). control hears
    // SKINMSG_CLOSEMENU and SKINMSG_AFTERDISPATCH.
    void Popup(QObject* control, TkvSkinData* skinData, int startIndex, const TRect& R, TkvMenuItem* item,
        bool popupUp);
    void PopupSub(const TRect& R, TkvMenuItem* item, int startIndex, bool submenu, bool popupUp);
    // Closes the levels from the last down to level.
    void CloseMenu(int level);
    void Hide();
    void CheckItem(TkvSkinPopupWindow* window, int itemIndex, bool execute, bool keyboard);
    int GetPWIndex(const TkvSkinPopupWindow* window) const;

    bool Visible() const { return m_visible; }
    int Levels() const { return int(m_windows.size()); }
    TkvSkinPopupWindow* Level(int index) const { return m_windows[size_t(index)].get(); }
    TkvSkinData* skinData() const { return m_skinData; }
    const TRect& workArea() const { return m_workArea; }
    bool firstPopup() const { return m_firstPopup; }
    TkvSorvane& owner() const { return m_owner; }

    // A key pressed while the menu is open; Escape on the last level ends
    // the menu.
    void KeyDown(int key);
    // Pointer input caught by the window that holds the grab, in screen
    // coordinates.
    void pointerMoved(QPoint global);
    void pointerReleased(QPoint global, Qt::MouseButton button);
    void pointerPressed(QPoint global);
    // The level under a screen point, or nullptr.
    TkvSkinPopupWindow* windowAt(QPoint global) const;
    // The submenu wait: fires CheckItem on the waiting item.
    void waitElapsed();
    QTimer* waitTimer() const { return m_waitTimer; }
    void stopWait();

    bool UseSkinFont = true;
    int DefItemHeight = 20;
    platform::TFont DefItemFont;
    int MaxItemsInWindow = 0;
    bool AlphaBlend = false;
    int AlphaBlendValue = 150;
    bool AlphaBlendAnimation = false;
    // Where the pointer is, in screen coordinates; tests replace it.
    std::function<QPoint()> CursorPos;

private:
    void dispatch(TkvMenuItem* item);

    TkvSorvane& m_owner;
    std::vector<std::unique_ptr<TkvSkinPopupWindow>> m_windows;
    QPointer<QObject> m_control;
    QPointer<QObject> m_notify;
    QPointer<TkvSkinData> m_skinData;
    QMetaObject::Connection m_skinDataWatch;
    TRect m_workArea;
    bool m_visible = false;
    bool m_firstPopup = false;
    // The form has heard that the current menu closed.
    bool m_formTold = true;
    QTimer* m_waitTimer;
    TkvSkinPopupWindow* m_waitWindow = nullptr;
    int m_waitIndex = -1;
};

} // namespace skin
