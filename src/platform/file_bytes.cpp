#include "platform/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
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

}  // namespace

int WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes)
{
    std::string tmpl = path.string() + ".XXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return errno;
    // mkstemp creates the file private; a design file is as readable as any other document.
    struct stat previous {};
    ::fchmod(fd, ::stat(path.c_str(), &previous) == 0 ? (previous.st_mode & 07777) : 0644);
    int err = WriteAll(fd, bytes);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && std::rename(tmpl.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tmpl.c_str());
        return err;
    }
    SyncFolder(path.parent_path());
    return 0;
}
