#pragma once
// Where the program finds its files: the executable's folder, or a folder set for a test run.
#include <QString>

#include <filesystem>

std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);
// The design-file folder, "data" beside the executable.
std::filesystem::path DesignFolder();

QString ToQString(const std::filesystem::path& path);
std::filesystem::path ToPath(const QString& path);
