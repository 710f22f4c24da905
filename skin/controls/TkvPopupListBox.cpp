#include "skin/controls/TkvPopupListBox.h"

namespace skin {

TkvPopupListBox::TkvPopupListBox(QWidget* owner) : TkvSkinCustomListBox(owner)
{
    setObjectName(QStringLiteral("popupList"));
    // A tool window outside the window manager's placement, kept on top,
    // that neither activates nor takes the keyboard focus.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
        | Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    innerList()->setFocusPolicy(Qt::NoFocus);
    hide();
}

void TkvPopupListBox::Show(const QPoint& screenPoint)
{
    SetBounds(screenPoint.x(), screenPoint.y(), width(), height());
    show();
    raise();
    m_fade.start();
}

void TkvPopupListBox::SetTranslucency(bool alphaBlend, int value, bool animation)
{
    m_fade.setAlphaBlendValue(value);
    m_fade.setAlphaBlend(alphaBlend);
    // Only a translucent list fades; an opaque one simply shows.
    m_fadeIn = alphaBlend && animation;
}

void TkvPopupListBox::Hide() { hide(); }

void TkvPopupListBox::ListBoxWProc(QEvent* event, bool& process)
{
    if (WindowProcHook)
        process = WindowProcHook(event);
}

} // namespace skin
