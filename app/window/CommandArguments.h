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

// The integer held to the limit. A number outside 0..65535 would wrap on
// the link into some other limit, so it is refused with a message that
// names the limit (what, e.g. "range limit") and the numbers allowed.
uint16_t limitArgument(const QString& text, uint16_t limit, const QString& what);

// Position of a list text among the names, when it is one of them.
std::optional<uint8_t> listIndex(const QString& text, bool airframe);

} // namespace commands
