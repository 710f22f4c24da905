#include "platform/RegionPaint.h"

#include "platform/Bitmap.h"

#include <QWidget>

namespace platform {

void drawImageInRegion(QPainter& painter, const QRegion& region, QPoint origin, const QImage& image)
{
    if (region.rectCount() <= 1) {
        painter.drawImage(origin, image);
        return;
    }
    // The image's own ratio maps its pixels to the painter's logical units.
    const qreal ratio = image.devicePixelRatio();
    const QRect area(origin, image.deviceIndependentSize().toSize());
    painter.save();
    for (const QRect& rect : region) {
        const QRect part = rect & area;
        if (part.isEmpty())
            continue;
        painter.setClipRect(part);
        if (ratio == 1) {
            painter.drawImage(part.topLeft(), image, part.translated(-origin));
            continue;
        }
        const QRectF source(QRectF(part.translated(-origin)).topLeft() * ratio, QSizeF(part.size()) * ratio);
        painter.drawImage(QRectF(part), image, source);
    }
    painter.restore();
}

void fillRegion(QPainter& painter, const QRegion& region, const QBrush& brush)
{
    if (region.rectCount() <= 1) {
        painter.fillRect(region.boundingRect(), brush);
        return;
    }
    painter.save();
    for (const QRect& rect : region) {
        painter.setClipRect(rect);
        painter.fillRect(rect, brush);
    }
    painter.restore();
}

void updatePart(QWidget& widget, const QRect& part)
{
    const qreal ratio = widget.devicePixelRatioF();
    widget.update(isWholeRatio(ratio) ? part : part.adjusted(-1, -1, 1, 1));
}

} // namespace platform
