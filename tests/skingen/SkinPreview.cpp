#include "SkinPreview.h"

namespace preview {

namespace {

// Source offset of target position t along one axis: a fixed start up to
// from, a tiled middle from..to, a fixed end after it.
int mapAxis(int t, int from, int to, int size, int target)
{
    const int newTo = to + (target - size);
    if (t < from)
        return t;
    if (t >= newTo)
        return to + (t - newTo);
    const int middle = to - from;
    return middle > 0 ? from + (t - from) % middle : from;
}

} // namespace

QImage ninePart(const QImage& picture, const Cut& c, int width, int height)
{
    const int w = c.area.width();
    const int h = c.area.height();
    const int dw = width - w;
    const int dh = height - h;
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sx = 0;
            int sy = 0;
            if (y < c.client.top || y >= c.client.bottom + dh) {
                const bool top = y < c.client.top;
                sx = top ? mapAxis(x, c.lt.x, c.rt.x, w, width) : mapAxis(x, c.lb.x, c.rb.x, w, width);
                sy = top ? y : c.client.bottom + (y - c.client.bottom - dh);
            } else if (x < c.client.left || x >= c.client.right + dw) {
                const bool left = x < c.client.left;
                sx = left ? x : c.client.right + (x - c.client.right - dw);
                sy = left ? mapAxis(y, c.lt.y, c.lb.y, h, height) : mapAxis(y, c.rt.y, c.rb.y, h, height);
            } else {
                sx = c.client.left + (x - c.client.left) % std::max(1, c.client.width());
                sy = c.client.top + (y - c.client.top) % std::max(1, c.client.height());
            }
            out.setPixel(x, y, picture.pixel(c.area.left + sx, c.area.top + sy));
        }
    }
    return out;
}

QImage threePart(const QImage& picture, const TRect& area, int left, int right, int width)
{
    QImage out(width, area.height(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < width; ++x)
            out.setPixel(x, y, picture.pixel(area.left + mapAxis(x, left, area.width() - right, area.width(), width), area.top + y));
    return out;
}

QImage threePartVertical(const QImage& picture, const TRect& area, int top, int bottom, int height)
{
    QImage out(area.width(), height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < area.width(); ++x)
            out.setPixel(x, y, picture.pixel(area.left + x, area.top + mapAxis(y, top, area.height() - bottom, area.height(), height)));
    return out;
}

QImage part(const QImage& picture, const TRect& area)
{
    return picture.copy(area.left, area.top, area.width(), area.height());
}

} // namespace preview
