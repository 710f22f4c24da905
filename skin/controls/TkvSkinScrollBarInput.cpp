#include "skin/controls/TkvSkinScrollBar.h"

#include "skin/controls/DefaultLook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

// Mouse, timer, wheel and key behaviour of the scroll bar.
namespace skin {

namespace {

constexpr int kFirstDelay = 500;
constexpr int kRepeat = 50;

} // namespace

void TkvSkinScrollBar::setHotPart(Part part)
{
    if (part == m_hotPart)
        return;
    const Part previous = m_hotPart;
    if (previous != kNone)
        m_parts[previous].hot = false;
    m_hotPart = part;
    if (part != kNone)
        m_parts[part].hot = true;
    update();
    // A held end button repeats only while the pointer is on it.
    if (m_capturedPart == kIncrease || m_capturedPart == kDecrease) {
        if (part == m_capturedPart && m_parts[part].pressed) {
            m_firstDelay = false;
            m_timerMode = part == kIncrease ? 2 : 1;
            m_timer.start(kRepeat);
        } else if (previous == m_capturedPart) {
            m_timer.stop();
        }
    }
}

void TkvSkinScrollBar::stepButton(Part part)
{
    // The skin calls the increasing end (right or bottom) the up button
    // ("upbuttonrect"), so its event is OnUpButtonClick in both kinds.
    if (part == kIncrease) {
        if (OnUpButtonClick)
            raiseEvent(OnUpButtonClick, this);
        else
            SetPosition(m_position + m_smallChange);
    } else {
        if (OnDownButtonClick)
            raiseEvent(OnDownButtonClick, this);
        else
            SetPosition(m_position - m_smallChange);
    }
}

void TkvSkinScrollBar::pageStep(bool before)
{
    if (before) {
        SetPosition(m_position - m_largeChange);
        raiseEvent(OnPageUp, this);
    } else {
        SetPosition(m_position + m_largeChange);
        raiseEvent(OnPageDown, this);
    }
}

bool TkvSkinScrollBar::pointerBeforeThumb() const
{
    const platform::TRect& t = m_parts[kThumb].rect;
    return horizontal() ? m_lastPointer.x() < t.left : m_lastPointer.y() < t.top;
}

bool TkvSkinScrollBar::pointerAfterThumb() const
{
    const platform::TRect& t = m_parts[kThumb].rect;
    return horizontal() ? m_lastPointer.x() >= t.right : m_lastPointer.y() >= t.bottom;
}

void TkvSkinScrollBar::StopTimer()
{
    m_timer.stop();
    m_timerMode = 0;
}

void TkvSkinScrollBar::timerTick()
{
    if (m_firstDelay) {
        m_firstDelay = false;
        m_timer.start(kRepeat);
        return;
    }
    switch (m_timerMode) {
    case 1: stepButton(kDecrease); break;
    case 2: stepButton(kIncrease); break;
    case 3:
    case 4: {
        CalcRects();
        setHotPart(partAt(m_lastPointer.x(), m_lastPointer.y()));
        const bool go = m_timerMode == 3 ? pointerBeforeThumb() : pointerAfterThumb();
        if (!go) {
            StopTimer();
            return;
        }
        pageStep(m_timerMode == 3);
        break;
    }
    default: StopTimer(); break;
    }
}

void TkvSkinScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TkvSkinCustomControl::mousePressEvent(event);
        return;
    }
    if (m_canFocused) {
        setFocus(Qt::MouseFocusReason);
        if (!hasFocus() && focusPolicy() == Qt::NoFocus)
            return;
    }
    CalcRects();
    const QPoint p = event->position().toPoint();
    m_lastPointer = p;
    m_timerMode = 0;
    m_firstDelay = true;
    const Part part = partAt(p.x(), p.y());
    if (part != kNone) {
        m_capturedPart = part;
        m_parts[part].pressed = true;
        m_parts[part].hot = true;
        m_hotPart = part;
        update();
        if (part == kThumb) {
            m_dragging = true;
            m_dragStartCoordinate = along(p);
            m_dragStartOffset = m_thumbOffset;
        } else {
            m_timerMode = part == kIncrease ? 2 : 1;
            m_timer.start(kFirstDelay);
            stepButton(part);
        }
        return;
    }
    if (!ptInRect(m_track, p))
        return;
    const bool before = pointerBeforeThumb();
    m_timerMode = before ? 3 : 4;
    m_timer.start(kFirstDelay);
    pageStep(before);
}

void TkvSkinScrollBar::dragTo(int coordinate)
{
    CalcRects();
    const int span = m_lastCentre - m_firstCentre;
    double r = span == 0 ? 0.0 : double(coordinate - m_dragStartCoordinate + m_dragStartOffset) / span;
    r = std::clamp(r, 0.0, 1.0);
    if (m_pageSize > 0)
        SetPosition(m_min + roundEven((m_max - m_min - m_pageSize + 1) * r));
    else
        SetPosition(m_min + roundEven((m_max - m_min) * r));
}

void TkvSkinScrollBar::pointerMoved(const QPoint& p)
{
    m_lastPointer = p;
    CalcRects();
    Part part = rect().contains(p) ? partAt(p.x(), p.y()) : kNone;
    if (m_capturedPart != kNone && part != m_capturedPart)
        part = kNone;
    setHotPart(part);
    // With the button held outside the bar, a repeated page increase stops.
    if (!rect().contains(p) && m_timerMode == 4)
        StopTimer();
}

void TkvSkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (m_dragging)
        dragTo(along(p));
    pointerMoved(p);
    TkvSkinCustomControl::mouseMoveEvent(event);
}

void TkvSkinScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TkvSkinCustomControl::mouseReleaseEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    if (m_timerMode == 3 || m_timerMode == 4)
        StopTimer();
    const Part released = m_capturedPart;
    if (released != kNone) {
        PartState& s = m_parts[released];
        s.pressed = false;
        CalcRects();
        if (!(rect().contains(p) && partAt(p.x(), p.y()) == released)) {
            s.hot = false;
            if (m_hotPart == released)
                m_hotPart = kNone;
        }
        m_dragging = false;
        StopTimer();
        update();
    }
    m_capturedPart = kNone;
    if (released == kThumb)
        raiseEvent(OnLastChange, this);
}

void TkvSkinScrollBar::leaveEvent(QEvent* event)
{
    if (m_capturedPart == kNone && !m_dragging)
        setHotPart(kNone);
    TkvSkinCustomControl::leaveEvent(event);
}

void TkvSkinScrollBar::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    // Turned towards the user (negative delta) moves on.
    SetPosition(m_position - steps * m_smallChange);
    event->accept();
}

void TkvSkinScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (!m_canFocused) {
        TkvSkinCustomControl::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: SetPosition(m_position - m_smallChange); break;
    case Qt::Key_Right:
    case Qt::Key_Down: SetPosition(m_position + m_smallChange); break;
    default: TkvSkinCustomControl::keyPressEvent(event); return;
    }
    event->accept();
}

void TkvSkinScrollBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        // A disabled bar gets no leave event, so it forgets the pointer now.
        if (!isEnabled()) {
            StopTimer();
            m_dragging = false;
            m_capturedPart = kNone;
            m_hotPart = kNone;
            for (PartState& part : m_parts)
                part.hot = part.pressed = false;
        }
        update();
    }
    TkvSkinCustomControl::changeEvent(event);
}

} // namespace skin
