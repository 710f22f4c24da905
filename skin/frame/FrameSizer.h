#pragma once

#include "skin/frame/FrameWindowState.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace skin {

class TkvSorvane;

// Sizes and places the frame's window: the limits the skin and the owner
// set, the size a fixed client asks for, the window's part of a state
// change (the work area when maximized, the bounds to restore, the height
// before a roll-up), and snapping to the work area's edges.
class FrameSizer {
public:
    explicit FrameSizer(TkvSorvane& frame)
        : m_frame(frame)
    {
    }

    int minWidth() const;
    int minHeight() const;
    int maxWidth() const;
    int maxHeight() const;
    // The height without a roll-up.
    int realHeight() const;

    // Sizes the window within its limits, or fixes the size where the
    // user may not change it.
    void applySize(int width, int height);
    // The size for the owner's client width and height, each when set.
    void fitClient();
    // Does the window's part of a state transition: every action but
    // Relayout and NotifyRollUp, which are the frame's.
    void run(FrameStateActions actions);
    // The window moved: snaps it to the work area's edges when magnetic.
    void snap();
    // The window was resized. Brought to a screen of another scale, the
    // platform keeps its size in pixels; the window keeps its size in
    // logical units instead, so its layout stays whole.
    void followScale();

private:
    // The screen's work area, or all of it with MaximizeOnFullScreen.
    QSize screenLimit() const;
    QRect maximizedArea() const;

    TkvSorvane& m_frame;
    QRect m_restoreBounds;
    int m_heightBeforeRollUp = 0;
    // The window moves because of the snap itself.
    bool m_snapping = false;
    qreal m_scale = 0;
    QSize m_sizeAtScale;
};

} // namespace skin
