#pragma once
// Checks of a downloaded update archive (a gzip-compressed tar) before anything uses it, and the
// reading of its members.
#include <archive.h>

#include <filesystem>
#include <functional>
#include <memory>

// One gzip member that inflates to its end and passes gzip's own CRC-32 and length check, with
// nothing after it. (libarchive does not check the gzip trailer itself.)
bool IsWholeGzip(const std::filesystem::path& file);

// The archive reads as a tar to its end: every header and every member's data.
bool ReadsAsTarToEnd(const std::filesystem::path& file);

// Both of the above.
bool IsWholeUpdateArchive(const std::filesystem::path& file);

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveCloser>;

// A header was read. A warning only says that a name could not be converted to the locale's
// encoding (a pax archive read in the C locale): the name is then kept as the bytes stored.
bool HeaderRead(int status);

// A reader of gzip-compressed tar archives opened on `file`, or nothing when it cannot be opened.
ArchiveReader OpenUpdateArchive(const std::filesystem::path& file);

// Reads the archive `file` member by member, handing each to `member` (which reads or skips its
// data); true when the archive reads to its end and `member` took every member.
bool ReadEveryMember(const std::filesystem::path& file, const std::function<bool(archive*, archive_entry*)>& member);
