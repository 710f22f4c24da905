#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace protocol {

// The two switch channels whose value selects one of three lamps each.
enum class ModeSwitch : uint8_t { Ch5, Ch6 };

// Lamp positions inside a group, from the high end of the stick travel to
// the low end: CH5 "Manual", "Alt. Hold", "GPS Hold"; CH6 "OFF",
// "Care Free", "Com Home".
enum class ModeLamp : uint8_t { High, Middle, Low };

std::string_view lampName(ModeSwitch group, ModeLamp lamp);

// The lamp a channel value lights: above 1700 the high lamp, strictly
// between 1350 and 1700 the middle one, below 1350 the low one. Exactly
// 1350 or 1700 leave the group as it was (no value).
std::optional<ModeLamp> litLamp(long double channelValue);

// The airframe list, in the order of the picture strip and of the command
// argument.
inline constexpr std::array<std::string_view, 7> kAirframeNames = {"+4", "X4", "+6", "X6", "Y6", "Fh8", "X8"};

// Receiver types as the receiver frame and command number them.
inline constexpr std::array<std::string_view, 3> kReceiverNames = {"PWM", "SBUS", "PPM"};

} // namespace protocol
