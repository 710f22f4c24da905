// Link health: values that stopped coming are dimmed, the caption says how
// long the link has been silent, and a device that went away is waited for
// and connected again when it comes back.

#include "app/Unit1.h"

#include "app/LinkStatisticsWindow.h"
#include "app/MainWindowLayout.h"
#include "app/WindowPlacement.h"
#include "platform/Dimming.h"
#include "platform/TImage.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/frame/TkvMenuItem.h"

#include <QFileInfo>
#include <QSettings>
#include <QTimer>


namespace {

// Often enough that staleness shows within 1.2 s of the last frame.
constexpr int kHealthCheckMs = 100;
// A returning device is connected within a second of coming back.
constexpr int kReturnCheckMs = 200;
// Listing the ports to find a USB adapter by its identity costs more than
// looking at one path: every third check.
constexpr int kListEveryChecks = 3;

const QString kReconnectKey = QStringLiteral("link/reconnectAutomatically");
const QString kNoData = QStringLiteral("NO DATA");

size_t typeIndex(protocol::FrameType type)
{
    return protocol::frameTypeIndex(type);
}

} // namespace

void TForm1::hookLinkHealth()
{
    using protocol::FrameType;
    for (int i = 0; i < protocol::kTelemetryFieldCount; ++i) {
        const auto field = static_cast<protocol::TelemetryField>(i);
        m_typeViews[typeIndex(protocol::frameOf(field))].push_back(m_fields[static_cast<size_t>(i)]);
    }
    auto& channels123 = m_typeViews[typeIndex(FrameType::Channels123)];
    channels123.insert(channels123.end(), {m_controls.kvSkinGauge1, m_controls.kvSkinGauge2, m_controls.kvSkinGauge3});
    auto& channels456 = m_typeViews[typeIndex(FrameType::Channels456)];
    channels456.insert(channels456.end(), {m_controls.kvSkinGauge4, m_controls.kvSkinSlider5, m_controls.kvSkinSlider6});
    channels456.insert(channels456.end(), m_ch5Lamps.begin(), m_ch5Lamps.end());
    channels456.insert(channels456.end(), m_ch6Lamps.begin(), m_ch6Lamps.end());
    m_typeViews[typeIndex(FrameType::Heading)].push_back(m_controls.Image2);
    m_typeViews[typeIndex(FrameType::Settings)].push_back(m_controls.Image4);

    m_healthTimer = new QTimer(this);
    m_healthTimer->setObjectName(QStringLiteral("linkHealth"));
    m_healthTimer->setInterval(kHealthCheckMs);
    connect(m_healthTimer, &QTimer::timeout, this, [this] { showLinkHealth(); });
    m_returnTimer = new QTimer(this);
    m_returnTimer->setObjectName(QStringLiteral("deviceReturn"));
    m_returnTimer->setInterval(kReturnCheckMs);
    connect(m_returnTimer, &QTimer::timeout, this, [this] { lookForReturnedDevice(); });
}

void TForm1::addLinkSystemMenuEntries()
{
    if (m_settings)
        m_reconnectAutomatically = m_settings->value(kReconnectKey, true).toBool();
    skin::TkvMenuItem* reconnect = m_systemMenuTail->Add(QStringLiteral("ReconnectAutomatically"),
        QStringLiteral("Reconnect automatically"), [this] { setReconnectAutomatically(!m_reconnectAutomatically); });
    reconnect->Checked = m_reconnectAutomatically;
    m_systemMenuTail->Add(QStringLiteral("LinkStatistics"), QStringLiteral("Link statistics…"),
        [this] { showLinkStatistics(); });
}

void TForm1::setReconnectAutomatically(bool on)
{
    m_reconnectAutomatically = on;
    if (m_systemMenuTail)
        m_systemMenuTail->Find(QStringLiteral("ReconnectAutomatically"))->Checked = on;
    if (m_settings)
        m_settings->setValue(kReconnectKey, on);
    // Turned off during a wait: the pilot takes over, as after an unplug
    // without it.
    if (!on && waitingForDevice())
        setLinkState(LinkState::Closed);
}

void TForm1::showLinkStatistics()
{
    if (!m_statisticsWindow) {
        m_statisticsWindow = new LinkStatisticsWindow(m_kvSkinData1, [this] { return m_decoder.counters(); }, this,
            m_clock);
        placeBeside(*m_statisticsWindow, *this, instruments());
    }
    m_statisticsWindow->show();
    m_statisticsWindow->raise();
    m_statisticsWindow->activateWindow();
}

void TForm1::frameStarted(uint8_t type)
{
    m_freshness.frameArrived(type, m_batchMs);
}

void TForm1::showLinkHealth()
{
    switch (m_linkState) {
    case LinkState::Closed:
        showStaleTypes({});
        setCaptionNote({});
        return;
    case LinkState::WaitingForDevice:
        showStaleTypes(FrameFreshness::Types().set());
        setCaptionNote(m_returnProblem.isEmpty()
                ? QStringLiteral("%1 is gone, waiting for it to return").arg(m_linkPort.name)
                : QStringLiteral("%1 is back but does not open: %2").arg(m_linkPort.name, m_returnProblem));
        return;
    case LinkState::Open:
        break;
    }
    const FrameFreshness::State state = m_freshness.at(m_clock());
    showStaleTypes(state.linkStale ? FrameFreshness::Types().set() : state.staleTypes);
    setCaptionNote(state.linkStale ? QStringLiteral("no data for %1 s").arg(state.silentMs / 1000) : QString());
}

void TForm1::showStaleTypes(FrameFreshness::Types stale)
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
        m_controls.Image1->setDimming({stale.test(attitude), kNoData});
}

void TForm1::setCaptionNote(const QString& note)
{
    if (note == m_captionNote)
        return;
    m_captionNote = note;
    const QString name = QString::fromLatin1(layout::kCaption.data(), static_cast<qsizetype>(layout::kCaption.size()));
    setWindowTitle(note.isEmpty() ? name : name.trimmed() + QStringLiteral(" — ") + note);
}

void TForm1::lookForReturnedDevice()
{
    const std::optional<QString> path = returnedDevicePath();
    if (!path)
        return;
    m_comm->SetDevicePath(*path);
    // Not there yet for us (the system may still be setting it up, or
    // another program has it): the next check tries again, and the caption
    // says why meanwhile.
    if (const auto problem = m_comm->TryOpen()) {
        m_returnProblem = problem->section(u'\n', -1);
        showLinkHealth();
        return;
    }
    linkOpened();
}

std::optional<QString> TForm1::returnedDevicePath()
{
    if (QFileInfo::exists(m_linkPort.location))
        return m_linkPort.location;
    if (!m_linkPort.hasUsbIdentity() || ++m_returnChecks % kListEveryChecks != 0)
        return std::nullopt;
    if (const auto port = serial::returnedPort(m_linkPort, m_availablePorts()))
        return port->location;
    return std::nullopt;
}
