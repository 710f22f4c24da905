// Pointer, scrolling and keys of a popup window.

#include "skin/frame/TkvSkinPopupWindow.h"

#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSkinMenu.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace skin {

void TkvSkinPopupWindow::TestActive(int X, int Y)
{
    const QPoint p(X, Y);
    const auto inside = [&p](const TRect& r) {
        return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
    };
    if (m_scrollMode) {
        if (inside(upMarker()) && m_scrollDirection == 0 && CanScroll(1)) {
            m_scrollDirection = 1;
            update();
            StartScroll();
        } else if (inside(downMarker()) && m_scrollDirection == 0 && CanScroll(2)) {
            m_scrollDirection = 2;
            update();
            StartScroll();
        } else if (m_scrollDirection != 0 && !inside(upMarker()) && !inside(downMarker())) {
            StopScroll();
        }
    }
    int hit = m_activeItem;
    for (int i = 0; i < Count(); ++i) {
        if (m_items[size_t(i)].visible && inside(m_items[size_t(i)].ObjectRect)) {
            hit = i;
            break;
        }
    }
    if (hit == m_activeItem) {
        if (hit >= 0 && m_items[size_t(hit)].waitCommand) {
            m_items[size_t(hit)].waitCommand = false;
            if (m_items[size_t(hit)].item->Count() > 0)
                MouseEnter(hit, false);
        }
        return;
    }
    const int previous = m_activeItem;
    m_activeItem = hit;
    const auto selectable = [this](int i) {
        return i >= 0 && m_items[size_t(i)].item->Enabled && !m_items[size_t(i)].item->IsLine();
    };
    if (selectable(previous))
        MouseLeave(previous);
    if (selectable(hit))
        MouseEnter(hit, false);
}

void TkvSkinPopupWindow::TestMouse()
{
    const QPoint cursor = m_engine.CursorPos();
    if (cursor == m_lastCursor)
        return;
    m_lastCursor = cursor;
    if (geometry().contains(cursor)) {
        const QPoint local = mapFromGlobal(cursor);
        TestActive(local.x(), local.y());
    } else if (m_scrollMode && m_scrollDirection != 0) {
        StopScroll();
    }
}

void TkvSkinPopupWindow::releasedAt(int X, int Y, Qt::MouseButton button)
{
    TestActive(X, Y);
    if (button != Qt::LeftButton || m_activeItem < 0)
        return;
    const TkvSkinMenuItem& row = m_items[size_t(m_activeItem)];
    const QPoint p(X, Y);
    const TRect& r = row.ObjectRect;
    if (row.visible && !row.item->IsLine() && p.x() >= r.left && p.x() < r.right && p.y() >= r.top
        && p.y() < r.bottom)
        MouseDown(m_activeItem);
}

bool TkvSkinPopupWindow::CanScroll(int direction) const
{
    if (direction == 1)
        return m_firstVisible > 0;
    return m_firstVisible + m_visibleCount - 1 < Count() - 1;
}

void TkvSkinPopupWindow::StartScroll()
{
    m_engine.CloseMenu(m_engine.GetPWIndex(this) + 1);
    m_scrollTimer->start();
}

void TkvSkinPopupWindow::StopScroll()
{
    m_scrollDirection = 0;
    m_scrollTimer->stop();
    update();
}

void TkvSkinPopupWindow::ScrollTick()
{
    if (m_scrollDirection == 0 || !CanScroll(m_scrollDirection)) {
        StopScroll();
        return;
    }
    if (m_scrollDirection == 1)
        ScrollUp(false);
    else
        ScrollDown(false);
}

void TkvSkinPopupWindow::ScrollUp(bool wrap)
{
    if (m_firstVisible > 0)
        --m_firstVisible;
    else if (wrap)
        m_firstVisible = GetEndStartVisibleIndex();
    CalcItemRects();
    update();
}

void TkvSkinPopupWindow::ScrollDown(bool wrap)
{
    if (CanScroll(2))
        ++m_firstVisible;
    else if (wrap)
        m_firstVisible = 0;
    CalcItemRects();
    update();
}

