#include "serial/Comm.h"

#include "platform/MessageBox.h"
#include "serial/PortNames.h"
#ifdef Q_OS_WIN
#include "serial/QtSerialDriver.h"
#else
#include "serial/PosixSerialDriver.h"
#endif

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace serial {
namespace {

const QString kAlreadyOpen = QStringLiteral("COM Port has been opened!");
const QString kNotOpen = QStringLiteral("COM Port is not opened yet!");
const QString kOpenFailed = QStringLiteral("Error opening serial port");
const QString kQueueFailed = QStringLiteral("Cannot setup comm buffer");

std::unique_ptr<SerialDriver> systemDriver()
{
#ifdef Q_OS_WIN
    return std::make_unique<QtSerialDriver>();
#else
    // Qt's serial port wakes the event loop on every burst a streaming
    // device delivers; reading the device ourselves leaves only the tick.
    return std::make_unique<PosixSerialDriver>();
#endif
}

} // namespace

TComm::TComm(QObject* owner, std::unique_ptr<SerialDriver> driver)
    : QObject(owner)
    , m_driver(driver ? std::move(driver) : systemDriver())
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kPollIntervalMs);
    m_timer->setTimerType(Qt::CoarseTimer);
    connect(m_timer, &QTimer::timeout, this, &TComm::ProcTimer);
}

TComm::~TComm()
{
    // A port still open when its owner goes away is released with it.
    if (m_handle)
        m_driver->close();
}

void TComm::SetCommPort(TComPortNumber port)
{
    m_commPort = port;
    m_devicePath.clear();
}

void TComm::SetDevicePath(const QString& path)
{
    m_devicePath = path;
}

QString TComm::deviceName() const
{
    return m_devicePath.isEmpty() ? devicePathForPort(m_commPort) : m_devicePath;
}

void TComm::SetBaudRate(TBaudRate value)
{
    if (value == m_baudRate)
        return;
    m_baudRate = value;
    applyStateIfOpen();
}

void TComm::SetHwHandShaking(THwHandShaking value)
{
    if (value == m_hwHandShaking)
        return;
    m_hwHandShaking = value;
    applyStateIfOpen();
}

void TComm::SetSwHandShaking(TSwHandShaking value)
{
    if (value == m_swHandShaking)
        return;
    m_swHandShaking = value;
    applyStateIfOpen();
}

void TComm::SetDataBits(TDataBits value)
{
    if (value == m_dataBits)
        return;
    m_dataBits = value;
    applyStateIfOpen();
}

void TComm::SetParity(TParity value)
{
    if (value == m_parity)
        return;
    m_parity = value;
    applyStateIfOpen();
}

void TComm::SetStopBits(TStopBits value)
{
    if (value == m_stopBits)
        return;
    m_stopBits = value;
    applyStateIfOpen();
}

void TComm::applyStateIfOpen()
{
    if (m_handle)
        _SetCommState();
}

void TComm::SetPortOpen(bool open)
{
    m_timer->stop();
    if (!open) {
        CloseComm();
        return;
    }
    if (m_opened) {
        platform::ShowMessage(kAlreadyOpen);
        m_timer->start();
        return;
    }
    if (const auto problem = OpenComm())
        platform::ShowMessage(*problem);
}

std::optional<QString> TComm::TryOpen()
{
    if (m_opened)
        return kAlreadyOpen;
    return OpenComm();
}

std::optional<QString> TComm::OpenComm()
{
    const OpenResult result = m_driver->open(deviceName().toStdString());
    // Left closed: nothing is polled, read or written on a device that did
    // not open, and the next open request tries again.
    if (!result.ok())
        return openFailureText(result);
    if (!m_driver->setupQueues(kReadBufferSize, kReadBufferSize)) {
        m_driver->close();
        return kQueueFailed;
    }
    m_handle = true;
    m_lost = false;
    m_driver->purge(PurgeTxAbort | PurgeRxAbort | PurgeTxClear | PurgeRxClear);
    _SetCommState();
    SetDTRStatus(true);
    SetRTSStatus(m_rtsStatus);
    m_opened = true;
    m_timer->start();
    return std::nullopt;
}

