#include "update/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FolderLock::FolderLock(const std::filesystem::path& folder)
{
    // Close-on-exec: a program started while the lock is held does not keep it.
    m_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    int status = 0;
    do
        status = ::flock(m_fd, LOCK_EX | LOCK_NB);
    while (status != 0 && errno == EINTR);
    m_held = status == 0;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
