#pragma once
// Whole-file reads and crash-safe writes.
#include <filesystem>
#include <optional>
#include <string>

// The file's bytes, or nothing when it cannot be opened or read (errno tells why).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over `path`, so the previous file stays whole until the new one is complete. Returns 0 or the
// errno of the step that failed; on failure the temporary file is removed.
int WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);
