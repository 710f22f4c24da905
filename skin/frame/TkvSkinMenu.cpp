#include "skin/frame/TkvSkinMenu.h"

#include "skin/data/SkinMessages.h"
#include "skin/data/SkinWindowHelpers.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSkinPopupWindow.h"
#include "skin/frame/TkvSorvane.h"

#include <QCoreApplication>
#include <QCursor>
#include <QTimer>
#include <QWidget>

namespace skin {

TkvSkinMenu::TkvSkinMenu(TkvSorvane& owner)
    : m_owner(owner)
    , m_waitTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("kvSkinMenu"));
    DefItemFont.Name = QStringLiteral("Arial");
    DefItemFont.Height = 14;
    CursorPos = [] { return QCursor::pos(); };
    m_waitTimer->setObjectName(QStringLiteral("waitTimer"));
    m_waitTimer->setInterval(500);
    m_waitTimer->setSingleShot(true);
    connect(m_waitTimer, &QTimer::timeout, this, &TkvSkinMenu::waitElapsed);
}

TkvSkinMenu::~TkvSkinMenu()
{
    // Windows still open are destroyed at once; nothing is told any more.
    m_windows.clear();
}

void TkvSkinMenu::Popup(QObject* control, TkvSkinData* skinData, int startIndex, const TRect& R, TkvMenuItem* item,
    bool popupUp)
{
    m_firstPopup = !m_visible;
    if (m_visible)
        CloseMenu(0);
    m_formTold = false;
    m_control = control;
    if (skinData != m_skinData) {
        disconnect(m_skinDataWatch);
        // The rows point into that skin's records and pictures.
        if (skinData) {
            m_skinDataWatch = connect(skinData, &QObject::destroyed, this, [this] {
                if (m_visible)
                    Hide();
            });
        }
    }
    m_skinData = skinData;
    m_workArea = GetMonitorWorkArea(m_owner.Form());
    if (!item || item->Count() <= startIndex) {
        // Nothing to show: the frame must not wait for a menu to close.
        Hide();
        return;
    }
    m_visible = true;
    PopupSub(R, item, startIndex, false, popupUp);
    m_firstPopup = false;
}

void TkvSkinMenu::PopupSub(const TRect& R, TkvMenuItem* item, int startIndex, bool submenu, bool popupUp)
{
    m_windows.push_back(std::make_unique<TkvSkinPopupWindow>(*this, m_windows.empty()));
    m_windows.back()->Show(R, item, startIndex, submenu, popupUp);
}

void TkvSkinMenu::CloseMenu(int level)
{
    while (int(m_windows.size()) > std::max(level, 0)) {
        std::unique_ptr<TkvSkinPopupWindow> window = std::move(m_windows.back());
        m_windows.pop_back();
        if (m_waitWindow == window.get())
            stopWait();
        window->hide();
        // The window may be handling the event that closes it.
        window.release()->deleteLater();
    }
    if (level <= 0) {
        m_visible = false;
        stopWait();
        m_notify = m_control;
        if (QObject* control = m_control.data()) {
            m_control = nullptr;
            TkvSkinMessageEvent closed(SKINMSG_CLOSEMENU, nullptr);
            QCoreApplication::sendEvent(control, &closed);
        }
    }
}

void TkvSkinMenu::Hide()
{
    CloseMenu(0);
    stopWait();
    m_formTold = true;
    TkvSkinMessageEvent closed(SKINMSG_CLOSEMENU, nullptr);
    QCoreApplication::sendEvent(m_owner.Form(), &closed);
}

void TkvSkinMenu::stopWait()
{
    m_waitTimer->stop();
    m_waitWindow = nullptr;
    m_waitIndex = -1;
}

int TkvSkinMenu::GetPWIndex(const TkvSkinPopupWindow* window) const
{
    for (size_t i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i].get() == window)
            return int(i);
    }
    return -1;
}

void TkvSkinMenu::dispatch(TkvMenuItem* item)
{
    item->Click();
    if (QObject* notify = m_notify.data()) {
        m_notify = nullptr;
        TkvSkinMessageEvent done(SKINMSG_AFTERDISPATCH, nullptr);
        QCoreApplication::sendEvent(notify, &done);
    }
}

void TkvSkinMenu::CheckItem(TkvSkinPopupWindow* window, int itemIndex, bool execute, bool keyboard)
{
    const int level = GetPWIndex(window);
    if (level < 0 || itemIndex < 0 || itemIndex >= window->Count())
        return;
    TkvSkinMenuItem& row = window->Item(itemIndex);
    TkvMenuItem* item = row.item;
    const bool hasChildren = item->Count() > 0;
    if (!hasChildren) {
        stopWait();
        if (!execute) {
            CloseMenu(level + 1);
            return;
        }
        // Every window is gone before the command runs.
        Hide();
        dispatch(item);
        return;
    }
    if (!execute && !keyboard) {
        stopWait();
        CloseMenu(level + 1);
        m_waitWindow = window;
        m_waitIndex = itemIndex;
        m_waitTimer->start();
        return;
    }
    if (!execute)
        return;
    item->Click();
    stopWait();
    CloseMenu(level + 1);
    row.down = true;
    window->update();
    const QPoint origin = window->geometry().topLeft();
    const TRect r = row.ObjectRect;
    PopupSub({r.left + origin.x(), r.top + origin.y(), r.right + origin.x(), r.bottom + origin.y()}, item, 0, true,
        false);
}

void TkvSkinMenu::waitElapsed()
{
    TkvSkinPopupWindow* window = m_waitWindow;
    const int index = m_waitIndex;
    stopWait();
    if (window && GetPWIndex(window) >= 0)
        CheckItem(window, index, true, false);
}

void TkvSkinMenu::KeyDown(int key)
{
    if (m_windows.empty())
        return;
    m_windows.back()->PopupKeyDown(key);
    // Escape closed the last level: the frame hears that the menu ended.
    if (m_windows.empty() && !m_formTold)
        Hide();
}

TkvSkinPopupWindow* TkvSkinMenu::windowAt(QPoint global) const
{
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if ((*it)->isVisible() && (*it)->geometry().contains(global))
            return it->get();
    }
    return nullptr;
}

void TkvSkinMenu::pointerMoved(QPoint global)
{
    TkvSkinPopupWindow* over = windowAt(global);
    for (const auto& window : m_windows) {
        if (window.get() != over && window->scrollDirection() != 0)
            window->StopScroll();
    }
    if (over) {
        const QPoint local = over->mapFromGlobal(global);
        over->TestActive(local.x(), local.y());
    }
}

void TkvSkinMenu::pointerReleased(QPoint global, Qt::MouseButton button)
{
    if (TkvSkinPopupWindow* over = windowAt(global)) {
        const QPoint local = over->mapFromGlobal(global);
        over->releasedAt(local.x(), local.y(), button);
    }
}

void TkvSkinMenu::pointerPressed(QPoint global)
{
    if (!windowAt(global))
        Hide();
}

} // namespace skin
