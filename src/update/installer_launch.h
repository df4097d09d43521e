#pragma once
// Running the update installer, a program of its own, and waiting for it.
#include <filesystem>

// The installer's file name; it is built and installed beside the program.
extern const char kInstallerName[];

// How the installer ended.
enum class InstallerOutcome {
    Installed,      // the update is in place
    NothingToTake,  // it brought nothing the installer would install
    Failed,         // it could not be installed here, did not start, or was killed
};

// Runs `installer` - SHEETS-FOLDER with the archive `archiveFd` as its standard input and waits for
// it. The installer reads the file this process has verified, never a path another could replace.
InstallerOutcome RunInstaller(const std::filesystem::path& installer, int archiveFd,
                              const std::filesystem::path& sheetsFolder);
