#pragma once

#include "protocol/TelemetryFrame.h"

#include <cstdint>
#include <string_view>

namespace protocol {

// The read-only fields of the window that telemetry writes, in the order
// the frames write them.
enum class TelemetryField : uint8_t {
    Roll, Pitch, Yaw,
    GyroX, GyroY, GyroZ,
    Ch1, Ch2, Ch3,
    Ch4, Ch5, Ch6,
    GyroGain, AuxGain, Version,
    Battery, Azimuth, Heading,
    Altitude, AltVel, AltGain,
    Lat, Lon, Hac,
    Mx, My, Mz,
    Ax, Ay, Az,
    Receiver, LowVoltage,
    RangeLimit, HeightLimit,
};

inline constexpr int kTelemetryFieldCount = static_cast<int>(TelemetryField::HeightLimit) + 1;

// The frame type that writes the field.
FrameType frameOf(TelemetryField field);

// A frame type's short name, as lists show it ("Attitude", "CH1-CH3").
std::string_view frameTypeName(FrameType type);

// The caption of the label beside the field, exactly as the window shows
// it (trailing blanks included); the receiver-type field has no label of
// its own and is called "Receiver".
std::string_view fieldCaption(TelemetryField field);

// The caption trimmed of blanks ("CH3 T", "Gyro Gain"), as the console
// monitor prints it.
std::string_view fieldName(TelemetryField field);

} // namespace protocol
