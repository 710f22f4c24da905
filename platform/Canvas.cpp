#include "platform/Canvas.h"

#include "platform/Bitmap.h"
#include "platform/PixelCopy.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>
#include <vector>

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

QPen makePen(const TPen& pen)
{
    if (pen.Style == PenStyle::Clear || pen.Width <= 0)
        return QPen(Qt::NoPen);
    const auto dashes = pen.Width == 1 ? dashPattern(pen.Style) : std::span<const int>{};
    QPen result(QColor(toQRgb(pen.Color)), pen.Width, Qt::SolidLine, dashes.empty() ? Qt::RoundCap : Qt::FlatCap,
        Qt::RoundJoin);
    if (!dashes.empty())
        result.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
    return result;
}

// The classic platform maps the fonts of its default look to faces we ship.
void registerFontSubstitutions()
{
    static const bool registered = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)registered;
}

// Qt sizes fonts by their em; a positive classic height is the cell
// (ascent plus descent), which for most faces is about 1.15 em.
int pixelSizeFor(const QFont& font, int height)
{
    if (height < 0)
        return -height;
    QFont probe(font);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    return std::max(1, static_cast<int>(std::lround(height * 1000.0 / (metrics.ascent() + metrics.descent()))));
}

// Angle in degrees, counter-clockwise from three o'clock, of the point of
// the ellipse (centre c, radii rx, ry) on the radial through p. Qt's arcs
// take the angle of the ellipse's parameter, so the radial is scaled to a
// circle first.
qreal radialAngle(QPointF c, qreal rx, qreal ry, QPointF p)
{
    const qreal dx = rx > 0 ? (p.x() - c.x()) / rx : 0;
    const qreal dy = ry > 0 ? (c.y() - p.y()) / ry : 0;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
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

TCanvas::~TCanvas() = default;

void TCanvas::releasePainter()
{
    m_painter.reset();
}

QPainter& TCanvas::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_bitmap.pixels());
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        m_appliedPen.reset();
        m_appliedBrush.reset();
        m_painterFontStale = true;
    }
    return *m_painter;
}

void TCanvas::applyPen(const TPen& pen)
{
    if (m_appliedPen && *m_appliedPen == pen)
        return;
    painter().setPen(makePen(pen));
    m_appliedPen = pen;
}

void TCanvas::applyBrush()
{
    if (m_appliedBrush && *m_appliedBrush == Brush)
        return;
    if (Brush.Style == BrushStyle::Clear)
        painter().setBrush(Qt::NoBrush);
    else
        painter().setBrush(QColor(toQRgb(Brush.Color)));
    m_appliedBrush = Brush;
}

void TCanvas::useFont()
{
    if (m_fontSource && *m_fontSource == Font)
        return;
    registerFontSubstitutions();
    QFont font(Font.Name);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(Font.Style.testFlag(FontStyle::Bold));
    font.setItalic(Font.Style.testFlag(FontStyle::Italic));
    font.setUnderline(Font.Style.testFlag(FontStyle::Underline));
    font.setStrikeOut(Font.Style.testFlag(FontStyle::StrikeOut));
    font.setPixelSize(pixelSizeFor(font, Font.Height != 0 ? Font.Height : TFont{}.Height));
    m_font = font;
    m_metrics.emplace(font);
    m_fontSource = Font;
    m_painterFontStale = true;
}

void TCanvas::fillPixels(int left, int top, int right, int bottom, TColor color)
{
    QImage& image = m_bitmap.pixels();
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    if (left >= right || top >= bottom)
        return;
    const QRgb pixel = toQRgb(color);
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + left, row + right, pixel);
    }
}

