#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace simulator {

// The controller's end of a pseudo-terminal: a client opens slavePath() as
// its serial device. The slave is kept open here too, in raw mode, so the
// link survives clients coming and going.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& slavePath() const { return m_slavePath; }

    // Non-blocking; return the count moved, 0 when nothing could be.
    size_t write(const uint8_t* data, size_t size);
    size_t read(uint8_t* buffer, size_t size);
    // Waits until the client wrote something or the time is up.
    bool waitReadable(int timeoutMs);

    // Waits until bytes written here are ready for the client to read, or
    // the time is up: the system hands them over a moment after the write.
    bool waitClientReadable(int timeoutMs);
    // Bytes written here that the client has not read yet.
    size_t unreadBytes() const;

    // Starts noticing clients opening the device; call before handing out
    // slavePath(). Without support for that (other systems than Linux) a
    // client counts as there from the start.
    void watchForClients();
    // Waits until a client has opened the device since watchForClients(),
    // or the time is up.
    bool waitForClient(int timeoutMs);

private:
    int m_master = -1;
    int m_slave = -1;
    int m_watch = -1;
    bool m_clientSeen = false;
    std::string m_slavePath;
};

} // namespace simulator
