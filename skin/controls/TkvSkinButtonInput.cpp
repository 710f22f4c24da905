#include "skin/controls/TkvSkinButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>

// Mouse, keyboard and focus behaviour of the push button.
namespace skin {

void TkvSkinButton::pointerEntered()
{
    // A Down button repeats again.
    m_part.move(Pointer::Inside);
    const bool affected = m_groupIndex != 0 ? !Down() : (!IsFocused() || Down());
    if (affected) {
        if (Down()) {
            if (m_morphing)
                m_morphFactor = 1.0;
            update();
        } else {
            ReDrawControl();
        }
    }
}

void TkvSkinButton::pointerLeft()
{
    // A default button keeps its hot look while it answers Enter for a
    // focused control that is not a button.
    if (m_default && m_activeDefault && !hasFocus())
        m_part.stopRepeat();
    else
        m_part.move(Pointer::Outside);
    const bool affected = m_groupIndex != 0 ? !Down() : (!IsFocused() || Down());
    if (affected)
        ReDrawControl();
}

void TkvSkinButton::enterEvent(QEnterEvent* event)
{
    if (!m_part.captured())
        pointerEntered();
    TkvSkinCustomControl::enterEvent(event);
}

void TkvSkinButton::leaveEvent(QEvent* event)
{
    if (!m_part.captured())
        pointerLeft();
    TkvSkinCustomControl::leaveEvent(event);
}

void TkvSkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TkvSkinCustomControl::mousePressEvent(event);
        return;
    }
    // The focus is asked for, not required: a window that is not active yet
    // hands it over when it activates.
    if (m_canFocused && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (Down()) {
        m_part.press(Pointer::Inside);
        if (m_groupIndex != 0)
            m_groupReleasePending = true;
        return;
    }
    // Down, and with RepeatMode the repeat starts.
    m_part.press(Pointer::Inside);
    downChanged();
    if (m_groupIndex != 0) {
        // OnClick may free the button.
        const QPointer<TkvSkinButton> alive(this);
        ButtonClick();
        if (!alive)
            return;
    }
    m_groupReleasePending = false;
}

void TkvSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    // While the button is held the pointer is grabbed and no enter or leave
    // arrives, so crossing the edge is followed here.
    if (m_part.captured()) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside && !MouseIn())
            pointerEntered();
        else if (!inside && MouseIn())
            pointerLeft();
    }
    TkvSkinCustomControl::mouseMoveEvent(event);
}

void TkvSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_part.captured()) {
        TkvSkinCustomControl::mouseReleaseEvent(event);
        return;
    }
    const Pointer where = rect().contains(event->position().toPoint()) ? Pointer::Inside : Pointer::Outside;
    const bool wasDown = Down();
    const bool clicked = m_part.release(where);
    if (m_groupIndex == 0) {
        if (clicked) {
            if (wasDown)
                downChanged();
            ButtonClick();
            return;
        }
        // Released outside: Down goes without a click.
        update();
    } else if (Down() && m_allowAllUp && m_groupReleasePending && where == Pointer::Inside) {
        SetDown(false);
        ButtonClick();
    }
}

void TkvSkinButton::keyPressEvent(QKeyEvent* event)
{
    // Enter on the keypad carries the keypad flag and clicks all the same.
    if (m_canFocused && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Space:
            SetDown(true);
            if (m_repeatMode)
                ButtonClick();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ButtonClick();
            return;
        default:
            break;
        }
    }
    TkvSkinCustomControl::keyPressEvent(event);
}

void TkvSkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (m_canFocused && event->key() == Qt::Key_Space) {
        // Held space sends release and press pairs; only the last release counts.
        if (!event->isAutoRepeat() && Down()) {
            SetDown(false);
            ButtonClick();
        }
        return;
    }
    TkvSkinCustomControl::keyReleaseEvent(event);
}

void TkvSkinButton::focusInEvent(QFocusEvent* event)
{
    m_part.setFocused(IsFocused());
    if (m_canFocused)
        ReDrawControl();
    TkvSkinCustomControl::focusInEvent(event);
}

void TkvSkinButton::focusOutEvent(QFocusEvent* event)
{
    // Down goes silently, without the morph of SetDown.
    m_part.stopRepeat();
    if (m_groupIndex == 0)
        m_part.setDown(false);
    m_part.setFocused(false);
    ReDrawControl();
    TkvSkinCustomControl::focusOutEvent(event);
}

void TkvSkinButton::formFocusChanged(QWidget* now)
{
    if (!now || now->window() != window())
        return;
    auto* button = qobject_cast<TkvSkinButton*>(now);
    m_activeDefault = button ? button == this : m_default;
    if (!m_default || !m_canFocused)
        return;
    if (!button) {
        m_part.setHot(true);
        m_morphFactor = 1.0;
        update();
    } else if (button != this) {
        m_part.setHot(false);
        update();
    }
}

void TkvSkinButton::updateAccelerator()
{
    if (m_accelShortcut != 0)
        releaseShortcut(m_accelShortcut);
    m_accelShortcut = 0;
    const QKeySequence key = QKeySequence::mnemonic(m_caption);
    if (!key.isEmpty())
        m_accelShortcut = grabShortcut(key);
}

void TkvSkinButton::updateDialogKeyFilter()
{
    const bool wanted = m_default || m_cancel;
    if (wanted == m_dialogKeyFilter)
        return;
    m_dialogKeyFilter = wanted;
    if (wanted)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool TkvSkinButton::handleDialogKey(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_activeDefault && isEnabled()) {
        // A focused button answers Enter itself.
        if (qobject_cast<TkvSkinButton*>(QApplication::focusWidget()))
            return false;
        ButtonClick();
        return true;
    }
    if (key == Qt::Key_Escape && m_cancel && m_canFocused && isEnabled() && focusPolicy() != Qt::NoFocus
        && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0) {
        ButtonClick();
        return true;
    }
    return false;
}

bool TkvSkinButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == window() && isVisible())
        return handleDialogKey(static_cast<QKeyEvent*>(event));
    return TkvSkinCustomControl::eventFilter(watched, event);
}

bool TkvSkinButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == m_accelShortcut && m_canFocused && isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            ButtonClick();
        }
        return true;
    }
    return TkvSkinCustomControl::event(event);
}

} // namespace skin
