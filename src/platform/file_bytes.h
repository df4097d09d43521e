#pragma once
// Whole-file reads and crash-safe writes.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

// The bytes of a regular file of at most `limit` bytes, or nothing (errno tells why: the open's
// own error, EINVAL for anything but a regular file, EFBIG beyond the limit). Opened without
// blocking, so a FIFO or a device named by mistake is refused instead of waited on.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit);

// What an open descriptor (standard input, a pipe) gives until its end, up to `limit` bytes, or
// nothing (errno: the read's own error, EFBIG beyond the limit, when only limit + 1 bytes have
// been read).
std::optional<std::string> ReadStreamBytes(int fd, std::size_t limit);

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over `path`, so the previous file stays whole until the new one is complete. A symlink is saved
// through: the file it points to is replaced. The owner and group of the previous file are kept
// where the process may set them, its mode without set-id and sticky bits; a new file gets the
// usual mode under the umask. A previous file without write permission is refused with EACCES.
// Returns 0 or the errno of the step that failed; on failure the temporary file is removed.
int WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// The two halves of WriteFileAtomically, for saves of several files that must all be complete
// before any replaces its previous version: Prepare writes and flushes the temporary file,
// Commit renames it over the target, Discard removes it.
struct PreparedFile {
    std::filesystem::path temporary;  // empty once committed or discarded
    std::filesystem::path target;
};
int PrepareFileAtomically(const std::filesystem::path& path, const std::string& bytes, PreparedFile& prepared);
int CommitPreparedFile(PreparedFile& prepared);
void DiscardPreparedFile(PreparedFile& prepared);
