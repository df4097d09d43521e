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
#include "platform/folder_lock.h"
#include "update/update_archive.h"
#include "update/update_members.h"

namespace fs = std::filesystem;

namespace {

const char kFormatFileName[] = "format.tsd";
const char kStagingPrefix[] = ".staging-";

// A folder of its own inside the sheets folder (same file system, so renames are atomic). Its
// name starts with a dot, so the catalog passes it over; it is removed whatever happens.
class StagingFolder {
public:
    explicit StagingFolder(const fs::path& sheetsFolder)
    {
        std::string pattern = (sheetsFolder / (std::string(kStagingPrefix) + "XXXXXX")).string();
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

std::string PathOf(archive_entry* entry)
{
    return archive_entry_pathname(entry) ? archive_entry_pathname(entry) : "";
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
    return ::close(fd) == 0 && ok;
}

struct Unpacked {
    std::set<std::string> sheets;   // codes with at least one file staged
    std::set<std::string> spoiled;  // codes with a refused member: not installed at all
    bool writeFailed = false;       // a file could not be written: the disk is full or read-only
};

// One member into the staging folder. False when the archive fails or a file cannot be written.
bool UnpackMember(archive* reader, archive_entry* entry, const fs::path& staging, Unpacked& unpacked,
                  InstallReport& report)
{
    const std::string path = PathOf(entry);
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
        unpacked.writeFailed = archive_errno(reader) == 0;
        return false;
    }
    unpacked.sheets.insert(verdict.code);
    return true;
}

// The first pass, which writes nothing: the archive is whole within the bounds, and brings at most
// kMaxUpdateSheets sheets.
bool WithinBounds(int archiveFd, InstallReport& report)
{
    std::set<std::string> codes;
    const bool whole = IsWholeGzip(archiveFd) && ReadEveryMember(archiveFd, [&](archive* reader, archive_entry* entry) {
        const MemberVerdict verdict = JudgeMember(PathOf(entry), KindOf(entry), archive_entry_size(entry));
        if (verdict.accepted && !verdict.file.empty())
            codes.insert(verdict.code);
        return codes.size() <= kMaxUpdateSheets && archive_read_data_skip(reader) == ARCHIVE_OK;
    });
    if (codes.size() > kMaxUpdateSheets)
        report.refused.push_back("more than " + std::to_string(kMaxUpdateSheets) + " sheets in one update");
    return whole;
}

// Reads the whole archive into the staging folder; false when it does not read to its end or a
// file cannot be written.
bool UnpackAll(int archiveFd, const fs::path& staging, Unpacked& unpacked, InstallReport& report)
{
    return ReadEveryMember(archiveFd, [&](archive* reader, archive_entry* entry) {
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

// Undoes SwapIn: the old sheet goes back in place, or a sheet that was new goes back to staging.
void SwapBack(const fs::path& staged, const fs::path& target)
{
    if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0)
        ::renameat2(AT_FDCWD, target.c_str(), AT_FDCWD, staged.c_str(), RENAME_NOREPLACE);
}

// Staging folders of an installer that was killed; only called while holding the folder's lock,
// so none of them belongs to an installer at work.
void RemoveStaleStaging(const fs::path& sheetsFolder)
{
    std::error_code ec;
    for (fs::directory_iterator it(sheetsFolder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().rfind(kStagingPrefix, 0) == 0) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
}

// The sheets of the staged archive that pass their checks.
std::vector<std::string> SheetsToInstall(const fs::path& staging, const Unpacked& unpacked, InstallReport& report)
{
    std::vector<std::string> codes;
    for (const std::string& code : unpacked.sheets) {
        if (unpacked.spoiled.count(code))
            report.refused.push_back(code + ": has refused members");
        else if (!SheetReads(staging / code, code))
            report.refused.push_back(code + ": its format.tsd cannot be read");
        else
            codes.push_back(code);
    }
    return codes;
}

// Everything staged is on the disk before any sheet is swapped in: one flush of the file system
// instead of one per file.
bool FlushStaging(const fs::path& staging)
{
    const int fd = ::open(staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::syncfs(fd) == 0;
    ::close(fd);
    return flushed;
}

// Swaps every sheet in, or, when one cannot be, none.
void SwapAllIn(const fs::path& staging, const fs::path& sheetsFolder, const std::vector<std::string>& codes,
               InstallReport& report)
{
    for (const std::string& code : codes) {
        if (SwapIn(staging / code, sheetsFolder / code)) {
            report.installed.push_back(code);
            continue;
        }
        report.refused.push_back(code + ": cannot be put in place; the update is taken back");
        for (auto done = report.installed.rbegin(); done != report.installed.rend(); ++done)
            SwapBack(staging / *done, sheetsFolder / *done);
        report.installed.clear();
        report.localFailure = true;
        return;
    }
}

}  // namespace

InstallReport InstallUpdate(int archiveFd, const fs::path& sheetsFolder)
{
    InstallReport report;
    std::error_code ec;
    fs::create_directories(sheetsFolder, ec);
    const FolderLock lock(sheetsFolder);
    if (!lock.held()) {
        report.refused.push_back(sheetsFolder.string() + ": another installer is at work or the folder cannot be opened");
        report.localFailure = true;
        return report;
    }
    RemoveStaleStaging(sheetsFolder);
    if (!WithinBounds(archiveFd, report)) {
        report.archiveDamaged = true;
        report.refused.push_back("the archive is not a whole gzip-compressed tar within the bounds; nothing installed");
        return report;
    }
    const StagingFolder staging(sheetsFolder);
    if (staging.path().empty()) {
        report.refused.push_back(sheetsFolder.string() + ": no staging folder can be made");
        report.localFailure = true;
        return report;
    }
    Unpacked unpacked;
    if (!UnpackAll(archiveFd, staging.path(), unpacked, report)) {
        report.localFailure = unpacked.writeFailed;
        report.archiveDamaged = !unpacked.writeFailed;
        report.refused.push_back("the archive cannot be unpacked whole; nothing installed");
        return report;
    }
    const std::vector<std::string> codes = SheetsToInstall(staging.path(), unpacked, report);
    if (!codes.empty() && !FlushStaging(staging.path())) {
        report.refused.push_back(sheetsFolder.string() + ": the sheets cannot be written to the disk; nothing installed");
        report.localFailure = true;
        return report;
    }
    SwapAllIn(staging.path(), sheetsFolder, codes, report);
    return report;
}

InstallReport InstallUpdate(const fs::path& archiveFile, const fs::path& sheetsFolder)
{
    const int fd = ::open(archiveFile.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        InstallReport report;
        report.archiveDamaged = true;
        report.refused.push_back(archiveFile.string() + ": cannot be opened");
        return report;
    }
    InstallReport report = InstallUpdate(fd, sheetsFolder);
    ::close(fd);
    return report;
}
