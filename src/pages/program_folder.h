#pragma once
// The program's folders for the wizard (see platform/program_folders.h), and the design folder,
// which lives at the GUI edge because only Qt knows the user's documents folder.
#include "format/measured_sheet.h"
#include "labels/label_database.h"
#include "platform/program_folders.h"

#include <QString>

#include <filesystem>

const ProgramFolders& Folders();
// The read-only program data: sheets, title picture, default settings, sample designs.
std::filesystem::path ProgramFolder();
// Points the program data at `folder`, for a test run.
void SetProgramFolder(const std::filesystem::path& folder);
// Reads the catalog from the program's and the user's data folders, and starts reading the label
// sheets of the label-template database and the user's templates into `labelSheets`, beside the
// window (the first window would wait a third longer for them); false when the program's data is
// missing.
bool LoadProgramFormats(PendingLabelDatabase& labelSheets);
// Adds the label sheets read since, waiting for them if need be; false when there were none to
// take (taken before, or no load since). Whatever needs the whole catalog calls it first.
bool TakeLabelSheets(PendingLabelDatabase& labelSheets);
// Writes a sheet measured by hand as a template into the user's templates folder (made when
// needed; a template of the same name is replaced). Returns the message to show on failure.
std::string SaveMeasuredSheet(const MeasuredSheet& sheet);

// Where the open and save dialogs start: the last folder used, at first "Velmaro" in the user's
// documents folder (made when it is first needed).
std::filesystem::path DesignFolder();
// Remembers the folder of a design file just opened or saved, for this run and the next.
void RememberDesignFolder(const std::filesystem::path& file);
// Where the fill dialog looks for a list: the folder of the last list opened, else DesignFolder().
std::filesystem::path ListFolder();
void RememberListFolder(const std::filesystem::path& file);

// Where the update check keeps its markers and downloads, a folder of their own in the user's data.
std::filesystem::path UpdateDownloadFolder();
// The user's "印刷情報" folder the update installer writes sheets to; the catalog lists it with
// the program's.
std::filesystem::path UpdateSheetsFolder();
// The update installer program, beside the executable.
std::filesystem::path UpdateInstaller();

QString ToQString(const std::filesystem::path& path);
std::filesystem::path ToPath(const QString& path);
