#include "update/update_archive.h"

#include <zlib.h>

#include <fstream>
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

// Inflates `in` into a scratch buffer until the member ends; Z_STREAM_END only once the trailer's
// CRC-32 and length have matched.
int InflateBlock(z_stream& stream, std::vector<unsigned char>& scratch)
{
    int status = Z_OK;
    do {
        stream.next_out = scratch.data();
        stream.avail_out = static_cast<uInt>(scratch.size());
        status = inflate(&stream, Z_NO_FLUSH);
    } while (status == Z_OK && stream.avail_out == 0);
    return status;
}

}  // namespace

bool IsWholeGzip(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    Inflater inflater;
    if (!in || !inflater.ok())
        return false;
    std::vector<unsigned char> input(kBlock);
    std::vector<unsigned char> scratch(kBlock);
    z_stream& stream = inflater.stream();
    int status = Z_OK;
    while (status == Z_OK) {
        in.read(reinterpret_cast<char*>(input.data()), static_cast<std::streamsize>(input.size()));
        const auto got = static_cast<uInt>(in.gcount());
        if (got == 0)
            return false;  // the file ended inside the member
        stream.next_in = input.data();
        stream.avail_in = got;
        status = InflateBlock(stream, scratch);
        if (status == Z_BUF_ERROR)
            status = Z_OK;  // wants more input
    }
    if (status != Z_STREAM_END)
        return false;
    // Nothing may follow the member: neither in this block nor in the file.
    return stream.avail_in == 0 && in.peek() == std::char_traits<char>::eof();
}

ArchiveReader OpenUpdateArchive(const std::filesystem::path& file)
{
    ArchiveReader reader(archive_read_new());
    if (!reader)
        return nullptr;
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_format_tar(reader.get());
    if (archive_read_open_filename(reader.get(), file.c_str(), kBlock) != ARCHIVE_OK)
        return nullptr;
    return reader;
}

bool HeaderRead(int status) { return status == ARCHIVE_OK || status == ARCHIVE_WARN; }

bool ReadEveryMember(const std::filesystem::path& file, const std::function<bool(archive*, archive_entry*)>& member)
{
    ArchiveReader reader = OpenUpdateArchive(file);
    if (!reader)
        return false;
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            return true;
        if (!HeaderRead(status) || !member(reader.get(), entry))
            return false;
    }
}

bool ReadsAsTarToEnd(const std::filesystem::path& file)
{
    return ReadEveryMember(file, [](archive* a, archive_entry*) { return archive_read_data_skip(a) == ARCHIVE_OK; });
}

bool IsWholeUpdateArchive(const std::filesystem::path& file) { return IsWholeGzip(file) && ReadsAsTarToEnd(file); }
