#include "serial/PosixSerialDriver.h"

#include "serial/TermiosSettings.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/serial.h>
#endif

namespace serial {
namespace {

// How long a write waits for room in the device's output queue before it
// reports what went out so far.
constexpr int kWriteWaitMs = 100;

OpenResult openFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return {OpenError::NotFound, std::strerror(error)};
    case EACCES:
    case EPERM:
    case EROFS:
        return {OpenError::PermissionDenied, std::strerror(error)};
    case EBUSY:
    case EWOULDBLOCK:
        return {OpenError::InUse, std::strerror(error)};
    case ENOTTY:
        return {OpenError::NotSerialPort, std::strerror(error)};
    default:
        return {OpenError::Other, std::strerror(error)};
    }
}

bool unsupported(int error)
{
    return error == ENOTTY || error == EINVAL;
}

} // namespace

PosixSerialDriver::~PosixSerialDriver()
{
    close();
}

OpenResult PosixSerialDriver::open(const std::string& device)
{
    close();
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return openFailure(errno);
    // A device is not shared: the lock keeps out every program that asks
    // for it, superusers included; exclusive mode also keeps out those that
    // do not ask, where the system enforces it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        ::close(fd);
        return openFailure(error);
    }
    termios attributes{};
    if (::tcgetattr(fd, &attributes) != 0) {
        const int error = errno;
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return openFailure(error);
    }
    m_fd = fd;
    m_original = attributes;
    m_settings = fromTermios(attributes);
    m_gone = false;
    m_modemLinesUnsupported = false;
    m_countersUnsupported = false;
    m_readLimit = UINT32_MAX;
    // Errors counted before the open are not this connection's.
    m_counters = {};
    readCounters(m_counters);
    // Raw at the rate the device has; the component sets its own next.
    LineSettings raw = m_settings;
    raw.baudRate = raw.baudRate != 0 ? raw.baudRate : 9600;
    if (toTermios(raw, attributes))
        ::tcsetattr(fd, TCSANOW, &attributes);
    return {};
}

bool PosixSerialDriver::setupQueues(uint32_t inputSize, uint32_t /*outputSize*/)
{
    // The system sizes its queues itself. The input size still bounds what
    // one status query announces and one read hands over, so a caller that
    // takes a queue's worth at a time gets a long burst in pieces.
    if (m_fd < 0 || inputSize == 0)
        return false;
    m_readLimit = inputSize;
    return true;
}

bool PosixSerialDriver::purge(uint32_t flags)
{
    if (m_fd < 0)
        return false;
    // Reads and writes finish within their calls, so there is never an
    // operation to abort; only the queues are cleared.
    const bool input = flags & PurgeRxClear;
    const bool output = flags & PurgeTxClear;
    if (!input && !output)
        return true;
    const int queue = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    return ::tcflush(m_fd, queue) == 0 || failed(errno);
}

bool PosixSerialDriver::getState(LineSettings& settings)
{
    if (m_fd < 0)
        return false;
    termios attributes{};
    if (::tcgetattr(m_fd, &attributes) != 0)
        return failed(errno);
    settings = fromTermios(attributes);
    // The device keeps no record of these; they are what was last set.
    settings.binary = m_settings.binary;
    if (settings.rtsControl != RtsControl::Handshake && m_settings.rtsControl == RtsControl::Enable)
        settings.rtsControl = RtsControl::Enable;
    return true;
}

bool PosixSerialDriver::setState(const LineSettings& settings)
{
    if (m_fd < 0)
        return false;
    termios attributes{};
    if (::tcgetattr(m_fd, &attributes) != 0)
        return failed(errno);
    if (!toTermios(settings, attributes))
        return false;
    if (::tcsetattr(m_fd, TCSANOW, &attributes) != 0)
        return failed(errno);
    m_settings = settings;
    return true;
}

bool PosixSerialDriver::escape(EscapeFunction function)
{
    if (m_fd < 0)
        return false;
    int line = TIOCM_DTR;
    unsigned long request = TIOCMBIS;
    switch (function) {
    case EscapeFunction::SetDtr: break;
    case EscapeFunction::ClearDtr: request = TIOCMBIC; break;
    case EscapeFunction::SetRts: line = TIOCM_RTS; break;
    case EscapeFunction::ClearRts: line = TIOCM_RTS; request = TIOCMBIC; break;
    }
    return ::ioctl(m_fd, request, &line) == 0 || failed(errno);
}

