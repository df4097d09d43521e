#include "design/recovery_file.h"

#include "design/design_file.h"
#include "design/file_messages.h"
#include "design/sheets_file.h"
#include "platform/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sstream>

namespace {

const char kDesignExtension[] = ".zvd";
const char kNoteExtension[] = ".note";

struct NameParts {
    long pid = 0;
    long long started = 0;
};

// "<pid>-<started>" of a recovery file's stem, or nothing for any other file.
std::optional<NameParts> ParseName(const std::filesystem::path& file)
{
    if (file.extension() != kDesignExtension)
        return std::nullopt;
    std::istringstream stem(file.stem().string());
    NameParts parts;
    char dash = 0;
    if (!(stem >> parts.pid >> dash >> parts.started) || dash != '-' || parts.pid <= 0 || stem.peek() != EOF)
        return std::nullopt;
    return parts;
}

}  // namespace

std::filesystem::path RecoveryDesignPath(const std::filesystem::path& folder, long pid, long long started)
{
    return folder / (std::to_string(pid) + "-" + std::to_string(started) + kDesignExtension);
}

std::filesystem::path RecoveryNotePath(const std::filesystem::path& design)
{
    std::filesystem::path note = design;
    return note.replace_extension(kNoteExtension);
}

std::string NoteBytes(const RecoveryNote& note)
{
    return note.originalPath + "\n" + note.sheetCode + "\n";
}

RecoveryNote ReadNote(const std::string& bytes)
{
    RecoveryNote note;
    std::istringstream in(bytes);
    std::getline(in, note.originalPath);
    std::getline(in, note.sheetCode);
    return note;
}

RecoveryNote ReadNoteFile(const std::filesystem::path& file)
{
    return ReadNote(ReadFileBytes(file, kMaxNoteBytes).value_or(std::string()));
}

std::optional<std::string> WriteRecovery(const std::filesystem::path& design, int kind, const RecoveryNote& note)
{
    const std::string shown = design.string();
    if (std::optional<std::string> refusal = SaveRefusal(kind, shown))
        return refusal;
    std::error_code ignored;
    std::filesystem::create_directories(design.parent_path(), ignored);
    if (int error = WriteFileAtomically(RecoveryNotePath(design), NoteBytes(note)))
        return WriteErrorMessage(RecoveryNotePath(design).string(), error);
    if (int error = WriteDesignWithSheets(design, kind, DesignFileBytes(kind)))
        return WriteErrorMessage(shown, error);
    return std::nullopt;
}

void RemoveRecovery(const std::filesystem::path& design)
{
    std::error_code ignored;
    std::filesystem::remove(design, ignored);
    std::filesystem::remove(RecoveryNotePath(design), ignored);
    std::filesystem::remove(CompanionPath(design), ignored);
    std::filesystem::remove(CompanionBackupPath(design), ignored);
}

bool ProcessRunning(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::vector<RecoveryEntry> LeftRecoveries(const std::filesystem::path& folder)
{
    std::vector<RecoveryEntry> left;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::optional<NameParts> parts = ParseName(entry.path());
        if (!parts || ProcessRunning(parts->pid))
            continue;
        left.push_back({entry.path(), ReadNoteFile(RecoveryNotePath(entry.path())), parts->started});
    }
    std::sort(left.begin(), left.end(),
              [](const RecoveryEntry& a, const RecoveryEntry& b) { return a.started > b.started; });
    return left;
}
