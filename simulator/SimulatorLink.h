#pragma once

#include "simulator/ControllerLink.h"
#include "protocol/CommandFrame.h"
#include "simulator/CommandCollector.h"
#include "simulator/PseudoTerminal.h"
#include "simulator/SimulatedController.h"

#include <atomic>
#include <functional>
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

    Options m_options;
    PseudoTerminal m_terminal;
    SimulatedController m_controller;
    std::atomic<bool> m_stopping{false};
    std::vector<uint8_t> m_pending;     // telemetry not yet taken by the terminal
    CommandCollector m_commands;
    uint64_t m_framesSent = 0;
};

} // namespace simulator
