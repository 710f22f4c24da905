#pragma once

#include "protocol/TelemetryFrame.h"
#include "simulator/PseudoTerminal.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace screentest {

// The test as the flight controller, on a pseudo-terminal: either a live
// stream at the full link rate whose mode switches the test sets, or a
// fixed set of frames sent once, after which the link stays silent.
class ControllerStream {
public:
    ControllerStream();
    ~ControllerStream();
    ControllerStream(const ControllerStream&) = delete;
    ControllerStream& operator=(const ControllerStream&) = delete;

    const std::string& devicePath() const { return m_terminal.slavePath(); }
    bool waitForClient(int timeoutMs) { return m_terminal.waitForClient(timeoutMs); }

    // Streams all frame types at what 115200 baud carries, with CH5 and
    // CH6 as set.
    void startLive();
    // The time the first frame carrying these switch positions was written.
    std::chrono::steady_clock::time_point setSwitches(int ch5, int ch6);
    // Stops the live stream and writes frames once.
    void send(const std::vector<protocol::FrameBytes>& frames);

private:
    void stop();
    void writeAll(const uint8_t* data, size_t size);

    simulator::PseudoTerminal m_terminal;
    std::thread m_writer;
    std::atomic<bool> m_running{false};
    std::mutex m_switchesLock;
    int m_ch5 = 1500;
    int m_ch6 = 1500;
    bool m_switchesWritten = true;
    std::chrono::steady_clock::time_point m_switchesTime;
};

} // namespace screentest
