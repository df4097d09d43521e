#pragma once
// Where the program finds its files: the executable's folder, or a folder set for a test run.
#include <QString>

#include <filesystem>

std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);
// The design-file folder, "data" beside the executable.
std::filesystem::path DesignFolder();

// Where the update check keeps its markers and downloads, a folder of their own.
std::filesystem::path UpdateDownloadFolder();
// The "印刷情報" folder the update installer writes sheets to.
std::filesystem::path UpdateSheetsFolder();
// The update installer program, beside the executable.
std::filesystem::path UpdateInstaller();

QString ToQString(const std::filesystem::path& path);
std::filesystem::path ToPath(const QString& path);
