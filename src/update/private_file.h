#pragma once
// Files of this process alone: the folder the update check works in is the user's own and closed to
// others (0700), and each download goes to a file created there exclusively (mode 0600) without a
// name (or unlinked at once where the file system cannot do that), so no other process, a second
// instance of the program included, can replace or change what this one has checked. Only its
// descriptor is passed on.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Makes `folder` (and its parents) when missing; true when it is then a real folder (no link) of
// this user with mode 0700.
bool MakePrivateFolder(const std::filesystem::path& folder);

class PrivateFile {
public:
    // A new empty file in `folder`; `name` is the base of the short-lived name it may need. Check
    // open().
    PrivateFile(const std::filesystem::path& folder, const std::string& name);
    ~PrivateFile();
    PrivateFile(PrivateFile&& other) noexcept;
    PrivateFile& operator=(PrivateFile&&) = delete;
    PrivateFile(const PrivateFile&) = delete;
    PrivateFile& operator=(const PrivateFile&) = delete;

    bool open() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    std::uint64_t size() const;
    // All of it when it holds at most `limit` bytes.
    std::optional<std::string> bytes(std::size_t limit) const;

private:
    int m_fd = -1;
};
