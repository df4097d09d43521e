#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "format/catalog.h"
#include "format/format_blocks.h"

// The program's data folder, "印刷情報" among the program data (UTF-8 path); set by LoadFormats.
extern std::string g_strDataDir;

// The largest "format.tsd" taken: the descriptor block, then kMaxPieces stickers of four
// rectangle lines and the separators and previews, every line with room to spare.
inline constexpr std::size_t kMaxFormatFileBytes = 4 * 1024 + (4 * kMaxPieces + 16) * 128;

// Reads every "format.tsd" one level below the data folder of `programFolder` and appends it to
// g_sealCatalog in the byte order of the folder names, the same on every machine. False when the
// data folder is missing.
bool LoadFormats(const std::filesystem::path& programFolder);
// The same, then the sheets of the user's own data folder below `userFolder` (from updates), which
// may be missing: a user's sheet replaces the program's sheet with the same code, any other one
// is appended.
bool LoadFormats(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder);

// Reads one format file into a catalog entry; nothing for an unknown kind byte, a file the reader
// refuses, anything but a regular file up to kMaxFormatFileBytes, or a code that is no sheet code.
std::optional<CatalogEntry> ReadFormatFile(const std::filesystem::path& file);

// "%sが存在しません" with the path in place of %s.
std::string MissingPathMessage(const std::string& path);

// The folder of the sheet with `code`, which holds its pictures: where its format was read from.
std::filesystem::path SheetFolder(const std::string& code);
