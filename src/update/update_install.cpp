#include "update/update_install.h"

#include <archive_entry.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <set>

#include "format/catalog.h"
#include "format/load_formats.h"
#include "update/update_archive.h"
#include "update/update_members.h"

namespace fs = std::filesystem;

namespace {

const char kFormatFileName[] = "format.tsd";

// A folder of its own inside the sheets folder (same file system, so renames are atomic). Its
// name starts with a dot, so the catalog passes it over; it is removed whatever happens.
class StagingFolder {
public:
    explicit StagingFolder(const fs::path& sheetsFolder)
    {
        std::string pattern = (sheetsFolder / ".staging-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~StagingFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

MemberKind KindOf(archive_entry* entry)
{
    if (archive_entry_hardlink(entry) || archive_entry_symlink(entry))
        return MemberKind::Other;
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG: return MemberKind::File;
    case AE_IFDIR: return MemberKind::Folder;
    default: return MemberKind::Other;
    }
}

// Writes the member's data to a new file (never through an existing name or link), with the
// usual mode under the umask: no owner, mode or time comes from the archive.
bool WriteMember(archive* reader, const fs::path& file, std::int64_t size)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    std::int64_t written = 0;
    char buffer[64 * 1024];
    for (;;) {
        const la_ssize_t n = archive_read_data(reader, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 || written + n > size) {
            ok = false;
            break;
        }
        for (la_ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(fd, buffer + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            ok = w > 0;
            done += w > 0 ? w : 0;
        }
        written += n;
    }
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

struct Unpacked {
    std::set<std::string> sheets;   // codes with at least one file staged
    std::set<std::string> spoiled;  // codes with a refused member: not installed at all
};

// One member into the staging folder. False only when the archive itself fails.
bool UnpackMember(archive* reader, archive_entry* entry, const fs::path& staging, Unpacked& unpacked,
                  InstallReport& report)
{
    const std::string path = archive_entry_pathname(entry) ? archive_entry_pathname(entry) : "";
    const MemberVerdict verdict = JudgeMember(path, KindOf(entry), archive_entry_size(entry));
    if (!verdict.accepted) {
        report.refused.push_back(path + ": " + verdict.reason);
        if (!verdict.code.empty())
            unpacked.spoiled.insert(verdict.code);
        return archive_read_data_skip(reader) == ARCHIVE_OK;
    }
    if (verdict.file.empty())
        return archive_read_data_skip(reader) == ARCHIVE_OK;
    std::error_code ec;
    fs::create_directory(staging / verdict.code, ec);
    if (ec || !WriteMember(reader, staging / verdict.code / verdict.file, archive_entry_size(entry))) {
        report.refused.push_back(path + ": cannot be unpacked");
        unpacked.spoiled.insert(verdict.code);
        return archive_errno(reader) == 0;
    }
    unpacked.sheets.insert(verdict.code);
    return true;
}

// Reads the whole archive into the staging folder; false when it does not read to its end.
bool UnpackAll(const fs::path& archiveFile, const fs::path& staging, Unpacked& unpacked, InstallReport& report)
{
    return ReadEveryMember(archiveFile, [&](archive* reader, archive_entry* entry) {
        return UnpackMember(reader, entry, staging, unpacked, report);
    });
}

// The staged sheet reads as the catalog would read it, under its own code.
bool SheetReads(const fs::path& sheet, const std::string& code)
{
    const std::optional<CatalogEntry> entry = ReadFormatFile(sheet / kFormatFileName);
    return entry && CodeOf(*entry) == code;
}

// Puts `staged` in place of `target` in one step; the old sheet, if any, ends up at `staged`.
bool SwapIn(const fs::path& staged, const fs::path& target)
{
    if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    return errno == EEXIST &&
           ::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0;
}

}  // namespace

InstallReport InstallUpdate(const fs::path& archiveFile, const fs::path& sheetsFolder)
{
    InstallReport report;
    std::error_code ec;
    fs::create_directories(sheetsFolder, ec);
    const StagingFolder staging(sheetsFolder);
    if (staging.path().empty()) {
        report.refused.push_back(sheetsFolder.string() + ": no staging folder can be made");
        return report;
    }
    Unpacked unpacked;
    if (!UnpackAll(archiveFile, staging.path(), unpacked, report)) {
        report.archiveDamaged = true;
        report.refused.push_back(archiveFile.string() + ": does not read to its end; nothing installed");
        return report;
    }
    for (const std::string& code : unpacked.sheets) {
        if (unpacked.spoiled.count(code))
            report.refused.push_back(code + ": has refused members");
        else if (!SheetReads(staging.path() / code, code))
            report.refused.push_back(code + ": its format.tsd cannot be read");
        else if (!SwapIn(staging.path() / code, sheetsFolder / code))
            report.refused.push_back(code + ": cannot be put in place");
        else
            report.installed.push_back(code);
    }
    return report;
}
