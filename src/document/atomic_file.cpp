#include "document/atomic_file.h"

#include "document/project_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace quiltara::document {
namespace {

std::string errorText(int error)
{
    return std::strerror(error);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The mode a new file gets: that of the file it replaces, else what the
// user's umask leaves of rw-rw-rw-.
mode_t modeFor(const struct stat* existing)
{
    if (existing)
        return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Removes the temporary file whatever happens after it was made.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : m_path(std::move(path)) {}
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept)
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool create()
    {
        m_fd = ::mkstemp(m_path.data());
        return m_fd >= 0;
    }
    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void keep() { m_kept = true; }

private:
    std::string m_path;
    int m_fd = -1;
    bool m_kept = false;
};

} // namespace

void replaceFileContents(const std::string& requested, std::span<const std::uint8_t> bytes)
{
    std::string path = requested;
    struct stat info {};
    const bool exists = ::stat(requested.c_str(), &info) == 0;
    if (exists) {
        if (!S_ISREG(info.st_mode))
            throw SaveError(requested, "it is not a file");
        if (::access(requested.c_str(), W_OK) != 0)
            throw SaveError(requested, errorText(errno));
        char resolved[PATH_MAX];
        if (::realpath(requested.c_str(), resolved))
            path = resolved;
    }

    const std::string folder = folderOf(path);
    TemporaryFile temporary(path + ".saving-XXXXXX");
    if (!temporary.create())
        throw SaveError(requested, errorText(errno));
    if (::fchmod(temporary.fd(), modeFor(exists ? &info : nullptr)) != 0 ||
        !writeAll(temporary.fd(), bytes) || ::fsync(temporary.fd()) != 0)
        throw SaveError(requested, errorText(errno));
    if (!temporary.close())
        throw SaveError(requested, errorText(errno));
    if (::rename(temporary.path().c_str(), path.c_str()) != 0)
        throw SaveError(requested, errorText(errno));
    temporary.keep();

    // Makes the rename itself durable; a failure here loses nothing.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace quiltara::document
