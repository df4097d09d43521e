#pragma once
// Starting the companion program that takes over a fetched update.
#include <filesystem>

// Starts "VelmaroInf.exe" from `exeFolder` detached (nobody waits for it) when it is an
// executable file. False when it is missing, not executable, or could not be started; the
// caller may then hand the file to the desktop instead.
bool LaunchCompanion(const std::filesystem::path& exeFolder);
