#pragma once

#include <QPoint>

namespace skin {

// What the left button is doing to the window.
enum class FrameDragState {
    None,
    // Pressed on the caption, waiting for the pointer to move far enough
    // for a move, so that clicks and double clicks stay the caption's.
    CaptionPressed,
    // The platform moves the window.
    MovingBySystem,
    // The platform would not move it: the frame follows the pointer itself.
    MovingByFrame,
    // The platform sizes the window at an edge.
    SizingBySystem,
};

enum class FrameDragEvent {
    // Any press: whatever came before is over.
    Press,
    PressCaption,
    // The caption was dragged far enough but the window may not move
    // (maximized).
    StayPut,
    // The caption was dragged far enough; the platform is asked to move.
    MoveStart,
    // The platform refused to move the window.
    MoveRefused,
    // An edge was pressed; the platform is asked to size.
    SizeStart,
    Release,
};

// The drag state of a frame and the point where the caption was pressed.
class FrameDrag {
public:
    FrameDragState state() const { return m_state; }
    // Moving or sizing: the pointer is not the frame objects'.
    bool inSizeMove() const;
    // The state after event; the state itself where the event has no
    // business.
    static FrameDragState next(FrameDragState state, FrameDragEvent event);

    void handle(FrameDragEvent event) { m_state = next(m_state, event); }
    void pressCaption(QPoint windowPoint);
    // Whether the pointer, pressed on the caption, has gone far enough to
    // move the window.
    bool pastDragDistance(QPoint windowPoint, int distance) const;
    // Where the caption was pressed, in window coordinates: while the frame
    // moves the window, the pointer's offset from the window's corner.
    QPoint grabPoint() const { return m_grabPoint; }

private:
    FrameDragState m_state = FrameDragState::None;
    QPoint m_grabPoint;
};

} // namespace skin
