#include "pages/program_folder.h"

#include "design/file_messages.h"
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "labels/label_database.h"
#include "labels/label_templates.h"
#include "platform/file_bytes.h"
#include "platform/exe_dir.h"
#include "update/installer_launch.h"

#include <QSettings>
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

QSettings RememberedState()
{
    return QSettings(ToQString(Folders().userState / "state.ini"), QSettings::IniFormat);
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
    const std::filesystem::path remembered = ToPath(RememberedState().value(kLastFolderKey).toString());
    if (IsDirectory(remembered))
        return remembered;
    const std::filesystem::path documents = DocumentsFolder();
    std::error_code ignored;
    std::filesystem::create_directories(documents, ignored);
    return documents;
}

void RememberDesignFolder(const std::filesystem::path& file)
{
    RememberedState().setValue(kLastFolderKey, ToQString(file.parent_path()));
}

std::filesystem::path ListFolder()
{
    const std::filesystem::path remembered = ToPath(RememberedState().value(kLastListFolderKey).toString());
    return IsDirectory(remembered) ? remembered : DesignFolder();
}

void RememberListFolder(const std::filesystem::path& file)
{
    RememberedState().setValue(kLastListFolderKey, ToQString(file.parent_path()));
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
