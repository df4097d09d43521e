#include "app/headless.h"

#include "app/record_json.h"
#include "design/design_file.h"
#include "format/load_formats.h"
#include "platform/cp932.h"

#include <ostream>
#include <variant>

namespace {

const char* const kUsage =
    "usage: velmaro [FILE.zvd]\n"
    "       velmaro --catalog\n"
    "       velmaro --info FILE.zvd\n";

// The catalog beside the program, as the wizard would load it at start.
bool LoadCatalog(const std::filesystem::path& programFolder, std::ostream& err)
{
    ClearCatalog();
    if (LoadFormats(programFolder))
        return true;
    err << MissingPathMessage(g_strDataDir) << '\n';
    return false;
}

// One JSON object per catalog entry, in catalog order.
int PrintCatalog(const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err)
{
    if (!LoadCatalog(programFolder, err))
        return kExitFailure;
    for (const CatalogEntry& entry : g_sealCatalog) {
        JsonWriter json;
        std::visit([&json](const auto& record) { WriteRecordJson(json, record); }, entry);
        out << json.Text() << '\n';
    }
    return 0;
}

// The design file as opening it would leave the design: one JSON object on one line.
int PrintDesignInfo(const std::filesystem::path& programFolder, const std::string& file, std::ostream& out,
                    std::ostream& err)
{
    if (!LoadCatalog(programFolder, err))
        return kExitFailure;
    const OpenDesignResult opened = OpenDesignFile(file);
    if (!opened.ok) {
        err << opened.error << '\n';
        return kExitFailure;
    }
    JsonWriter json;
    json.BeginObject();
    json.Key("variant").String(VariantName(opened.variant));
    json.Key("designKind").Int(opened.designKind);
    json.Key("advance").Bool(opened.advance);
    json.Key("strCurCode").String(cp932::ToUtf8(g_strCurCode));
    json.Key("settings");
    WriteSettingsJson(json);
    json.Key("otherFace").String(cp932::ToUtf8(CSealFormat::OtherFace()));
    json.Key("record");
    if (HoldsOrvanel(opened.variant))
        WriteRecordJson(json, CSealFormat::Orvanel());
    else
        WriteRecordJson(json, CSealFormat::Zolvi());
    json.EndObject();
    out << json.Text() << '\n';
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
    if (args.size() == 2 && args[0] == "--info")
        return PrintDesignInfo(programFolder, args[1], out, err);
    err << kUsage;
    return kExitFailure;
}
