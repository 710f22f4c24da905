#pragma once

#include "simulator/ControllerLink.h"
#include "protocol/CommandFrame.h"
#include "simulator/CommandCollector.h"
#include "simulator/DeviceAlias.h"
#include "simulator/PseudoTerminal.h"
#include "simulator/SimulatedController.h"

#include <atomic>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace simulator {

// Runs a simulated controller on a pseudo-terminal: streams telemetry at
// the configured frame rate and applies the command frames the client
// writes.
class SimulatorLink : public ControllerLink {
public:
    struct Options {
        double framesPerSecond = 115200.0 / 10 / protocol::kFrameSize;  // 8N1: ten bits a byte
        uint32_t seed = 1;
        double durationSeconds = 0;  // 0: until stop()
        // Faults, for testing clients. Silence with the device open for
        // pauseForSeconds after each pauseAfterSeconds of sending (0: none),
        // as a controller that resets or loses its radio. The device gone
        // for dropForSeconds after each dropAfterSeconds of being there
        // (0: never), as a cable pulled and plugged in again; it comes back
        // at the same path. The share of bytes sent replaced by random
        // ones, as a noisy line.
        double pauseAfterSeconds = 0;
        double pauseForSeconds = 0;
        double dropAfterSeconds = 0;
        double dropForSeconds = 0;
        double garbleRate = 0;
    };

    explicit SimulatorLink(Options options);

    // With drops, a path that stays while the devices behind it change.
    const std::string& devicePath() const override { return m_devicePath; }

    // Called for every command frame received, before it is applied.
    std::function<void(const protocol::CommandBytes&)> onCommand;

    // Runs until the duration is over or stop() is called (from any thread).
    void run() override;
    void stop() override { m_stopping = true; }

private:
    void receiveCommands();
    void sendDueFrames(double elapsed);
    bool paused(double elapsed) const;
    bool dropped(double elapsed) const;
    // Takes the device away or brings a new one at the same path.
    void setDeviceThere(bool there);
    void garble(protocol::FrameBytes& frame);

    Options m_options;
    std::unique_ptr<DeviceAlias> m_alias;
    // None while the device is dropped.
    std::unique_ptr<PseudoTerminal> m_terminal;
    std::string m_devicePath;
    SimulatedController m_controller;
    std::atomic<bool> m_stopping{false};
    std::vector<uint8_t> m_pending;     // telemetry not yet taken by the terminal
    CommandCollector m_commands;
    uint64_t m_framesSent = 0;
    std::mt19937 m_noise;
};

} // namespace simulator
