#include "platform/Canvas.h"

#include "platform/Bitmap.h"
#include "platform/PixelCopy.h"
#include "platform/Raster.h"
#include "platform/TextCache.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace platform {

namespace {

// On and off runs of the dashed styles of a one-pixel pen, in pixels.
std::span<const int> dashPattern(PenStyle style)
{
    static constexpr std::array dash{18, 6};
    static constexpr std::array dot{3, 3};
    static constexpr std::array dashDot{9, 6, 3, 6};
    static constexpr std::array dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PenStyle::Dash: return dash;
    case PenStyle::Dot: return dot;
    case PenStyle::DashDot: return dashDot;
    case PenStyle::DashDotDot: return dashDotDot;
    case PenStyle::Solid:
    case PenStyle::Clear: break;
    }
    return {};
}

// Where the centre line of a wide pen runs through a pixel: through its
// centre for odd widths; even widths have no middle pixel, so their line
// runs along the pixel's top-left edges and the extra pixel lies up and left.
QPointF penPoint(QPointF pixelCentre, int width)
{
    return width % 2 == 0 ? pixelCentre - QPointF(0.5, 0.5) : pixelCentre;
}

QPointF centreOf(TPoint p) { return {p.x + 0.5, p.y + 0.5}; }

void normalize(int& left, int& top, int& right, int& bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
}

} // namespace

int TFont::Size() const
{
    return -static_cast<int>(std::lround(Height * 72.0 / 96.0));
}

void TFont::SetSize(int points)
{
    Height = -static_cast<int>(std::lround(points * 96.0 / 72.0));
}

TCanvas::TCanvas(TBitmap& bitmap) : m_bitmap(bitmap) {}

qreal TCanvas::ratio() const { return m_bitmap.Ratio(); }

int TCanvas::device(int logical) const { return toDevice(logical, ratio()); }

TRect TCanvas::device(const TRect& logical) const
{
    return {device(logical.left), device(logical.top), device(logical.right), device(logical.bottom)};
}

int TCanvas::devicePenWidth() const
{
    return mapped() ? std::max(1, static_cast<int>(std::lround(Pen.Width * ratio()))) : Pen.Width;
}

void TCanvas::fillPixels(int left, int top, int right, int bottom, TColor color)
{
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    const QRgb pixel = toQRgb(color);
    for (int y = std::max(top, 0); y < std::min(bottom, image.height); ++y)
        raster::fillRun(image, y, left, right - 1, pixel);
}

