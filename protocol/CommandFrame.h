#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace protocol {

// A command frame: header, 16-bit argument low byte first, command code.
// The controller never answers; its next telemetry shows the result.
inline constexpr int kCommandSize = 4;
inline constexpr uint8_t kParameterHeader = 0x55;
inline constexpr uint8_t kLimitHeader = 0x66;

// Codes under the parameter header.
inline constexpr uint8_t kImuCalibrationCode = 0xAA;
inline constexpr uint8_t kAuxGainCode = 0xAB;
inline constexpr uint8_t kGyroGainCode = 0xAC;
inline constexpr uint8_t kAltGainCode = 0xAD;
inline constexpr uint8_t kLowVoltageCode = 0xAE;
inline constexpr uint8_t kAirframeCode = 0xAF;
inline constexpr uint8_t kStickCalibrationCode = 0xBA;
inline constexpr uint8_t kReceiverCode = 0xBB;
// Codes under the limit header.
inline constexpr uint8_t kRangeLimitCode = 0xAA;
inline constexpr uint8_t kHeightLimitCode = 0xAB;

inline constexpr uint16_t kMaxRangeLimit = 5000;
inline constexpr uint16_t kMaxHeightLimit = 2500;

enum class Command : uint8_t {
    GyroGain, AuxGain, AltGain, LowVoltage, Airframe, Receiver,
    StickCalibration, ImuCalibration, RangeLimit, HeightLimit,
};

using CommandBytes = std::array<uint8_t, kCommandSize>;

struct CommandFrame {
    Command command;
    uint16_t argument;
};

// Writes a command into a 4-byte buffer: header, argument, code.
CommandBytes encodeCommand(Command command, uint16_t argument);

// Identifies a received 4-byte command; nothing for an unknown
// header/code pair.
std::optional<CommandFrame> decodeCommand(const CommandBytes& bytes);

} // namespace protocol
