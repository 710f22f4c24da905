#pragma once

#include "serial/Comm.h"

#include <QString>
#include <QStringList>

#include <cstdint>
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
    // A USB adapter's identity where the system gives it (empty and 0
    // otherwise): it finds the adapter again under another device name.
    QString serialNumber = {};
    uint16_t vendorId = 0;
    uint16_t productId = 0;

    bool operator==(const PortEntry&) const = default;
    bool hasUsbIdentity() const { return !serialNumber.isEmpty() && vendorId != 0; }
};

// The entry of a device given by its path: the path without the system's
// device folder ("/dev/ttyUSB1" is "ttyUSB1", "\\.\COM3" is "COM3").
PortEntry portEntryForDevice(const QString& location);

// The serial ports present on this computer, in the order the system lists
// them.
QList<PortEntry> availablePorts();

// The lost port come back among those present: the one with its USB
// serial number, vendor and product where it had them, else the one at its
// path.
std::optional<PortEntry> returnedPort(const PortEntry& lost, const QList<PortEntry>& present);

} // namespace serial
