#include "app/plots/GraphView.h"

#include "app/plots/ScaleLimits.h"

#include <QImage>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kValueLabelWidth = 48;
constexpr int kLegendHeight = 15;
constexpr int kTimeLabelHeight = 14;
constexpr int kFontPixels = 11;
// Auto scale: the room left above and below the samples, and the least
// share of the range they may use before the range closes in.
constexpr double kHeadroom = 0.1;
constexpr double kLeastUse = 0.4;
// A grid has a handful of lines; values no step can walk through (a step
// below the spacing of doubles there, or not a number) stop at this many.
constexpr int kMostGridLines = 64;

// 1, 2 or 5 times a power of ten: a step that divides range into about
// `steps` parts.
double niceStep(double range, int steps)
{
    const double rough = range / steps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

QString number(double value, double step)
{
    const int decimals = step >= 1 ? 0 : int(std::ceil(-std::log10(step)));
    return QString::number(value, 'f', std::clamp(decimals, 0, 6));
}

QFont plotFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    return font;
}

// Writes the pixels a painter would fill for the logical rectangle at
// the image's pixel ratio; what lies outside the image is left out.
void fillLogical(QImage& image, int left, int top, int width, int height, QRgb colour)
{
    const double ratio = image.devicePixelRatio();
    const int x0 = std::max(0, int(std::floor(left * ratio)));
    const int x1 = std::min(image.width(), int(std::floor((left + width) * ratio)));
    const int y0 = std::max(0, int(std::floor(top * ratio)));
    const int y1 = std::min(image.height(), int(std::floor((top + height) * ratio)));
    if (x0 >= x1)
        return;
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + x0, row + x1, colour);
    }
}

// A line of single logical pixels from a to b, both ends included: at
// most one step a pixel of either direction.
void joinLogical(QImage& image, QPoint a, QPoint b, QRgb colour)
{
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = a;
    for (int steps = dx - dy; steps >= 0; --steps) {
        fillLogical(image, p.x(), p.y(), 1, 1, colour);
        if (p == b)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
}

} // namespace

GraphView::GraphView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_colours = plotColours(nullptr);
}

void GraphView::setTraces(std::vector<Trace> traces)
{
    m_traces = std::move(traces);
    m_columns.clear();
    m_autoFitted = false;
    update();
}

void GraphView::setColours(const PlotColours& colours)
{
    m_colours = colours;
    update();
}

