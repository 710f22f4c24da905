#include "app/link/LinkController.h"

#include "app/link/TelemetryRecorder.h"
#include "platform/ClassicErrors.h"
#include "serial/Comm.h"

#include <QFileInfo>
#include <QTimer>

namespace {

// Often enough that staleness shows within 1.2 s of the last frame.
constexpr int kHealthCheckMs = 100;
// A returning device is connected within a second of coming back.
constexpr int kReturnCheckMs = 200;
// Listing the ports to find a USB adapter by its identity costs more than
// looking at one path: every third check.
constexpr int kListEveryChecks = 3;
// A frame of the display: twenty pictures a second move the instruments
// and lamps smoothly. Each batch read a hundred times a second would
// otherwise repaint them.
constexpr int kViewFrameMs = 50;

} // namespace

LinkOptions::LinkOptions() = default;
LinkOptions::~LinkOptions() = default;
LinkOptions::LinkOptions(LinkOptions&&) = default;
LinkOptions& LinkOptions::operator=(LinkOptions&&) = default;

LinkController::LinkController(LinkOptions options, protocol::TelemetrySink& view, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_clock(options.clock ? std::move(options.clock) : MillisecondClock(steadyMilliseconds))
    , m_comm(new serial::TComm(this, std::move(options.driver)))
    , m_returnLister(new PortLister(std::move(options.ports), this))
    , m_decoder(*this, options.decimalSeparator)
    , m_viewPacer(new DisplayPacer(this, kViewFrameMs, m_clock, [this] { handOverTelemetry(); }, "viewFrame"))
    , m_recorder(std::move(options.recorder))
    , m_commandBuffer(protocol::kCommandSize, '\0')
    , m_healthTimer(new QTimer(this))
    , m_returnTimer(new QTimer(this))
    , m_historyStartMs(m_clock())
{
    m_comm->SetBaudRate(115200);
    m_comm->SetRThreshold(1);
    m_comm->OnReceiveData = [this](serial::TComm*) { receive(); };
    m_comm->OnDeviceLost = [this](serial::TComm*) { apply(LinkEvent::DeviceLost); };
    m_healthTimer->setObjectName(QStringLiteral("linkHealth"));
    m_healthTimer->setInterval(kHealthCheckMs);
    connect(m_healthTimer, &QTimer::timeout, this, [this] { checkHealth(); });
    m_returnTimer->setObjectName(QStringLiteral("deviceReturn"));
    m_returnTimer->setInterval(kReturnCheckMs);
    connect(m_returnTimer, &QTimer::timeout, this, [this] { lookForReturnedDevice(); });
}

LinkController::~LinkController() = default;

template <typename Call>
void LinkController::tell(Call call)
{
    for (LinkListener* listener : m_listeners)
        call(*listener);
}

std::optional<QString> LinkController::connectTo(const serial::PortEntry& port)
{
    if (connected())
        return std::nullopt;
    // "COM1" ... "COM15" keep their numbers; any other port opens its own
    // device.
    if (const auto number = serial::portNumberForName(port.name))
        m_comm->SetCommPort(*number);
    else
        m_comm->SetDevicePath(port.location);
    if (auto problem = m_comm->TryOpen())
        return problem;
    m_port = port;
    // A wait for another device ends here.
    if (m_state == LinkState::WaitingForDevice)
        apply(LinkEvent::Disconnect);
    apply(LinkEvent::Opened);
    return std::nullopt;
}

void LinkController::disconnect() { apply(LinkEvent::Disconnect); }

void LinkController::setReconnectAutomatically(bool on)
{
    m_reconnect = on ? Reconnect::On : Reconnect::Off;
    // Turned off during a wait: the pilot takes over, as after an unplug
    // without it.
    if (!on)
        apply(LinkEvent::ReconnectTurnedOff);
}

void LinkController::apply(LinkEvent event)
{
    const LinkTransition transition = nextLinkState(m_state, event, m_reconnect);
    if (!transition.accepted)
        return;
    const QString device = m_comm->deviceName();
    m_state = transition.to;
    run(transition.actions);
    tell([this](LinkListener& listener) { listener.linkStateChanged(m_state); });
    checkHealth();
    if (transition.actions.has(LinkAction::ReportLost)) {
        const QString message = QStringLiteral("Connection lost\n%1 is no longer available. Check the cable, then "
                                               "press \"Connect\" again.")
                                    .arg(device);
        tell([&](LinkListener& listener) { listener.linkProblem(message); });
    }
    if (transition.actions.has(LinkAction::ReportCommandFailed)) {
        const QString message = QStringLiteral("Command not sent\n%1 did not take the command. Check the cable, then "
                                               "press \"Connect\" again.")
                                    .arg(device);
        tell([&](LinkListener& listener) { listener.linkProblem(message); });
    }
}

void LinkController::run(LinkActions actions)
{
    using A = LinkAction;
    if (actions.has(A::ClosePort))
        m_comm->SetPortOpen(false);
    if (actions.has(A::StopReturnWatch))
        m_returnTimer->stop();
    if (actions.has(A::StartFreshness))
        m_freshness.start(m_clock());
    if (actions.has(A::MarkBreak))
        m_history.markBreak(historyTimeUs());
    if (actions.has(A::RecordConnection) && m_recorder)
        m_recorder->connected(m_comm->deviceName());
    if (actions.has(A::StartReturnWatch)) {
        m_returnChecks = 0;
        m_returnProblem.clear();
        m_returnTimer->start();
    }
    if (actions.has(A::StartHealthWatch))
        m_healthTimer->start();
    if (actions.has(A::StopHealthWatch))
        m_healthTimer->stop();
}

void LinkController::receive()
{
    const QByteArray batch = m_comm->ReadInputByte();
    if (m_recorder)
        m_recorder->received(batch);
    m_batchMs = m_clock();
    m_decoder.feed(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(batch.constData()),
        static_cast<size_t>(batch.size())));
    if (m_latest.waiting() && m_viewPacer->admit())
        handOverTelemetry();
    // The next frame clears what it makes fresh at once, not at the next
    // check.
    if (m_staleTypes.any())
        checkHealth();
}

