#pragma once
// An advisory lock (flock) on a folder, taken without waiting. The system drops it when the holder
// ends, however it ends, so the lock of a process that died never blocks anyone.
#include <filesystem>

class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another process (or another holder in this one) has the folder locked, or the
    // folder cannot be opened.
    bool held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};
