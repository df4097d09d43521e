#include "app/program_folder.h"

#include "platform/exe_dir.h"
#include "update/installer_launch.h"

namespace {
std::filesystem::path& Folder()
{
    static std::filesystem::path folder = ExecutableFolder();
    return folder;
}
}  // namespace

std::filesystem::path ProgramFolder()
{
    return Folder();
}

void SetProgramFolder(const std::filesystem::path& folder)
{
    Folder() = folder;
}

std::filesystem::path DesignFolder()
{
    return ProgramFolder() / "data";
}

std::filesystem::path UpdateDownloadFolder()
{
    return ProgramFolder() / "update";
}

std::filesystem::path UpdateSheetsFolder()
{
    return ProgramFolder() / "印刷情報";
}

std::filesystem::path UpdateInstaller()
{
    return ProgramFolder() / kInstallerName;
}

QString ToQString(const std::filesystem::path& path)
{
    return QString::fromStdString(path.u8string());
}

std::filesystem::path ToPath(const QString& path)
{
    return std::filesystem::u8path(path.toStdString());
}