void TCanvas::FillRect(const TRect& rect)
{
    if (Brush.Style != BrushStyle::Solid)
        return;
    const TRect d = device(rect);
    fillPixels(d.left, d.top, d.right, d.bottom, Brush.Color);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    normalize(left, top, right, bottom);
    if (m_bitmap.Empty())
        return;
    // Without an outline the classic platform fills one pixel less in
    // each direction.
    if (Brush.Style == BrushStyle::Solid) {
        const int shrink = penDraws() ? 0 : 1;
        fillPixels(device(left), device(top), device(right - shrink), device(bottom - shrink), Brush.Color);
    }
    if (!penDraws())
        return;
    if (Pen.Width == 1 && Pen.Style != PenStyle::Solid) {
        const std::array<TPoint, 5> corners{
            TPoint{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
        Polyline(corners);
        return;
    }
    // A wide outline is centred on the one-pixel outline; an even width
    // puts its extra pixel inside.
    const int outside = (Pen.Width - 1) / 2;
    const int w = devicePenWidth();
    const int l = device(left - outside);
    const int t = device(top - outside);
    const int r = device(right + outside);
    const int b = device(bottom + outside);
    fillPixels(l, t, r, t + w, Pen.Color);
    fillPixels(l, b - w, r, b, Pen.Color);
    fillPixels(l, t + w, l + w, b - w, Pen.Color);
    fillPixels(r - w, t + w, r, b - w, Pen.Color);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    normalize(left, top, right, bottom);
    if (m_bitmap.Empty() || right == left || bottom == top)
        return;
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    const bool fill = Brush.Style == BrushStyle::Solid;
    if (!penDraws()) {
        // One pixel less without an outline, as for rectangles.
        if (fill)
            raster::fill(image, raster::ellipse(device(left), device(top), device(right - 1), device(bottom - 1)),
                toQRgb(Brush.Color));
        return;
    }
    const int w = devicePenWidth();
    if (w == 1) {
        thinEllipse(device(left), device(top), device(right), device(bottom));
        return;
    }
    const int o = (Pen.Width - 1) / 2;
    const int l = device(left - o);
    const int t = device(top - o);
    const int r = device(right + o);
    const int b = device(bottom + o);
    const raster::Spans& outer = raster::ellipse(l, t, r, b);
    const raster::Spans& inner = raster::ellipse(l + w, t + w, r - w, b - w);
    if (fill)
        raster::fill(image, inner, toQRgb(Brush.Color));
    raster::fillBand(image, outer, inner, toQRgb(Pen.Color));
}

// A one-pixel outline: the pixels of the shape that touch its outside on
// any of their four sides.
void TCanvas::thinEllipse(int left, int top, int right, int bottom)
{
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    const raster::Spans& spans = raster::ellipse(left, top, right, bottom);
    const QRgb ink = toQRgb(Pen.Color);
    const QRgb paper = toQRgb(Brush.Color);
    const bool fill = Brush.Style == BrushStyle::Solid;
    for (int y = spans.top; y < spans.bottom(); ++y) {
        const raster::Run run = spans.row(y);
        if (run.last < run.first)
            continue;
        const raster::Run up = spans.row(y - 1);
        const raster::Run down = spans.row(y + 1);
        const int innerFirst = std::max({run.first + 1, up.first, down.first});
        const int innerLast = std::min({run.last - 1, up.last, down.last});
        if (innerFirst > innerLast) {
            raster::fillRun(image, y, run.first, run.last, ink);
            continue;
        }
        raster::fillRun(image, y, run.first, innerFirst - 1, ink);
        raster::fillRun(image, y, innerLast + 1, run.last, ink);
        if (fill)
            raster::fillRun(image, y, innerFirst, innerLast, paper);
    }
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    normalize(x1, y1, x2, y2);
    if (m_bitmap.Empty() || x1 == x2 || y1 == y2)
        return;
    // The outline's logical offset, then everything in device pixels.
    const int o = (Pen.Width - 1) / 2;
    const int w = devicePenWidth();
    const TRect outerBox = device(TRect{x1 - o, y1 - o, x2 + o, y2 + o});
    const int shrink = penDraws() ? 0 : 1;
    const TRect fillBox = device(TRect{x1, y1, x2 - shrink, y2 - shrink});
    x1 = device(x1);
    y1 = device(y1);
    x2 = device(x2);
    y2 = device(y2);
    x3 = device(x3);
    y3 = device(y3);
    x4 = device(x4);
    y4 = device(y4);
    // The outline runs through the centres of the box's outermost pixels;
    // the radials meet it where they cross it.
    const QPointF centre((x1 + x2) / 2.0, (y1 + y2) / 2.0);
    const double rx = (x2 - x1 - 1) / 2.0;
    const double ry = (y2 - y1 - 1) / 2.0;
    const auto parameter = [&](TPoint through) {
        const QPointF d = centreOf(through) - centre;
        return std::atan2(ry > 0 ? -d.y() / ry : 0, rx > 0 ? d.x() / rx : 0);
    };
    const auto onOutline = [&](double t) { return centre + QPointF(rx * std::cos(t), -ry * std::sin(t)); };
    const double start = parameter({x3, y3});
    double span = parameter({x4, y4}) - start;
    // Equal radials give the whole ellipse.
    if (span <= 0)
        span += 2 * std::numbers::pi;
    const bool whole = span >= 2 * std::numbers::pi - 1e-12;
    const QPointF a = onOutline(start);
    const QPointF b = onOutline(start + span);

    // The chord is the ellipse cut by the line through the arc's ends, on
    // the side of the arc's middle.
    raster::HalfPlane side{a.y() - b.y(), b.x() - a.x(), 0};
    side.c = -(side.a * a.x() + side.b * a.y());
    const QPointF middle = onOutline(start + span / 2);
    if (side.a * middle.x() + side.b * middle.y() + side.c < 0)
        side = {-side.a, -side.b, -side.c};
    const raster::HalfPlane* clip = whole ? nullptr : &side;

    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    if (Brush.Style == BrushStyle::Solid)
        raster::fill(image, raster::ellipse(fillBox.left, fillBox.top, fillBox.right, fillBox.bottom),
            toQRgb(Brush.Color), clip);
    if (!penDraws())
        return;
    const raster::Spans& outer = raster::ellipse(outerBox.left, outerBox.top, outerBox.right, outerBox.bottom);
    const raster::Spans& inner
        = raster::ellipse(outerBox.left + w, outerBox.top + w, outerBox.right - w, outerBox.bottom - w);
    raster::fillBand(image, outer, inner, toQRgb(Pen.Color), clip);
    if (whole)
        return;
    if (w == 1) {
        const TPoint from{static_cast<int>(std::floor(a.x())), static_cast<int>(std::floor(a.y()))};
        const TPoint to{static_cast<int>(std::floor(b.x())), static_cast<int>(std::floor(b.y()))};
        thinLine(from, to);
        fillPixels(to.x, to.y, to.x + 1, to.y + 1, Pen.Color);
        return;
    }
    raster::fill(image, raster::capsule(penPoint(a, w), penPoint(b, w), w, 0, image.height), toQRgb(Pen.Color));
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    if (m_bitmap.Empty() || !penDraws())
        return;
    if (mapped())
        mappedLine(from, m_penPos);
    else if (Pen.Width == 1)
        thinLine(from, m_penPos);
    else
        wideLine(from, m_penPos);
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (m_bitmap.Empty() || !penDraws())
        return;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (mapped())
            mappedLine(points[i - 1], points[i]);
        else if (Pen.Width == 1)
            thinLine(points[i - 1], points[i]);
        else
            wideLine(points[i - 1], points[i]);
    }
}

// Wide pens have round ends, so consecutive lines join smoothly; the end
// point is painted like every other point under the pen.
void TCanvas::wideLine(TPoint from, TPoint to)
{
    const int w = Pen.Width;
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    const raster::Spans line
        = raster::capsule(penPoint(centreOf(from), w), penPoint(centreOf(to), w), w, 0, image.height);
    raster::fill(image, line, toQRgb(Pen.Color));
}

// The pen's centre line as at ratio 1, in device units: the line covers
// the device pixels of the logical ones it would cover, edges stepping by
// single pixels.
void TCanvas::mappedLine(TPoint from, TPoint to)
{
    const qreal r = ratio();
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    const QPointF a = penPoint(centreOf(from), Pen.Width) * r;
    const QPointF b = penPoint(centreOf(to), Pen.Width) * r;
    raster::fill(image, raster::capsule(a, b, Pen.Width * r, 0, image.height), toQRgb(Pen.Color));
}

// One-pixel line by the midpoint rule, without its end point. The gaps of a
// dashed pen take the brush colour unless the brush is clear. Only the
// steps that can be on the picture are walked, so far-away end points cost
// nothing; beyond 2^29 they are pulled in, which the picture never shows.
void TCanvas::thinLine(TPoint from, TPoint to)
{
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    constexpr qint64 far = qint64(1) << 29;
    const qint64 x0 = std::clamp<qint64>(from.x, -far, far);
    const qint64 y0 = std::clamp<qint64>(from.y, -far, far);
    const qint64 x1 = std::clamp<qint64>(to.x, -far, far);
    const qint64 y1 = std::clamp<qint64>(to.y, -far, far);
    const qint64 dx = std::abs(x1 - x0);
    const qint64 dy = std::abs(y1 - y0);
    const int sx = x1 > x0 ? 1 : -1;
    const int sy = y1 > y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const qint64 major = xMajor ? dx : dy;
    const qint64 minor = xMajor ? dy : dx;
    if (major == 0 || image.pixels == nullptr)
        return;

    // Steps whose coordinate along the major axis is on the picture.
    const qint64 start = xMajor ? x0 : y0;
    const int step = xMajor ? sx : sy;
    const qint64 limit = xMajor ? image.width : image.height;
    const qint64 first = std::max<qint64>(0, step > 0 ? -start : start - (limit - 1));
    const qint64 last = std::min<qint64>(major - 1, step > 0 ? limit - 1 - start : start);

    const QRgb ink = toQRgb(Pen.Color);
    const QRgb gap = toQRgb(Brush.Color);
    const bool paintGaps = Brush.Style == BrushStyle::Solid;
    const auto dashes = dashPattern(Pen.Style);
    int period = 0;
    for (const int length : dashes)
        period += length;

    for (qint64 i = first; i <= last; ++i) {
        // Steps taken along the minor axis after i steps along the major
        // one: the closed form of the midpoint rule's error term.
        const qint64 k = (2 * minor * i + major - 1) / (2 * major);
        const qint64 x = xMajor ? x0 + sx * i : x0 + sx * k;
        const qint64 y = xMajor ? y0 + sy * k : y0 + sy * i;
        if (x < 0 || y < 0 || x >= image.width || y >= image.height)
            continue;
        bool on = true;
        if (period > 0) {
            qint64 phase = i % period;
            std::size_t d = 0;
            while (phase >= dashes[d])
                phase -= dashes[d++];
            on = d % 2 == 0;
        }
        if (on || paintGaps)
            image.pixels[y * image.stride + x] = on ? ink : gap;
    }
}

void TCanvas::drawText(int x, int y, const QString& text, const TRect* logicalClip)
{
    TextCache& cache = TextCache::instance();
    const TextInk& ink = cache.ink(cache.font(Font), text, ratio());
    x = device(x);
    y = device(y);
    const TRect deviceClip = logicalClip ? device(*logicalClip) : TRect{};
    const TRect* clip = logicalClip ? &deviceClip : nullptr;
    const raster::Target image = raster::Target::of(m_bitmap.pixels());
    const QRgb color = toQRgb(Font.Color);
    for (const TextInk::Run& run : ink.runs) {
        const int row = y + run.y;
        int first = x + run.first;
        int last = x + run.last;
        if (clip) {
            if (row < clip->top || row >= clip->bottom)
                continue;
            first = std::max(first, clip->left);
            last = std::min(last, clip->right - 1);
        }
        raster::fillRun(image, row, first, last, color);
    }
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    const QSize extent = TextExtent(text);
    if (!m_bitmap.Empty()) {
        if (Brush.Style == BrushStyle::Solid)
            fillPixels(device(x), device(y), device(x + extent.width()), device(y + extent.height()), Brush.Color);
        drawText(x, y, text, nullptr);
    }
    m_penPos = {x + extent.width(), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text)
{
    if (m_bitmap.Empty())
        return;
    FillRect(rect);
    drawText(x, y, text, &rect);
}

int TCanvas::TextWidth(const QString& text)
{
    TextCache& cache = TextCache::instance();
    return cache.advance(cache.font(Font), text);
}

int TCanvas::TextHeight(const QString&)
{
    return TextCache::instance().font(Font).metrics.height();
}

QSize TCanvas::TextExtent(const QString& text)
{
    TextCache& cache = TextCache::instance();
    TextCache::FontEntry& entry = cache.font(Font);
    return {cache.advance(entry, text), entry.metrics.height()};
}

void TCanvas::copyFrom(const TRect& dest, const TBitmap& source, const TRect& sourceRect, const TColor* transparent)
{
    const Scaling scaling = isWholeRatio(ratio() / source.Ratio()) ? Scaling::Nearest : Scaling::Smooth;
    const qreal r = source.Ratio();
    const TRect from{toDevice(sourceRect.left, r), toDevice(sourceRect.top, r), toDevice(sourceRect.right, r),
        toDevice(sourceRect.bottom, r)};
    copyPixels(m_bitmap.pixels(), device(dest), source.image(), from,
        transparent ? std::optional<QRgb>(toQRgb(*transparent)) : std::nullopt, scaling);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    copyFrom(dest, source.m_bitmap, sourceRect, nullptr);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    copyFrom(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap, Rect(0, 0, bitmap.Width(), bitmap.Height()), nullptr);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap)
{
    copyFrom(dest, bitmap, Rect(0, 0, bitmap.Width(), bitmap.Height()), nullptr);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, const TRect& sourceRect, TColor transparent)
{
    copyFrom(Bounds(x, y, sourceRect.width(), sourceRect.height()), bitmap, sourceRect, &transparent);
}

TColor TCanvas::Pixels(int x, int y) const
{
    const QImage& image = m_bitmap.image();
    x = device(x);
    y = device(y);
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return -1;
    return fromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    QImage& image = m_bitmap.pixels();
    if (mapped()) {
        fillPixels(device(x), device(y), device(x + 1), device(y + 1), color);
        return;
    }
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = toQRgb(color);
}

} // namespace platform
