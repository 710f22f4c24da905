#pragma once

#include <QString>

class QPainter;
class QRect;

namespace platform {

// How a control shows that what it displays is old: a grey veil that
// takes the contrast out of it, and a mark in its middle when given.
struct Dimming {
    bool on = false;
    QString mark;

    bool operator==(const Dimming&) const = default;
};

// A control that can be dimmed; it repaints when its dimming changes.
class Dimmable {
public:
    virtual void setDimming(const Dimming& dimming) = 0;
    virtual const Dimming& dimming() const = 0;

protected:
    ~Dimmable() = default;
};

// Paints the dimming over what area shows; nothing when it is off.
void paintDimming(QPainter& painter, const QRect& area, const Dimming& dimming);

} // namespace platform
