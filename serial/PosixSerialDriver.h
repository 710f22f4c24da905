#pragma once

#include "serial/SerialDriver.h"

#include <termios.h>

namespace serial {

// Serial devices through the system's own calls on Unix: real ports and
// pseudo-terminals. Nothing here watches the device between calls, so the
// component's poll tick is the only thing that wakes for it, however fast
// the device streams.
class PosixSerialDriver : public SerialDriver {
public:
    PosixSerialDriver() = default;
    ~PosixSerialDriver() override;
    PosixSerialDriver(const PosixSerialDriver&) = delete;
    PosixSerialDriver& operator=(const PosixSerialDriver&) = delete;

    OpenResult open(const std::string& device) override;
    bool setupQueues(uint32_t inputSize, uint32_t outputSize) override;
    bool purge(uint32_t flags) override;
    bool getState(LineSettings& settings) override;
    bool setState(const LineSettings& settings) override;
    bool escape(EscapeFunction function) override;
    bool clearError(CommStatus& status) override;
    bool modemStatus(uint32_t& lines) override;
    bool read(uint8_t* buffer, uint32_t count, uint32_t& bytesRead) override;
    bool write(const uint8_t* data, uint32_t count, uint32_t& bytesWritten) override;
    void close() override;

private:
    // Line error counts of a real port since it opened.
    struct LineCounters {
        int overrun = 0;
        int parity = 0;
        int framing = 0;
        int breaks = 0;
        int bufferOverrun = 0;
    };

    bool failed(int error);
    bool waitWritable();
    bool readCounters(LineCounters& counters);
    uint32_t lineErrors();

    int m_fd = -1;
    termios m_original{};
    LineSettings m_settings;
    uint32_t m_readLimit = UINT32_MAX;
    bool m_gone = false;
    bool m_modemLinesUnsupported = false;
    bool m_countersUnsupported = false;
    LineCounters m_counters;
};

} // namespace serial
