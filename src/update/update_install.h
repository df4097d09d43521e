#pragma once
// Installing an update archive into a sheets folder ("印刷情報"): each sheet is unpacked into a
// staging folder beside the sheets, its format file is read as the catalog reads it, and only
// then is it swapped in by rename, so a sheet is always either the old one or the new one whole.
#include <filesystem>
#include <string>
#include <vector>

struct InstallReport {
    std::vector<std::string> installed;  // sheet codes, in the order they were swapped in
    std::vector<std::string> refused;    // "what: why", one line each
    bool archiveDamaged = false;         // the archive did not read to its end: nothing installed
};

InstallReport InstallUpdate(const std::filesystem::path& archiveFile, const std::filesystem::path& sheetsFolder);
