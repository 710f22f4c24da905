#include "platform/RegionPaint.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

QImage pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 13 + seed) % 256, (y * 7 + seed) % 256, (x ^ y) % 256));
    return image;
}

// A panel's area less three opaque children, as a widget's paint region is.
QRegion panelRegion()
{
    return QRegion(0, 0, 120, 90) - QRegion(10, 10, 30, 20) - QRegion(60, 15, 40, 50) - QRegion(20, 50, 25, 30);
}

// Painting rectangle by rectangle lands exactly what one clipped paint
// would, and nothing outside the region.
TEST(RegionPaint, SameAsOnePaintUnderTheRegion)
{
    const QRegion region = panelRegion();
    ASSERT_GT(region.rectCount(), 4);
    const QImage face = pattern(100, 70, 3);
    const QImage tile = pattern(7, 5, 11);
    for (const QPoint origin : {QPoint(0, 0), QPoint(15, 12), QPoint(-8, -6)}) {
        SCOPED_TRACE(origin.x());
        QImage expected = pattern(120, 90, 50);
        QImage drawn = expected;
        {
            QPainter painter(&expected);
            painter.setClipRegion(region);
            painter.drawImage(origin, face);
        }
        {
            QPainter painter(&drawn);
            drawImageInRegion(painter, region, origin, face);
            // The painter's clip is as it was: a pixel outside the region
            // can still be painted.
            painter.fillRect(10, 10, 1, 1, Qt::red);
        }
        EXPECT_EQ(drawn.pixel(10, 10), qRgb(255, 0, 0));
        drawn.setPixel(10, 10, expected.pixel(10, 10));
        EXPECT_EQ(drawn, expected);
    }

    QImage expected = pattern(120, 90, 50);
    QImage filled = expected;
    {
        QPainter painter(&expected);
        painter.setClipRegion(region);
        painter.fillRect(region.boundingRect(), QBrush(tile));
    }
    {
        QPainter painter(&filled);
        fillRegion(painter, region, QBrush(tile));
    }
    EXPECT_EQ(filled, expected) << "a tiled brush keeps its origin";
}

} // namespace
