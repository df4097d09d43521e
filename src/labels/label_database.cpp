#include "labels/label_database.h"

#include "labels/label_templates.h"
#include "labels/template_key.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

const char kDefaultDataDirs[] = "/usr/local/share:/usr/share";
const char kDatabaseSubfolder[] = "libglabels-3.0/templates";

// The absolute folders of a colon-separated list such as $XDG_DATA_DIRS; relative ones are ignored.
std::vector<fs::path> AbsoluteFolders(std::string_view list)
{
    std::vector<fs::path> folders;
    while (!list.empty()) {
        const std::size_t colon = std::min(list.find(':'), list.size());
        const fs::path folder(list.substr(0, colon));
        if (folder.is_absolute())
            folders.push_back(folder);
        list.remove_prefix(std::min(colon + 1, list.size()));
    }
    return folders;
}

void AddOnce(std::vector<fs::path>& folders, const fs::path& folder)
{
    std::error_code ignored;
    const fs::path real = fs::weakly_canonical(folder, ignored);
    const auto same = [&real](const fs::path& known) {
        std::error_code ignored;
        return fs::weakly_canonical(known, ignored) == real;
    };
    if (std::none_of(folders.begin(), folders.end(), same))
        folders.push_back(folder);
}

bool EndsWith(std::string_view name, std::string_view end)
{
    return name.size() >= end.size() && name.substr(name.size() - end.size()) == end;
}

bool IsTemplateFile(const std::string& name, bool user)
{
    return EndsWith(name, "-templates.xml") || (user && EndsWith(name, ".template"));
}

// A file name on one line of the error output, whatever bytes it holds.
std::string Printable(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return (c >= 0 && c < ' ') || c == 0x7f; }, '?');
    return text;
}

void Report(std::ostream& errors, const fs::path& path, const std::string& reason)
{
    errors << "label templates: " << Printable(path.string()) << " left out: " << Printable(reason) << '\n';
}

// The template files of `folder`, sorted by name; a missing folder has none.
std::vector<fs::path> TemplateFiles(const fs::path& folder, bool user, std::ostream& errors)
{
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error))
        if (IsTemplateFile(entry->path().filename().string(), user))
            files.push_back(entry->path());
    if (error && error != std::errc::no_such_file_or_directory)
        Report(errors, folder, error.message());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<PaperSize> FirstPaperSizes(const LabelFolders& folders, std::ostream& errors)
{
    for (const fs::path& folder : folders.database) {
        const fs::path file = folder / "paper-sizes.xml";
        std::error_code ignored;
        if (!fs::exists(fs::symlink_status(file, ignored)))
            continue;
        std::string error;
        std::vector<PaperSize> papers = ReadPaperSizes(file, &error);
        if (error.empty())
            return papers;
        Report(errors, file, error);
    }
    return {};
}

// Reads folder after folder into one database, keeping one sheet per brand and part.
class DatabaseReader {
public:
    DatabaseReader(const std::vector<PaperSize>& papers, std::ostream& errors) : m_papers(papers), m_errors(errors) {}

    void ReadFolder(const fs::path& folder, bool user)
    {
        for (const fs::path& file : TemplateFiles(folder, user, m_errors)) {
            TemplateFileResult result = ReadTemplateFile(file, m_papers, m_database.sheets);
            if (!result.error.empty()) {
                Report(m_errors, file, result.error);
                continue;
            }
            m_database.unsupported += result.unsupported;
            for (LabelGeometry& sheet : result.sheets)
                Add(std::move(sheet), user);
        }
    }

    LabelDatabase Take() { return std::move(m_database); }

private:
    struct Place {
        std::size_t index;
        bool user;
    };

    void Add(LabelGeometry sheet, bool user)
    {
        const auto [found, added] = m_places.emplace(TemplateKey(sheet.brand, sheet.part), Place{0, user});
        if (added) {
            found->second.index = m_database.sheets.size();
            m_database.sheets.push_back(std::move(sheet));
        } else if (user && !found->second.user) {
            found->second.user = true;
            m_database.sheets[found->second.index] = std::move(sheet);
        }
    }

    const std::vector<PaperSize>& m_papers;
    std::ostream& m_errors;
    LabelDatabase m_database;
    std::unordered_map<std::string, Place> m_places;
};

}  // namespace

LabelFolders LocateLabelFolders(const EnvironmentLookup& environment)
{
    const char* dataDirs = environment("XDG_DATA_DIRS");
    LabelFolders folders;
    for (const fs::path& dir : AbsoluteFolders(dataDirs && *dataDirs ? dataDirs : kDefaultDataDirs))
        AddOnce(folders.database, dir / kDatabaseSubfolder);
    folders.user = XdgBaseFolder(environment, "XDG_CONFIG_HOME", ".config") / "libglabels" / "templates";
    return folders;
}

LabelDatabase LoadLabelDatabase(const LabelFolders& folders, std::ostream& errors)
{
    const std::vector<PaperSize> papers = FirstPaperSizes(folders, errors);
    DatabaseReader reader(papers, errors);
    for (const fs::path& folder : folders.database)
        reader.ReadFolder(folder, false);
    if (!folders.user.empty())
        reader.ReadFolder(folders.user, true);
    return reader.Take();
}

LabelDatabase LoadLabelDatabase(std::ostream& errors)
{
    return LoadLabelDatabase(LocateLabelFolders([](const char* name) { return std::getenv(name); }), errors);
}

void PendingLabelDatabase::Start(std::ostream& errors)
{
    Take();
    m_reading = std::async(std::launch::async, [&errors] { return LoadLabelDatabase(errors); });
}

std::optional<LabelDatabase> PendingLabelDatabase::Take()
{
    if (!m_reading.valid())
        return std::nullopt;
    return m_reading.get();
}
