#include "PixelArt.h"

#include <algorithm>
#include <cmath>

namespace skingen {

QRgb mix(QRgb a, QRgb b, double t)
{
    const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

void PixelArt::pixel(int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
        m_image.setPixel(x, y, colour);
}

void PixelArt::fill(const TRect& r, QRgb colour)
{
    const int left = std::max(r.left, 0);
    const int right = std::min(r.right, m_image.width());
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, m_image.height()); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(line + std::min(left, right), line + right, colour | 0xff000000u);
    }
}

void PixelArt::frame(const TRect& r, QRgb colour)
{
    hline(r.left, r.right, r.top, colour);
    hline(r.left, r.right, r.bottom - 1, colour);
    vline(r.left, r.top, r.bottom, colour);
    vline(r.right - 1, r.top, r.bottom, colour);
}

void PixelArt::verticalGradient(const TRect& r, QRgb top, QRgb bottom)
{
    const int rows = r.bottom - r.top;
    for (int i = 0; i < rows; ++i)
        hline(r.left, r.right, r.top + i, mix(top, bottom, rows > 1 ? double(i) / (rows - 1) : 0.0));
}

void PixelArt::roundedFrame(const TRect& r, QRgb line, QRgb behind)
{
    frame(r, line);
    pixel(r.left, r.top, behind);
    pixel(r.right - 1, r.top, behind);
    pixel(r.left, r.bottom - 1, behind);
    pixel(r.right - 1, r.bottom - 1, behind);
}

void PixelArt::raisedBox(const TRect& r, QRgb line, QRgb top, QRgb bottom, QRgb behind)
{
    verticalGradient({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, top, bottom);
    hline(r.left + 1, r.right - 1, r.top + 1, mix(top, qRgb(255, 255, 255), 0.45));
    roundedFrame(r, line, behind);
}

void PixelArt::copy(const TRect& from, int x, int y)
{
    const QImage part = m_image.copy(from.left, from.top, from.width(), from.height());
    for (int row = 0; row < part.height(); ++row)
        for (int col = 0; col < part.width(); ++col)
            pixel(x + col, y + row, part.pixel(col, row));
}

void drawArrow(PixelArt& art, const TRect& r, Arrow direction, int size, QRgb colour)
{
    const int cx = (r.left + r.right - 1) / 2;
    const int cy = (r.top + r.bottom - 1) / 2;
    // Row i of the triangle is 2i+1 pixels long, the tip first.
    for (int i = 0; i < size; ++i) {
        const int offset = i - size / 2;
        switch (direction) {
        case Arrow::Up: art.hline(cx - i, cx + i + 1, cy + offset, colour); break;
        case Arrow::Down: art.hline(cx - i, cx + i + 1, cy - offset, colour); break;
        case Arrow::Left: art.vline(cx + offset, cy - i, cy + i + 1, colour); break;
        case Arrow::Right: art.vline(cx - offset, cy - i, cy + i + 1, colour); break;
        }
    }
}

} // namespace skingen
