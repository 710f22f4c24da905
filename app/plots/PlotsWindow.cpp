#include "app/plots/PlotsWindow.h"

#include "app/widgets/ControlFactory.h"
#include "app/widgets/SaveFileDialog.h"
#include "app/widgets/WindowPlacement.h"
#include "platform/MessageBox.h"
#include "protocol/LinkCounters.h"
#include "protocol/TelemetryDecoder.h"
#include "recording/CsvPrinter.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QCloseEvent>
#include <QSaveFile>
#include <QMouseEvent>
#include <QSettings>
#include <QTimer>

namespace {

using layout::Control;
using layout::Kind;
using protocol::TelemetryField;

// Twenty pictures a second.
constexpr int kRefreshMs = 50;
constexpr int kClientWidth = 760;
constexpr int kClientHeight = 560;
constexpr int kBarHeight = 34;
constexpr int kMargin = 6;

const QString kTitle = QStringLiteral("Plots");
const QString kPlaceKey = QStringLiteral("plots/place");
const QString kPause = QStringLiteral("Pause");
const QString kResume = QStringLiteral("Resume");

// The span list says what it is by its items ("30 s") and its hint; a
// label would stand on whatever the skin paints behind the client area.
constexpr std::array<Control, 4> kBar = {{
    {Kind::ComboBox, "spanList", {}, 8, 7, 80, 21, "", {}, {}, 0, 0, 0, "Time span of the graphs",
        "10 s|30 s|1 min|5 min"},
    {Kind::Button, "pauseButton", {}, 100, 5, 80, 25, "Pause", {}, {}, 0, 0, 0,
        "Stop the graphs; the pointer then reads them"},
    {Kind::Button, "pngButton", {}, 192, 5, 80, 25, "PNG…", {}, {}, 0, 0, 0, "Save the graphs as a picture"},
    {Kind::Button, "csvButton", {}, 280, 5, 80, 25, "CSV…", {}, {}, 0, 0, 0, "Save the visible values as CSV"},
}};

// What a new window shows: attitude, rates, sticks and height.
const std::array<std::vector<TelemetryField>, PlotsWindow::kGraphs> kDefaultTraces = {{
    {TelemetryField::Roll, TelemetryField::Pitch, TelemetryField::Yaw},
    {TelemetryField::GyroX, TelemetryField::GyroY, TelemetryField::GyroZ},
    {TelemetryField::Ch1, TelemetryField::Ch2, TelemetryField::Ch3, TelemetryField::Ch4},
    {TelemetryField::Altitude, TelemetryField::AltVel},
}};

QString fieldText(TelemetryField field)
{
    return layoutText(protocol::fieldName(field));
}

std::optional<TelemetryField> fieldNamed(const QString& name)
{
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
        if (fieldText(TelemetryField(i)) == name)
            return TelemetryField(i);
    }
    return std::nullopt;
}

QString graphKey(int graph, const char* key)
{
    return QStringLiteral("plots/graph%1/%2").arg(graph + 1).arg(QLatin1String(key));
}

} // namespace

PlotsWindow::PlotsWindow(skin::TkvSkinData* skinData, const FrameHistory& history, std::function<int64_t()> nowUs,
    QSettings* settings, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_history(history)
    , m_nowUs(std::move(nowUs))
    , m_settings(settings)
    , m_skinData(skinData)
    , m_frame(new skin::TkvSorvane(this))
    , m_timer(new QTimer(this))
{
    setWindowTitle(kTitle);
    m_frame->SetBorderIcons({skin::TkvBorderIcon::biSystemMenu, skin::TkvBorderIcon::biMinimize});
    m_frame->SetShowIcon(false);
    m_frame->SetSizeable(true);
    m_frame->MinWidth = 420;
    m_frame->MinHeight = 320;
    buildControls(skinData);
    m_frame->SetSkinData(skinData);
    resize(kClientWidth, kClientHeight);
    for (int g = 0; g < kGraphs; ++g)
        setTraces(g, kDefaultTraces[size_t(g)]);
    readSettings();
    applyColours();
    m_timer->setObjectName(QStringLiteral("plotsFrame"));
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, [this] { refresh(); });
}

void PlotsWindow::showEvent(QShowEvent* event)
{
    m_timer->start();
    refresh();
    QWidget::showEvent(event);
}

