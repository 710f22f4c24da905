#pragma once

#include "serial/SerialDriver.h"

#include <termios.h>

namespace serial {

// Line settings to and from a terminal's attributes, in raw mode: no echo,
// no line editing, reads that never wait.

// Returns false, and leaves the attributes alone, when the system cannot
// do what the settings ask: a rate it has no constant for, a byte size
// outside 5-8, mark or space parity or hardware flow without support.
// 1.5 stop bits become 2, as the system has no 1.5.
bool toTermios(const LineSettings& settings, termios& attributes);

// What the attributes hold; a rate the system has no number for reads 0.
// Fields the attributes do not keep (binary, a raised or lowered RTS line
// without handshake) keep their defaults.
LineSettings fromTermios(const termios& attributes);

} // namespace serial
