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
constexpr int kMaxExtent = 1 << 16;

// std::floor and std::ceil are library calls on the baseline x86-64 target;
// these are not. Values are kept inside int first.
constexpr double kFar = 1e9;

int floorToInt(double v)
{
    v = std::clamp(v, -kFar, kFar);
    const int i = static_cast<int>(v);
    return i - (v < i);
}

int ceilToInt(double v)
{
    v = std::clamp(v, -kFar, kFar);
    const int i = static_cast<int>(v);
    return i + (v > i);
}

// Pixels whose centres lie in [from, to].
Run centresIn(double from, double to)
{
    return {ceilToInt(from - 0.5 - kEpsilon), floorToInt(to - 0.5 + kEpsilon)};
}

// A half-plane as a limit on each row: the pixels right of (or left of)
// a bound that moves linearly from row to row.
class RowClip {
public:
    explicit RowClip(const HalfPlane* plane) : m_plane(plane)
    {
        if (!plane || std::abs(plane->a) < kEpsilon)
            return;
        m_slope = -plane->b / plane->a;
        m_offset = -(0.5 * plane->b + plane->c) / plane->a - 0.5;
    }

    Run apply(Run run, int y) const
    {
        if (!m_plane || run.last < run.first)
            return run;
        if (std::abs(m_plane->a) < kEpsilon)
            return m_plane->b * (y + 0.5) + m_plane->c >= -kEpsilon ? run : Run{};
        const double bound = m_offset + m_slope * y;
        if (m_plane->a > 0)
            run.first = std::max(run.first, ceilToInt(bound - kEpsilon));
        else
            run.last = std::min(run.last, floorToInt(bound + kEpsilon));
        return run;
    }

private:
    const HalfPlane* m_plane;
    double m_slope = 0;
    double m_offset = 0;
};

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
    const double cx = (double(left) + right) / 2;
    const double cy = (double(top) + bottom) / 2;
    const double rx = (double(right) - left) / 2;
    const double ry = (double(bottom) - top) / 2;
    if (rx <= 0 || ry <= 0)
        return spans;
    spans.top = top;
    const int bottomRow = bottom;
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
    static const Spans none;
    // Nothing on any picture we draw is this big.
    if (qint64(right) - left > kMaxExtent || qint64(bottom) - top > kMaxExtent)
        return none;
    for (const Entry& entry : recent)
        if (entry.left == left && entry.top == top && entry.right == right && entry.bottom == bottom
            && !entry.spans.rows.empty())
            return entry.spans;
    Entry& entry = recent[next];
    next = (next + 1) % recent.size();
    entry = {left, top, right, bottom, computeEllipse(left, top, right, bottom)};
    return entry.spans;
}

Spans capsule(QPointF a, QPointF b, double width, int firstRow, int endRow)
{
    Spans spans;
    const double r = width / 2;
    spans.top = std::max(floorToInt(std::min(a.y(), b.y()) - r), firstRow);
    const int bottomRow = std::min(ceilToInt(std::max(a.y(), b.y()) + r) + 1, endRow);
    if (bottomRow <= spans.top)
        return spans;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    const double ux = length > 0 ? dx / length : 0;
    const double uy = length > 0 ? dy / length : 0;
    const double invUx = std::abs(ux) > kEpsilon ? 1 / ux : 0;
    const double invUy = std::abs(uy) > kEpsilon ? 1 / uy : 0;
    // Half the width of the body's cut through a row.
    const double halfWidth = r * std::abs(invUy);
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
        // The body: points within r of the segment's line whose projection
        // falls on the segment. Both conditions are linear in x along a row.
        if (length > 0 && std::abs(dy) > kEpsilon) {
            const double t = cy - a.y();
            const double xc = a.x() + t * ux * invUy;
            double lo = xc - halfWidth;
            double hi = xc + halfWidth;
            const double along = t * uy;
            if (std::abs(ux) > kEpsilon) {
                double x1 = a.x() - along * invUx;
                double x2 = a.x() + (length - along) * invUx;
                if (x1 > x2)
                    std::swap(x1, x2);
                lo = std::max(lo, x1);
                hi = std::min(hi, x2);
            } else if (along < 0 || along > length) {
                hi = lo - 1;
            }
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
    const RowClip rows(clip);
    for (int y = spans.top; y < spans.bottom(); ++y) {
        const Run run = rows.apply(spans.row(y), y);
        fillRun(target, y, run.first, run.last, color);
    }
}

void fillBand(const Target& target, const Spans& outer, const Spans& inner, QRgb color, const HalfPlane* clip)
{
    const RowClip rows(clip);
    for (int y = outer.top; y < outer.bottom(); ++y) {
        const Run out = outer.row(y);
        const Run in = inner.row(y);
        if (in.last < in.first || in.first > out.last || in.last < out.first) {
            const Run run = rows.apply(out, y);
            fillRun(target, y, run.first, run.last, color);
            continue;
        }
        const Run left = rows.apply({out.first, in.first - 1}, y);
        const Run right = rows.apply({in.last + 1, out.last}, y);
        fillRun(target, y, left.first, left.last, color);
        fillRun(target, y, right.first, right.last, color);
    }
}

} // namespace platform::raster
