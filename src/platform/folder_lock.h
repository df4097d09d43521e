#pragma once
// An advisory lock on a folder (flock), so that programs saving the same files in it take turns:
// one save's steps never interleave with another's. The lock goes with the descriptor, so a
// program that dies holds nothing.
#include <chrono>
#include <filesystem>

class FolderLock {
public:
    // Waits for the lock up to `wait`. A folder that cannot be opened (missing, no read
    // permission) is not locked, and what is done in it reports its own error.
    FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // EBUSY when another program held the lock for all of the wait, else 0.
    int Error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};
