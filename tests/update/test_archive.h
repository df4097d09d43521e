#pragma once
// Small update archives built in the tests with libarchive: any member kind, path, mode and owner.
#include <archive.h>
#include <archive_entry.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

struct TestMember {
    TestMember(std::string path_, std::string data_, unsigned type_ = AE_IFREG, std::string link_ = {},
               int mode_ = 0644, long uid_ = 0, bool hardlink_ = false)
        : path(std::move(path_)), data(std::move(data_)), type(type_), link(std::move(link_)), mode(mode_),
          uid(uid_), hardlink(hardlink_)
    {
    }
    std::string path;
    std::string data;
    unsigned type;     // AE_IFREG, AE_IFDIR, AE_IFLNK, AE_IFIFO, AE_IFCHR
    std::string link;  // symlink target, or the earlier member a hard link names
    int mode;
    long uid;
    bool hardlink;
};

// A regular file member of a sheet.
inline TestMember SheetFile(const std::string& code, const std::string& name, const std::string& data)
{
    return TestMember("印刷情報/" + code + "/" + name, data);
}

// The members as a gzip-compressed tar in GNU format, as Debian's tar writes by default (names
// kept as bytes); empty when libarchive cannot write them.
inline std::string TarGzBytes(const std::vector<TestMember>& members)
{
    std::vector<char> out(1 << 20);
    std::size_t used = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        archive* a = archive_write_new();
        archive_write_add_filter_gzip(a);
        archive_write_set_format_gnutar(a);
        archive_write_set_bytes_in_last_block(a, 1);
        if (archive_write_open_memory(a, out.data(), out.size(), &used) != ARCHIVE_OK) {
            archive_write_free(a);
            return {};
        }
        bool fits = true;
        for (const TestMember& m : members) {
            archive_entry* e = archive_entry_new();
            archive_entry_set_pathname(e, m.path.c_str());
            archive_entry_set_filetype(e, m.type);
            archive_entry_set_perm(e, static_cast<mode_t>(m.mode));
            archive_entry_set_uid(e, m.uid);
            if (m.hardlink)
                archive_entry_set_hardlink(e, m.link.c_str());
            else if (m.type == AE_IFLNK)
                archive_entry_set_symlink(e, m.link.c_str());
            archive_entry_set_size(e, m.type == AE_IFREG && !m.hardlink ? static_cast<la_int64_t>(m.data.size()) : 0);
            fits = archive_write_header(a, e) == ARCHIVE_OK;
            if (fits && m.type == AE_IFREG && !m.hardlink)
                fits = archive_write_data(a, m.data.data(), m.data.size()) == static_cast<la_ssize_t>(m.data.size());
            archive_entry_free(e);
            if (!fits)
                break;
        }
        fits = archive_write_close(a) == ARCHIVE_OK && fits;
        archive_write_free(a);
        if (fits)
            return std::string(out.data(), used);
        out.resize(out.size() * 4);
    }
    return {};
}

// A whole gzip member of `megabytes` MiB of zeros (a valid CRC-32 and length), made of one
// compressed MiB repeated: about 1 KiB on disk per MiB inflated. As a tar it is an empty archive.
inline std::string GzipBombBytes(unsigned megabytes)
{
    const std::string zeros(1 << 20, '\0');
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    std::string block(1 << 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    stream.avail_in = static_cast<uInt>(zeros.size());
    stream.next_out = reinterpret_cast<Bytef*>(block.data());
    stream.avail_out = static_cast<uInt>(block.size());
    deflate(&stream, Z_FULL_FLUSH);  // a block that needs nothing before it, so it can be repeated
    block.resize(block.size() - stream.avail_out);
    deflateEnd(&stream);
    std::string out("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10);
    uLong crc = crc32(0, nullptr, 0);
    const uLong zerosCrc = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), static_cast<uInt>(zeros.size()));
    for (unsigned i = 0; i < megabytes; ++i) {
        out += block;
        crc = crc32_combine(crc, zerosCrc, static_cast<z_off_t>(zeros.size()));
    }
    out += std::string("\x03\x00", 2);  // an empty final block
    const std::uint64_t length = static_cast<std::uint64_t>(megabytes) << 20;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((crc >> (8 * i)) & 0xFF);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((length >> (8 * i)) & 0xFF);
    return out;
}
