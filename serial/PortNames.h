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

// A port as the port list offers it: a short name that fits the list and
// tells ports apart ("ttyUSB1", "COM3"), and the device it opens.
struct PortEntry {
    QString name;
    QString location;

    bool operator==(const PortEntry&) const = default;
};

// The entry of a device given by its path: the path without the system's
// device folder ("/dev/ttyUSB1" is "ttyUSB1", "\\.\COM3" is "COM3").
PortEntry portEntryForDevice(const QString& location);

// The serial ports present on this computer, in the order the system lists
// them.
QList<PortEntry> availablePorts();

} // namespace serial
