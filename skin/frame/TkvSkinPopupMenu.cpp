#include "skin/frame/TkvSkinPopupMenu.h"

#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSorvane.h"

#include <QWidget>

namespace skin {

TkvSkinPopupMenu::TkvSkinPopupMenu(QObject* owner)
    : QObject(owner)
{
}

TkvSorvane* TkvSkinPopupMenu::sorvane() const
{
    if (m_form)
        return GetSorvaneComponent(m_form);
    for (QObject* o = parent(); o; o = o->parent()) {
        if (auto* widget = qobject_cast<QWidget*>(o); widget && widget->isWindow())
            return GetSorvaneComponent(widget);
    }
    return nullptr;
}

void TkvSkinPopupMenu::show(QObject* control, const TRect& R, bool popupUp, bool needSkin)
{
    if (OnPopup)
        OnPopup(this);
    TkvSorvane* frame = sorvane();
    if (!frame)
        return;
    if (!m_skinData)
        m_skinData = frame->menuSkin();
    if (needSkin && !m_skinData)
        return;
    if (frame->SkinMenu().Visible())
        frame->SkinMenu().Hide();
    frame->SkinMenuOpen();
    frame->SkinMenu().Popup(control, m_skinData, 0, R, &m_items, popupUp);
}

void TkvSkinPopupMenu::Popup(int X, int Y) { show(nullptr, {X, Y, X, Y}, false, false); }
void TkvSkinPopupMenu::Popup2(QObject* control, int X, int Y) { show(control, {X, Y, X, Y}, false, true); }
void TkvSkinPopupMenu::PopupFromRect(const TRect& R, bool popupUp) { show(nullptr, R, popupUp, false); }
void TkvSkinPopupMenu::PopupFromRect2(QObject* control, const TRect& R, bool popupUp)
{
    show(control, R, popupUp, false);
}

} // namespace skin
