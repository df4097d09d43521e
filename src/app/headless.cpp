#include "app/headless.h"

#include "app/record_json.h"
#include "app/headless_fill.h"
#include "app/progress_line.h"
#include "design/design_file.h"
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "labels/label_database.h"
#include "pages/line_break_setting.h"
#include "pages/sheet_list.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "render/design_layout.h"
#include "render/export_sheets.h"
#include "render/print_page.h"
#include "text/layout_sheet.h"

#include <QGuiApplication>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <variant>

namespace {

// The user's own choice among the Japanese typefaces.
constexpr int kOtherJapaneseFace = 2;

// Fonts need Qt's font database, which needs an application object; the offscreen platform gives
// one without any display, and with no event loop to run the plain event dispatcher serves. Only
// the faces of `look` are loaded. Lives for one command; the fonts go before the application does.
class FontsWithoutDisplay {
public:
    explicit FontsWithoutDisplay(const DesignLook& look)
    {
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("QT_NO_GLIB", "1");
            m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
        }
        g_fontPool.CreateFaces(look.japaneseFace, look.latinFace, look.bold);
        if (look.japaneseFace == kOtherJapaneseFace && !CSealFormat::OtherFace().empty())
            g_fontPool.CreateOther(CSealFormat::OtherFace());
    }

private:
    int m_argc = 1;
    char m_name[8] = "velmaro";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
    FontPoolSession m_fonts;  // declared last: released first
};

// Lays the opened design of `kind` out with the real fonts, as the pages do before drawing.
void LayOutOpenedDesign(int kind, LineBreaks breaks)
{
    const DesignLook look = CurrentLook();
    FontsWithoutDisplay fonts(look);
    LayOutDesignOfKind(kind, look, breaks);
}

const char* const kUsage =
    "usage: velmaro [FILE.zvd | --sheet NAME]\n"
    "       velmaro --catalog\n"
    "       velmaro --info [--layout [--plain-breaks]] FILE.zvd\n"
    "       velmaro --export OUT.pdf|OUT.png FILE.zvd|--sheet NAME [--offset DX,DY] [--plain-breaks]\n"
    "               [--fill LIST [--column NAME|N] | --series PREFIX,START,STEP,COUNT,DIGITS[,SUFFIX]]\n"
    "               [--from STICKER]\n"
    "       velmaro --version | --help\n";

constexpr const char* kPlainBreaks = "--plain-breaks";

// One line for each option, as in the manual page velmaro(1).
const char* const kHelp =
    "Usage: velmaro [FILE.zvd | --sheet NAME]\n"
    "       velmaro OPTION...\n"
    "Design text for pre-cut sticker sheets and print it; without an option the wizard opens,\n"
    "with FILE.zvd that design.\n"
    "\n"
    "  --catalog                      list the sheet catalog, one JSON object per line\n"
    "  --info [--layout] FILE.zvd     print the design file as read (laid out with --layout), as JSON\n"
    "  --export OUT FILE.zvd [--offset DX,DY]\n"
    "                                 write the sheet as it would print to OUT (.pdf or .png),\n"
    "                                 shifted by DX,DY in 0.01 mm; several sheets: a PDF page\n"
    "                                 each, or OUT-1.png, OUT-2.png, ...\n"
    "  --sheet NAME                   a new design with the default look on the sheet NAME names (its\n"
    "                                 code, the search code on its pack, or a label's \"BRAND PART\"):\n"
    "                                 with --export in place of FILE.zvd, or alone to open the wizard\n"
    "  --fill LIST                    with --export: fill the stickers with the entries of LIST, one a\n"
    "                                 line (a CSV or TSV file: one column of it), onto as many sheets\n"
    "                                 as it takes; LIST - reads standard input\n"
    "  --column NAME|N                with --fill: the column of a CSV or TSV list, by its header or\n"
    "                                 number (the first line is the header)\n"
    "  --series PREFIX,START,STEP,COUNT,DIGITS[,SUFFIX]\n"
    "                                 with --export: fill with numbered entries, e.g. No.,1,1,120,3\n"
    "  --from STICKER                 with --fill or --series: start at sticker STICKER (from 1)\n"
    "  --plain-breaks                 with --export or --info --layout: break lines between any two\n"
    "                                 characters, as before the line-breaking rules\n"
    "  --version                      print the version and exit\n"
    "  --help                         print this help and exit\n"
    "\n"
    "Sheets are read from the program's data folder and from $XDG_DATA_HOME/velmaro/印刷情報;\n"
    "settings from $XDG_CONFIG_HOME/velmaro/velmaro.ini when present. See velmaro(1).\n";

