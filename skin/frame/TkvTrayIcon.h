#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QSystemTrayIcon;

namespace skin {

// The window's icon in the system tray. It remembers whether the window
// went there (minimized to the tray) and asks, through OnPopupMenu, for a
// menu when clicked; the frame that uses the icon answers with its tray
// menu, drawn by the frame's skinned menus.
class TkvTrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TkvTrayIcon(QObject* owner = nullptr);
    ~TkvTrayIcon() override;

    QIcon Icon() const { return m_iconImage; }
    void SetIcon(const QIcon& value);
    QString Hint() const { return m_hint; }
    void SetHint(const QString& value);
    // Whether the icon is in the tray (where the platform has one).
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    bool MinimizedToTray() const { return m_minimizedToTray; }
    void SetMinimizedToTray(bool value) { m_minimizedToTray = value; }

    // A click on the icon at a screen point.
    void PopupMenu(QPoint screenPoint);

    std::function<void(QPoint screenPoint)> OnPopupMenu;

private:
    QSystemTrayIcon* m_icon;
    QIcon m_iconImage;
    QString m_hint;
    bool m_visible = false;
    bool m_minimizedToTray = false;
};

} // namespace skin