void PlotsWindow::hideEvent(QHideEvent* event)
{
    // Closed or minimized, it draws nothing; the history goes on.
    m_timer->stop();
    QWidget::hideEvent(event);
}

PlotsWindow::~PlotsWindow() = default;

void PlotsWindow::buildControls(skin::TkvSkinData* skinData)
{
    QWidget* client = m_frame->ClientArea();
    std::array<QWidget*, kBar.size()> bar{};
    for (size_t i = 0; i < kBar.size(); ++i) {
        bar[i] = makeControl(kBar[i], client);
        bar[i]->setObjectName(layoutText(kBar[i].name));
        bindToSkin(kBar[i], bar[i], skinData);
    }
    m_spanList = static_cast<skin::TkvSkinComboBox*>(bar[0]);
    m_spanList->setToolTip(layoutText(kBar[0].hint));
    m_spanList->SetItemIndex(m_span);
    m_spanList->OnClick = [this](QObject*) { setSpan(m_spanList->ItemIndex()); };
    m_pauseButton = static_cast<skin::TkvSkinButton*>(bar[1]);
    m_pauseButton->OnClick = [this](QObject*) { setPaused(!paused()); };
    static_cast<skin::TkvSkinButton*>(bar[2])->OnClick = [this](QObject*) {
        const QString file = askSaveFileName(this, kPlotsPictureFile, m_settings);
        if (!file.isEmpty())
            exportPng(file);
    };
    static_cast<skin::TkvSkinButton*>(bar[3])->OnClick = [this](QObject*) {
        const QString file = askSaveFileName(this, kPlotsValuesFile, m_settings);
        if (!file.isEmpty())
            exportCsv(file);
    };
    for (int g = 0; g < kGraphs; ++g) {
        auto* graph = new GraphView(client);
        graph->setObjectName(QStringLiteral("graph%1").arg(g + 1));
        graph->setShowsTimeLabels(g == kGraphs - 1);
        graph->installEventFilter(this);
        m_graphs[size_t(g)] = graph;
        m_limitFields[size_t(g)] = std::make_unique<GraphLimitFields>(*graph, client);
    }
    client->installEventFilter(this);
}

void PlotsWindow::layOutGraphs()
{
    const QWidget* client = m_frame->ClientArea();
    const int width = client->width() - 2 * kMargin;
    const int room = client->height() - kBarHeight - kMargin;
    const int each = std::max(room / kGraphs, 40);
    for (int g = 0; g < kGraphs; ++g) {
        const QRect place(kMargin, kBarHeight + g * each, width, each - 4);
        m_graphs[size_t(g)]->setGeometry(place);
        m_limitFields[size_t(g)]->layOut();
    }
    m_shownSpan.reset();
    refresh();
}

void PlotsWindow::applyColours()
{
    const PlotColours colours = plotColours(m_skinData);
    for (const auto& fields : m_limitFields)
        fields->setTextColour(colours.text);
    for (GraphView* graph : m_graphs) {
        graph->setColours(colours);
        std::vector<GraphView::Trace> traces = graph->traces();
        for (size_t t = 0; t < traces.size(); ++t)
            traces[t].colour = colours.traces[t % colours.traces.size()];
        graph->setTraces(std::move(traces));
    }
}

void PlotsWindow::setTraces(int graph, const std::vector<TelemetryField>& fields)
{
    const PlotColours colours = plotColours(m_skinData);
    std::vector<GraphView::Trace> traces;
    for (const TelemetryField field : fields) {
        if (traces.size() < kMaxTraces)
            traces.push_back({field, colours.traces[traces.size()]});
    }
    m_graphs[size_t(graph)]->setTraces(std::move(traces));
    m_shownSpan.reset();
    refresh();
}

void PlotsWindow::setScale(int graph, GraphView::Scale scale, double minimum, double maximum)
{
    m_graphs[size_t(graph)]->setScale(scale, minimum, maximum);
    m_limitFields[size_t(graph)]->setShown(scale == GraphView::Scale::Fixed);
}

void PlotsWindow::setSpan(int index)
{
    if (index < 0 || index >= int(kSpansUs.size()))
        return;
    m_span = index;
    if (m_spanList->ItemIndex() != index)
        m_spanList->SetItemIndex(index);
    m_shownSpan.reset();
    refresh();
}