// The maker's sheets and the user's, without the label database.
bool LoadMakerSheets(const ProgramFolders& folders, std::ostream& err)
{
    ClearCatalog();
    if (LoadFormats(folders.programData, folders.userData))
        return true;
    err << MissingPathMessage(g_strDataDir) << '\n';
    return false;
}

// Label sheets come after every other sheet, so adding them changes no sheet already listed.
void AppendLabelDatabase(std::ostream& err) { AppendLabelSheets(LoadLabelDatabase(err).sheets, g_sealCatalog); }

// The catalog of the program and the user, as the wizard would load it at start.
bool LoadCatalog(const ProgramFolders& folders, std::ostream& err)
{
    if (!LoadMakerSheets(folders, err))
        return false;
    AppendLabelDatabase(err);
    return true;
}

// One JSON object per catalog entry, in catalog order.
int PrintCatalog(const ProgramFolders& folders, std::ostream& out, std::ostream& err)
{
    if (!LoadCatalog(folders, err))
        return kExitFailure;
    for (const CatalogEntry& entry : g_sealCatalog) {
        JsonWriter json;
        if (!IsZolvi(entry) && IsLabelSheet(AsOrvanel(entry)))
            WriteLabelSheetJson(json, AsOrvanel(entry));
        else
            std::visit([&json](const auto& record) { WriteRecordJson(json, record); }, entry);
        out << json.Text() << '\n';
    }
    return 0;
}

// The code of the sheet the opened design is on.
const std::string& OpenedSheetCode(const OpenDesignResult& opened)
{
    return HoldsOrvanel(opened.variant) ? CSealFormat::Orvanel().m_strCode : CSealFormat::Zolvi().m_strCode;
}

// Opens a design file as the wizard would, with the whole catalog. Reading the label database
// costs more than the rest of a one-sheet export, so it is read only when the design's sheet is
// not one of the maker's or the user's; the design is then opened again with it.
bool OpenForCommand(const ProgramFolders& folders, const std::string& file, OpenDesignResult& opened,
                    std::ostream& err)
{
    if (!LoadMakerSheets(folders, err))
        return false;
    opened = OpenDesignFile(file);
    if (!opened.ok || FindFormat(OpenedSheetCode(opened)) == g_sealCatalog.end()) {
        AppendLabelDatabase(err);
        opened = OpenDesignFile(file);
    }
    if (!opened.ok)
        err << opened.error << '\n';
    else if (!opened.warning.empty())
        err << opened.warning << '\n';
    return opened.ok;
}

