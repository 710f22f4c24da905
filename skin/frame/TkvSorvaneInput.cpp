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

HitTestState TkvSorvane::hitTestState() const
{
    HitTestState s;
    s.width = FormWidth();
    s.height = FormHeight();
    s.rolledUp = m_state.rolledUp();
    s.minimized = m_state.minimized();
    s.maximized = m_state.maximized();
    s.sizeable = m_sizeable;
    s.inSizeMove = m_drag.inSizeMove();
    s.objectHovered = m_hoverIndex != -1;
    if (m_skinInUse) {
        s.borderwidth = m_skinData->borderwidth;
        s.mask = m_hasRegion ? &m_region : nullptr;
        for (const auto& object : m_objects) {
            if (dynamic_cast<const TkvSkinCaptionObject*>(object.get()))
                s.captions.push_back(object->ObjectRect);
        }
    } else {
        s.captions.push_back(m_geometry.captionrect);
    }
    return s;
}

int TkvSorvane::HitTest(QPoint p) const
{
    const HitTestState s = hitTestState();
    return m_skinInUse ? NewNCHitTest(m_geometry, s, p) : DefaultNCHitTest(s, p);
}

void TkvSorvane::TestActive(int X, int Y, bool tracking)
{
    if (m_objects.empty() || !GetFormActive())
        return;
    m_previousHoverIndex = m_hoverIndex;
    int hit = -1;
    for (size_t i = 0; i < m_objects.size(); ++i) {
        const TkvActiveSkinObject& o = *m_objects[i];
        if (o.enabled && o.visible && ptInRect(o.ObjectRect, QPoint(X, Y))) {
            hit = int(i);
            break;
        }
    }
    int hover = tracking ? hit : -1;
    // While an object holds the pointer no other one lights up.
    if (m_captureIndex != -1 && hover != m_captureIndex)
        hover = -1;
    if (hover >= int(m_objects.size()))
        hover = -1;
    m_hoverIndex = hover;
    if (m_hoverIndex == m_previousHoverIndex)
        return;
    if (m_previousHoverIndex >= 0 && m_previousHoverIndex < int(m_objects.size())) {
        TkvActiveSkinObject& previous = *m_objects[size_t(m_previousHoverIndex)];
        if (previous.enabled && previous.visible)
            previous.MouseLeave();
    }
    if (m_hoverIndex >= 0) {
        TkvActiveSkinObject& current = *m_objects[size_t(m_hoverIndex)];
        if (current.enabled && current.visible)
            current.MouseEnter();
    }
}

void TkvSorvane::TestMouse()
{
    if (!GetFormActive())
        return;
    if (m_drag.inSizeMove()) {
        m_mouseTimer->stop();
        return;
    }
    const QPoint p = CursorPos() - m_form->geometry().topLeft();
    if (!ptInRect(clientRect(), p))
        TestActive(p.x(), p.y(), true);
    else if (m_hoverIndex != -1)
        TestActive(-1, -1, true);
    // Nothing lit and nothing held: polling again only costs time.
    if (m_hoverIndex == -1 && m_captureIndex == -1)
        m_mouseTimer->stop();
}

void TkvSorvane::MouseMove(int X, int Y)
{
    const int index = m_captureIndex != -1 ? m_captureIndex : m_hoverIndex;
    if (index >= 0 && index < int(m_objects.size()))
        m_objects[size_t(index)]->MouseMove(X, Y);
}

void TkvSorvane::MouseDown(Qt::MouseButton button, int X, int Y)
{
    if (m_hoverIndex < 0 || m_hoverIndex >= int(m_objects.size()))
        return;
    m_captureIndex = m_hoverIndex;
    m_objects[size_t(m_captureIndex)]->MouseDown(X, Y, button);
}

void TkvSorvane::MouseUp(Qt::MouseButton button, int X, int Y)
{
    if (m_captureIndex < 0 || m_captureIndex >= int(m_objects.size()))
        return;
    const int index = m_captureIndex;
    m_captureIndex = -1;
    m_objects[size_t(index)]->MouseUp(X, Y, button);
}

void TkvSorvane::MouseDBlClick()
{
    if (m_hoverIndex >= 0 && m_hoverIndex < int(m_objects.size()))
        m_objects[size_t(m_hoverIndex)]->DblClick();
}

void TkvSorvane::UpDateActiveObjects()
{
    for (const auto& object : m_objects) {
        if (dynamic_cast<TkvSkinCaptionObject*>(object.get()))
            continue;
        object->highlighted = false;
        object->mouseInside = false;
        object->morphKf = 0;
    }
}

void TkvSorvane::startMorphTimer()
{
    if (!m_morphTimer->isActive())
        m_morphTimer->start();
}

void TkvSorvane::TestMorph()
{
    bool stepped = false;
    for (const auto& object : m_objects) {
        if (object->morphing && object->CanMorphing()) {
            object->DoMorphing();
            stepped = true;
        }
    }
    if (!stepped)
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
    m_mouseTimer->stop();
    m_hoverIndex = m_captureIndex = -1;
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
        m_hoverIndex = m_captureIndex = -1;
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
            TestActive(p.x(), p.y(), true);
            MouseDown(Qt::LeftButton, p.x(), p.y());
            m_captureIndex = -1;
            return;
        }
        if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
            startSizing(code);
            return;
        }
    }
    if (code == HTCLIENT)
        return;
    TestActive(p.x(), p.y(), true);
    MouseDown(event->button(), p.x(), p.y());
    if (event->button() == Qt::RightButton && code == HTCAPTION) {
        m_captureIndex = -1;
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
    if (m_captureIndex == -1)
        updateCursor(code);
    if (code == HTOBJECT || code == HTCAPTION || m_hoverIndex != -1 || m_captureIndex != -1) {
        TestActive(p.x(), p.y(), true);
        if (!m_mouseTimer->isActive() && (m_hoverIndex != -1 || m_captureIndex != -1))
            m_mouseTimer->start();
    }
    MouseMove(p.x(), p.y());
}

void TkvSorvane::mouseRelease(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool dragged = m_drag.inSizeMove();
    m_drag.handle(FrameDragEvent::Release);
    if (dragged)
        return;
    // The release decides by where the pointer is now.
    TestActive(p.x(), p.y(), true);
    MouseUp(event->button(), p.x(), p.y());
}

void TkvSorvane::mouseDoubleClick(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int code = HitTest(p);
    TestActive(p.x(), p.y(), true);
    if (event->button() == Qt::LeftButton) {
        MouseDown(Qt::LeftButton, p.x(), p.y());
        MouseDBlClick();
        if (code == HTCAPTION) {
            m_captureIndex = -1;
            CaptionDoubleClick();
        }
    } else if (event->button() == Qt::RightButton) {
        MouseDown(Qt::RightButton, p.x(), p.y());
        if (code == HTCAPTION)
            m_captureIndex = -1;
    }
}

} // namespace skin
