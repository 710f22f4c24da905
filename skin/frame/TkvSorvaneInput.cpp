// Pointer input of the frame: hit testing, the object under the pointer,
// presses and releases on objects, moving and sizing through the platform,
// and the morph steps.

#include "skin/frame/TkvSorvane.h"

#include "skin/data/TkvSkinData.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace skin {

int TkvSorvane::HitTest(QPoint p) const
{
    HitTestState s;
    s.width = FormWidth();
    s.height = FormHeight();
    s.rolledUp = m_state.rolledUp();
    s.minimized = m_state.minimized();
    s.maximized = m_state.maximized();
    s.sizeable = m_sizeable;
    s.inSizeMove = m_drag.inSizeMove();
    s.objectHovered = m_router.hoverIndex() != -1;
    return m_layout.hitTest(std::move(s), skinInUse(), m_objects.items(), p);
}

void TkvSorvane::UpDateActiveObjects() { m_objects.dropHover(); }

void TkvSorvane::startMorphTimer()
{
    if (!m_morphTimer->isActive())
        m_morphTimer->start();
}

void TkvSorvane::TestMorph()
{
    if (!m_objects.morphStep())
        m_morphTimer->stop();
}

void TkvSorvane::updateCursor(int code)
{
    switch (code) {
    case HTLEFT:
    case HTRIGHT:
        m_form->setCursor(Qt::SizeHorCursor);
        break;
    case HTTOP:
    case HTBOTTOM:
        m_form->setCursor(Qt::SizeVerCursor);
        break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        m_form->setCursor(Qt::SizeFDiagCursor);
        break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        m_form->setCursor(Qt::SizeBDiagCursor);
        break;
    default:
        m_form->unsetCursor();
        break;
    }
}

void TkvSorvane::startMove()
{
    if (m_state.maximized()) {
        m_drag.handle(FrameDragEvent::StayPut);
        return;
    }
    m_drag.handle(FrameDragEvent::MoveStart);
    UpDateActiveObjects();
    m_router.stopTracking();
    m_router.forget();
    // Where the platform does not move windows, the frame does.
    QWindow* window = m_form->windowHandle();
    if (!window || !window->startSystemMove())
        m_drag.handle(FrameDragEvent::MoveRefused);
}

void TkvSorvane::startSizing(int code)
{
    QWindow* window = m_form->windowHandle();
    Qt::Edges edges;
    if (code == HTLEFT || code == HTTOPLEFT || code == HTBOTTOMLEFT)
        edges |= Qt::LeftEdge;
    if (code == HTRIGHT || code == HTTOPRIGHT || code == HTBOTTOMRIGHT)
        edges |= Qt::RightEdge;
    if (code == HTTOP || code == HTTOPLEFT || code == HTTOPRIGHT)
        edges |= Qt::TopEdge;
    if (code == HTBOTTOM || code == HTBOTTOMLEFT || code == HTBOTTOMRIGHT)
        edges |= Qt::BottomEdge;
    if (edges && window) {
        m_drag.handle(FrameDragEvent::SizeStart);
        m_router.forget();
        window->startSystemResize(edges);
    }
}

void TkvSorvane::mousePress(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_drag.handle(FrameDragEvent::Press);
    const int code = HitTest(p);
    if (event->button() == Qt::LeftButton) {
        if (code == HTCAPTION) {
            m_drag.pressCaption(p);
            m_router.testActive(p, FrameTracking::On);
            m_router.press(Qt::LeftButton, p);
            m_router.releaseCapture();
            return;
        }
        if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
            startSizing(code);
            return;
        }
    }
    if (code == HTCLIENT)
        return;
    m_router.testActive(p, FrameTracking::On);
    m_router.press(event->button(), p);
    if (event->button() == Qt::RightButton && code == HTCAPTION) {
        m_router.releaseCapture();
        const QPoint global = event->globalPosition().toPoint();
        TrackSystemMenu(global.x(), global.y());
    }
}

void TkvSorvane::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (m_drag.state() == FrameDragState::MovingByFrame) {
        m_form->move(event->globalPosition().toPoint() - m_drag.grabPoint());
        return;
    }
    if (m_drag.state() == FrameDragState::CaptionPressed && (event->buttons() & Qt::LeftButton)) {
        if (m_drag.pastDragDistance(p, QApplication::startDragDistance()))
            startMove();
        return;
    }
    const int code = HitTest(p);
    if (m_router.captureIndex() == -1)
        updateCursor(code);
    if (code == HTOBJECT || code == HTCAPTION || !m_router.idle()) {
        m_router.testActive(p, FrameTracking::On);
        m_router.startTracking();
    }
    m_router.move(p);
}

void TkvSorvane::mouseRelease(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool dragged = m_drag.inSizeMove();
    m_drag.handle(FrameDragEvent::Release);
    if (dragged)
        return;
    // The release decides by where the pointer is now.
    m_router.testActive(p, FrameTracking::On);
    m_router.release(event->button(), p);
}

void TkvSorvane::mouseDoubleClick(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int code = HitTest(p);
    m_router.testActive(p, FrameTracking::On);
    if (event->button() == Qt::LeftButton) {
        m_router.press(Qt::LeftButton, p);
        m_router.doubleClick();
        if (code == HTCAPTION) {
            m_router.releaseCapture();
            CaptionDoubleClick();
        }
    } else if (event->button() == Qt::RightButton) {
        m_router.press(Qt::RightButton, p);
        if (code == HTCAPTION)
            m_router.releaseCapture();
    }
}

} // namespace skin