void TCanvas::FillRect(const TRect& rect)
{
    if (Brush.Style == BrushStyle::Solid)
        fillPixels(rect.left, rect.top, rect.right, rect.bottom, Brush.Color);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (m_bitmap.Empty())
        return;
    // Without an outline the classic platform fills one pixel less in
    // each direction.
    if (Brush.Style == BrushStyle::Solid) {
        const int shrink = penDraws() ? 0 : 1;
        fillPixels(left, top, right - shrink, bottom - shrink, Brush.Color);
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
    const int w = Pen.Width;
    const int outside = (w - 1) / 2;
    const int l = left - outside;
    const int t = top - outside;
    const int r = right + outside;
    const int b = bottom + outside;
    fillPixels(l, t, r, t + w, Pen.Color);
    fillPixels(l, b - w, r, b, Pen.Color);
    fillPixels(l, t + w, l + w, b - w, Pen.Color);
    fillPixels(r - w, t + w, r, b - w, Pen.Color);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (m_bitmap.Empty() || right == left || bottom == top)
        return;
    const bool thinOutline = penDraws() && Pen.Width == 1 && Pen.Style == PenStyle::Solid;
    // Without an outline the classic platform fills one pixel less in
    // each direction.
    if (!penDraws()) {
        --right;
        --bottom;
    }
    if (thinOutline || Brush.Style == BrushStyle::Solid)
        ellipseSpans(left, top, right, bottom, thinOutline);
    if (penDraws() && !thinOutline) {
        applyPen(Pen);
        painter().setBrush(Qt::NoBrush);
        m_appliedBrush.reset();
        painter().drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    }
}

// Fills the pixels whose centres lie in the ellipse inscribed in the box,
// row by row, so the shape is symmetric in both axes. With an outline, the
// pixels of the shape that touch the outside on any side take the pen.
void TCanvas::ellipseSpans(int left, int top, int right, int bottom, bool outline)
{
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    const int rows = bottom - top;
    // Span of each row, with an empty row before and after.
    std::vector<std::pair<int, int>> spans(static_cast<std::size_t>(rows) + 2, {1, 0});
    for (int i = 0; i < rows; ++i) {
        const double v = (top + i + 0.5 - cy) / ry;
        const double dx = rx * std::sqrt(std::max(0.0, 1 - v * v));
        const int first = static_cast<int>(std::ceil(cx - dx - 0.5));
        spans[static_cast<std::size_t>(i) + 1] = {first, left + right - 1 - first};
    }
    const bool fill = Brush.Style == BrushStyle::Solid;
    for (int i = 0; i < rows; ++i) {
        const auto [a, b] = spans[static_cast<std::size_t>(i) + 1];
        if (a > b)
            continue;
        const int y = top + i;
        if (!outline) {
            fillPixels(a, y, b + 1, y + 1, Brush.Color);
            continue;
        }
        const auto [upA, upB] = spans[static_cast<std::size_t>(i)];
        const auto [downA, downB] = spans[static_cast<std::size_t>(i) + 2];
        const int innerA = std::max({a + 1, upA, downA});
        const int innerB = std::min({b - 1, upB, downB});
        if (innerA > innerB) {
            fillPixels(a, y, b + 1, y + 1, Pen.Color);
            continue;
        }
        fillPixels(a, y, innerA, y + 1, Pen.Color);
        fillPixels(innerB + 1, y, b + 1, y + 1, Pen.Color);
        if (fill)
            fillPixels(innerA, y, innerB + 1, y + 1, Brush.Color);
    }
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (m_bitmap.Empty() || x1 == x2 || y1 == y2)
        return;
    const QRectF box(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
    const QPointF centre = box.center();
    const qreal rx = box.width() / 2;
    const qreal ry = box.height() / 2;
    const qreal start = radialAngle(centre, rx, ry, QPointF(x3, y3));
    qreal span = radialAngle(centre, rx, ry, QPointF(x4, y4)) - start;
    // Equal radials give the whole ellipse.
    if (span <= 0)
        span += 360;
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, span);
    path.closeSubpath();
    applyPen(Pen);
    applyBrush();
    painter().drawPath(path);
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    if (m_bitmap.Empty() || !penDraws())
        return;
    if (Pen.Width == 1) {
        thinLine(from, m_penPos);
        return;
    }
    applyPen(Pen);
    painter().drawLine(QPoint(from.x, from.y), QPoint(x, y));
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.size() < 2 || m_bitmap.Empty() || !penDraws())
        return;
    if (Pen.Width == 1) {
        for (std::size_t i = 1; i < points.size(); ++i)
            thinLine(points[i - 1], points[i]);
        return;
    }
    std::vector<QPoint> qpoints;
    qpoints.reserve(points.size());
    for (const TPoint& p : points)
        qpoints.emplace_back(p.x, p.y);
    applyPen(Pen);
    painter().drawPolyline(qpoints.data(), static_cast<int>(qpoints.size()));
}

