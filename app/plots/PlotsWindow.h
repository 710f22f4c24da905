#pragma once

#include "app/link/FrameHistory.h"
#include "app/plots/GraphLimitFields.h"
#include "app/plots/GraphView.h"
#include "app/plots/ScrollingTraces.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QSettings;
class QTimer;

namespace skin {
class TkvMenuItem;
class TkvSkinButton;
class TkvSkinComboBox;
class TkvSkinData;
class TkvSorvane;
}

// The plots window: four stacked graphs of any decoded values over one
// time span, drawn from the main window's history twenty times a second.
// Pause stops the picture (the history goes on recording) and gives a
// cursor; the visible span goes out as PNG or CSV. It wears the main
// window's skin and remembers its place, size and choices.
class PlotsWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kGraphs = 4;
    static constexpr size_t kMaxTraces = 8;
    // "10 s", "30 s", "1 min", "5 min".
    static constexpr std::array<int64_t, 4> kSpansUs = {10'000'000, 30'000'000, 60'000'000, 300'000'000};

    // nowUs: the history's clock.
    PlotsWindow(skin::TkvSkinData* skinData, const FrameHistory& history, std::function<int64_t()> nowUs,
        QSettings* settings, QWidget* parent = nullptr);
    ~PlotsWindow() override;

    // Whether the settings gave it its place and size: one still on a
    // screen.
    bool hasRememberedPlace() const { return m_rememberedPlace; }
    GraphView* graph(int index) const { return m_graphs[size_t(index)]; }
    void setTraces(int graph, const std::vector<protocol::TelemetryField>& fields);
    void setScale(int graph, GraphView::Scale scale, double minimum = 0, double maximum = 1);
    void setSpan(int index);
    int span() const { return m_span; }
    void setPaused(bool paused);
    bool paused() const { return m_pausedAtUs.has_value(); }
    // The time span the graphs show: its start included, its end not.
    std::pair<int64_t, int64_t> visibleSpan() const;
    // Draws the graphs anew for the span now visible.
    void refresh();
    // The cursor at a time of the visible span (while paused).
    void showCursorAt(int64_t timeUs);

    // What is visible, as a picture of the graphs or as CSV rows with the
    // columns and number formats of the console monitor's CSV; false (with
    // a message) when the file cannot be written.
    bool exportPng(const QString& file);
    bool exportCsv(const QString& file);
    std::string csvOfVisibleSpan() const;

    // Takes the graphs' colours from the skin (again, after a change).
    void applyColours();

    // The graph's menu: the values it shows by frame type (a checked item
    // is shown; at most kMaxTraces), and its scale.
    std::unique_ptr<skin::TkvMenuItem> graphMenu(int graph);
    void popUpGraphMenu(int graph, QPoint screenPoint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls(skin::TkvSkinData* skinData);
    void layOutGraphs();
    void readSettings();
    void writeSettings() const;

    const FrameHistory& m_history;
    std::function<int64_t()> m_nowUs;
    QSettings* m_settings;
    skin::TkvSkinData* m_skinData;
    skin::TkvSorvane* m_frame;
    QTimer* m_timer;
    skin::TkvSkinComboBox* m_spanList = nullptr;
    skin::TkvSkinButton* m_pauseButton = nullptr;
    std::array<GraphView*, kGraphs> m_graphs{};
    // Each graph's typed minimum and maximum, shown with a fixed scale.
    std::array<std::unique_ptr<GraphLimitFields>, kGraphs> m_limitFields;
    std::unique_ptr<skin::TkvMenuItem> m_menu;
    int m_span = 1;
    std::optional<int64_t> m_pausedAtUs;
    ScrollingTraces m_scrolling;
    // What the graphs show, once they have been drawn.
    std::optional<std::pair<int64_t, int64_t>> m_shownSpan;
    bool m_rememberedPlace = false;
};