void TkvSkinPopupWindow::TestMorph()
{
    bool stepped = false;
    for (TkvSkinMenuItem& row : m_items) {
        const bool lit = row.highlighted || row.down;
        if (!row.visible) {
            if (row.morphKf != 0) {
                row.highlighted = row.down = false;
                row.morphKf = 0;
            }
            continue;
        }
        if ((lit && row.morphKf < 1) || (!lit && row.morphKf > 0)) {
            row.morphKf = std::clamp(row.morphKf + (lit ? 0.2 : -0.2), 0.0, 1.0);
            stepped = true;
        }
    }
    if (stepped)
        update();
    else
        m_morphTimer->stop();
}

void TkvSkinPopupWindow::PopupKeyDown(int key)
{
    if (!isVisible() || Count() == 0)
        return;
    const int level = m_engine.GetPWIndex(this);
    // Only character keys carry an accelerator; Escape, the arrows and the
    // like lie beyond one UTF-16 unit.
    const bool character = key >= Qt::Key_Space && key <= 0xffff;
    const QChar typed = character ? QChar(key).toLower() : QChar();
    for (int i = 0; i < Count() && character; ++i) {
        if (m_items[size_t(i)].item->Accelerator() == typed) {
            if (m_activeItem >= 0 && m_activeItem != i)
                MouseLeave(m_activeItem);
            MouseEnter(i, false);
            m_activeItem = i;
            MouseDown(i);
            return;
        }
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_activeItem >= 0)
            MouseDown(m_activeItem);
        break;
    case Qt::Key_Escape:
        m_engine.CloseMenu(level);
        if (level > 0) {
            TkvSkinPopupWindow* parent = m_engine.Level(level - 1);
            if (parent->m_activeItem >= 0)
                parent->m_items[size_t(parent->m_activeItem)].down = false;
            parent->update();
        }
        break;
    case Qt::Key_Left:
        if (level >= 1) {
            TkvSkinPopupWindow* parent = m_engine.Level(level - 1);
            m_engine.CloseMenu(level);
            if (parent->m_activeItem >= 0)
                parent->m_items[size_t(parent->m_activeItem)].down = false;
            parent->update();
        }
        break;
    case Qt::Key_Right:
        if (m_activeItem >= 0 && m_items[size_t(m_activeItem)].item->Count() > 0)
            MouseDown(m_activeItem);
        break;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const int step = key == Qt::Key_Down ? 1 : -1;
        const int start = m_activeItem < 0 ? (step > 0 ? 0 : Count() - 1) : m_activeItem + step;
        const int next = nextSelectable(start, step);
        if (next < 0)
            break;
        if (m_scrollMode) {
            // Bring the new item into view, wrapping like the selection. One
            // round through every first row is enough; a row taller than the
            // item area never shows whole and is put at the top instead.
            for (int round = 0; !m_items[size_t(next)].visible && round <= Count(); ++round) {
                if (step > 0)
                    ScrollDown(true);
                else
                    ScrollUp(true);
            }
            if (!m_items[size_t(next)].visible) {
                m_firstVisible = next;
                CalcItemRects();
                update();
            }
        }
        const int previous = m_activeItem;
        m_activeItem = next;
        MouseEnter(next, true);
        if (previous >= 0 && previous != next)
            MouseLeave(previous);
        break;
    }
    default:
        break;
    }
}

void TkvSkinPopupWindow::mousePressEvent(QMouseEvent* event)
{
    // Pressing chooses nothing; outside every level it ends the menu.
    m_engine.pointerPressed(event->globalPosition().toPoint());
}

void TkvSkinPopupWindow::mouseMoveEvent(QMouseEvent* event)
{
    m_engine.pointerMoved(event->globalPosition().toPoint());
}

void TkvSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event)
{
    m_engine.pointerReleased(event->globalPosition().toPoint(), event->button());
}

void TkvSkinPopupWindow::keyPressEvent(QKeyEvent* event) { m_engine.KeyDown(event->key()); }

void TkvSkinPopupWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_mouseTimer->stop();
    m_morphTimer->stop();
    m_scrollTimer->stop();
    // Closed by the platform (another window took the pointer): the whole
    // menu ends.
    if (m_engine.GetPWIndex(this) == 0)
        m_engine.Hide();
}

} // namespace skin
