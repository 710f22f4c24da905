#pragma once

#include "skin/frame/FrameDrag.h"

class QMouseEvent;

namespace skin {

class FrameObjectRouter;
class TkvSorvane;

// The window's mouse events on the frame. By the hit test, a press on the
// caption may become a move and one on an edge a resize, done by the
// platform (or by the frame where the platform will not); everything else
// reaches the frame's objects through the router. Points are window
// coordinates.
class FrameMouse {
public:
    FrameMouse(TkvSorvane& frame, FrameObjectRouter& router);

    const FrameDrag& drag() const { return m_drag; }

    void press(QMouseEvent* event);
    void move(QMouseEvent* event);
    void release(QMouseEvent* event);
    void doubleClick(QMouseEvent* event);

private:
    void updateCursor(int code);
    // The caption was dragged far enough: the window moves.
    void startMove();
    void startSizing(int code);

    TkvSorvane& m_frame;
    FrameObjectRouter& m_router;
    FrameDrag m_drag;
};

} // namespace skin
