#pragma once

#include <cstdint>
#include <string>

namespace serial {

// Purge actions, combinable.
enum PurgeFlag : uint32_t {
    PurgeTxAbort = 0x01,
    PurgeRxAbort = 0x02,
    PurgeTxClear = 0x04,
    PurgeRxClear = 0x08,
};

// Line error bits of the status query.
enum CommErrorFlag : uint32_t {
    ErrorRxOverflow = 0x01,
    ErrorOverrun = 0x02,
    ErrorParity = 0x04,
    ErrorFraming = 0x08,
    ErrorBreak = 0x10,
};

// Modem line bits of the modem status query.
enum ModemStatusFlag : uint32_t {
    ModemCtsOn = 0x10,
    ModemDsrOn = 0x20,
    ModemRingOn = 0x40,
    ModemCarrierOn = 0x80,
};

enum class RtsControl : uint8_t { Disable, Enable, Handshake };

enum class EscapeFunction : uint8_t { SetDtr, ClearDtr, SetRts, ClearRts };

// The device state record: read, changed field by field, written back.
struct LineSettings {
    int32_t baudRate = 9600;
    bool binary = true;
    bool parityCheck = false;
    bool outxCtsFlow = false;
    RtsControl rtsControl = RtsControl::Disable;
    bool outX = false;
    bool inX = false;
    uint8_t byteSize = 8;
    uint8_t parity = 0;   // none, odd, even, mark, space
    uint8_t stopBits = 0; // 1, 1.5, 2

    bool operator==(const LineSettings&) const = default;
};

struct CommStatus {
    uint32_t errors = 0;
    uint32_t bytesWaiting = 0;
};

enum class OpenError : uint8_t { None, NotFound, PermissionDenied, InUse, NotSerialPort, Other };

struct OpenResult {
    OpenError error = OpenError::None;
    std::string detail; // the system's own words, when it gave any

    bool ok() const { return error == OpenError::None; }
};

// One serial device: the operations the serial component needs, each a
// plain blocking call that reports success. A driver holds at most one
// open device.
class SerialDriver {
public:
    virtual ~SerialDriver() = default;

    // Opens an existing device for reading and writing, not shared.
    virtual OpenResult open(const std::string& device) = 0;
    virtual bool setupQueues(uint32_t inputSize, uint32_t outputSize) = 0;
    virtual bool purge(uint32_t flags) = 0;
    virtual bool getState(LineSettings& settings) = 0;
    virtual bool setState(const LineSettings& settings) = 0;
    virtual bool escape(EscapeFunction function) = 0;
    // Returns and clears the error mask; tells how many bytes wait.
    virtual bool clearError(CommStatus& status) = 0;
    virtual bool modemStatus(uint32_t& lines) = 0;
    virtual bool read(uint8_t* buffer, uint32_t count, uint32_t& bytesRead) = 0;
    virtual bool write(const uint8_t* data, uint32_t count, uint32_t& bytesWritten) = 0;
    virtual void close() = 0;
};

} // namespace serial