void PlotsWindow::setPaused(bool paused)
{
    if (paused)
        m_pausedAtUs = m_nowUs();
    else
        m_pausedAtUs.reset();
    // Drawn once more at this moment; paused, it then stands.
    m_shownSpan.reset();
    m_pauseButton->SetCaption(paused ? kResume : kPause);
    if (!paused) {
        for (GraphView* graph : m_graphs)
            graph->setCursor(std::nullopt);
    }
    refresh();
}

std::pair<int64_t, int64_t> PlotsWindow::visibleSpan() const
{
    if (m_shownSpan)
        return *m_shownSpan;
    const int64_t now = m_pausedAtUs ? *m_pausedAtUs : m_nowUs();
    return {now - kSpansUs[size_t(m_span)], now + 1};
}

void PlotsWindow::refresh()
{
    // A paused picture stands; a hidden one is not drawn.
    if (!isVisible() || (paused() && m_shownSpan))
        return;
    std::vector<TelemetryField> fields;
    for (const GraphView* graph : m_graphs) {
        for (const GraphView::Trace& trace : graph->traces())
            fields.push_back(trace.field);
    }
    m_scrolling.configure(fields, kSpansUs[size_t(m_span)], m_graphs.front()->plotWidth());
    const auto span = m_scrolling.update(m_history, m_pausedAtUs ? *m_pausedAtUs : m_nowUs());
    m_shownSpan = span;
    size_t next = 0;
    for (GraphView* graph : m_graphs) {
        const size_t count = graph->traces().size();
        graph->setColumns({m_scrolling.traces().begin() + std::ptrdiff_t(next),
                              m_scrolling.traces().begin() + std::ptrdiff_t(next + count)},
            span.first, span.second);
        next += count;
    }
}

void PlotsWindow::showCursorAt(int64_t timeUs)
{
    for (GraphView* graph : m_graphs) {
        std::vector<std::optional<double>> values;
        for (const GraphView::Trace& trace : graph->traces()) {
            const auto sample = sampleAt(m_history, trace.field, timeUs);
            values.push_back(sample ? std::optional<double>(sample->value) : std::nullopt);
        }
        graph->setCursor(timeUs, std::move(values));
    }
}

std::string PlotsWindow::csvOfVisibleSpan() const
{
    const auto [from, to] = visibleSpan();
    CsvPrinter printer;
    const std::string header = printer.output();
    // Frames before the span give the values its first rows carry on.
    bool inSpan = false;
    for (size_t i = 0; i < m_history.size(); ++i) {
        const FrameHistory::Entry& entry = m_history.at(i);
        if (entry.timeUs >= to)
            break;
        if (!inSpan && entry.timeUs >= from) {
            printer.output() = header;
            inSpan = true;
        }
        printer.setTime(static_cast<uint64_t>(std::max<int64_t>(entry.timeUs, 0)));
        // Each frame on its own, as it was decoded.
        protocol::TelemetryDecoder(printer, '.').feed(entry.frame);
    }
    if (!inSpan)
        printer.output() = header;
    return printer.output();
}

bool PlotsWindow::exportCsv(const QString& file)
{
    QSaveFile out(file);
    const std::string text = csvOfVisibleSpan();
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || out.write(text.data(), qint64(text.size())) != qint64(text.size()) || !out.commit()) {
        platform::ShowMessage(QStringLiteral("Could not save the values to %1\n%2").arg(file, out.errorString()));
        return false;
    }
    return true;
}

bool PlotsWindow::exportPng(const QString& file)
{
    QWidget* client = m_frame->ClientArea();
    const QRect graphs = m_graphs.front()->geometry().united(m_graphs.back()->geometry());
    if (!client->grab(graphs).save(file, "PNG")) {
        platform::ShowMessage(QStringLiteral("Could not save the picture to %1").arg(file));
        return false;
    }
    return true;
}

void PlotsWindow::popUpGraphMenu(int graph, QPoint screenPoint)
{
    m_menu = graphMenu(graph);
    m_frame->PopupSkinMenu(m_menu.get(), screenPoint);
}

