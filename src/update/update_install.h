#pragma once
// Installing an update archive into a sheets folder ("印刷情報"): every sheet is unpacked into a
// staging folder beside the sheets and its format file read as the catalog reads it; only when the
// whole archive is staged are the sheets swapped in, each by one rename, so a sheet is always
// either the old one or the new one whole, even when the installer is killed. When a sheet cannot
// be put in place, those already swapped are swapped back: an update goes in whole or not at all.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// The most sheets one update may bring.
inline constexpr std::size_t kMaxUpdateSheets = 1000;

struct InstallReport {
    std::vector<std::string> installed;  // sheet codes, in the order they were swapped in
    std::vector<std::string> refused;    // "what: why", one line each
    bool archiveDamaged = false;         // not a whole archive within the bounds: nothing installed
    // Something on this side failed (a full or read-only disk, another installer at work): nothing
    // installed, and the same update is to be tried again.
    bool localFailure = false;
};

// Installs the archive read from `archiveFd` (from its start; the descriptor is not closed).
InstallReport InstallUpdate(int archiveFd, const std::filesystem::path& sheetsFolder);
// The same for an archive file opened once by its path.
InstallReport InstallUpdate(const std::filesystem::path& archiveFile, const std::filesystem::path& sheetsFolder);
