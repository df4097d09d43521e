#include "platform/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>

namespace {

// Closes the descriptor on every way out, keeping errno as the failing step left it.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            const int saved = errno;
            ::close(m_fd);
            errno = saved;
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads up to `limit` + 1 bytes, so a file that grew after fstat is still seen to be too large.
bool ReadUpTo(int fd, std::size_t limit, std::string& bytes)
{
    char buffer[64 * 1024];
    for (;;) {
        const std::size_t room = limit + 1 - bytes.size();
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, room));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) {
            errno = EFBIG;
            return false;
        }
    }
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit)
{
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return std::nullopt;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return std::nullopt;
    }
    if (static_cast<unsigned long long>(info.st_size) > limit) {
        errno = EFBIG;
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    if (!ReadUpTo(fd.get(), limit, bytes))
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadStreamBytes(int fd, std::size_t limit)
{
    // Room for all a stream may bring, taken up front: growing by doubling would copy, and hold
    // twice the limit, just as a stream reaches it. Pages never written cost no memory.
    constexpr std::size_t kMostReserved = std::size_t{1} << 30;
    std::string bytes;
    bytes.reserve(std::min(limit, kMostReserved) + 1);
    if (!ReadUpTo(fd, limit, bytes))
        return std::nullopt;
    return bytes;
}

namespace {

int WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Makes the rename itself durable.
void SyncFolder(const std::filesystem::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a save lands in: symlinks are followed (a bounded number of hops), so the link stays
// and the file it names gets the new contents.
std::filesystem::path SaveTarget(const std::filesystem::path& path)
{
    constexpr int kMaxHops = 40;
    std::filesystem::path target = path;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(target, ec))
            return target;
        const std::filesystem::path link = std::filesystem::read_symlink(target, ec);
        if (ec)
            return target;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

// The temporary file's template beside `target`, its name cut so that the added suffix still
// fits the file system's limit on a name.
std::string TemporaryTemplate(const std::filesystem::path& target)
{
    const std::string suffix = ".XXXXXX";
    const std::filesystem::path folder = target.parent_path();
    long nameMax = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = NAME_MAX;
    std::string name = target.filename().string();
    const std::size_t room = static_cast<std::size_t>(nameMax) - suffix.size();
    if (name.size() > room)
        name.resize(room);
    return (folder / name).string() + suffix;
}

// The process's umask, read without changing it (umask() would change it for every thread).
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 6, "Umask:") == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    return 022;
}

// Only root may give a file away; another user keeps at least the group where a member of it.
bool KeepOwner(int fd, const struct stat& previous)
{
    return ::fchown(fd, previous.st_uid, previous.st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), previous.st_gid) == 0;
}

// A new design file is as readable as any other document the user makes; a replaced one keeps
// its owner, group and permissions, but never a set-id or sticky bit.
void TakeOverAttributes(int fd, const struct stat* previous)
{
    if (!previous) {
        ::fchmod(fd, 0666 & ~CurrentUmask());
        return;
    }
    KeepOwner(fd, *previous);
    ::fchmod(fd, previous->st_mode & 0777);
}

// A file nobody may write to is not replaced, even by a user the system would let do so.
bool IsReadOnly(const std::filesystem::path& target, const struct stat& info)
{
    return (info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0;
}

}  // namespace

int PrepareFileAtomically(const std::filesystem::path& path, const std::string& bytes, PreparedFile& prepared)
{
    const std::filesystem::path target = SaveTarget(path);
    struct stat previous {};
    const bool replacing = ::stat(target.c_str(), &previous) == 0;
    if (replacing && S_ISREG(previous.st_mode) && IsReadOnly(target, previous))
        return EACCES;
    std::string tmpl = TemporaryTemplate(target);
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return errno;
    TakeOverAttributes(fd, replacing && S_ISREG(previous.st_mode) ? &previous : nullptr);
    int err = WriteAll(fd, bytes);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        ::unlink(tmpl.c_str());
        return err;
    }
    prepared.temporary = tmpl;
    prepared.target = target;
    return 0;
}

int CommitPreparedFile(PreparedFile& prepared)
{
    if (prepared.temporary.empty())
        return EINVAL;
    int err = 0;
    if (std::rename(prepared.temporary.c_str(), prepared.target.c_str()) != 0) {
        err = errno;
        ::unlink(prepared.temporary.c_str());
    } else {
        SyncFolder(prepared.target.parent_path());
    }
    prepared.temporary.clear();
    return err;
}

void DiscardPreparedFile(PreparedFile& prepared)
{
    if (!prepared.temporary.empty())
        ::unlink(prepared.temporary.c_str());
    prepared.temporary.clear();
}

int WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes)
{
    PreparedFile prepared;
    if (int err = PrepareFileAtomically(path, bytes, prepared))
        return err;
    return CommitPreparedFile(prepared);
}