std::unique_ptr<skin::TkvMenuItem> PlotsWindow::graphMenu(int graph)
{
    GraphView* view = m_graphs[size_t(graph)];
    auto menu = std::make_unique<skin::TkvMenuItem>();
    for (uint8_t type = protocol::kFirstFrameType; type <= protocol::kLastFrameType; ++type) {
        const auto frameType = static_cast<protocol::FrameType>(type);
        skin::TkvMenuItem* group = menu->Add(QStringLiteral("type%1").arg(type, 2, 16).toUpper(),
            layoutText(protocol::frameTypeName(frameType)));
        for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
            const auto field = static_cast<TelemetryField>(i);
            if (protocol::frameOf(field) != frameType)
                continue;
            const auto& traces = view->traces();
            const bool shown = std::any_of(traces.begin(), traces.end(), [field](const auto& t) { return t.field == field; });
            skin::TkvMenuItem* item = group->Add(fieldText(field), fieldText(field), [this, graph, field, shown] {
                std::vector<TelemetryField> fields;
                for (const auto& trace : m_graphs[size_t(graph)]->traces()) {
                    if (trace.field != field)
                        fields.push_back(trace.field);
                }
                if (!shown)
                    fields.push_back(field);
                setTraces(graph, fields);
            });
            item->Checked = shown;
            item->Enabled = shown || traces.size() < kMaxTraces;
        }
    }
    menu->Add(QStringLiteral("line"), QStringLiteral("-"));
    skin::TkvMenuItem* automatic = menu->Add(QStringLiteral("AutoScale"), QStringLiteral("Auto scale"),
        [this, graph] { setScale(graph, GraphView::Scale::Auto); });
    skin::TkvMenuItem* fixed = menu->Add(QStringLiteral("FixedScale"), QStringLiteral("Fixed scale"), [this, graph] {
        const auto [low, high] = m_graphs[size_t(graph)]->valueRange();
        setScale(graph, GraphView::Scale::Fixed, low, high);
    });
    automatic->RadioItem = fixed->RadioItem = true;
    automatic->Checked = view->scale() == GraphView::Scale::Auto;
    fixed->Checked = !automatic->Checked;
    return menu;
}

bool PlotsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame->ClientArea() && event->type() == QEvent::Resize) {
        layOutGraphs();
        return false;
    }
    for (int g = 0; g < kGraphs; ++g) {
        if (watched != m_graphs[size_t(g)])
            continue;
        if (event->type() == QEvent::MouseMove && paused()) {
            const auto* move = static_cast<QMouseEvent*>(event);
            showCursorAt(m_graphs[size_t(g)]->timeAt(move->position().toPoint().x()));
        }
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            popUpGraphMenu(g, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlotsWindow::closeEvent(QCloseEvent* event)
{
    writeSettings();
    QWidget::closeEvent(event);
}

void PlotsWindow::readSettings()
{
    if (!m_settings)
        return;
    // Where the user left it, unless that is off every screen now.
    m_rememberedPlace = restorePlace(*this, m_settings->value(kPlaceKey).toRect());
    setSpan(m_settings->value(QStringLiteral("plots/span"), m_span).toInt());
    for (int g = 0; g < kGraphs; ++g) {
        if (m_settings->contains(graphKey(g, "values"))) {
            std::vector<TelemetryField> fields;
            for (const QString& name : m_settings->value(graphKey(g, "values")).toStringList()) {
                if (const auto field = fieldNamed(name))
                    fields.push_back(*field);
            }
            setTraces(g, fields);
        }
        if (m_settings->value(graphKey(g, "scale")).toString() == QStringLiteral("fixed"))
            setScale(g, GraphView::Scale::Fixed, m_settings->value(graphKey(g, "minimum")).toDouble(),
                m_settings->value(graphKey(g, "maximum")).toDouble());
    }
}

void PlotsWindow::writeSettings() const
{
    if (!m_settings)
        return;
    m_settings->setValue(kPlaceKey, frameGeometry());
    m_settings->setValue(QStringLiteral("plots/span"), m_span);
    for (int g = 0; g < kGraphs; ++g) {
        const GraphView* graph = m_graphs[size_t(g)];
        QStringList names;
        for (const GraphView::Trace& trace : graph->traces())
            names << fieldText(trace.field);
        m_settings->setValue(graphKey(g, "values"), names);
        const bool fixed = graph->scale() == GraphView::Scale::Fixed;
        m_settings->setValue(graphKey(g, "scale"), fixed ? QStringLiteral("fixed") : QStringLiteral("auto"));
        m_settings->setValue(graphKey(g, "minimum"), graph->valueRange().first);
        m_settings->setValue(graphKey(g, "maximum"), graph->valueRange().second);
    }
}
