#include "protocol/CommandFrame.h"

#include <array>

namespace protocol {
namespace {

struct CommandCode {
    Command command;
    uint8_t header;
    uint8_t code;
};

constexpr std::array<CommandCode, 10> kCodes = {{
    {Command::GyroGain, kParameterHeader, kGyroGainCode},
    {Command::AuxGain, kParameterHeader, kAuxGainCode},
    {Command::AltGain, kParameterHeader, kAltGainCode},
    {Command::LowVoltage, kParameterHeader, kLowVoltageCode},
    {Command::Airframe, kParameterHeader, kAirframeCode},
    {Command::Receiver, kParameterHeader, kReceiverCode},
    {Command::StickCalibration, kParameterHeader, kStickCalibrationCode},
    {Command::ImuCalibration, kParameterHeader, kImuCalibrationCode},
    {Command::RangeLimit, kLimitHeader, kRangeLimitCode},
    {Command::HeightLimit, kLimitHeader, kHeightLimitCode},
}};

} // namespace

CommandBytes encodeCommand(Command command, uint16_t argument)
{
    const CommandCode& entry = kCodes[static_cast<size_t>(command)];
    return {entry.header, static_cast<uint8_t>(argument), static_cast<uint8_t>(argument >> 8), entry.code};
}

std::optional<CommandFrame> decodeCommand(const CommandBytes& bytes)
{
    for (const CommandCode& entry : kCodes) {
        if (entry.header == bytes[0] && entry.code == bytes[3])
            return CommandFrame{entry.command, static_cast<uint16_t>(bytes[1] | bytes[2] << 8)};
    }
    return std::nullopt;
}

} // namespace protocol
