#include "skin/controls/TkvSkinCustomComboBox.h"

#include "skin/controls/DefaultLook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>

// Mouse, keyboard, wheel and focus behaviour of the combo box and of its
// open drop-down.
namespace skin {

namespace {

constexpr qint64 kTypeAheadReset = 500;

} // namespace

void TkvSkinCustomComboBox::moveHighlight(int index)
{
    if (index < 0 || index >= Items().size())
        return;
    m_list->SetItemIndex(index);
    m_list->innerList()->ensureVisible(index);
}

void TkvSkinCustomComboBox::commitStep(int index)
{
    if (Items().isEmpty())
        return;
    index = std::clamp(index, 0, int(Items().size()) - 1);
    if (IsPopupVisible())
        m_list->innerList()->ensureVisible(index);
    QPointer<TkvSkinCustomComboBox> guard(this);
    SetItemIndex(index);
    // The committed item replaces whatever was typed; all of it selected,
    // the next key types over it.
    if (guard && m_edit)
        m_edit->lineEdit()->selectAll();
}

void TkvSkinCustomComboBox::stepItem(int delta)
{
    // Previous and next stop at the first and last item; committing the
    // same item again would raise OnClick and OnChange for nothing.
    if (Items().isEmpty())
        return;
    const int target = std::clamp(ItemIndex() + delta, 0, int(Items().size()) - 1);
    if (target != ItemIndex())
        commitStep(target);
}

void TkvSkinCustomComboBox::StartTimer(int direction)
{
    if (m_autoScrollDirection == direction)
        return;
    m_autoScrollDirection = direction;
    m_autoScrollTimer.start();
}

void TkvSkinCustomComboBox::StopTimer()
{
    m_autoScrollTimer.stop();
    m_autoScrollDirection = 0;
}

void TkvSkinCustomComboBox::autoScrollTick()
{
    const int selected = m_list->ItemIndex();
    if (m_autoScrollDirection == 1 && selected > 0)
        moveHighlight(selected - 1);
    else if (m_autoScrollDirection == 2 && selected < Items().size() - 1)
        moveHighlight(selected + 1);
}

bool TkvSkinCustomComboBox::pointerOverInnerList(const QPoint& globalPos) const
{
    const TkvListBox* inner = m_list->innerList();
    return m_list->isVisible() && inner->rect().contains(inner->mapFromGlobal(globalPos));
}

void TkvSkinCustomComboBox::ProcessListBox(const QPoint& globalPos)
{
    const TkvListBox* inner = m_list->innerList();
    const int y = inner->mapFromGlobal(globalPos).y();
    const bool canScroll = m_list->verticalBar() != nullptr && m_pointerReachedList;
    if (y < 0) {
        if (canScroll)
            StartTimer(1);
    } else if (y > inner->height()) {
        if (canScroll)
            StartTimer(2);
    } else {
        StopTimer();
        moveHighlight(inner->ItemAtPos(QPoint(1, std::min(y, inner->height() - 1))));
        m_pointerReachedList = true;
    }
}

bool TkvSkinCustomComboBox::ListBoxWindowProcHook(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_listTracking)
            ProcessListBox(mouse->globalPosition().toPoint());
        else if (mouse->buttons() == Qt::NoButton)
            moveHighlight(m_list->innerList()->ItemAtPos(mouse->position().toPoint()));
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_listTracking = true;
            m_pointerReachedList = true;
            // The row under the pointer, as hovering would have chosen it.
            moveHighlight(m_list->innerList()->ItemAtPos(mouse->position().toPoint()));
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_listTracking && m_pointerReachedList) {
            m_listTracking = false;
            CloseUp(pointerOverInnerList(mouse->globalPosition().toPoint()));
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        return false;
    default:
        return true;
    }
}

void TkvSkinCustomComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TkvSkinCustomControl::mousePressEvent(event);
        return;
    }
    // In the edit style the inner edit takes the focus, when the list opens.
    if (!m_edit)
        setFocus(Qt::MouseFocusReason);
    CalcRects();
    const QPoint p = event->position().toPoint();
    const bool onButton = overButton(p) == Pointer::Inside;
    const bool onItem = !m_edit && ptInRect(m_itemRect, p);
    const bool wasOpen = IsPopupVisible();
    if (wasOpen)
        CloseUp(false);
    if (!onButton && !onItem)
        return;
    m_button.press(overButton(p));
    update();
    if (!wasOpen) {
        m_pointerReachedList = false;
        m_listTracking = true;
        DropDown();
    }
}

void TkvSkinCustomComboBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_listTracking) {
        ProcessListBox(event->globalPosition().toPoint());
    } else {
        moveButtonPointer(overButton(event->position().toPoint()));
    }
    TkvSkinCustomControl::mouseMoveEvent(event);
}

Pointer TkvSkinCustomComboBox::overButton(const QPoint& p) const
{
    return ptInRect(m_buttonRect, p) ? Pointer::Inside : Pointer::Outside;
}

