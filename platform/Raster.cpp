#include "platform/Raster.h"

#include <algorithm>
#include <array>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::raster {

namespace {

constexpr double kEpsilon = 1e-9;

// Pixels whose centres lie in [from, to].
Run centresIn(double from, double to)
{
    return {static_cast<int>(std::ceil(from - 0.5 - kEpsilon)), static_cast<int>(std::floor(to - 0.5 + kEpsilon))};
}

Run clipRun(Run run, int y, const HalfPlane* clip)
{
    if (!clip || run.last < run.first)
        return run;
    const double cy = y + 0.5;
    const double rest = clip->b * cy + clip->c;
    if (std::abs(clip->a) < kEpsilon)
        return rest >= -kEpsilon ? run : Run{};
    const double bound = -rest / clip->a - 0.5;
    if (clip->a > 0)
        run.first = std::max(run.first, static_cast<int>(std::ceil(bound - kEpsilon)));
    else
        run.last = std::min(run.last, static_cast<int>(std::floor(bound + kEpsilon)));
    return run;
}

// The compiler does not vectorise a plain fill loop at our optimisation
// level, and fills are most of the canvas's work.
void fillPixelRun(QRgb* out, int count, QRgb color)
{
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(static_cast<int>(color));
    for (; count >= 4; count -= 4, out += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), four);
#endif
    for (; count > 0; --count)
        *out++ = color;
}

} // namespace

void fillRun(const Target& target, int y, int first, int last, QRgb color)
{
    if (y < 0 || y >= target.height)
        return;
    first = std::max(first, 0);
    last = std::min(last, target.width - 1);
    if (first > last)
        return;
    fillPixelRun(target.pixels + y * target.stride + first, last - first + 1, color);
}

namespace {

Spans computeEllipse(int left, int top, int right, int bottom)
{
    Spans spans;
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double rx = (right - left) / 2;
    const double ry = (bottom - top) / 2;
    if (rx <= 0 || ry <= 0)
        return spans;
    spans.top = static_cast<int>(std::floor(top));
    const int bottomRow = static_cast<int>(std::ceil(bottom));
    spans.rows.reserve(static_cast<std::size_t>(bottomRow - spans.top));
    for (int y = spans.top; y < bottomRow; ++y) {
        const double v = (y + 0.5 - cy) / ry;
        if (std::abs(v) > 1) {
            spans.rows.push_back({});
            continue;
        }
        const double dx = rx * std::sqrt(1 - v * v);
        spans.rows.push_back(centresIn(cx - dx, cx + dx));
    }
    return spans;
}

} // namespace

const Spans& ellipse(int left, int top, int right, int bottom)
{
    struct Entry {
        int left, top, right, bottom;
        Spans spans;
    };
    static thread_local std::array<Entry, 8> recent;
    static thread_local std::size_t next = 0;
    for (const Entry& entry : recent)
        if (entry.left == left && entry.top == top && entry.right == right && entry.bottom == bottom
            && !entry.spans.rows.empty())
            return entry.spans;
    Entry& entry = recent[next];
    next = (next + 1) % recent.size();
    entry = {left, top, right, bottom, computeEllipse(left, top, right, bottom)};
    return entry.spans;
}

Spans capsule(QPointF a, QPointF b, double width)
{
    Spans spans;
    const double r = width / 2;
    spans.top = static_cast<int>(std::floor(std::min(a.y(), b.y()) - r));
    const int bottomRow = static_cast<int>(std::ceil(std::max(a.y(), b.y()) + r)) + 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    spans.rows.reserve(static_cast<std::size_t>(bottomRow - spans.top));
    for (int y = spans.top; y < bottomRow; ++y) {
        const double cy = y + 0.5;
        double from = std::numeric_limits<double>::infinity();
        double to = -from;
        // The round ends.
        for (const QPointF& end : {a, b}) {
            const double h = cy - end.y();
            if (std::abs(h) <= r) {
                const double s = std::sqrt(r * r - h * h);
                from = std::min(from, end.x() - s);
                to = std::max(to, end.x() + s);
            }
        }
        // The body: points whose projection falls on the segment and whose
        // distance from its line is at most r. Each condition is linear in
        // x along the row, so together they give one interval.
        if (length > 0 && std::abs(dy) > kEpsilon) {
            const double ux = dx / length;
            const double uy = dy / length;
            double lo = -std::numeric_limits<double>::infinity();
            double hi = -lo;
            const auto limit = [&](double slope, double offset, double min, double max) {
                // min <= slope * x + offset <= max
                if (std::abs(slope) < kEpsilon) {
                    if (offset < min - kEpsilon || offset > max + kEpsilon)
                        hi = lo - 1;
                    return;
                }
                double x1 = (min - offset) / slope;
                double x2 = (max - offset) / slope;
                if (x1 > x2)
                    std::swap(x1, x2);
                lo = std::max(lo, x1);
                hi = std::min(hi, x2);
            };
            // Along the segment: (x - a.x) * ux + (cy - a.y) * uy in [0, length].
            limit(ux, -a.x() * ux + (cy - a.y()) * uy, 0, length);
            // Across it: (x - a.x) * uy - (cy - a.y) * ux in [-r, r].
            limit(uy, -a.x() * uy - (cy - a.y()) * ux, -r, r);
            if (lo <= hi) {
                from = std::min(from, lo);
                to = std::max(to, hi);
            }
        } else if (length > 0 && std::abs(cy - a.y()) <= r) {
            from = std::min(from, std::min(a.x(), b.x()));
            to = std::max(to, std::max(a.x(), b.x()));
        }
        spans.rows.push_back(from <= to ? centresIn(from, to) : Run{});
    }
    return spans;
}

void fill(const Target& target, const Spans& spans, QRgb color, const HalfPlane* clip)
{
    for (int y = spans.top; y < spans.bottom(); ++y) {
        const Run run = clipRun(spans.row(y), y, clip);
        fillRun(target, y, run.first, run.last, color);
    }
}

void fillBand(const Target& target, const Spans& outer, const Spans& inner, QRgb color, const HalfPlane* clip)
{
    for (int y = outer.top; y < outer.bottom(); ++y) {
        const Run out = outer.row(y);
        const Run in = inner.row(y);
        if (in.last < in.first || in.first > out.last || in.last < out.first) {
            const Run run = clipRun(out, y, clip);
            fillRun(target, y, run.first, run.last, color);
            continue;
        }
        const Run left = clipRun({out.first, in.first - 1}, y, clip);
        const Run right = clipRun({in.last + 1, out.last}, y, clip);
        fillRun(target, y, left.first, left.last, color);
        fillRun(target, y, right.first, right.last, color);
    }
}

} // namespace platform::raster
