#include "protocol/FlightModes.h"

namespace protocol {

std::string_view lampName(ModeSwitch group, ModeLamp lamp)
{
    static constexpr std::string_view ch5[] = {"Manual", "Alt. Hold", "GPS Hold"};
    static constexpr std::string_view ch6[] = {"OFF", "Care Free", "Com Home"};
    const auto index = static_cast<size_t>(lamp);
    return group == ModeSwitch::Ch5 ? ch5[index] : ch6[index];
}

std::optional<ModeLamp> litLamp(long double channelValue)
{
    if (channelValue > 1700)
        return ModeLamp::High;
    if (channelValue > 1350 && channelValue < 1700)
        return ModeLamp::Middle;
    if (channelValue < 1350)
        return ModeLamp::Low;
    return std::nullopt;
}

} // namespace protocol