void TkvSkinCustomComboBox::moveButtonPointer(Pointer where)
{
    const PartFace before = m_button.face();
    m_button.move(where);
    if (m_button.face() != before)
        update();
}

void TkvSkinCustomComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TkvSkinCustomControl::mouseReleaseEvent(event);
        return;
    }
    QPointer<TkvSkinCustomComboBox> guard(this);
    if (m_listTracking && m_pointerReachedList) {
        m_listTracking = false;
        CloseUp(pointerOverInnerList(event->globalPosition().toPoint()));
    } else {
        // The click that opened the list leaves it open.
        m_listTracking = false;
    }
    if (guard && m_button.captured()) {
        // The button opens the list on the press; its release does not click.
        m_button.release(overButton(event->position().toPoint()));
        update();
    }
}

void TkvSkinCustomComboBox::leaveEvent(QEvent* event)
{
    moveButtonPointer(Pointer::Outside);
    TkvSkinCustomControl::leaveEvent(event);
}

void TkvSkinCustomComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool open = IsPopupVisible();
    const bool alt = event->modifiers() & Qt::AltModifier;
    const int index = ItemIndex();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (alt) {
            if (open)
                CloseUp(false);
        } else {
            stepItem(-1);
        }
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (alt) {
            if (!open)
                DropDown();
        } else {
            stepItem(1);
        }
        return;
    case Qt::Key_PageUp: commitStep(std::max(index - m_dropDownCount - 1, 0)); return;
    case Qt::Key_PageDown: commitStep(index + m_dropDownCount - 1); return;
    case Qt::Key_Escape:
        if (open) {
            CloseUp(false);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (open) {
            CloseUp(true);
            return;
        }
        break;
    default:
        if (!event->text().isEmpty() && event->text()[0].isPrint() && !alt
            && !(event->modifiers() & Qt::ControlModifier)) {
            FindLBItem(event->text()[0]);
            return;
        }
        break;
    }
    // Keys the closed combo does not use reach the form (default and cancel buttons).
    event->ignore();
}

int TkvSkinCustomComboBox::findPrefix(const QString& text) const
{
    const QStringList& items = Items();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].startsWith(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

void TkvSkinCustomComboBox::FindLBItem(QChar ch)
{
    const qint64 now = m_clock();
    if (m_autoComplete) {
        if (now - m_lastKeyTime >= kTypeAheadReset)
            m_searchText.clear();
        m_searchText += ch;
        m_lastKeyTime = now;
    } else {
        m_searchText = ch;
    }
    const QStringList& items = Items();
    const int count = int(items.size());
    if (count == 0)
        return;
    int hit = -1;
    if (m_searchText.size() == 1) {
        // One character steps through the items that start with it.
        for (int i = 1; i <= count && hit < 0; ++i) {
            const int candidate = (std::max(ItemIndex(), -1) + i) % count;
            if (items[candidate].startsWith(m_searchText, Qt::CaseInsensitive))
                hit = candidate;
        }
    } else {
        hit = findPrefix(m_searchText);
    }
    if (hit >= 0)
        commitStep(hit);
}

void TkvSkinCustomComboBox::wheelEvent(QWheelEvent* event)
{
    event->accept();
    wheelSteps(event->angleDelta().y() / 120);
}

void TkvSkinCustomComboBox::wheelSteps(int steps)
{
    if (steps == 0 || Items().isEmpty())
        return;
    // Turned towards the user (negative) moves down the list.
    if (IsPopupVisible())
        moveHighlight(std::clamp(m_list->ItemIndex() - steps, 0, int(Items().size()) - 1));
    else if (m_edit)
        editMoveTo(ItemIndex() - steps, EditMove::Commit);
    else
        stepItem(-steps);
}

void TkvSkinCustomComboBox::focusInEvent(QFocusEvent* event)
{
    m_button.setFocused(true);
    update();
    TkvSkinCustomControl::focusInEvent(event);
}

void TkvSkinCustomComboBox::focusOutEvent(QFocusEvent* event)
{
    m_button.setFocused(false);
    if (IsPopupVisible())
        CloseUp(false);
    update();
    TkvSkinCustomControl::focusOutEvent(event);
}

void TkvSkinCustomComboBox::sizeChanged()
{
    CalcRects();
    AdjustEditHeight();
    TkvSkinCustomControl::sizeChanged();
}

void TkvSkinCustomComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled() && IsPopupVisible())
            CloseUp(false);
        m_button.setEnabled(isEnabled());
        update();
    }
    TkvSkinCustomControl::changeEvent(event);
}

bool TkvSkinCustomComboBox::belongsToCombo(QObject* object) const
{
    if (!object->isWidgetType())
        return true;
    auto* widget = static_cast<QWidget*>(object);
    return widget == this || isAncestorOf(widget) || widget == m_list || m_list->isAncestorOf(widget);
}

bool TkvSkinCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        if (!belongsToCombo(watched))
            CloseUp(false);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == window())
            CloseUp(false);
        break;
    default:
        break;
    }
    return TkvSkinCustomControl::eventFilter(watched, event);
}

} // namespace skin
