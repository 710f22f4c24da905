#pragma once

#include "serial/SerialDriver.h"

#include <QSerialPort>

namespace serial {

// Serial devices through QSerialPort: real ports and pseudo-terminals.
// Qt reports no parity, framing or break errors, so the error mask it
// hands out is always 0; a device that vanished makes the status query
// fail.
class QtSerialDriver : public SerialDriver {
public:
    QtSerialDriver();

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
    bool deviceGone() const;

    QSerialPort m_port;
    LineSettings m_settings;
    bool m_modemLinesUnsupported = false;
};

} // namespace serial
