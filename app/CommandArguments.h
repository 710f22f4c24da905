#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The 16-bit arguments of the command frames, computed from the texts of
// the setting fields with the class library's conversions: a text that is
// not a number throws EConvertError with the library's message.
namespace commands {

// trunc(number × scale), cut to its low 16 bits.
uint16_t scaledArgument(const QString& text, int scale);

// The integer, cut to its low 16 bits, then held to the limit.
uint16_t limitArgument(const QString& text, uint16_t limit);

// Position of a list text among the names, when it is one of them.
std::optional<uint8_t> listIndex(const QString& text, bool airframe);

} // namespace commands