void GraphView::setScale(Scale scale, double minimum, double maximum)
{
    m_scale = scale;
    if (scale == Scale::Fixed && !refusedLimits(minimum, maximum)) {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    m_autoFitted = false;
    fitAutoScale();
    update();
}

void GraphView::setShowsTimeLabels(bool shows)
{
    m_showsTimeLabels = shows;
    update();
}

void GraphView::setLegendEnd(int x)
{
    if (m_legendEnd == x)
        return;
    m_legendEnd = x;
    update();
}

QRect GraphView::plotArea() const
{
    return rect().adjusted(kValueLabelWidth, kLegendHeight, -4, m_showsTimeLabels ? -kTimeLabelHeight : -2);
}

int GraphView::plotWidth() const
{
    return std::max(plotArea().width(), 1);
}

void GraphView::setColumns(std::vector<ThinnedTrace> columns, int64_t fromUs, int64_t toUs)
{
    m_columns = std::move(columns);
    m_fromUs = fromUs;
    m_toUs = std::max(toUs, fromUs + 1);
    fitAutoScale();
    update();
}

void GraphView::setCursor(std::optional<int64_t> timeUs, std::vector<std::optional<double>> values)
{
    m_cursorUs = timeUs;
    m_cursorValues = std::move(values);
    update();
}

int64_t GraphView::timeAt(int x) const
{
    const QRect area = plotArea();
    const double share = std::clamp(double(x - area.left()) / std::max(area.width(), 1), 0.0, 1.0);
    return m_fromUs + static_cast<int64_t>(share * double(m_toUs - m_fromUs));
}

void GraphView::fitAutoScale()
{
    if (m_scale != Scale::Auto)
        return;
    double low = INFINITY;
    double high = -INFINITY;
    for (const ThinnedTrace& trace : m_columns) {
        for (const TraceColumn& column : trace) {
            if (column.empty || !std::isfinite(column.min) || !std::isfinite(column.max))
                continue;
            low = std::min(low, column.min);
            high = std::max(high, column.max);
        }
    }
    if (!std::isfinite(low))
        return;
    const double used = high - low;
    const bool inside = m_autoFitted && low >= m_minimum && high <= m_maximum;
    if (inside && used >= kLeastUse * (m_maximum - m_minimum))
        return;
    const double room = used > 0 ? used * kHeadroom : std::max(std::abs(high) * kHeadroom, 1.0);
    m_minimum = low - room;
    m_maximum = high + room;
    m_autoFitted = true;
}

int GraphView::yOf(double value, const QRect& area) const
{
    // Clamped to the area: a fixed scale may cut a trace, and the painter
    // then needs no clipping. What is not a number goes to the bottom.
    const double share = std::clamp((value - m_minimum) / (m_maximum - m_minimum), 0.0, 1.0);
    if (std::isnan(share))
        return area.bottom();
    return area.bottom() - static_cast<int>(share * (area.height() - 1) + 0.5);
}

void GraphView::paintEvent(QPaintEvent*)
{
    // The picture is made in an image of our own: the traces' thousands of
    // short runs are written as pixels, where the painter would fill them a
    // rectangle at a time at many times the cost.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != ratio) {
        m_picture = QImage(pixels, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
    }
    const QRect area = plotArea();
    {
        QPainter painter(&m_picture);
        painter.fillRect(rect(), m_colours.background);
        painter.setFont(plotFont());
        paintGrid(painter, area);
    }
    paintTraces(m_picture, area);
    {
        QPainter painter(&m_picture);
        painter.setFont(plotFont());
        paintLegend(painter, area);
        paintCursor(painter, area);
    }
    QPainter(this).drawImage(0, 0, m_picture);
}

void GraphView::paintGrid(QPainter& painter, const QRect& area) const
{
    // Lines a pixel thick are filled: the painter's fast path.
    const QColor grid = m_colours.grid;
    painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), grid);
    painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), grid);
    painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), grid);
    painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), grid);
    painter.setPen(m_colours.text);
    // Each line from its index, not by adding steps that may add nothing.
    const double valueStep = niceStep(m_maximum - m_minimum, 4);
    const double firstValue = std::ceil(m_minimum / valueStep) * valueStep;
    for (int line = 0; line < kMostGridLines; ++line) {
        const double v = firstValue + line * valueStep;
        if (!(v <= m_maximum))
            break;
        const int y = yOf(v, area);
        painter.fillRect(QRect(area.left(), y, area.width(), 1), grid);
        drawLabel(painter, QRect(0, y - 7, kValueLabelWidth - 4, 14), Qt::AlignRight,
            number(std::abs(v) < valueStep / 1e6 ? 0 : v, valueStep));
    }
    const double span = double(m_toUs - m_fromUs) / 1e6;
    const double timeStep = niceStep(span, 6);
    const double first = std::ceil(double(m_fromUs) / 1e6 / timeStep) * timeStep;
    for (int line = 0; line < kMostGridLines; ++line) {
        const double t = first + line * timeStep;
        if (!(t * 1e6 < double(m_toUs)))
            break;
        const int x = area.left() + static_cast<int>((t * 1e6 - double(m_fromUs)) / (span * 1e6) * area.width());
        painter.fillRect(QRect(x, area.top(), 1, area.height()), grid);
        if (m_showsTimeLabels)
            drawLabel(painter, QRect(x - 30, area.bottom() + 1, 60, kTimeLabelHeight), Qt::AlignHCenter,
                number(t, timeStep) + QStringLiteral(" s"));
    }
}

const QStaticText& GraphView::laidOut(const QPainter& painter, const QString& text) const
{
    // The axes and legends show the same few dozen texts paint after paint;
    // laid out once, they cost a copy of their glyphs.
    auto label = m_labels.find(text);
    if (label == m_labels.end()) {
        if (m_labels.size() >= kMostLabels)
            m_labels.clear();
        QStaticText fresh(text);
        fresh.setTextFormat(Qt::PlainText);
        fresh.prepare(QTransform(), painter.font());
        label = m_labels.insert(text, fresh);
    }
    return *label;
}

