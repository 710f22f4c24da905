#pragma once

#include "serial/Comm.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace serial {

// The device a numbered port opens: "\\.\COMn" on Windows; elsewhere the
// n-th built-in serial device, /dev/ttyS<n-1>.
QString devicePathForPort(TComPortNumber port);

// "COM1" ... "COM15" (exact, case-sensitive) name a port number; any other
// name names none.
std::optional<TComPortNumber> portNumberForName(const QString& name);

// The serial ports present on this computer, by their system names
// (/dev/ttyUSB0, COM3), in the order the system lists them.
QStringList availablePortNames();

} // namespace serial
