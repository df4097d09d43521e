#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "format/catalog.h"

// The data folder, "印刷情報" beside the executable (UTF-8 path); set by LoadFormats.
extern std::string g_strDataDir;

// Reads every "format.tsd" one level below the data folder of `programFolder` and appends it to
// g_sealCatalog in the order the folder lists them. False when the data folder is missing.
bool LoadFormats(const std::filesystem::path& programFolder);

// Reads one format file into a catalog entry; nothing for an unknown kind byte or a file the
// reader refuses.
std::optional<CatalogEntry> ReadFormatFile(const std::filesystem::path& file);

// "%sが存在しません" with the path in place of %s.
std::string MissingPathMessage(const std::string& path);

// The picture files of a sheet in its own folder.
std::filesystem::path SheetFolder(const std::string& code);
