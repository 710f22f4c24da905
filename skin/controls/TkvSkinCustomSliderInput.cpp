#include "skin/controls/TkvSkinCustomSlider.h"

#include "skin/controls/DefaultLook.h"

#include <QKeyEvent>
#include <QMouseEvent>

// Mouse, keyboard and focus behaviour of the slider.
namespace skin {

using platform::TRect;

TkvJumpMode TkvSkinCustomSlider::JumpTo(int x, int y) const
{
    if (horizontal()) {
        if (x < m_thumbBounds.left)
            return TkvJumpMode::jmPrior;
        if (x > m_thumbBounds.right)
            return TkvJumpMode::jmNext;
    } else {
        if (y < m_thumbBounds.top)
            return TkvJumpMode::jmNext;
        if (y > m_thumbBounds.bottom)
            return TkvJumpMode::jmPrior;
    }
    return TkvJumpMode::jmNone;
}

void TkvSkinCustomSlider::TimerTrack()
{
    const TkvJumpMode direction = JumpTo(m_lastMouse.x(), m_lastMouse.y());
    if (direction != m_startJump || direction == TkvJumpMode::jmNone)
        return;
    ThumbJump(direction);
    if (!m_trackTimer.isActive())
        m_trackTimer.start();
}

void TkvSkinCustomSlider::StopTracking()
{
    if (!m_tracking)
        return;
    m_trackTimer.stop();
    m_tracking = false;
    Changed();
}

void TkvSkinCustomSlider::ThumbMouseDown(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton || !userMayChange())
        return;
    m_thumb.press(Pointer::Inside);
    const QPoint p = event->position().toPoint();
    m_grabOffset = horizontal() ? p.x() - m_thumbBounds.left : p.y() - m_thumbBounds.top;
    invalidateThumb();
    repaint();
}

void TkvSkinCustomSlider::ThumbMouseMove(QMouseEvent* event)
{
    if (!userMayChange())
        return;
    const QPoint p = event->position().toPoint();
    SetThumbOffset((horizontal() ? p.x() : p.y()) - m_grabOffset);
}

void TkvSkinCustomSlider::ThumbMouseUp(QMouseEvent*)
{
    // The thumb has no click: letting go ends the drag.
    m_thumb.cancel();
    invalidateThumb();
    if (userMayChange())
        Changed();
}

void TkvSkinCustomSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TkvSkinControl::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    if (ptInRect(m_thumbBounds, p)) {
        ThumbMouseDown(event);
        return;
    }
    TRect ruler = platform::Bounds(m_rulerOrigin.x, m_rulerOrigin.y, m_rulerImage.Width(), m_rulerImage.Height());
    if (horizontal()) {
        ruler.top -= 3;
        ruler.bottom += 3;
    } else {
        ruler.left -= 3;
        ruler.right += 3;
    }
    if (ptInRect(ruler, p) && userMayChange()) {
        m_tracking = true;
        m_lastMouse = p;
        m_startJump = JumpTo(p.x(), p.y());
        TimerTrack();
    }
}

void TkvSkinCustomSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (m_thumb.captured() && (event->buttons() & Qt::LeftButton))
        ThumbMouseMove(event);
    else if (m_tracking)
        m_lastMouse = event->position().toPoint();
    TkvSkinControl::mouseMoveEvent(event);
}

void TkvSkinCustomSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        StopTracking();
        if (m_thumb.captured())
            ThumbMouseUp(event);
    }
    TkvSkinControl::mouseReleaseEvent(event);
}

void TkvSkinCustomSlider::keyPressEvent(QKeyEvent* event)
{
    TkvJumpMode mode = TkvJumpMode::jmNone;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Home: mode = TkvJumpMode::jmHome; break;
        case Qt::Key_End: mode = TkvJumpMode::jmEnd; break;
        case Qt::Key_Left: mode = horizontal() ? TkvJumpMode::jmPrior : mode; break;
        case Qt::Key_Right: mode = horizontal() ? TkvJumpMode::jmNext : mode; break;
        case Qt::Key_Up: mode = horizontal() ? mode : TkvJumpMode::jmNext; break;
        case Qt::Key_Down: mode = horizontal() ? mode : TkvJumpMode::jmPrior; break;
        default: break;
        }
    }
    if (mode != TkvJumpMode::jmNone && userMayChange()) {
        event->accept();
        ThumbJump(mode);
        Changed();
        return;
    }
    TkvSkinControl::keyPressEvent(event);
}

void TkvSkinCustomSlider::focusInEvent(QFocusEvent* event)
{
    m_thumb.setFocused(true);
    if (m_options & TkvSliderOption::soShowFocus)
        update();
    TkvSkinControl::focusInEvent(event);
}

void TkvSkinCustomSlider::focusOutEvent(QFocusEvent* event)
{
    m_thumb.setFocused(false);
    if (m_options & TkvSliderOption::soShowFocus)
        update();
    TkvSkinControl::focusOutEvent(event);
}

void TkvSkinCustomSlider::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_thumb.setEnabled(isEnabled());
        invalidateThumb();
    }
    TkvSkinControl::changeEvent(event);
}

void TkvSkinCustomSlider::sizeChanged() { Sized(); }

} // namespace skin
