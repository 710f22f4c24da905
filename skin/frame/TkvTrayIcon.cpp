#include "skin/frame/TkvTrayIcon.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace skin {

TkvTrayIcon::TkvTrayIcon(QObject* owner)
    : QObject(owner)
    , m_icon(new QSystemTrayIcon(this))
{
    setObjectName(QStringLiteral("kvTrayIcon"));
    // Every kind of click asks for the menu: some trays report only one.
    connect(m_icon, &QSystemTrayIcon::activated, this, [this] { PopupMenu(QCursor::pos()); });
}

TkvTrayIcon::~TkvTrayIcon() = default;

void TkvTrayIcon::SetIcon(const QIcon& value)
{
    m_iconImage = value;
    m_icon->setIcon(value);
}

void TkvTrayIcon::SetHint(const QString& value)
{
    if (m_hint == value)
        return;
    m_hint = value;
    m_icon->setToolTip(value);
}

void TkvTrayIcon::SetVisible(bool value)
{
    if (m_visible == value)
        return;
    m_visible = value;
    // Without a tray (headless platforms) the icon only remembers it.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->setVisible(value);
}

void TkvTrayIcon::PopupMenu(QPoint screenPoint)
{
    if (OnPopupMenu)
        OnPopupMenu(screenPoint);
}

} // namespace skin
