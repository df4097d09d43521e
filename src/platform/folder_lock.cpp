#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kRetry{2};

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait)
    : m_fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (m_fd < 0)
        return;
    const auto end = std::chrono::steady_clock::now() + wait;
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= end) {
            m_error = errno == EWOULDBLOCK ? EBUSY : 0;
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        std::this_thread::sleep_for(kRetry);
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
