#pragma once

#include "app/plots/PlotColours.h"
#include "app/plots/TraceThinning.h"

#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QWidget>

#include <climits>
#include <optional>
#include <vector>

// One graph of the plots window: its traces over the window's time span,
// thinned to a column a pixel, with a value scale of its own, a legend and,
// while the window is paused, a cursor that reads every trace.
class GraphView : public QWidget {
public:
    enum class Scale { Auto, Fixed };

    struct Trace {
        protocol::TelemetryField field;
        QColor colour;
    };

    explicit GraphView(QWidget* parent = nullptr);

    void setTraces(std::vector<Trace> traces);
    const std::vector<Trace>& traces() const { return m_traces; }
    void setColours(const PlotColours& colours);
    // Auto fits the visible samples with headroom and moves only when they
    // leave the range or use little of it; Fixed keeps minimum and maximum,
    // or the range it had when refusedLimits refuses them.
    void setScale(Scale scale, double minimum = 0, double maximum = 1);
    Scale scale() const { return m_scale; }
    std::pair<double, double> valueRange() const { return {m_minimum, m_maximum}; }
    // The time axis's labels under the graph (the bottom one shows them).
    void setShowsTimeLabels(bool shows);
    // Where the legend must end (widget coordinates): traces' names that
    // would pass it are left out, so controls beside it stay readable.
    void setLegendEnd(int x);

    // The width in columns the thinned traces must have.
    int plotWidth() const;
    // New columns for the span fromUs to toUs, one thinned trace per trace
    // in order; times on the axis are seconds after originUs.
    void setColumns(std::vector<ThinnedTrace> columns, int64_t fromUs, int64_t toUs);
    // A cursor at timeUs reading values (one per trace, none where it has
    // no sample); nothing hides it.
    void setCursor(std::optional<int64_t> timeUs, std::vector<std::optional<double>> values = {});
    // The time at a horizontal position in the widget.
    int64_t timeAt(int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;
    void fitAutoScale();
    int yOf(double value, const QRect& area) const;
    void paintGrid(QPainter& painter, const QRect& area) const;
    void paintTraces(QImage& picture, const QRect& area) const;
    void paintLegend(QPainter& painter, const QRect& area) const;
    const QStaticText& laidOut(const QPainter& painter, const QString& text) const;
    // Text in the painter's pen, centred upright in the box.
    void drawLabel(QPainter& painter, const QRect& box, Qt::Alignment horizontal, const QString& text) const;
    void paintCursor(QPainter& painter, const QRect& area) const;

    std::vector<Trace> m_traces;
    std::vector<ThinnedTrace> m_columns;
    PlotColours m_colours;
    Scale m_scale = Scale::Auto;
    double m_minimum = -1;
    double m_maximum = 1;
    bool m_autoFitted = false;
    bool m_showsTimeLabels = false;
    int m_legendEnd = INT_MAX;
    int64_t m_fromUs = 0;
    int64_t m_toUs = 1;
    std::optional<int64_t> m_cursorUs;
    std::vector<std::optional<double>> m_cursorValues;
    // Reused from one paint to the next.
    QImage m_picture;
    static constexpr qsizetype kMostLabels = 256;
    mutable QHash<QString, QStaticText> m_labels;
};