// One-pixel line by the midpoint rule, without its end point. The gaps of a
// dashed pen take the brush colour unless the brush is clear.
void TCanvas::thinLine(TPoint from, TPoint to)
{
    QImage& image = m_bitmap.pixels();
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = to.x > from.x ? 1 : -1;
    const int sy = to.y > from.y ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int steps = xMajor ? dx : dy;
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    const QRgb ink = toQRgb(Pen.Color);
    const auto dashes = dashPattern(Pen.Style);
    const bool paintGaps = Brush.Style == BrushStyle::Solid;
    const QRgb gap = toQRgb(Brush.Color);
    std::size_t dashIndex = 0;
    int dashLeft = dashes.empty() ? 0 : dashes[0];

    int x = from.x;
    int y = from.y;
    int error = 2 * minor - major;
    for (int i = 0; i < steps; ++i) {
        const bool on = dashes.empty() || dashIndex % 2 == 0;
        if ((on || paintGaps) && x >= 0 && y >= 0 && x < image.width() && y < image.height())
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = on ? ink : gap;
        if (!dashes.empty() && --dashLeft == 0) {
            dashIndex = (dashIndex + 1) % dashes.size();
            dashLeft = dashes[dashIndex];
        }
        if (error > 0) {
            (xMajor ? y += sy : x += sx);
            error -= 2 * major;
        }
        error += 2 * minor;
        (xMajor ? x += sx : y += sy);
    }
}

void TCanvas::drawText(int x, int y, const QString& text)
{
    QPainter& p = painter();
    if (m_painterFontStale) {
        p.setFont(m_font);
        m_painterFontStale = false;
    }
    applyPen(TPen{Font.Color, 1, PenStyle::Solid});
    p.drawText(QPoint(x, y + m_metrics->ascent()), text);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    useFont();
    const int width = m_metrics->horizontalAdvance(text);
    if (!m_bitmap.Empty()) {
        if (Brush.Style == BrushStyle::Solid)
            fillPixels(x, y, x + width, y + m_metrics->height(), Brush.Color);
        drawText(x, y, text);
    }
    m_penPos = {x + width, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text)
{
    useFont();
    if (m_bitmap.Empty())
        return;
    FillRect(rect);
    QPainter& p = painter();
    p.setClipRect(QRect(rect.left, rect.top, rect.width(), rect.height()));
    drawText(x, y, text);
    p.setClipping(false);
}

int TCanvas::TextWidth(const QString& text)
{
    useFont();
    return m_metrics->horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&)
{
    useFont();
    return m_metrics->height();
}

QSize TCanvas::TextExtent(const QString& text)
{
    useFont();
    return {m_metrics->horizontalAdvance(text), m_metrics->height()};
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    copyPixels(m_bitmap.pixels(), dest, source.m_bitmap.image(), sourceRect, std::nullopt);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    const TRect all = Rect(0, 0, bitmap.Width(), bitmap.Height());
    copyPixels(m_bitmap.pixels(), Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap.image(), all, std::nullopt);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap)
{
    copyPixels(m_bitmap.pixels(), dest, bitmap.image(), Rect(0, 0, bitmap.Width(), bitmap.Height()), std::nullopt);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, const TRect& sourceRect, TColor transparent)
{
    copyPixels(m_bitmap.pixels(), Bounds(x, y, sourceRect.width(), sourceRect.height()), bitmap.image(), sourceRect,
        toQRgb(transparent));
}

TColor TCanvas::Pixels(int x, int y) const
{
    const QImage& image = m_bitmap.image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return -1;
    return fromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    QImage& image = m_bitmap.pixels();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = toQRgb(color);
}

} // namespace platform
