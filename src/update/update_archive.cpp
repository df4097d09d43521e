#include "update/update_archive.h"

#include <archive_entry.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kBlock = 64 * 1024;
constexpr int kGzipWindow = 15 + 16;  // the largest window, gzip header and trailer only

class Inflater {
public:
    Inflater() { m_ok = inflateInit2(&m_stream, kGzipWindow) == Z_OK; }
    ~Inflater()
    {
        if (m_ok)
            inflateEnd(&m_stream);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool ok() const { return m_ok; }
    z_stream& stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ok = false;
};

// Inflates the input into a scratch buffer until the member ends or the input is used up;
// Z_STREAM_END only once the trailer's CRC-32 and length have matched. `inflated` counts the output.
int InflateBlock(z_stream& stream, std::vector<unsigned char>& scratch, std::uint64_t& inflated)
{
    int status = Z_OK;
    do {
        stream.next_out = scratch.data();
        stream.avail_out = static_cast<uInt>(scratch.size());
        status = inflate(&stream, Z_NO_FLUSH);
        inflated += scratch.size() - stream.avail_out;
    } while (status == Z_OK && stream.avail_out == 0 && inflated <= kMaxUnpackedBytes);
    return status;
}

// Reads up to `size` bytes at `offset`; the count read, 0 at the end, -1 on an error.
ssize_t ReadAt(int fd, unsigned char* buffer, std::size_t size, off_t offset)
{
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, size, offset);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

// A reader of gzip-compressed tar archives on `fd` from its start, or nothing.
ArchiveReader OpenUpdateArchive(int fd)
{
    ArchiveReader reader(archive_read_new());
    if (!reader || ::lseek(fd, 0, SEEK_SET) != 0)
        return nullptr;
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_format_tar(reader.get());
    if (archive_read_open_fd(reader.get(), fd, kBlock) != ARCHIVE_OK)
        return nullptr;
    return reader;
}

bool MemberWithinBounds(archive* reader, archive_entry* entry, std::size_t members)
{
    const char* path = archive_entry_pathname(entry);
    return members <= kMaxMembers && archive_filter_bytes(reader, 0) <= static_cast<la_int64_t>(kMaxUnpackedBytes) &&
           archive_entry_size(entry) <= static_cast<la_int64_t>(kMaxUnpackedBytes) &&
           (!path || std::strlen(path) <= kMaxMemberPathBytes);
}

}  // namespace

bool IsWholeGzip(int fd)
{
    Inflater inflater;
    if (!inflater.ok())
        return false;
    std::vector<unsigned char> input(kBlock);
    std::vector<unsigned char> scratch(kBlock);
    z_stream& stream = inflater.stream();
    std::uint64_t inflated = 0;
    off_t offset = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        const ssize_t got = ReadAt(fd, input.data(), input.size(), offset);
        if (got <= 0)
            return false;  // the file ended inside the member, or cannot be read
        offset += got;
        stream.next_in = input.data();
        stream.avail_in = static_cast<uInt>(got);
        status = InflateBlock(stream, scratch, inflated);
        if (inflated > kMaxUnpackedBytes)
            return false;
        if (status == Z_BUF_ERROR)
            status = Z_OK;  // wants more input
    }
    if (status != Z_STREAM_END)
        return false;
    // Nothing may follow the member: neither in this block nor in the file.
    unsigned char after = 0;
    return stream.avail_in == 0 && ReadAt(fd, &after, 1, offset) == 0;
}

bool HeaderRead(int status) { return status == ARCHIVE_OK || status == ARCHIVE_WARN; }

bool ReadEveryMember(int fd, const std::function<bool(archive*, archive_entry*)>& member)
{
    ArchiveReader reader = OpenUpdateArchive(fd);
    if (!reader)
        return false;
    archive_entry* entry = nullptr;
    for (std::size_t members = 1;; ++members) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            return true;
        if (!HeaderRead(status) || !MemberWithinBounds(reader.get(), entry, members) || !member(reader.get(), entry))
            return false;
    }
}

bool ReadsAsTarToEnd(int fd)
{
    return ReadEveryMember(fd, [](archive* a, archive_entry*) { return archive_read_data_skip(a) == ARCHIVE_OK; });
}

bool IsWholeUpdateArchive(int fd) { return IsWholeGzip(fd) && ReadsAsTarToEnd(fd); }
