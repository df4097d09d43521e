#include "update/private_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

bool MakePrivateFolder(const std::filesystem::path& folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool own = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() &&
                     ((info.st_mode & 07777) == 0700 || ::fchmod(fd, 0700) == 0);
    ::close(fd);
    return own;
}

PrivateFile::PrivateFile(const std::filesystem::path& folder, const std::string& name)
{
    // A file that never has a name; where the file system cannot make one, a name of its own that
    // is removed at once.
    m_fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
    if (m_fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return;
    std::string pattern = (folder / (name + ".XXXXXX")).string();
    m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd >= 0)
        ::unlink(pattern.c_str());
}

PrivateFile::~PrivateFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

PrivateFile::PrivateFile(PrivateFile&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }

std::uint64_t PrivateFile::size() const
{
    struct stat info {};
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

std::optional<std::string> PrivateFile::bytes(std::size_t limit) const
{
    const std::uint64_t length = size();
    if (m_fd < 0 || length > limit)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(length), '\0');
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(m_fd, out.data() + done, out.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        done += static_cast<std::size_t>(n);
    }
    return out;
}
