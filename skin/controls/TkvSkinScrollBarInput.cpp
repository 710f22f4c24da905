#include "skin/controls/TkvSkinScrollBar.h"

#include "skin/controls/DefaultLook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

// Mouse, timer, wheel and key behaviour of the scroll bar.
namespace skin {

TkvSkinScrollBar::Part TkvSkinScrollBar::hotPart() const
{
    for (Part part : {kThumb, kIncrease, kDecrease})
        if (m_parts[part].hot())
            return part;
    return kNone;
}

TkvSkinScrollBar::Part TkvSkinScrollBar::capturedPart() const
{
    for (Part part : {kThumb, kIncrease, kDecrease})
        if (m_parts[part].captured())
            return part;
    return kNone;
}

TkvSkinScrollBar::Repeat TkvSkinScrollBar::timerMode() const
{
    if (m_parts[kDecrease].repeating())
        return Repeat::StepDecrease;
    if (m_parts[kIncrease].repeating())
        return Repeat::StepIncrease;
    if (m_page.repeating())
        return m_pageDirection == PageDirection::Up ? Repeat::PageDecrease : Repeat::PageIncrease;
    return Repeat::None;
}

void TkvSkinScrollBar::setHotPart(Part part)
{
    if (part == hotPart())
        return;
    // The part left goes first: a held end button stops its repeat on the
    // shared timer before one entered resumes it.
    for (Part p : {kThumb, kIncrease, kDecrease})
        if (p != part)
            m_parts[p].move(Pointer::Outside);
    if (part != kNone)
        m_parts[part].move(Pointer::Inside);
    update();
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

void TkvSkinScrollBar::pageStep(PageDirection direction)
{
    if (direction == PageDirection::Up) {
        SetPosition(m_position - m_largeChange);
        raiseEvent(OnPageUp, this);
    } else {
        SetPosition(m_position + m_largeChange);
        raiseEvent(OnPageDown, this);
    }
}

bool TkvSkinScrollBar::pointerBeforeThumb() const
{
    const platform::TRect& t = m_rects[kThumb];
    return horizontal() ? m_lastPointer.x() < t.left : m_lastPointer.y() < t.top;
}

bool TkvSkinScrollBar::pointerAfterThumb() const
{
    const platform::TRect& t = m_rects[kThumb];
    return horizontal() ? m_lastPointer.x() >= t.right : m_lastPointer.y() >= t.bottom;
}

void TkvSkinScrollBar::timerTick()
{
    for (Part button : {kIncrease, kDecrease}) {
        if (m_parts[button].repeating()) {
            if (m_parts[button].tick())
                stepButton(button);
            return;
        }
    }
    if (m_page.tick())
        pageRepeat();
}

void TkvSkinScrollBar::pageRepeat()
{
    // The page steps go on until the thumb reaches the pointer.
    CalcRects();
    setHotPart(partAt(m_lastPointer.x(), m_lastPointer.y()));
    const bool go = m_pageDirection == PageDirection::Up ? pointerBeforeThumb() : pointerAfterThumb();
    if (!go) {
        m_page.stopRepeat();
        return;
    }
    pageStep(m_pageDirection);
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
    const Part part = partAt(p.x(), p.y());
    if (part != kNone) {
        setHotPart(part);
        m_parts[part].press(Pointer::Inside);
        update();
        if (part == kThumb) {
            m_dragStartCoordinate = along(p);
            m_dragStartOffset = m_thumbOffset;
        } else {
            stepButton(part);
        }
        return;
    }
    if (!ptInRect(m_track, p))
        return;
    m_pageDirection = pointerBeforeThumb() ? PageDirection::Up : PageDirection::Down;
    m_page.press(Pointer::Inside);
    pageStep(m_pageDirection);
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
    const Part captured = capturedPart();
    if (captured != kNone && part != captured)
        part = kNone;
    setHotPart(part);
    // With the button held outside the bar, a repeated page increase stops.
    if (!rect().contains(p) && timerMode() == Repeat::PageIncrease)
        m_page.stopRepeat();
}

void TkvSkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (m_parts[kThumb].captured())
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
    m_page.cancel();
    const Part released = capturedPart();
    if (released != kNone) {
        CalcRects();
        const bool over = rect().contains(p) && partAt(p.x(), p.y()) == released;
        // The steps came with the press and the repeat, so a release does not click.
        m_parts[released].release(over ? Pointer::Inside : Pointer::Outside);
        update();
    }
    if (released == kThumb)
        raiseEvent(OnLastChange, this);
}

void TkvSkinScrollBar::leaveEvent(QEvent* event)
{
    if (capturedPart() == kNone)
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

void TkvSkinScrollBar::setPartsFocused(bool value)
{
    for (PressablePart& part : m_parts)
        part.setFocused(value);
    update();
}

void TkvSkinScrollBar::focusInEvent(QFocusEvent* event)
{
    setPartsFocused(true);
    TkvSkinCustomControl::focusInEvent(event);
}

void TkvSkinScrollBar::focusOutEvent(QFocusEvent* event)
{
    setPartsFocused(false);
    TkvSkinCustomControl::focusOutEvent(event);
}

void TkvSkinScrollBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        // A disabled bar gets no leave event, so its parts forget the pointer now.
        for (PressablePart& part : m_parts)
            part.setEnabled(isEnabled());
        m_page.setEnabled(isEnabled());
        update();
    }
    TkvSkinCustomControl::changeEvent(event);
}

} // namespace skin