void GraphView::drawLabel(QPainter& painter, const QRect& box, Qt::Alignment horizontal, const QString& text) const
{
    const QStaticText& label = laidOut(painter, text);
    const int width = qRound(label.size().width());
    int x = box.left();
    if (horizontal == Qt::AlignRight)
        x = box.right() + 1 - width;
    else if (horizontal == Qt::AlignHCenter)
        x = box.left() + (box.width() - width) / 2;
    painter.drawStaticText(x, box.top() + (box.height() - qRound(label.size().height())) / 2, label);
}

void GraphView::paintTraces(QImage& picture, const QRect& area) const
{
    // One upright run of pixels a column: its samples' range, stretched to
    // reach the last sample of the column before it, so the trace stays
    // joined. Across empty columns a slanted line joins; across a break,
    // nothing.
    for (size_t t = 0; t < m_columns.size() && t < m_traces.size(); ++t) {
        const QRgb colour = m_traces[t].colour.rgb();
        std::optional<QPoint> previous;
        const ThinnedTrace& trace = m_columns[t];
        // Columns thinned for a wider graph wait for the next refresh.
        const size_t columns = std::min(trace.size(), size_t(area.width()));
        for (size_t c = 0; c < columns; ++c) {
            const TraceColumn& column = trace[c];
            if (column.empty)
                continue;
            const int x = area.left() + int(c);
            int top = yOf(column.max, area);
            int bottom = yOf(column.min, area);
            if (previous && !column.breakBefore) {
                if (previous->x() == x - 1) {
                    top = std::min(top, previous->y());
                    bottom = std::max(bottom, previous->y());
                } else {
                    joinLogical(picture, *previous, QPoint(x, yOf(column.first, area)), colour);
                }
            }
            fillLogical(picture, x, top, 1, bottom - top + 1, colour);
            previous = QPoint(x, yOf(column.last, area));
        }
    }
}

void GraphView::paintLegend(QPainter& painter, const QRect& area) const
{
    int x = area.left();
    painter.setPen(m_colours.text);
    for (const Trace& trace : m_traces) {
        const QString name = QString::fromLatin1(protocol::fieldName(trace.field).data(),
            qsizetype(protocol::fieldName(trace.field).size()));
        const int width = qRound(laidOut(painter, name).size().width());
        if (x + 15 + width > m_legendEnd)
            return;
        painter.fillRect(QRect(x, 5, 12, 3), trace.colour);
        drawLabel(painter, QRect(x + 15, 0, width + 2, kLegendHeight), Qt::AlignLeft, name);
        x += 15 + width + 12;
    }
}

void GraphView::paintCursor(QPainter& painter, const QRect& area) const
{
    if (!m_cursorUs || *m_cursorUs < m_fromUs || *m_cursorUs > m_toUs)
        return;
    const int x = area.left()
        + static_cast<int>(double(*m_cursorUs - m_fromUs) / double(m_toUs - m_fromUs) * area.width());
    painter.setPen(QPen(m_colours.text, 1, Qt::DashLine));
    painter.drawLine(x, area.top(), x, area.bottom());
    QStringList lines{QStringLiteral("%1 s").arg(double(*m_cursorUs) / 1e6, 0, 'f', 2)};
    for (size_t t = 0; t < m_traces.size(); ++t) {
        const auto name = protocol::fieldName(m_traces[t].field);
        const QString value = t < m_cursorValues.size() && m_cursorValues[t]
            ? QString::number(*m_cursorValues[t], 'g', 6)
            : QStringLiteral("–");
        lines << QString::fromLatin1(name.data(), qsizetype(name.size())) + QStringLiteral(" ") + value;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    QRect box(x + 6, area.top() + 4, width + 8, int(lines.size()) * metrics.height() + 4);
    if (box.right() > area.right())
        box.moveRight(x - 6);
    painter.fillRect(box, m_colours.background);
    painter.setPen(m_colours.text);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            painter.setPen(m_traces[size_t(i - 1)].colour);
        painter.drawText(box.left() + 4, box.top() + 2 + metrics.ascent() + int(i) * metrics.height(), lines[i]);
    }
}
