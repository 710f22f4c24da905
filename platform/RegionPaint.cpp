#include "platform/RegionPaint.h"

namespace platform {

void drawImageInRegion(QPainter& painter, const QRegion& region, QPoint origin, const QImage& image)
{
    if (region.rectCount() <= 1) {
        painter.drawImage(origin, image);
        return;
    }
    const QRect area(origin, image.size());
    painter.save();
    for (const QRect& rect : region) {
        const QRect part = rect & area;
        if (part.isEmpty())
            continue;
        painter.setClipRect(part);
        painter.drawImage(part.topLeft(), image, part.translated(-origin));
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

} // namespace platform
