#include "simulator/SimulatorLink.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace simulator {
namespace {

// More telemetry than this waiting for a slow or absent client is not
// queued: a real controller keeps sending and bytes are lost on the wire.
constexpr size_t kMaxPending = 4096;
constexpr int kTickMs = 5;

// Whether a fault that recurs after each `after` seconds for `lasting`
// seconds is on at `elapsed`.
bool faultOn(double elapsed, double after, double lasting)
{
    return lasting > 0 && std::fmod(elapsed, after + lasting) >= after;
}

} // namespace

SimulatorLink::SimulatorLink(Options options)
    : m_options(options)
    , m_terminal(std::make_unique<PseudoTerminal>())
    , m_controller(options.seed)
    , m_noise(options.seed)
{
    if (options.dropForSeconds > 0) {
        m_alias = std::make_unique<DeviceAlias>();
        m_alias->pointTo(m_terminal->slavePath());
        m_devicePath = m_alias->path();
    } else {
        m_devicePath = m_terminal->slavePath();
    }
}

bool SimulatorLink::paused(double elapsed) const
{
    return faultOn(elapsed, m_options.pauseAfterSeconds, m_options.pauseForSeconds);
}

bool SimulatorLink::dropped(double elapsed) const
{
    return faultOn(elapsed, m_options.dropAfterSeconds, m_options.dropForSeconds);
}

void SimulatorLink::setDeviceThere(bool there)
{
    if (there == (m_terminal != nullptr))
        return;
    // What was queued for the old device went with it.
    m_pending.clear();
    if (!there) {
        m_alias->remove();
        m_terminal.reset();
        return;
    }
    m_terminal = std::make_unique<PseudoTerminal>();
    m_alias->pointTo(m_terminal->slavePath());
}

void SimulatorLink::garble(protocol::FrameBytes& frame)
{
    std::bernoulli_distribution hit(m_options.garbleRate);
    std::uniform_int_distribution<int> byte(0, 255);
    for (uint8_t& b : frame) {
        if (hit(m_noise))
            b = static_cast<uint8_t>(byte(m_noise));
    }
}

void SimulatorLink::run()
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    while (!m_stopping) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (m_options.durationSeconds > 0 && elapsed >= m_options.durationSeconds)
            break;
        m_controller.advanceTo(elapsed);
        if (m_alias)
            setDeviceThere(!dropped(elapsed));
        sendDueFrames(elapsed);
        if (!m_terminal)
            std::this_thread::sleep_for(std::chrono::milliseconds(kTickMs));
        else if (m_terminal->waitReadable(kTickMs))
            receiveCommands();
    }
}

void SimulatorLink::sendDueFrames(double elapsed)
{
    const auto due = static_cast<uint64_t>(elapsed * m_options.framesPerSecond);
    // A silent or absent controller sends nothing, and nothing of it is
    // owed later.
    if (paused(elapsed) || !m_terminal) {
        m_framesSent = due;
        return;
    }
    while (m_framesSent < due) {
        ++m_framesSent;
        if (m_pending.size() >= kMaxPending)
            continue;
        auto frame = m_controller.nextFrame();
        if (m_options.garbleRate > 0)
            garble(frame);
        m_pending.insert(m_pending.end(), frame.begin(), frame.end());
    }
    if (!m_pending.empty()) {
        const size_t written = m_terminal->write(m_pending.data(), m_pending.size());
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(written));
    }
}

void SimulatorLink::receiveCommands()
{
    uint8_t buffer[256];
    const size_t got = m_terminal->read(buffer, sizeof buffer);
    m_commands.feed(buffer, got, [this](const protocol::CommandBytes& bytes) {
        if (onCommand)
            onCommand(bytes);
        if (const auto command = protocol::decodeCommand(bytes))
            m_controller.apply(*command);
    });
}

} // namespace simulator
