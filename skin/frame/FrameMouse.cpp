// The window's mouse events on the frame: moving and sizing the window,
// and the objects' input through the router.

#include "skin/frame/FrameMouse.h"

#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameObjectRouter.h"
#include "skin/frame/TkvSorvane.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace skin {

FrameMouse::FrameMouse(TkvSorvane& frame, FrameObjectRouter& router)
    : m_frame(frame)
    , m_router(router)
{
}

void FrameMouse::updateCursor(int code)
{
    QWidget* form = m_frame.Form();
    switch (code) {
    case HTLEFT:
    case HTRIGHT:
        form->setCursor(Qt::SizeHorCursor);
        break;
    case HTTOP:
    case HTBOTTOM:
        form->setCursor(Qt::SizeVerCursor);
        break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        form->setCursor(Qt::SizeFDiagCursor);
        break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        form->setCursor(Qt::SizeBDiagCursor);
        break;
    default:
        form->unsetCursor();
        break;
    }
}

void FrameMouse::startMove()
{
    if (m_frame.frameState().maximized()) {
        m_drag.handle(FrameDragEvent::StayPut);
        return;
    }
    m_drag.handle(FrameDragEvent::MoveStart);
    m_frame.UpDateActiveObjects();
    m_router.stopTracking();
    m_router.forget();
    // Where the platform does not move windows, the frame does.
    QWindow* window = m_frame.Form()->windowHandle();
    if (!window || !window->startSystemMove())
        m_drag.handle(FrameDragEvent::MoveRefused);
}

void FrameMouse::startSizing(int code)
{
    QWindow* window = m_frame.Form()->windowHandle();
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

void FrameMouse::press(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_drag.handle(FrameDragEvent::Press);
    const int code = m_frame.HitTest(p);
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
        m_frame.TrackSystemMenu(global.x(), global.y());
    }
}

void FrameMouse::move(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (m_drag.state() == FrameDragState::MovingByFrame) {
        m_frame.Form()->move(event->globalPosition().toPoint() - m_drag.grabPoint());
        return;
    }
    if (m_drag.state() == FrameDragState::CaptionPressed && (event->buttons() & Qt::LeftButton)) {
        if (m_drag.pastDragDistance(p, QApplication::startDragDistance()))
            startMove();
        return;
    }
    const int code = m_frame.HitTest(p);
    if (m_router.captureIndex() == -1)
        updateCursor(code);
    if (code == HTOBJECT || code == HTCAPTION || !m_router.idle()) {
        m_router.testActive(p, FrameTracking::On);
        m_router.startTracking();
    }
    m_router.move(p);
}

void FrameMouse::release(QMouseEvent* event)
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

void FrameMouse::doubleClick(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int code = m_frame.HitTest(p);
    m_router.testActive(p, FrameTracking::On);
    if (event->button() == Qt::LeftButton) {
        m_router.press(Qt::LeftButton, p);
        m_router.doubleClick();
        if (code == HTCAPTION) {
            m_router.releaseCapture();
            m_frame.CaptionDoubleClick();
        }
    } else if (event->button() == Qt::RightButton) {
        m_router.press(Qt::RightButton, p);
        if (code == HTCAPTION)
            m_router.releaseCapture();
    }
}

} // namespace skin
