#include "app/window/LinkStatisticsWindow.h"

#include "app/link/SteadyClock.h"
#include "app/widgets/ControlFactory.h"
#include "protocol/TelemetryField.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/frame/TkvSorvane.h"

#include <QTimer>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using layout::Control;
using layout::Kind;

constexpr int kUpdateMs = 1000;
constexpr int kClientWidth = 380;
constexpr int kClientHeight = 272;

const QString kTitle = QStringLiteral("Link statistics");

// Bytes first, then the frame types in two columns.
constexpr std::array<Control, 2> kPanels = {{
    {Kind::GroupBox, "bytesPanel", {}, 6, 4, 368, 96, "Bytes"},
    {Kind::GroupBox, "framesPanel", {}, 6, 104, 368, 162, "Frames a second"},
}};

constexpr std::array<std::string_view, 3> kByteRowNames = {"Bytes a second", "Skipped a second", "Skipped in all"};

// "Attitude A0": the type's name and number.
std::string frameRowName(int type)
{
    const auto frameType = static_cast<protocol::FrameType>(protocol::kFirstFrameType + type);
    char number[4];
    std::snprintf(number, sizeof number, " %02X", static_cast<unsigned>(frameType));
    return std::string(protocol::frameTypeName(frameType)) + number;
}

struct Row {
    Control label;
    Control value;
    // What the label's text points into.
    std::string name;
};

Row rowLayout(int row)
{
    constexpr int kRowStep = 22;
    constexpr int kFirstTop = 26;
    if (row < 3) {
        const int top = kFirstTop + kRowStep * row;
        return {{Kind::Label, {}, "bytesPanel", 10, top + 2, 130, 14, kByteRowNames[size_t(row)]},
            {Kind::ValueField, {}, "bytesPanel", 150, top, 60, 18, "0"}, {}};
    }
    const int type = row - 3;
    const int column = type / 6;
    const int top = kFirstTop + kRowStep * (type % 6);
    const int left = 10 + 180 * column;
    Row entry{{Kind::Label, {}, "framesPanel", left, top + 2, 100, 14, {}},
        {Kind::ValueField, {}, "framesPanel", left + 102, top, 50, 18, "0"}, frameRowName(type)};
    return entry;
}

QString whole(double value)
{
    return QString::number(std::llround(value));
}

} // namespace

LinkStatisticsWindow::LinkStatisticsWindow(skin::TkvSkinData* skinData, Counters counters, QWidget* parent,
    Clock clock)
    : QWidget(parent, Qt::Window)
    , m_counters(std::move(counters))
    , m_clock(std::move(clock))
    , m_frame(new skin::TkvSorvane(this))
    , m_timer(new QTimer(this))
{
    setWindowTitle(kTitle);
    m_frame->SetBorderIcons({skin::TkvBorderIcon::biSystemMenu});
    m_frame->SetShowIcon(false);
    m_frame->SetSizeable(false);
    m_frame->SetClientWidth(kClientWidth);
    m_frame->SetClientHeight(kClientHeight);
    QWidget* client = m_frame->ClientArea();
    std::array<QWidget*, kPanels.size()> panels{};
    for (size_t i = 0; i < kPanels.size(); ++i) {
        panels[i] = makeControl(kPanels[i], client);
        bindToSkin(kPanels[i], panels[i], skinData);
    }
    for (int row = 0; row < kRows; ++row) {
        Row layout = rowLayout(row);
        if (!layout.name.empty())
            layout.label.text = layout.name;
        QWidget* panel = row < 3 ? panels[0] : panels[1];
        makeControl(layout.label, panel);
        m_values[size_t(row)] = static_cast<skin::TkvSkinEdit*>(makeControl(layout.value, panel));
    }
    m_frame->SetSkinData(skinData);
    m_timer->setInterval(kUpdateMs);
    connect(m_timer, &QTimer::timeout, this, [this] { refresh(); });
}

int64_t LinkStatisticsWindow::now() const
{
    return m_clock ? m_clock() : steadyMilliseconds();
}

void LinkStatisticsWindow::refresh()
{
    const protocol::LinkCounters counters = m_counters();
    const int64_t nowMs = now();
    const protocol::LinkRates rates = protocol::ratesBetween(m_last, counters, double(nowMs - m_lastMs) / 1000);
    m_values[0]->SetText(whole(rates.bytesPerSecond));
    m_values[1]->SetText(whole(rates.skippedPerSecond));
    m_values[2]->SetText(QString::number(counters.skippedBytes));
    for (size_t i = 0; i < rates.framesPerSecond.size(); ++i)
        m_values[3 + i]->SetText(whole(rates.framesPerSecond[i]));
    m_last = counters;
    m_lastMs = nowMs;
}

void LinkStatisticsWindow::showEvent(QShowEvent* event)
{
    // Rates count from the moment the window is looked at.
    m_last = m_counters();
    m_lastMs = now();
    m_timer->start();
    QWidget::showEvent(event);
}

void LinkStatisticsWindow::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}
