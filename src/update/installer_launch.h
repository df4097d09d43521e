#pragma once
// Running the update installer, a program of its own, and waiting for it.
#include <filesystem>

// The installer's file name; it is built and installed beside the program.
extern const char kInstallerName[];

// Runs `installer` ARCHIVE SHEETS-FOLDER and waits for it. True when it ran and reported that it
// installed something (exit status 0).
bool RunInstaller(const std::filesystem::path& installer, const std::filesystem::path& archiveFile,
                  const std::filesystem::path& sheetsFolder);
