#pragma once

#include "serial/SerialDriver.h"

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace serial {

// The far end of an in-memory device, held by a test: queue incoming bytes,
// set modem lines and line errors, make any operation fail, and read what
// the component wrote and which calls it made.
struct MemorySerialDevice {
    enum class Operation {
        Open, SetupQueues, Purge, GetState, SetState, Escape, ClearError, ModemStatus, Read, Write, Close,
    };

    void queue(const std::vector<uint8_t>& bytes) { incoming.insert(incoming.end(), bytes.begin(), bytes.end()); }
    bool fails(Operation operation) const { return failing.count(operation) != 0; }

    std::deque<uint8_t> incoming;
    std::vector<uint8_t> written;
    std::vector<size_t> writeSizes;  // bytes per write call
    uint32_t modemLines = 0;
    uint32_t errorMask = 0;          // handed out once by the next status query
    std::set<Operation> failing;
    OpenResult openResult;           // what a failing open reports
    LineSettings settings;
    std::string openedDevice;
    bool open = false;
    std::vector<std::string> calls;  // "open /dev/ttyS0", "purge 15", "escape SetDtr", ...
};

class MemorySerialDriver : public SerialDriver {
public:
    explicit MemorySerialDriver(std::shared_ptr<MemorySerialDevice> device);

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
    bool call(MemorySerialDevice::Operation operation, std::string text);

    std::shared_ptr<MemorySerialDevice> m_device;
};

} // namespace serial
