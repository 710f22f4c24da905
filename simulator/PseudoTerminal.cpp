#include "simulator/PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace simulator {
namespace {

[[noreturn]] void fail(const char* what)
{
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        fail("posix_openpt");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        fail("grantpt/unlockpt");
    const char* name = ::ptsname(m_master);
    if (!name)
        fail("ptsname");
    m_slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        fail("open slave");
    // Raw bytes both ways: no echo, no line editing, no CR/LF translation.
    termios settings{};
    if (::tcgetattr(m_slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetspeed(&settings, B115200);
        ::tcsetattr(m_slave, TCSANOW, &settings);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal()
{
    if (m_watch >= 0)
        ::close(m_watch);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

size_t PseudoTerminal::write(const uint8_t* data, size_t size)
{
    const ssize_t written = ::write(m_master, data, size);
    return written > 0 ? static_cast<size_t>(written) : 0;
}

size_t PseudoTerminal::read(uint8_t* buffer, size_t size)
{
    const ssize_t got = ::read(m_master, buffer, size);
    return got > 0 ? static_cast<size_t>(got) : 0;
}

bool PseudoTerminal::waitReadable(int timeoutMs)
{
    pollfd fd{m_master, POLLIN, 0};
    return ::poll(&fd, 1, timeoutMs) > 0 && (fd.revents & POLLIN);
}

bool PseudoTerminal::waitClientReadable(int timeoutMs)
{
    pollfd fd{m_slave, POLLIN, 0};
    return ::poll(&fd, 1, timeoutMs) > 0 && (fd.revents & POLLIN);
}

size_t PseudoTerminal::unreadBytes() const
{
    // The input queue of the device is shared by every open of it, ours
    // included.
    int waiting = 0;
    return ::ioctl(m_slave, FIONREAD, &waiting) == 0 && waiting > 0 ? static_cast<size_t>(waiting) : 0;
}

void PseudoTerminal::watchForClients()
{
#ifdef __linux__
    // Every open of the device node raises an event; ours came before.
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch >= 0 && ::inotify_add_watch(m_watch, m_slavePath.c_str(), IN_OPEN) < 0) {
        ::close(m_watch);
        m_watch = -1;
    }
#endif
    m_clientSeen = m_watch < 0;
}

bool PseudoTerminal::waitForClient(int timeoutMs)
{
    if (m_clientSeen)
        return true;
    pollfd fd{m_watch, POLLIN, 0};
    if (::poll(&fd, 1, timeoutMs) > 0 && (fd.revents & POLLIN)) {
        char events[4096];
        m_clientSeen = ::read(m_watch, events, sizeof events) > 0;
    }
    return m_clientSeen;
}

} // namespace simulator
