#include "format/load_formats.h"

#include "platform/file_bytes.h"

#include <system_error>

std::string g_strDataDir;

namespace {
const char* const kDataFolderName = "印刷情報";
const char* const kFormatFileName = "format.tsd";
}  // namespace

std::string MissingPathMessage(const std::string& path) { return path + "が存在しません"; }

std::filesystem::path SheetFolder(const std::string& code) { return std::filesystem::path(g_strDataDir) / code; }

std::optional<CatalogEntry> ReadFormatFile(const std::filesystem::path& file)
{
    std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes || bytes->empty())
        return std::nullopt;
    const auto kind = static_cast<unsigned char>((*bytes)[0]);
    if (kind == 1 || kind == 3) {
        CSealData2 record;
        if (record.ReadFormat(*bytes, kind == 3))
            return CatalogEntry(std::move(record));
    } else if (kind == 2 || kind == 4 || kind == 5) {
        CSealData3 record;
        if (record.ReadFormat(*bytes, kind != 2))
            return CatalogEntry(std::move(record));
    }
    return std::nullopt;
}

bool LoadFormats(const std::filesystem::path& programFolder)
{
    const std::filesystem::path dataDir = programFolder / kDataFolderName;
    g_strDataDir = dataDir.string();
    std::error_code ec;
    if (!std::filesystem::is_directory(dataDir, ec))
        return false;
    // An unreadable folder or entry is skipped like a folder without a format file.
    for (std::filesystem::directory_iterator it(dataDir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_directory(entryError))
            continue;
        const std::filesystem::path file = it->path() / kFormatFileName;
        if (!std::filesystem::is_regular_file(file, entryError))
            continue;
        if (std::optional<CatalogEntry> entry = ReadFormatFile(file))
            g_sealCatalog.push_back(std::move(*entry));
    }
    return true;
}
