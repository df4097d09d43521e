#pragma once
// Recovery files: while a design has unsaved changes the wizard keeps a copy of it, an ordinary
// design file, in the user's recovery folder, with a note of the file it came from and its sheet.
// Each running program has its own pair, named by its process number and start time, so a pair
// whose process no longer runs is work a crash (or a power cut) left behind.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct RecoveryNote {
    std::string originalPath;  // UTF-8; empty for a design never saved
    std::string sheetCode;
};

// "<pid>-<started>.zvd" in `folder`; `started` in milliseconds since the epoch.
std::filesystem::path RecoveryDesignPath(const std::filesystem::path& folder, long pid, long long started);
// The note beside a recovery design file.
std::filesystem::path RecoveryNotePath(const std::filesystem::path& design);

// A note holds a path and a sheet code: a file larger than this is none of ours.
inline constexpr std::size_t kMaxNoteBytes = 16 * 1024;

std::string NoteBytes(const RecoveryNote& note);
RecoveryNote ReadNote(const std::string& bytes);
// The note in `file`; an empty one for a missing note, or for anything but a regular file of at
// most kMaxNoteBytes, which is never waited on.
RecoveryNote ReadNoteFile(const std::filesystem::path& file);

// Writes the current design of `kind` and its note, each whole or not at all; the design's
// modified flag is left as it is. The message of what failed, or nothing.
std::optional<std::string> WriteRecovery(const std::filesystem::path& design, int kind, const RecoveryNote& note);
// Removes a recovery design file and its note.
void RemoveRecovery(const std::filesystem::path& design);

struct RecoveryEntry {
    std::filesystem::path design;
    RecoveryNote note;
    long long started = 0;
};

// The recovery files in `folder` whose program no longer runs, the newest first.
std::vector<RecoveryEntry> LeftRecoveries(const std::filesystem::path& folder);
// Whether process `pid` exists.
bool ProcessRunning(long pid);
