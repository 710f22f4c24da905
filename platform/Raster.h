#pragma once

#include <QImage>
#include <QPointF>

#include <vector>

// Scan conversion of the canvas's shapes. Coordinates are continuous with
// pixel (x, y) covering [x, x + 1) x [y, y + 1); a pixel belongs to a shape
// when its centre does. Every shape here is convex, so it is one run per row.
namespace platform::raster {

struct Run {
    int first = 1;
    int last = 0; // inclusive; empty when last < first
};

struct Spans {
    int top = 0;
    std::vector<Run> rows;

    Run row(int y) const
    {
        const int i = y - top;
        return i >= 0 && i < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(i)] : Run{};
    }
    int bottom() const { return top + static_cast<int>(rows.size()); }
};

// Direct access to a 32-bit image's pixels, taken once per drawing
// operation rather than once per run.
struct Target {
    QRgb* pixels = nullptr;
    qsizetype stride = 0; // in pixels
    int width = 0;
    int height = 0;

    static Target of(QImage& image)
    {
        if (image.isNull())
            return {};
        return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / 4, image.width(), image.height()};
    }
};

// The points where a * x + b * y + c >= 0.
struct HalfPlane {
    double a = 0;
    double b = 0;
    double c = 1;
};

// The ellipse inscribed in the box; symmetric in both axes. The instruments
// draw the same few ellipses on every frame, so recent ones are kept. Boxes
// wider or higher than 65536 give nothing.
const Spans& ellipse(int left, int top, int right, int bottom);

// A line of the given width with round ends: the points within width / 2
// of the segment from a to b, on the rows firstRow to endRow - 1 only.
Spans capsule(QPointF a, QPointF b, double width, int firstRow, int endRow);

void fill(const Target& target, const Spans& spans, QRgb color, const HalfPlane* clip = nullptr);

// The pixels of outer that are not in inner.
void fillBand(const Target& target, const Spans& outer, const Spans& inner, QRgb color, const HalfPlane* clip = nullptr);

// Pixels of the run on row y.
void fillRun(const Target& target, int y, int first, int last, QRgb color);

} // namespace platform::raster
