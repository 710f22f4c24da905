// Pointer routing to the frame's objects.

#include "skin/frame/FrameObjectRouter.h"

#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameObjects.h"

#include <QTimer>

namespace skin {

FrameObjectRouter::FrameObjectRouter(const Objects& objects, Window window, QObject* timerOwner)
    : m_objects(objects)
    , m_window(std::move(window))
    , m_timer(new QTimer(timerOwner))
{
    m_timer->setObjectName(QStringLiteral("mouseTimer"));
    m_timer->setInterval(50);
    QObject::connect(m_timer, &QTimer::timeout, timerOwner, [this] { track(); });
}

void FrameObjectRouter::testActive(QPoint p, FrameTracking tracking)
{
    if (m_objects.empty() || !m_window.active())
        return;
    const int previous = m_hoverIndex;
    int hit = -1;
    for (size_t i = 0; i < m_objects.size(); ++i) {
        const TkvActiveSkinObject& o = *m_objects[i];
        if (o.enabled && o.visible && ptInRect(o.ObjectRect, p)) {
            hit = int(i);
            break;
        }
    }
    int hover = tracking == FrameTracking::On ? hit : -1;
    if (m_captureIndex != -1 && hover != m_captureIndex)
        hover = -1;
    m_hoverIndex = hover;
    if (m_hoverIndex == previous)
        return;
    if (valid(previous)) {
        TkvActiveSkinObject& left = *m_objects[size_t(previous)];
        if (left.enabled && left.visible) {
            left.MouseLeave();
            if (!left.hint.isEmpty() && m_window.hideHint)
                m_window.hideHint();
        }
    }
    if (m_hoverIndex >= 0) {
        TkvActiveSkinObject& entered = *m_objects[size_t(m_hoverIndex)];
        if (entered.enabled && entered.visible) {
            entered.MouseEnter();
            if (!entered.hint.isEmpty() && m_window.showHint)
                m_window.showHint(entered.hint);
        }
    }
}

void FrameObjectRouter::track()
{
    if (!m_window.active())
        return;
    if (m_window.dragging()) {
        m_timer->stop();
        return;
    }
    const QPoint p = m_window.pointer();
    if (!ptInRect(m_window.clientRect(), p))
        testActive(p, FrameTracking::On);
    else if (m_hoverIndex != -1)
        testActive({-1, -1}, FrameTracking::On);
    // Nothing lit and nothing held: polling again only costs time.
    if (idle())
        m_timer->stop();
}

void FrameObjectRouter::move(QPoint p)
{
    const int index = m_captureIndex != -1 ? m_captureIndex : m_hoverIndex;
    if (valid(index))
        m_objects[size_t(index)]->MouseMove(p.x(), p.y());
}

void FrameObjectRouter::press(Qt::MouseButton button, QPoint p)
{
    if (!valid(m_hoverIndex))
        return;
    m_captureIndex = m_hoverIndex;
    m_objects[size_t(m_captureIndex)]->MouseDown(p.x(), p.y(), button);
}

void FrameObjectRouter::release(Qt::MouseButton button, QPoint p)
{
    if (!valid(m_captureIndex))
        return;
    const int index = m_captureIndex;
    m_captureIndex = -1;
    m_objects[size_t(index)]->MouseUp(p.x(), p.y(), button);
}

void FrameObjectRouter::doubleClick()
{
    if (valid(m_hoverIndex))
        m_objects[size_t(m_hoverIndex)]->DblClick();
}

void FrameObjectRouter::leave()
{
    if (m_captureIndex == -1 && m_hoverIndex != -1)
        testActive({-1, -1}, FrameTracking::On);
}

void FrameObjectRouter::forget() { m_hoverIndex = m_captureIndex = -1; }

void FrameObjectRouter::startTracking()
{
    if (!m_timer->isActive() && !idle())
        m_timer->start();
}

void FrameObjectRouter::stopTracking() { m_timer->stop(); }

} // namespace skin
