#include "simulator/DeviceAlias.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace simulator {
namespace {

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

} // namespace

DeviceAlias::DeviceAlias()
{
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/fcsim-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        fail("mkdtemp " + pattern);
    m_folder = pattern;
    m_path = m_folder + "/tty";
}

DeviceAlias::~DeviceAlias()
{
    remove();
    ::unlink((m_path + ".new").c_str());
    ::rmdir(m_folder.c_str());
}

void DeviceAlias::pointTo(const std::string& device)
{
    // A new link renamed over the old one: a client never finds the path
    // missing or half made.
    const std::string fresh = m_path + ".new";
    ::unlink(fresh.c_str());
    if (::symlink(device.c_str(), fresh.c_str()) != 0)
        fail("symlink " + fresh);
    if (::rename(fresh.c_str(), m_path.c_str()) != 0)
        fail("rename " + fresh);
}

void DeviceAlias::remove()
{
    ::unlink(m_path.c_str());
}

} // namespace simulator
