#pragma once

#include "skin/data/SkinTypes.h"

#include <QPoint>

#include <functional>
#include <memory>
#include <vector>

class QObject;
class QTimer;

namespace skin {

class TkvActiveSkinObject;

// Whether the pointer lights the object under it.
enum class FrameTracking { Off, On };

// Routes the pointer to the frame's objects: which one is under it
// (hover), which one holds it while a button is down (capture), presses,
// releases and double clicks, and the 50 ms tick that notices the pointer
// leaving the frame without a mouse event. Points are window coordinates.
class FrameObjectRouter {
public:
    using Objects = std::vector<std::unique_ptr<TkvActiveSkinObject>>;

    // What the router asks of its window.
    struct Window {
        std::function<bool()> active;
        // Moving or sizing: the platform has the pointer.
        std::function<bool()> dragging;
        std::function<QPoint()> pointer;
        std::function<TRect()> clientRect;
        // The lit object's hint, shown while it is lit.
        std::function<void(const QString& hint)> showHint;
        std::function<void()> hideHint;
    };

    // The tracking timer, "mouseTimer", is a child of timerOwner.
    FrameObjectRouter(const Objects& objects, Window window, QObject* timerOwner);

    int hoverIndex() const { return m_hoverIndex; }
    int captureIndex() const { return m_captureIndex; }
    // Neither lit nor held.
    bool idle() const { return m_hoverIndex == -1 && m_captureIndex == -1; }

    // Lights the first enabled, visible object under p and lets go of the
    // one lit before; while an object holds the pointer, no other lights.
    void testActive(QPoint p, FrameTracking tracking);
    // The tracking tick: asks where the pointer is now.
    void track();
    // Moves go to the object that holds the pointer, else the lit one.
    void move(QPoint p);
    // The lit object takes the pointer and the press.
    void press(Qt::MouseButton button, QPoint p);
    // The holding object lets go and hears the release, wherever it is.
    void release(Qt::MouseButton button, QPoint p);
    void doubleClick();
    // The pointer left the window: the lit object goes dark, unless an
    // object holds the pointer (its release is still to come).
    void leave();

    // No object holds the pointer any more (a menu or the platform took it)
    // without hearing a release.
    void releaseCapture() { m_captureIndex = -1; }
    // Nothing lit or held, without telling the objects (they are gone or
    // were reset).
    void forget();
    // Starts the tick while something is lit or held.
    void startTracking();
    void stopTracking();

private:
    bool valid(int index) const { return index >= 0 && index < int(m_objects.size()); }

    const Objects& m_objects;
    Window m_window;
    QTimer* m_timer;
    int m_hoverIndex = -1;
    int m_captureIndex = -1;
};

} // namespace skin
