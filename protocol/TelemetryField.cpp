#include "protocol/TelemetryField.h"

#include <array>

namespace protocol {
namespace {

constexpr std::array<std::string_view, kTelemetryFieldCount> kCaptions = {
    "Roll ", "Pitch ", "Yaw ",
    "GyroX ", "GyroY ", "GyroZ ",
    "CH1 A ", "CH2 E ", "CH3 T  ",
    "CH4 R  ", "CH5  ", "CH6  ",
    "Gyro Gain   ", "AUX Gain   ", "Version ",
    "Battery ", "Azimuth", "Heading ",
    "Altitude ", "Alt Vel  ", "Alt Gain  ",
    "Lat. ", "Lon. ", "HAC ",
    "Mx ", "My ", "Mz ",
    "Ax ", "Ay ", "Az ",
    "Receiver", "Low Voltage  ",
    "Range Limit ", "Heigh Limit ",
};

} // namespace

std::string_view frameTypeName(FrameType type)
{
    static constexpr std::array<std::string_view, kLastFrameType - kFirstFrameType + 1> kNames = {"Attitude", "Gyro",
        "CH1-CH3", "CH4-CH6", "Settings", "Heading", "Altitude", "Position", "Magnet.", "Accel.", "Receiver", "Limits"};
    return kNames[static_cast<size_t>(type) - kFirstFrameType];
}

FrameType frameOf(TelemetryField field)
{
    // Three fields a frame in frame order, but the receiver and limits
    // frames write two each.
    const int index = static_cast<int>(field);
    if (field >= TelemetryField::RangeLimit)
        return FrameType::Limits;
    if (field >= TelemetryField::Receiver)
        return FrameType::Receiver;
    return static_cast<FrameType>(kFirstFrameType + index / 3);
}

std::string_view fieldCaption(TelemetryField field)
{
    return kCaptions[static_cast<size_t>(field)];
}

std::string_view fieldName(TelemetryField field)
{
    std::string_view caption = fieldCaption(field);
    while (!caption.empty() && caption.back() == ' ')
        caption.remove_suffix(1);
    return caption;
}

} // namespace protocol
