#pragma once

#include <array>
#include <cstdint>

namespace protocol {

// A telemetry frame: header, type, three unsigned 16-bit values low byte
// first, trailer. No length, checksum or sequence number.
inline constexpr uint8_t kFrameHeader = 0x55;
inline constexpr uint8_t kFrameTrailer = 0xBB;
inline constexpr int kFrameSize = 9;

enum class FrameType : uint8_t {
    Attitude = 0xA0,
    Gyro = 0xA1,
    Channels123 = 0xA2,
    Channels456 = 0xA3,
    Settings = 0xA4,
    Heading = 0xA5,
    Altitude = 0xA6,
    Position = 0xA7,
    Magnetometer = 0xA8,
    Accelerometer = 0xA9,
    Receiver = 0xAA,
    Limits = 0xAB,
};

inline constexpr uint8_t kFirstFrameType = 0xA0;
inline constexpr uint8_t kLastFrameType = 0xAB;

using FrameBytes = std::array<uint8_t, kFrameSize>;

inline constexpr FrameBytes makeFrame(FrameType type, uint16_t v1, uint16_t v2, uint16_t v3)
{
    return {kFrameHeader, static_cast<uint8_t>(type),
        static_cast<uint8_t>(v1), static_cast<uint8_t>(v1 >> 8),
        static_cast<uint8_t>(v2), static_cast<uint8_t>(v2 >> 8),
        static_cast<uint8_t>(v3), static_cast<uint8_t>(v3 >> 8),
        kFrameTrailer};
}

} // namespace protocol
