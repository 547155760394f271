#include "document/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quiltara::document {

std::size_t MemoryRecordFile::readAt(std::uint64_t offset, std::span<std::uint8_t> target)
{
    if (offset >= m_bytes.size())
        return 0;
    const std::size_t count = std::min<std::size_t>(target.size(), m_bytes.size() - offset);
    std::memcpy(target.data(), m_bytes.data() + offset, count);
    return count;
}

bool MemoryRecordFile::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    if (offset + bytes.size() > m_bytes.size())
        m_bytes.resize(offset + bytes.size());
    std::memcpy(m_bytes.data() + offset, bytes.data(), bytes.size());
    return true;
}

DiskRecordFile::DiskRecordFile(const std::string& path, Access access)
{
    const int flags = (access == Access::ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(info.st_size);
}

DiskRecordFile::~DiskRecordFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::size_t DiskRecordFile::readAt(std::uint64_t offset, std::span<std::uint8_t> target)
{
    std::size_t done = 0;
    while (m_fd >= 0 && done < target.size()) {
        const ssize_t n =
            ::pread(m_fd, target.data() + done, target.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool DiskRecordFile::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        const ssize_t n =
            ::pwrite(m_fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return m_fd >= 0 && ::fsync(m_fd) == 0;
}

} // namespace quiltara::document
