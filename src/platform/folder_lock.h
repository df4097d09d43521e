#pragma once
// An advisory lock on a folder (flock), so that programs working on the same files in it take
// turns: one save's or update's steps never interleave with another's. The lock goes with the
// descriptor (closed on exec), so a program that dies holds nothing and never blocks anyone.
#include <chrono>
#include <filesystem>

class FolderLock {
public:
    // Waits for the lock up to `wait` (none: one try). A folder that cannot be opened (missing, no
    // read permission) is not locked, and what is done in it reports its own error.
    explicit FolderLock(const std::filesystem::path& folder,
                        std::chrono::milliseconds wait = std::chrono::milliseconds::zero());
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // EBUSY when another program held the lock for all of the wait, else 0.
    int Error() const { return m_error; }
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    int m_error = 0;
};
