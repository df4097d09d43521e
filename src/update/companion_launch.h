#pragma once
// Starting the companion program that takes over a fetched update.
#include <filesystem>

// Starts "VelmaroInf.exe" from `programFolder` detached (nobody waits for it) when it is an
// executable file, with the folder that holds the fetched update as its one argument. False when
// it is missing, not executable, or could not be started; the caller may then hand the file to
// the desktop instead.
bool LaunchCompanion(const std::filesystem::path& programFolder, const std::filesystem::path& updateFolder);
