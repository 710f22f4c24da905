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

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    return names;
}

} // namespace serial
