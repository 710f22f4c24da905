#include "recording/FileOutput.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace recording {

std::unique_ptr<FileOutput> FileOutput::create(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<FileOutput>(new FileOutput(path, fd));
}

FileOutput::FileOutput(std::string path, int fd)
    : m_path(std::move(path))
    , m_fd(fd)
{
}

FileOutput::~FileOutput()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileOutput::write(std::span<const uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail("cannot write");
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
    return true;
}

bool FileOutput::sync()
{
    // Devices and pipes cannot be synced; that is no failure.
    if (::fdatasync(m_fd) != 0 && errno != EINVAL && errno != EROFS)
        return fail("cannot write");
    struct stat open {};
    struct stat named {};
    if (::fstat(m_fd, &open) != 0)
        return fail("cannot check");
    if (::stat(m_path.c_str(), &named) != 0 || named.st_ino != open.st_ino || named.st_dev != open.st_dev) {
        m_error = m_path + " was removed or replaced";
        return false;
    }
    return true;
}

bool FileOutput::fail(const std::string& what)
{
    m_error = what + " " + m_path + ": " + std::strerror(errno);
    return false;
}

} // namespace recording
