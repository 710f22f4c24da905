#pragma once

#include "platform/Geometry.h"

#include <QImage>

namespace skingen {

using platform::TRect;

// Pixel-exact drawing on an RGB32 picture: no antialiasing, rectangles
// exclude their right and bottom edges, every call names its colour.
class PixelArt {
public:
    explicit PixelArt(QImage& image) : m_image(image) {}

    void pixel(int x, int y, QRgb colour);
    void fill(const TRect& r, QRgb colour);
    void hline(int x0, int x1, int y, QRgb colour) { fill({x0, y, x1, y + 1}, colour); }
    void vline(int x, int y0, int y1, QRgb colour) { fill({x, y0, x + 1, y1}, colour); }
    // One-pixel outline just inside r.
    void frame(const TRect& r, QRgb colour);
    // Rows from top to bottom blend evenly from one colour to the other.
    void verticalGradient(const TRect& r, QRgb top, QRgb bottom);
    // Outline with its four corner pixels in the colour of what lies behind.
    void roundedFrame(const TRect& r, QRgb line, QRgb behind);
    // Raised box: outline, lighter first row, vertical gradient inside.
    void raisedBox(const TRect& r, QRgb line, QRgb top, QRgb bottom, QRgb behind);
    // Copies a part of the picture to another place of the same picture.
    void copy(const TRect& from, int x, int y);

    QImage& image() { return m_image; }

private:
    QImage& m_image;
};

// Straight mix: t = 0 gives a, t = 1 gives b.
QRgb mix(QRgb a, QRgb b, double t);

enum class Arrow { Left, Right, Up, Down };
// A solid triangle pointing one way, centred in r; size rows deep.
void drawArrow(PixelArt& art, const TRect& r, Arrow direction, int size, QRgb colour);

} // namespace skingen
