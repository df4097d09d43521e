#include "app/headless.h"

#include "app/record_json.h"
#include "format/load_formats.h"

#include <ostream>
#include <variant>

namespace {

const char* const kUsage =
    "usage: velmaro [FILE.zvd]\n"
    "       velmaro --catalog\n"
    "       velmaro --info FILE.zvd\n";

// One JSON object per catalog entry, in catalog order.
int PrintCatalog(const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err)
{
    if (!LoadFormats(programFolder)) {
        err << MissingPathMessage(g_strDataDir) << '\n';
        return kExitFailure;
    }
    for (const CatalogEntry& entry : g_sealCatalog) {
        JsonWriter json;
        std::visit([&json](const auto& record) { WriteRecordJson(json, record); }, entry);
        out << json.Text() << '\n';
    }
    return 0;
}

}  // namespace

bool IsHeadlessCommand(const std::vector<std::string>& args)
{
    return !args.empty() && args[0].rfind("--", 0) == 0;
}

int RunHeadless(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
                std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && args[0] == "--catalog")
        return PrintCatalog(programFolder, out, err);
    err << kUsage;
    return kExitFailure;
}
