// Link health as the window shows it: values that stopped coming are
// dimmed, and the caption says how long the link has been silent or that
// the device is being waited for.

#include "app/window/MainWindow.h"

#include "app/widgets/WindowPlacement.h"
#include "app/window/LinkStatisticsWindow.h"
#include "app/window/MainWindowLayout.h"
#include "platform/Dimming.h"
#include "platform/TImage.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/frame/TkvMenuItem.h"

#include <QSettings>

namespace {

const QString kReconnectKey = QStringLiteral("link/reconnectAutomatically");
const QString kNoData = QStringLiteral("NO DATA");

size_t typeIndex(protocol::FrameType type)
{
    return protocol::frameTypeIndex(type);
}

} // namespace

void MainWindow::hookLinkHealth()
{
    using protocol::FrameType;
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
        const auto field = static_cast<protocol::TelemetryField>(i);
        m_typeViews[typeIndex(protocol::frameOf(field))].push_back(m_fields[static_cast<size_t>(i)]);
    }
    auto& channels123 = m_typeViews[typeIndex(FrameType::Channels123)];
    channels123.insert(channels123.end(), {m_controls.ch1Gauge, m_controls.ch2Gauge, m_controls.ch3Gauge});
    auto& channels456 = m_typeViews[typeIndex(FrameType::Channels456)];
    channels456.insert(channels456.end(), {m_controls.ch4Gauge, m_controls.ch5Slider, m_controls.ch6Slider});
    channels456.insert(channels456.end(), m_ch5Lamps.begin(), m_ch5Lamps.end());
    channels456.insert(channels456.end(), m_ch6Lamps.begin(), m_ch6Lamps.end());
    m_typeViews[typeIndex(FrameType::Heading)].push_back(m_controls.headingIndicator);
    m_typeViews[typeIndex(FrameType::Settings)].push_back(m_controls.airframePicture);
}

void MainWindow::addLinkSystemMenuEntries()
{
    if (m_settings)
        m_link->setReconnectAutomatically(m_settings->value(kReconnectKey, true).toBool());
    skin::TkvMenuItem* reconnect = m_systemMenuTail->Add(QStringLiteral("ReconnectAutomatically"),
        QStringLiteral("Reconnect automatically"), [this] { setReconnectAutomatically(!reconnectsAutomatically()); });
    reconnect->Checked = reconnectsAutomatically();
    m_systemMenuTail->Add(QStringLiteral("LinkStatistics"), QStringLiteral("Link statistics…"),
        [this] { showLinkStatistics(); });
}

void MainWindow::setReconnectAutomatically(bool on)
{
    m_link->setReconnectAutomatically(on);
    if (m_systemMenuTail)
        m_systemMenuTail->Find(QStringLiteral("ReconnectAutomatically"))->Checked = on;
    if (m_settings)
        m_settings->setValue(kReconnectKey, on);
}

void MainWindow::showLinkStatistics()
{
    if (!m_statisticsWindow) {
        m_statisticsWindow = new LinkStatisticsWindow(m_skinData, [this] { return m_link->counters(); }, this,
            m_clock);
        placeBeside(*m_statisticsWindow, *this, instruments());
    }
    m_statisticsWindow->show();
    m_statisticsWindow->raise();
    m_statisticsWindow->activateWindow();
}

void MainWindow::linkHealthChanged()
{
    showStaleTypes(m_link->staleTypes());
    setCaptionNote(linkNote());
}

QString MainWindow::linkNote() const
{
    const QString& port = m_link->port().name;
    switch (m_link->state()) {
    case LinkState::Closed:
    case LinkState::Open:
        return {};
    case LinkState::Stale:
        return QStringLiteral("no data for %1 s").arg(m_link->silentMs() / 1000);
    case LinkState::WaitingForDevice:
        return m_link->returnProblem().isEmpty()
            ? QStringLiteral("%1 is gone, waiting for it to return").arg(port)
            : QStringLiteral("%1 is back but does not open: %2").arg(port, m_link->returnProblem());
    }
    return {};
}

void MainWindow::showStaleTypes(FrameFreshness::Types stale)
{
    const FrameFreshness::Types changed = stale ^ m_dimmedTypes;
    if (changed.none())
        return;
    m_dimmedTypes = stale;
    for (size_t i = 0; i < m_typeViews.size(); ++i) {
        if (!changed.test(i))
            continue;
        for (platform::Dimmable* view : m_typeViews[i])
            view->setDimming({stale.test(i), {}});
    }
    const size_t attitude = typeIndex(protocol::FrameType::Attitude);
    if (changed.test(attitude))
        m_controls.attitudeIndicator->setDimming({stale.test(attitude), kNoData});
}

void MainWindow::setCaptionNote(const QString& note)
{
    if (note == m_captionNote)
        return;
    m_captionNote = note;
    const QString name = QString::fromLatin1(layout::kCaption.data(), static_cast<qsizetype>(layout::kCaption.size()));
    setWindowTitle(note.isEmpty() ? name : name.trimmed() + QStringLiteral(" — ") + note);
}
