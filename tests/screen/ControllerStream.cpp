#include "ControllerStream.h"

#include "simulator/SimulatedController.h"


namespace screentest {
namespace {

// 115200 baud, ten bits a byte, nine bytes a frame.
constexpr int kFramesPerSecond = 115200 / 10 / protocol::kFrameSize;
constexpr auto kTick = std::chrono::milliseconds(10);

} // namespace

ControllerStream::ControllerStream() { m_terminal.watchForClients(); }

ControllerStream::~ControllerStream() { stop(); }

void ControllerStream::writeAll(const uint8_t* data, size_t size)
{
    // The client reads every 10 ms; a full buffer waits for it.
    while (size > 0) {
        const size_t written = m_terminal.write(data, size);
        data += written;
        size -= written;
        if (size > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void ControllerStream::startLive()
{
    stop();
    m_running = true;
    m_writer = std::thread([this] {
        simulator::SimulatedController controller;
        const auto start = std::chrono::steady_clock::now();
        auto next = start;
        long sent = 0;
        while (m_running) {
            next += kTick;
            const double seconds = std::chrono::duration<double>(next - start).count();
            controller.advanceTo(seconds);
            std::vector<uint8_t> chunk;
            const long due = static_cast<long>(seconds * kFramesPerSecond);
            bool carriesSwitches = false;
            int ch5 = 0;
            int ch6 = 0;
            {
                std::lock_guard lock(m_switchesLock);
                ch5 = m_ch5;
                ch6 = m_ch6;
            }
            for (; sent < due; ++sent) {
                protocol::FrameBytes frame = controller.nextFrame();
                if (frame[1] == static_cast<uint8_t>(protocol::FrameType::Channels456)) {
                    const uint16_t channel4 = uint16_t(frame[2] | frame[3] << 8);
                    frame = protocol::makeFrame(protocol::FrameType::Channels456, channel4, uint16_t(ch5 * 12),
                        uint16_t(ch6 * 12));
                    carriesSwitches = true;
                }
                chunk.insert(chunk.end(), frame.begin(), frame.end());
            }
            writeAll(chunk.data(), chunk.size());
            if (carriesSwitches) {
                std::lock_guard lock(m_switchesLock);
                if (!m_switchesWritten && m_ch5 == ch5 && m_ch6 == ch6) {
                    m_switchesWritten = true;
                    m_switchesTime = std::chrono::steady_clock::now();
                }
            }
            std::this_thread::sleep_until(next);
        }
    });
}

std::chrono::steady_clock::time_point ControllerStream::setSwitches(int ch5, int ch6)
{
    {
        std::lock_guard lock(m_switchesLock);
        m_ch5 = ch5;
        m_ch6 = ch6;
        m_switchesWritten = false;
    }
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::lock_guard lock(m_switchesLock);
        if (m_switchesWritten)
            return m_switchesTime;
    }
}

void ControllerStream::send(const std::vector<protocol::FrameBytes>& frames)
{
    stop();
    for (const protocol::FrameBytes& frame : frames)
        writeAll(frame.data(), frame.size());
}

void ControllerStream::stop()
{
    m_running = false;
    if (m_writer.joinable())
        m_writer.join();
}

} // namespace screentest
