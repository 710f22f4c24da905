#pragma once

#include "simulator/ControllerLink.h"
#include "protocol/CommandFrame.h"
#include "simulator/CommandCollector.h"
#include "simulator/PseudoTerminal.h"
#include "simulator/SimulatedController.h"

#include <atomic>
#include <functional>
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
        // Faults, for testing clients: silence with the device open from
        // pauseAfterSeconds for pauseForSeconds (0: none), as a controller
        // that resets or loses its radio; and the share of bytes sent
        // replaced by random ones, as a noisy line.
        double pauseAfterSeconds = 0;
        double pauseForSeconds = 0;
        double garbleRate = 0;
    };

    explicit SimulatorLink(Options options);

    const std::string& devicePath() const override { return m_terminal.slavePath(); }

    // Called for every command frame received, before it is applied.
    std::function<void(const protocol::CommandBytes&)> onCommand;

    // Runs until the duration is over or stop() is called (from any thread).
    void run() override;
    void stop() override { m_stopping = true; }

private:
    void receiveCommands();
    void sendDueFrames(double elapsed);
    bool paused(double elapsed) const;
    void garble(protocol::FrameBytes& frame);

    Options m_options;
    PseudoTerminal m_terminal;
    SimulatedController m_controller;
    std::atomic<bool> m_stopping{false};
    std::vector<uint8_t> m_pending;     // telemetry not yet taken by the terminal
    CommandCollector m_commands;
    uint64_t m_framesSent = 0;
    std::mt19937 m_noise;
};

} // namespace simulator
