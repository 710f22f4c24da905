// Draws four graphs of two traces each over a one-minute span twenty
// times a second while a simulated stream fills the history at the full
// link rate, either with our own graph painter ("own") or with Qt Charts
// ("charts"), so the benchmark can compare what each costs. Given a number
// of seconds after the mode, it quits after them and prints how many
// pictures a second the first graph got ("paints_per_second N"). Both get the
// same thinned columns, kept up to date as the plots window keeps them;
// only axes, legend and drawing differ.

#include "app/link/FrameHistory.h"
#include "app/plots/GraphView.h"
#include "app/plots/ScrollingTraces.h"
#include "simulator/SimulatedController.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QVBoxLayout>
#ifdef FCT_WITH_QT_CHARTS
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using protocol::TelemetryField;

constexpr int kGraphs = 4;
constexpr int64_t kSpanUs = 60'000'000;
constexpr double kFramesPerSecond = 1280;
constexpr int kColumns = 680;

const std::vector<TelemetryField> kFields = {TelemetryField::Roll, TelemetryField::Pitch, TelemetryField::GyroX,
    TelemetryField::GyroY, TelemetryField::Ch1, TelemetryField::Ch2, TelemetryField::Altitude, TelemetryField::AltVel};

// The simulated stream at the link's rate, its time in microseconds.
struct Stream {
    simulator::SimulatedController controller{1};
    FrameHistory history;
    int64_t nowUs = 0;
    uint64_t frames = 0;

    void runTo(int64_t timeUs)
    {
        nowUs = timeUs;
        controller.advanceTo(double(timeUs) / 1e6);
        const auto due = static_cast<uint64_t>(double(timeUs) / 1e6 * kFramesPerSecond);
        for (; frames < due; ++frames)
            history.append(timeUs, controller.nextFrame());
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool charts = argc > 1 && std::strcmp(argv[1], "charts") == 0;
#ifndef FCT_WITH_QT_CHARTS
    if (charts) {
        std::fprintf(stderr, "plots_drawing_probe: built without Qt Charts\n");
        return 1;
    }
#endif
    Stream stream;
    // A full span from the start, in the link's own steps: the steady
    // state, not the filling.
    for (int64_t t = 0; t <= kSpanUs; t += 10'000)
        stream.runTo(t);
    QElapsedTimer clock;
    clock.start();

    QWidget window;
    window.resize(kColumns + 60, 560);
    auto* layout = new QVBoxLayout(&window);
    std::vector<GraphView*> views;
#ifdef FCT_WITH_QT_CHARTS
    std::vector<std::pair<QLineSeries*, QLineSeries*>> series;
    std::vector<std::pair<QValueAxis*, QValueAxis*>> axes;
#endif
    for (int g = 0; g < kGraphs; ++g) {
        if (!charts) {
            auto* view = new GraphView(&window);
            view->setTraces({{kFields[size_t(2 * g)], Qt::blue}, {kFields[size_t(2 * g + 1)], Qt::red}});
            layout->addWidget(view);
            views.push_back(view);
            continue;
        }
#ifdef FCT_WITH_QT_CHARTS
        auto* chart = new QChart;
        auto* first = new QLineSeries;
        auto* second = new QLineSeries;
        chart->addSeries(first);
        chart->addSeries(second);
        auto* x = new QValueAxis;
        auto* y = new QValueAxis;
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (QLineSeries* s : {first, second}) {
            s->attachAxis(x);
            s->attachAxis(y);
        }
        layout->addWidget(new QChartView(chart, &window));
        series.push_back({first, second});
        axes.push_back({x, y});
#endif
    }

    QTimer feed;
    QObject::connect(&feed, &QTimer::timeout, [&] { stream.runTo(kSpanUs + clock.nsecsElapsed() / 1000); });
    feed.start(10);
    ScrollingTraces scrolling;
    scrolling.configure(kFields, kSpanUs, kColumns);
    QTimer paint;
    QObject::connect(&paint, &QTimer::timeout, [&] {
        const auto [from, to] = scrolling.update(stream.history, stream.nowUs);
        const std::vector<ThinnedTrace>& thinned = scrolling.traces();
        for (int g = 0; g < kGraphs; ++g) {
            if (!charts) {
                views[size_t(g)]->setColumns({thinned[size_t(2 * g)], thinned[size_t(2 * g + 1)]}, from, to);
                continue;
            }
#ifdef FCT_WITH_QT_CHARTS
            double low = 1e300;
            double high = -1e300;
            for (int t = 0; t < 2; ++t) {
                QList<QPointF> points;
                const ThinnedTrace& trace = thinned[size_t(2 * g + t)];
                for (size_t c = 0; c < trace.size(); ++c) {
                    if (trace[c].empty)
                        continue;
                    const double seconds = (double(from) + double(c) * kSpanUs / kColumns) / 1e6;
                    points << QPointF(seconds, trace[c].min) << QPointF(seconds, trace[c].max);
                    low = std::min(low, trace[c].min);
                    high = std::max(high, trace[c].max);
                }
                (t == 0 ? series[size_t(g)].first : series[size_t(g)].second)->replace(points);
            }
            axes[size_t(g)].first->setRange(double(from) / 1e6, double(to) / 1e6);
            if (high >= low)
                axes[size_t(g)].second->setRange(low - 1, high + 1);
#endif
        }
    });
    paint.start(50);
    window.show();

    // Pictures that reached the first graph, counted from the first one.
    struct PaintCounter : QObject {
        int paints = 0;
        QElapsedTimer since;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && paints++ == 0)
                since.start();
            return false;
        }
    } counter;
    QWidget* first = charts ? layout->itemAt(0)->widget() : views.front();
    // A chart view paints in its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(first))
        first = area->viewport();
    first->installEventFilter(&counter);
    if (argc > 2) {
        QTimer::singleShot(std::atoi(argv[2]) * 1000, &app, [&] {
            std::printf("paints_per_second %.1f\n", (counter.paints - 1) / (counter.since.nsecsElapsed() / 1e9));
            std::fflush(stdout);
            app.quit();
        });
    }
    return app.exec();
}