void LinkController::checkHealth()
{
    switch (m_state) {
    case LinkState::Closed:
        setHealth({}, 0);
        return;
    case LinkState::WaitingForDevice:
        setHealth(FrameFreshness::Types().set(), 0);
        return;
    case LinkState::Open:
    case LinkState::Stale:
        break;
    }
    const FrameFreshness::State state = m_freshness.at(m_clock());
    if (state.linkStale != (m_state == LinkState::Stale)) {
        // The transition looks at the health again.
        apply(state.linkStale ? LinkEvent::WentSilent : LinkEvent::DataResumed);
        return;
    }
    setHealth(state.linkStale ? FrameFreshness::Types().set() : state.staleTypes,
        state.linkStale ? state.silentMs : 0);
}

void LinkController::setHealth(FrameFreshness::Types stale, int64_t silentMs)
{
    // The silence is shown in whole seconds.
    if (stale == m_staleTypes && silentMs / 1000 == m_silentMs / 1000) {
        m_silentMs = silentMs;
        return;
    }
    m_staleTypes = stale;
    m_silentMs = silentMs;
    tell([](LinkListener& listener) { listener.linkHealthChanged(); });
}

void LinkController::handOverTelemetry()
{
    m_latest.handTo(m_view);
    tell([](LinkListener& listener) { listener.telemetryHandedOver(); });
}

void LinkController::lookForReturnedDevice()
{
    if (QFileInfo::exists(m_port.location)) {
        tryReturnedDevice(m_port.location);
        return;
    }
    if (!m_port.hasUsbIdentity() || ++m_returnChecks % kListEveryChecks != 0 || m_returnLister->busy())
        return;
    m_returnLister->listInBackground([this](const QList<serial::PortEntry>& present) {
        if (m_state != LinkState::WaitingForDevice)
            return;
        if (const auto port = serial::returnedPort(m_port, present))
            tryReturnedDevice(port->location);
    });
}

void LinkController::tryReturnedDevice(const QString& location)
{
    m_comm->SetDevicePath(location);
    // Not there yet for us (the system may still be setting it up, or
    // another program has it): the next check tries again, and the
    // listeners hear why meanwhile.
    if (const auto problem = m_comm->TryOpen()) {
        const QString why = problem->section(u'\n', -1);
        if (why != m_returnProblem) {
            m_returnProblem = why;
            tell([](LinkListener& listener) { listener.linkHealthChanged(); });
        }
        return;
    }
    apply(LinkEvent::Opened);
}

bool LinkController::send(protocol::Command command, uint16_t argument)
{
    const protocol::CommandBytes bytes = protocol::encodeCommand(command, argument);
    std::copy(bytes.begin(), bytes.end(), m_commandBuffer.begin());
    if (!connected())
        return false;
    if (m_comm->OutputByte(m_commandBuffer))
        return true;
    // A command that did not go out must not look as if it had: the link is
    // treated as lost.
    apply(LinkEvent::CommandFailed);
    return false;
}

std::optional<QString> LinkController::startRecording(const QString& file)
{
    try {
        m_recorder = std::make_unique<TelemetryRecorder>(file);
    } catch (const platform::Exception& error) {
        return error.message();
    }
    if (connected())
        m_recorder->connected(m_comm->deviceName());
    tell([](LinkListener& listener) { listener.recordingChanged(true); });
    return std::nullopt;
}

void LinkController::stopRecording()
{
    m_recorder.reset();
    tell([](LinkListener& listener) { listener.recordingChanged(false); });
}

int64_t LinkController::historyTimeUs() const { return (m_clock() - m_historyStartMs) * 1000; }

void LinkController::frameStarted(uint8_t type) { m_freshness.frameArrived(type, m_batchMs); }

void LinkController::frameDecoded(const protocol::FrameBytes& frame)
{
    m_history.append((m_batchMs - m_historyStartMs) * 1000, frame);
}

void LinkController::attitudeChanged(double rollRadians, double pitchRadians)
{
    m_latest.attitudeChanged(rollRadians, pitchRadians);
}

void LinkController::fieldChanged(protocol::TelemetryField field, std::string_view text)
{
    m_latest.fieldChanged(field, text);
}

void LinkController::headingChanged(double headingRadians) { m_latest.headingChanged(headingRadians); }

void LinkController::flightModeChanged(protocol::ModeSwitch group, protocol::ModeLamp lit)
{
    m_latest.flightModeChanged(group, lit);
}

void LinkController::airframeChanged(int index) { m_latest.airframeChanged(index); }
