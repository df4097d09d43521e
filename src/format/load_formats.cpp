#include "format/load_formats.h"

#include "platform/file_bytes.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <vector>

std::string g_strDataDir;

namespace {

const char* const kDataFolderName = "印刷情報";
const char* const kFormatFileName = "format.tsd";

std::optional<CatalogEntry> ParseFormatBytes(const std::string& bytes)
{
    const auto kind = static_cast<unsigned char>(bytes[0]);
    if (kind == 1 || kind == 3) {
        CSealData2 record;
        if (record.ReadFormat(bytes, kind == 3))
            return CatalogEntry(std::move(record));
    } else if (kind == 2 || kind == 4 || kind == 5) {
        CSealData3 record;
        if (record.ReadFormat(bytes, kind != 2))
            return CatalogEntry(std::move(record));
    }
    return std::nullopt;
}

// The sub-folders of the data folder sorted by name; an unreadable folder or entry is skipped like
// a folder without a format file, and so are hidden ones (an installer's staging folder).
std::vector<std::filesystem::path> SheetFoldersByName(const std::filesystem::path& dataDir)
{
    std::vector<std::filesystem::path> folders;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dataDir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && it->is_directory(entryError))
            folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) {
        return a.filename().native() < b.filename().native();
    });
    return folders;
}

// Where each code's format was read from; the first sheet with a code is the one lookups find.
std::map<std::string, std::filesystem::path>& SheetFolders()
{
    static std::map<std::string, std::filesystem::path> folders;
    return folders;
}

struct FoundSheet {
    CatalogEntry entry;
    std::filesystem::path folder;
};

// Every readable sheet one level below `dataDir`, by folder name.
std::vector<FoundSheet> ReadSheets(const std::filesystem::path& dataDir)
{
    std::vector<FoundSheet> sheets;
    for (const std::filesystem::path& folder : SheetFoldersByName(dataDir))
        if (std::optional<CatalogEntry> entry = ReadFormatFile(folder / kFormatFileName))
            sheets.push_back({std::move(*entry), folder});
    return sheets;
}

void AppendSheet(FoundSheet&& sheet)
{
    SheetFolders().emplace(CodeOf(sheet.entry), sheet.folder);
    g_sealCatalog.push_back(std::move(sheet.entry));
}

void AddUserSheet(FoundSheet&& sheet)
{
    const std::string code = CodeOf(sheet.entry);
    const auto same = FindFormat(code);
    if (same == g_sealCatalog.end()) {
        AppendSheet(std::move(sheet));
        return;
    }
    g_sealCatalog[static_cast<std::size_t>(same - g_sealCatalog.cbegin())] = std::move(sheet.entry);
    SheetFolders()[code] = sheet.folder;
}

}  // namespace

std::string MissingPathMessage(const std::string& path) { return path + "が存在しません"; }

std::filesystem::path SheetFolder(const std::string& code)
{
    const auto found = SheetFolders().find(code);
    return found != SheetFolders().end() ? found->second : std::filesystem::path(g_strDataDir) / code;
}

std::optional<CatalogEntry> ReadFormatFile(const std::filesystem::path& file)
{
    std::optional<std::string> bytes = ReadFileBytes(file, kMaxFormatFileBytes);
    if (!bytes || bytes->empty())
        return std::nullopt;
    std::optional<CatalogEntry> entry = ParseFormatBytes(*bytes);
    if (entry && !IsSheetCode(CodeOf(*entry)))
        return std::nullopt;
    return entry;
}

bool LoadFormats(const std::filesystem::path& programFolder)
{
    const std::filesystem::path dataDir = programFolder / kDataFolderName;
    g_strDataDir = dataDir.string();
    SheetFolders().clear();
    std::error_code ec;
    if (!std::filesystem::is_directory(dataDir, ec))
        return false;
    for (FoundSheet& sheet : ReadSheets(dataDir))
        AppendSheet(std::move(sheet));
    return true;
}

bool LoadFormats(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder)
{
    if (!LoadFormats(programFolder))
        return false;
    for (FoundSheet& sheet : ReadSheets(userFolder / kDataFolderName))
        AddUserSheet(std::move(sheet));
    return true;
}
