#pragma once
// Checks of an update archive (a gzip-compressed tar) before anything uses it, and the reading of
// its members. The archive is read through a descriptor, always from its start; whatever it holds,
// reading it costs bounded time and memory: a small download that inflates without end, a tar of
// countless tiny members or of endless paths is refused once it passes a bound.
#include <archive.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// What an update may unpack to: the whole tar stream, its members, and the length of one path.
inline constexpr std::uint64_t kMaxUnpackedBytes = 512ull * 1024 * 1024;
inline constexpr std::size_t kMaxMembers = 10000;
inline constexpr std::size_t kMaxMemberPathBytes = 1024;

// One gzip member that inflates, within kMaxUnpackedBytes, to its end and passes gzip's own CRC-32
// and length check, with nothing after it. (libarchive does not check the gzip trailer itself.)
bool IsWholeGzip(int fd);

// The archive reads as a tar to its end, every header and every member's data, within the bounds.
bool ReadsAsTarToEnd(int fd);

// Both of the above.
bool IsWholeUpdateArchive(int fd);

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveCloser>;

// A header was read. A warning only says that a name could not be converted to the locale's
// encoding (a pax archive read in the C locale): the name is then kept as the bytes stored.
bool HeaderRead(int status);

// Reads the archive member by member from its start, handing each to `member` (which reads or
// skips its data); true when the archive reads to its end within the bounds and `member` took
// every member.
bool ReadEveryMember(int fd, const std::function<bool(archive*, archive_entry*)>& member);