bool PosixSerialDriver::clearError(CommStatus& status)
{
    if (m_fd < 0 || m_gone)
        return false;
    // A hang-up shows here at once: a pulled adapter, or the far end of a
    // pseudo-terminal closed. An idle far end raises nothing.
    pollfd device{m_fd, POLLIN, 0};
    if (::poll(&device, 1, 0) < 0 && errno != EINTR)
        return failed(errno);
    if (device.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        m_gone = true;
        return false;
    }
    int waiting = 0;
    if (::ioctl(m_fd, FIONREAD, &waiting) != 0)
        return failed(errno);
    status.errors = lineErrors();
    status.bytesWaiting = std::min(static_cast<uint32_t>(std::max(waiting, 0)), m_readLimit);
    return true;
}

bool PosixSerialDriver::modemStatus(uint32_t& lines)
{
    if (m_fd < 0 || m_gone || m_modemLinesUnsupported)
        return false;
    int pins = 0;
    if (::ioctl(m_fd, TIOCMGET, &pins) != 0) {
        // Devices without modem lines (pseudo-terminals, some adapters)
        // refuse the query every time; asking 100 times a second only
        // costs system calls.
        if (unsupported(errno))
            m_modemLinesUnsupported = true;
        return failed(errno);
    }
    lines = 0;
    if (pins & TIOCM_CAR)
        lines |= ModemCarrierOn;
    if (pins & TIOCM_DSR)
        lines |= ModemDsrOn;
    if (pins & TIOCM_RNG)
        lines |= ModemRingOn;
    if (pins & TIOCM_CTS)
        lines |= ModemCtsOn;
    return true;
}

bool PosixSerialDriver::read(uint8_t* buffer, uint32_t count, uint32_t& bytesRead)
{
    bytesRead = 0;
    if (m_fd < 0 || m_gone)
        return false;
    const size_t wanted = std::min(count, m_readLimit);
    ssize_t got = -1;
    do {
        got = ::read(m_fd, buffer, wanted);
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK || failed(errno);
    bytesRead = static_cast<uint32_t>(got);
    return true;
}

bool PosixSerialDriver::write(const uint8_t* data, uint32_t count, uint32_t& bytesWritten)
{
    bytesWritten = 0;
    if (m_fd < 0 || m_gone)
        return false;
    while (bytesWritten < count) {
        const ssize_t written = ::write(m_fd, data + bytesWritten, count - bytesWritten);
        if (written > 0) {
            bytesWritten += static_cast<uint32_t>(written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A full output queue: wait briefly for room, then say how much
            // went out rather than hold up the user interface.
            if (!waitWritable())
                return !m_gone;
        } else {
            return failed(written < 0 ? errno : EIO);
        }
    }
    return true;
}

bool PosixSerialDriver::waitWritable()
{
    pollfd device{m_fd, POLLOUT, 0};
    int ready = -1;
    do {
        ready = ::poll(&device, 1, kWriteWaitMs);
    } while (ready < 0 && errno == EINTR);
    if (device.revents & (POLLHUP | POLLERR | POLLNVAL))
        m_gone = true;
    return ready > 0 && !m_gone;
}

void PosixSerialDriver::close()
{
    if (m_fd < 0)
        return;
    // Others may hold the device open too (a pseudo-terminal's far end
    // does): they get it back as it was, and open to everyone.
    ::tcsetattr(m_fd, TCSANOW, &m_original);
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
    m_gone = false;
}

bool PosixSerialDriver::failed(int error)
{
    if (error == EIO || error == ENXIO || error == ENODEV)
        m_gone = true;
    return false;
}

bool PosixSerialDriver::readCounters(LineCounters& counters)
{
#if defined(__linux__) && defined(TIOCGICOUNT)
    if (m_countersUnsupported)
        return false;
    serial_icounter_struct counts{};
    if (::ioctl(m_fd, TIOCGICOUNT, &counts) != 0) {
        // Pseudo-terminals and some adapters keep no counts; they never will.
        m_countersUnsupported = unsupported(errno);
        return failed(errno);
    }
    counters = {counts.overrun, counts.parity, counts.frame, counts.brk, counts.buf_overrun};
    return true;
#else
    (void)counters;
    return false;
#endif
}

uint32_t PosixSerialDriver::lineErrors()
{
    // The system counts line errors from the start; the mask says what is
    // new since the last query.
    LineCounters now;
    if (!readCounters(now))
        return 0;
    uint32_t errors = 0;
    if (now.overrun != m_counters.overrun)
        errors |= ErrorOverrun;
    if (now.parity != m_counters.parity)
        errors |= ErrorParity;
    if (now.framing != m_counters.framing)
        errors |= ErrorFraming;
    if (now.breaks != m_counters.breaks)
        errors |= ErrorBreak;
    if (now.bufferOverrun != m_counters.bufferOverrun)
        errors |= ErrorRxOverflow;
    m_counters = now;
    return errors;
}

} // namespace serial