// The design file as opening it would leave the design (laid out first with `layout`): one JSON
// object on one line.
int PrintDesignInfo(const ProgramFolders& folders, const std::string& file, std::optional<LineBreaks> layout,
                    std::ostream& out, std::ostream& err)
{
    OpenDesignResult opened;
    if (!OpenForCommand(folders, file, opened, err))
        return kExitFailure;
    if (layout)
        LayOutOpenedDesign(HoldsOrvanel(opened.variant) ? kKindOrvanel : kKindZolvi, *layout);
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

// "DX,DY" in 0.01 mm.
bool ParseOffsets(const std::string& text, QPoint& offsets)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    try {
        std::size_t used = 0;
        const int dx = std::stoi(text.substr(0, comma), &used);
        if (used != comma)
            return false;
        const std::string rest = text.substr(comma + 1);
        const int dy = std::stoi(rest, &used);
        if (used != rest.size())
            return false;
        offsets = QPoint(dx, dy);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The options from `first` on, each with its value; false for any other or a repeated one.
bool ParseExportOptions(const std::vector<std::string>& args, std::size_t first, QPoint& offsets, FillRequest& fill)
{
    bool offsetGiven = false;
    for (std::size_t i = first; i + 1 < args.size(); i += 2) {
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        if (name == "--offset" && !offsetGiven) {
            offsetGiven = true;
            if (!ParseOffsets(value, offsets))
                return false;
        } else if (!TakeFillOption(name, value, fill)) {
            return false;
        }
    }
    return args.size() >= first && (args.size() - first) % 2 == 0 && FillOptionsComplete(fill);
}

// A new design with the default look on the sheet `name` names (a code, the search code, or a
// label product's "BRAND PART"), as choosing it on the selection page makes one.
bool NewDesignOnSheet(const ProgramFolders& folders, const std::string& name, int& kind, std::ostream& err)
{
    if (!LoadCatalog(folders, err))
        return false;
    const auto entry = FindNamedSheet(g_sealCatalog, name);
    if (entry == g_sealCatalog.end()) {
        err << "シート「" << name << "」が見つかりませんでした。\n";
        return false;
    }
    const SheetChoice choice = ChoiceOf(MakeSheetListItem(*entry));
    CSealFormat::ResetAll();
    CSealFormat::s_nLayoutMode = choice.layoutMode;
    if (choice.family)
        CSealFormat::s_nOldSheetType = choice.family;
    g_strCurCode = CodeOf(*entry);
    UseFormat(*entry);
    CSealFormat::ResetDesign();
    kind = choice.designKind;
    return true;
}

// --export OUT FILE [--offset DX,DY] [--fill LIST ... | --series ...]: the sheets exactly as they
// would print.
int ExportDesign(const ProgramFolders& folders, const std::vector<std::string>& args, LineBreaks breaks,
                 std::ostream& err)
{
    QPoint offsets;
    FillRequest fill;
    const bool newDesign = args[2] == "--sheet";
    if (!ParseExportOptions(args, newDesign ? 4 : 3, offsets, fill)) {
        err << kUsage;
        return kExitFailure;
    }
    int kind = kKindNone;
    if (newDesign) {
        if (!NewDesignOnSheet(folders, args[3], kind, err))
            return kExitFailure;
    } else {
        OpenDesignResult opened;
        if (!OpenForCommand(folders, args[2], opened, err))
            return kExitFailure;
        kind = opened.designKind != kKindNone ? opened.designKind
                                              : (HoldsOrvanel(opened.variant) ? kKindOrvanel : kKindZolvi);
    }
    std::vector<FilledEntry> filled;
    if (fill.Wanted() && !FillFromRequest(fill, kind, filled, err))
        return kExitFailure;
    const DesignLook look = CurrentLook();
    FontsWithoutDisplay fonts(look);
    std::vector<StickerPlace> overflowing;
    const std::string error =
        ExportSheets(args[1], kind, look, offsets, breaks, overflowing, g_fontPool, ProgressLine(err));
    if (!error.empty()) {
        err << error << '\n';
        return kExitFailure;
    }
    ReportOverflow(fill, filled, overflowing, err);
    return 0;
}

// The user's line breaking, or plain breaks when `args` hold "--plain-breaks", which is then taken
// out of them.
LineBreaks TakeLineBreaks(std::vector<std::string>& args)
{
    const auto plain = std::find(args.begin(), args.end(), kPlainBreaks);
    if (plain == args.end())
        return UserLineBreaks();
    args.erase(plain);
    return LineBreaks::kPlain;
}

}  // namespace

bool IsHeadlessCommand(const std::vector<std::string>& args)
{
    if (args.size() == 2 && args[0] == "--sheet")
        return false;
    return !args.empty() && args[0].rfind("--", 0) == 0;
}

int RunHeadless(const std::vector<std::string>& args, const ProgramFolders& folders,
                std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && args[0] == "--version") {
        out << "velmaro " << VELMARO_VERSION << '\n';
        return 0;
    }
    if (args.size() == 1 && args[0] == "--help") {
        out << kHelp;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--catalog")
        return PrintCatalog(folders, out, err);
    if (args.size() == 2 && args[0] == "--info")
        return PrintDesignInfo(folders, args[1], std::nullopt, out, err);
    std::vector<std::string> options = args;
    const LineBreaks breaks = TakeLineBreaks(options);
    if (options.size() == 3 && options[0] == "--info" && options[1] == "--layout")
        return PrintDesignInfo(folders, options[2], breaks, out, err);
    if (options.size() >= 3 && options[0] == "--export")
        return ExportDesign(folders, options, breaks, err);
    err << kUsage;
    return kExitFailure;
}