QString TComm::openFailureText(const OpenResult& result) const
{
    // The first line is the component's fixed message; the second says why,
    // so a user can act on it.
    const QString device = deviceName();
    QString reason;
    switch (result.error) {
    case OpenError::NotFound:
        reason = QStringLiteral("%1 does not exist.").arg(device);
        break;
    case OpenError::PermissionDenied:
        reason = QStringLiteral("Permission denied for %1: add your user to the \"dialout\" group "
                                "(sudo usermod -aG dialout $USER) and log in again.")
                     .arg(device);
        break;
    case OpenError::InUse:
        reason = QStringLiteral("%1 is in use by another program.").arg(device);
        break;
    case OpenError::NotSerialPort:
        reason = QStringLiteral("%1 is not a serial port.").arg(device);
        break;
    case OpenError::Other:
        reason = result.detail.empty()
            ? QStringLiteral("%1 could not be opened.").arg(device)
            : QStringLiteral("%1: %2.").arg(device, QString::fromStdString(result.detail));
        break;
    case OpenError::None:
        break;
    }
    return reason.isEmpty() ? kOpenFailed : kOpenFailed + u'\n' + reason;
}

void TComm::_SetCommState()
{
    LineSettings settings;
    if (!m_driver->getState(settings))
        return;
    settings.baudRate = m_baudRate;
    settings.binary = true;
    settings.parity = m_parity;
    m_parityInUse = m_parity != None;
    if (m_parityInUse)
        settings.parityCheck = false;
    switch (m_hwHandShaking) {
    case hhNone:
        settings.rtsControl = RtsControl::Disable;
        break;
    case hhNoneRTSON:
        settings.rtsControl = RtsControl::Enable;
        break;
    case hhRTSCTS:
        settings.rtsControl = RtsControl::Handshake;
        settings.outxCtsFlow = true;
        break;
    }
    if (m_swHandShaking == shXonXoff) {
        settings.outX = true;
        settings.inX = true;
    }
    settings.byteSize = static_cast<uint8_t>(m_dataBits + 5);
    settings.stopBits = m_stopBits;
    m_driver->setState(settings);
}

void TComm::CloseComm()
{
    if (!m_handle)
        return;
    m_driver->close();
    m_handle = false;
    m_opened = false;
}

void TComm::loseDevice()
{
    m_lost = true;
    m_timer->stop();
    CloseComm();
    if (OnDeviceLost)
        OnDeviceLost(this);
}

bool TComm::queryStatus(CommStatus& status)
{
    if (m_driver->clearError(status))
        return true;
    // A status query that fails on an open device means the device is gone;
    // acting on values it did not produce would read garbage.
    loseDevice();
    return false;
}

void TComm::SetDTRStatus(bool on)
{
    m_dtrStatus = on;
    if (m_handle)
        m_driver->escape(on ? EscapeFunction::SetDtr : EscapeFunction::ClearDtr);
}

void TComm::SetRTSStatus(bool on)
{
    m_rtsStatus = on;
    if (m_handle)
        m_driver->escape(on ? EscapeFunction::SetRts : EscapeFunction::ClearRts);
}

void TComm::ProcTimer()
{
    if (!m_handle)
        return;
    CommStatus status;
    if (!queryStatus(status))
        return;
    m_commError = status.errors;

    // Handlers and the message processing below may close the port, lose
    // the device or destroy the component. The message loop runs after each
    // handler that ran, so clicks and paints are not held up by a tick; a
    // tick that raised nothing leaves that to the loop itself, which runs
    // right after it (a hundred idle runs a second would only cost).
    //
    // A port closed meanwhile (a "DisConnect" click handled in the message
    // processing, or a handler closing it) ends the tick: the steps after it
    // would report the closed port as a fault the user never made.
    const QPointer<TComm> alive(this);
    const auto stillOpen = [&] { return alive && m_handle; };
    if (m_rThreshold > 0 && status.bytesWaiting >= static_cast<uint32_t>(m_rThreshold)) {
        ReceiveData();
        if (!stillOpen())
            return;
        QCoreApplication::processEvents();
        if (!stillOpen())
            return;
    }
    GetModemState();
    if (m_commEvent != 0) {
        ModemStateChange(m_commEvent);
        if (!stillOpen())
            return;
        QCoreApplication::processEvents();
        if (!stillOpen())
            return;
    }
    if (m_commError != 0) {
        ReceiveError(m_commError);
        if (!stillOpen())
            return;
        QCoreApplication::processEvents();
    }
}

