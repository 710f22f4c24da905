#pragma once

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QRegion>

class QWidget;

namespace platform {

// A widget's paint region is its area less its opaque children: many
// rectangles. Clipped to such a region the painter blends span by span;
// clipped to one rectangle it copies whole rows, several times faster.
// These draw rectangle by rectangle; what lands on the device is the same.

// image with its top-left corner at origin, inside region only.
void drawImageInRegion(QPainter& painter, const QRegion& region, QPoint origin, const QImage& image);
// brush over region, with the painter's brush origin.
void fillRegion(QPainter& painter, const QRegion& region, const QBrush& brush);

// Asks widget to repaint a part of it. At a fractional pixel ratio the
// part's edges fall inside device pixels, which the window system's
// rounding of the request can leave out; one more pixel on each side
// covers them.
void updatePart(QWidget& widget, const QRect& part);

} // namespace platform
