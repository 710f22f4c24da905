#include "serial/PortNames.h"

#include <QSerialPortInfo>

namespace serial {

QString devicePathForPort(TComPortNumber port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(static_cast<int>(port) + 1);
#else
    return QStringLiteral("/dev/ttyS%1").arg(static_cast<int>(port));
#endif
}

std::optional<TComPortNumber> portNumberForName(const QString& name)
{
    for (int n = 1; n <= 15; ++n) {
        if (name == QStringLiteral("COM%1").arg(n))
            return static_cast<TComPortNumber>(n - 1);
    }
    return std::nullopt;
}

PortEntry portEntryForDevice(const QString& location)
{
    for (const QString& folder : {QStringLiteral("/dev/"), QStringLiteral("\\\\.\\")}) {
        if (location.startsWith(folder) && location.size() > folder.size())
            return {location.mid(folder.size()), location};
    }
    return {location, location};
}

QList<PortEntry> availablePorts()
{
    QList<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.append({info.portName(), info.systemLocation(), info.serialNumber(),
            info.hasVendorIdentifier() ? info.vendorIdentifier() : uint16_t(0),
            info.hasProductIdentifier() ? info.productIdentifier() : uint16_t(0)});
    }
    return ports;
}

std::optional<PortEntry> returnedPort(const PortEntry& lost, const QList<PortEntry>& present)
{
    for (const PortEntry& port : present) {
        const bool same = lost.hasUsbIdentity()
            ? port.serialNumber == lost.serialNumber && port.vendorId == lost.vendorId && port.productId == lost.productId
            : port.location == lost.location;
        if (same)
            return port;
    }
    return std::nullopt;
}

} // namespace serial
