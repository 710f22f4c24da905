#pragma once

#include "platform/Bitmap.h"
#include "platform/Dimming.h"

#include <QWidget>

#include <functional>

namespace platform {

// The picture control: shows its bitmap at the top-left corner. Drawing
// goes to Picture()'s canvas; Invalidate() shows the result.
//
// A picture that changes faster than any screen shows (an instrument fed by
// telemetry) is drawn on demand instead: InvalidateDrawing() marks it out of
// date, and the drawing runs once before the next paint or the next look at
// Picture().
//
// A drawn picture has the pixel ratio of the screen the control is on and
// is drawn again when that changes; a picture put in by its owner is 1x
// art, scaled to the screen as it is shown.
class TImage : public QWidget, public Dimmable {
public:
    using Drawing = std::function<void(TBitmap& picture)>;

    explicit TImage(QWidget* parent = nullptr);

    TBitmap& Picture();
    const TBitmap& Picture() const;
    // Sizes the bitmap to the control (new area white).
    void SetBounds(int left, int top, int width, int height);
    void Invalidate() { update(); }

    void SetDrawing(Drawing drawing) { m_drawing = std::move(drawing); }
    void InvalidateDrawing();

    void setDimming(const Dimming& dimming) override;
    const Dimming& dimming() const override { return m_dimming; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawIfOutOfDate() const;
    // A drawn picture takes the control's ratio.
    void followRatio() const;

    // Drawing on demand changes the picture, not what the control shows.
    mutable TBitmap m_picture;
    Drawing m_drawing;
    mutable bool m_outOfDate = false;
    bool m_paintDue = false;
    Dimming m_dimming;
};

} // namespace platform
