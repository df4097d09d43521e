#include "pages/program_folder.h"

#include "design/file_messages.h"
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "labels/label_database.h"
#include "labels/label_templates.h"
#include "platform/file_bytes.h"
#include "platform/exe_dir.h"
#include "platform/ini_values.h"
#include "update/installer_launch.h"

#include <QStandardPaths>

#include <cstdlib>
#include <iostream>

namespace {

const char kLastFolderKey[] = "dialogs/lastDesignFolder";
const char kLastListFolderKey[] = "dialogs/lastListFolder";

ProgramFolders& MutableFolders()
{
    static ProgramFolders folders = LocateProgramFolders();
    return folders;
}

std::filesystem::path StateFile()
{
    return Folders().userState / "state.ini";
}

std::filesystem::path RememberedFolder(const char* key)
{
    const IniValues state = ReadIniValues(StateFile());
    const auto found = state.find(key);
    return found == state.end() ? std::filesystem::path() : std::filesystem::u8path(found->second);
}

void RememberFolder(const char* key, const std::filesystem::path& file)
{
    StoreIniValue(StateFile(), key, file.parent_path().u8string());
}

std::filesystem::path DocumentsFolder()
{
    return ToPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) / "Velmaro";
}

bool IsDirectory(const std::filesystem::path& path)
{
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_directory(path, ignored);
}

}  // namespace

const ProgramFolders& Folders()
{
    return MutableFolders();
}

std::filesystem::path ProgramFolder()
{
    return Folders().programData;
}

void SetProgramFolder(const std::filesystem::path& folder)
{
    MutableFolders().programData = folder;
}

bool LoadProgramFormats(PendingLabelDatabase& labelSheets)
{
    if (!LoadFormats(Folders().programData, Folders().userData))
        return false;
    labelSheets.Start(std::cerr);
    return true;
}

bool TakeLabelSheets(PendingLabelDatabase& labelSheets)
{
    std::optional<LabelDatabase> read = labelSheets.Take();
    if (!read)
        return false;
    AppendLabelSheets(read->sheets, g_sealCatalog);
    return true;
}

namespace {

// A file name from the sheet's name: what a file name cannot hold becomes "_".
std::string TemplateFileName(const std::string& name)
{
    std::string file;
    for (char c : name)
        file += (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
    if (file.empty() || file[0] == '.')
        file.insert(0, "_");
    return file + ".template";
}

}  // namespace

std::string SaveMeasuredSheet(const MeasuredSheet& sheet)
{
    const std::filesystem::path folder =
        LocateLabelFolders([](const char* name) { return std::getenv(name); }).user;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path file = folder / TemplateFileName(sheet.name);
    const int failure = error ? error.value() : WriteFileAtomically(file, WriteTemplateXml(MeasuredGeometry(sheet)));
    if (failure == 0)
        return {};
    return WriteErrorMessage(file.string(), failure);
}

std::filesystem::path DesignFolder()
{
    const std::filesystem::path remembered = RememberedFolder(kLastFolderKey);
    if (IsDirectory(remembered))
        return remembered;
    const std::filesystem::path documents = DocumentsFolder();
    std::error_code ignored;
    std::filesystem::create_directories(documents, ignored);
    return documents;
}

void RememberDesignFolder(const std::filesystem::path& file)
{
    RememberFolder(kLastFolderKey, file);
}

std::filesystem::path ListFolder()
{
    const std::filesystem::path remembered = RememberedFolder(kLastListFolderKey);
    return IsDirectory(remembered) ? remembered : DesignFolder();
}

void RememberListFolder(const std::filesystem::path& file)
{
    RememberFolder(kLastListFolderKey, file);
}

std::filesystem::path UpdateDownloadFolder()
{
    return Folders().userData / "update";
}

std::filesystem::path UpdateSheetsFolder()
{
    return Folders().userData / "印刷情報";
}

std::filesystem::path UpdateInstaller()
{
    return ExecutableFolder() / kInstallerName;
}

QString ToQString(const std::filesystem::path& path)
{
    return QString::fromStdString(path.u8string());
}

std::filesystem::path ToPath(const QString& path)
{
    return std::filesystem::u8path(path.toStdString());
}
