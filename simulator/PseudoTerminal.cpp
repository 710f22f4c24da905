#include "simulator/PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

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

} // namespace simulator