void TComm::GetModemState()
{
    if (!m_handle) {
        platform::ShowMessage(kNotOpen);
        return;
    }
    uint32_t lines = 0;
    if (!m_driver->modemStatus(lines))
        return;
    updateLine(lines & ModemCarrierOn, m_cdHolding, EV_RLSD);
    updateLine(lines & ModemDsrOn, m_dsrHolding, EV_DSR);
    updateLine(lines & ModemRingOn, m_riHolding, EV_RING);
    updateLine(lines & ModemCtsOn, m_ctsHolding, EV_CTS);
}

void TComm::updateLine(bool on, bool& flag, uint32_t weight)
{
    if (on && !flag) {
        m_commEvent += weight;
        flag = true;
    } else if (!on && flag) {
        m_commEvent -= weight;
        flag = false;
    }
}

void TComm::ReadProcess()
{
    // Each read hands over only what it read: a batch returned twice would
    // be decoded twice.
    m_input.clear();
    CommStatus status;
    if (!queryStatus(status))
        return;
    m_commError = status.errors;
    if (status.bytesWaiting == 0)
        return;
    const uint32_t count = m_inputLen > 0 ? static_cast<uint32_t>(m_inputLen) : status.bytesWaiting;
    if (status.bytesWaiting > kReadBufferSize) {
        m_driver->purge(PurgeRxClear);
        return;
    }
    // An InputLen beyond the buffer is held to the buffer's size; a read
    // never asks for more than it can take.
    const uint32_t wanted = std::min<uint32_t>(count, kReadBufferSize);
    uint32_t got = 0;
    if (!m_driver->read(m_readBuffer.data(), wanted, got))
        return;
    m_input = QByteArray(reinterpret_cast<const char*>(m_readBuffer.data()), static_cast<qsizetype>(got));
}

QByteArray TComm::ReadInputByte()
{
    if (!m_handle) {
        platform::ShowMessage(kNotOpen);
        return m_input;
    }
    ReadProcess();
    return m_input;
}

QString TComm::Input()
{
    return QString::fromLatin1(ReadInputByte());
}

uint32_t TComm::ReadInDataCount()
{
    if (!m_handle)
        return 0;
    CommStatus status;
    if (!queryStatus(status))
        return 0;
    m_commError = status.errors;
    return status.bytesWaiting;
}

void TComm::SetInDataCount(uint32_t count)
{
    if (count == 0 && m_handle)
        m_driver->purge(PurgeRxClear);
}

bool TComm::OutputByte(const QByteArray& bytes)
{
    if (!m_handle) {
        platform::ShowMessage(kNotOpen);
        return false;
    }
    for (const char byte : bytes) {
        uint32_t written = 0;
        const auto value = static_cast<uint8_t>(byte);
        if (!m_driver->write(&value, 1, written) || written != 1)
            return false;
    }
    return true;
}

bool TComm::OutputString(const QString& text)
{
    if (!m_handle) {
        platform::ShowMessage(kNotOpen);
        return false;
    }
    const QByteArray bytes = text.toLatin1();
    uint32_t written = 0;
    return m_driver->write(reinterpret_cast<const uint8_t*>(bytes.constData()),
        static_cast<uint32_t>(bytes.size()), written);
}

bool TComm::pollTimerActive() const
{
    return m_timer->isActive();
}

int TComm::pollInterval() const
{
    return m_timer->interval();
}

void TComm::ReceiveData()
{
    if (OnReceiveData)
        OnReceiveData(this);
}

void TComm::ModemStateChange(uint32_t mask)
{
    if (OnModemStateChange)
        OnModemStateChange(this, mask);
}

void TComm::ReceiveError(uint32_t mask)
{
    if (OnReceiveError)
        OnReceiveError(this, mask);
}

} // namespace serial
