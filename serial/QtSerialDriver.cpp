#include "serial/QtSerialDriver.h"


#ifndef Q_OS_WIN
#include <cerrno>
#include <unistd.h>
#endif

namespace serial {
namespace {

QSerialPort::Parity toQt(uint8_t parity)
{
    switch (parity) {
    case 1: return QSerialPort::OddParity;
    case 2: return QSerialPort::EvenParity;
    case 3: return QSerialPort::MarkParity;
    case 4: return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsToQt(uint8_t stopBits)
{
    switch (stopBits) {
    case 1: return QSerialPort::OneAndHalfStop;
    case 2: return QSerialPort::TwoStop;
    default: return QSerialPort::OneStop;
    }
}

QSerialPort::FlowControl flowToQt(const LineSettings& settings)
{
    if (settings.rtsControl == RtsControl::Handshake && settings.outxCtsFlow)
        return QSerialPort::HardwareControl;
    if (settings.outX || settings.inX)
        return QSerialPort::SoftwareControl;
    return QSerialPort::NoFlowControl;
}

} // namespace

QtSerialDriver::QtSerialDriver() = default;

OpenResult QtSerialDriver::open(const std::string& device)
{
    const QString name = QString::fromStdString(device);
#ifndef Q_OS_WIN
    // Ask the system first: QSerialPort reports a missing permission and a
    // device locked by another program alike.
    if (::access(device.c_str(), R_OK | W_OK) != 0) {
        if (errno == ENOENT)
            return {OpenError::NotFound, {}};
        if (errno == EACCES || errno == EPERM)
            return {OpenError::PermissionDenied, {}};
    }
#endif
    m_port.setPortName(name);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const std::string detail = m_port.errorString().toStdString();
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return {OpenError::NotFound, detail};
        case QSerialPort::PermissionError:
            return {OpenError::InUse, detail};
        default:
            return {OpenError::Other, detail};
        }
    }
    m_modemLinesUnsupported = false;
    m_settings.baudRate = m_port.baudRate();
    m_settings.byteSize = static_cast<uint8_t>(m_port.dataBits());
    return {};
}

bool QtSerialDriver::setupQueues(uint32_t inputSize, uint32_t /*outputSize*/)
{
    // The read buffer stands for the driver's input queue: beyond it, bytes
    // wait in the system until they are read.
    m_port.setReadBufferSize(inputSize);
    return m_port.isOpen();
}

bool QtSerialDriver::purge(uint32_t flags)
{
    if (!m_port.isOpen())
        return false;
    bool ok = true;
    if (flags & PurgeRxClear)
        ok = m_port.clear(QSerialPort::Input) && ok;
    if (flags & PurgeTxClear)
        ok = m_port.clear(QSerialPort::Output) && ok;
    return ok;
}

bool QtSerialDriver::getState(LineSettings& settings)
{
    if (!m_port.isOpen())
        return false;
    settings = m_settings;
    return true;
}

bool QtSerialDriver::setState(const LineSettings& settings)
{
    if (!m_port.isOpen())
        return false;
    bool ok = m_port.setBaudRate(settings.baudRate);
    ok = m_port.setDataBits(static_cast<QSerialPort::DataBits>(settings.byteSize)) && ok;
    ok = m_port.setParity(toQt(settings.parity)) && ok;
    ok = m_port.setStopBits(stopBitsToQt(settings.stopBits)) && ok;
    ok = m_port.setFlowControl(flowToQt(settings)) && ok;
    if (ok)
        m_settings = settings;
    return ok;
}

bool QtSerialDriver::escape(EscapeFunction function)
{
    if (!m_port.isOpen())
        return false;
    switch (function) {
    case EscapeFunction::SetDtr: return m_port.setDataTerminalReady(true);
    case EscapeFunction::ClearDtr: return m_port.setDataTerminalReady(false);
    case EscapeFunction::SetRts: return m_port.setRequestToSend(true);
    case EscapeFunction::ClearRts: return m_port.setRequestToSend(false);
    }
    return false;
}

bool QtSerialDriver::deviceGone() const
{
    const auto error = m_port.error();
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
}

bool QtSerialDriver::clearError(CommStatus& status)
{
    if (!m_port.isOpen() || deviceGone())
        return false;
    status.errors = 0;
    status.bytesWaiting = static_cast<uint32_t>(m_port.bytesAvailable());
    return true;
}

bool QtSerialDriver::modemStatus(uint32_t& lines)
{
    if (!m_port.isOpen() || deviceGone() || m_modemLinesUnsupported)
        return false;
    m_port.clearError();
    const QSerialPort::PinoutSignals pins = m_port.pinoutSignals();
    if (m_port.error() != QSerialPort::NoError) {
        // Devices without modem lines (pseudo-terminals, some adapters)
        // refuse the query every time; asking 100 times a second only
        // costs system calls.
        m_modemLinesUnsupported = true;
        m_port.clearError();
        return false;
    }
    lines = 0;
    if (pins & QSerialPort::DataCarrierDetectSignal)
        lines |= ModemCarrierOn;
    if (pins & QSerialPort::DataSetReadySignal)
        lines |= ModemDsrOn;
    if (pins & QSerialPort::RingIndicatorSignal)
        lines |= ModemRingOn;
    if (pins & QSerialPort::ClearToSendSignal)
        lines |= ModemCtsOn;
    return true;
}

bool QtSerialDriver::read(uint8_t* buffer, uint32_t count, uint32_t& bytesRead)
{
    const qint64 got = m_port.read(reinterpret_cast<char*>(buffer), count);
    if (got < 0)
        return false;
    bytesRead = static_cast<uint32_t>(got);
    return true;
}

bool QtSerialDriver::write(const uint8_t* data, uint32_t count, uint32_t& bytesWritten)
{
    const qint64 written = m_port.write(reinterpret_cast<const char*>(data), count);
    if (written < 0)
        return false;
    m_port.flush();
    // A device that went away fails the flush, not the buffered write.
    if (m_port.error() == QSerialPort::WriteError || m_port.error() == QSerialPort::ResourceError)
        return false;
    bytesWritten = static_cast<uint32_t>(written);
    return true;
}

void QtSerialDriver::close()
{
    m_port.close();
    m_port.clearError();
}

} // namespace serial
