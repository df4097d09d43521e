// Opening a design file: everything is read into copies first, and the design changes only
// once the whole file has been read.
#include "design/design_file.h"
#include "design/design_record.h"
#include "design/design_sheets.h"
#include "design/sheets_file.h"
#include "design/file_messages.h"
#include "design/settings_items.h"
#include "format/catalog.h"
#include "format/label_sheet.h"
#include "platform/cp932.h"
#include "platform/file_bytes.h"

#include <algorithm>
#include <cerrno>

namespace {

struct DesignFileContents {
    DesignVariant variant = DesignVariant::Orvanel;
    SettingValues settings{};
    std::string otherFace;
    std::optional<CSealData2> orvanel;
    std::optional<CSealData3> zolvi;
    std::optional<std::string> curCode;  // set by the catalog look-ups of the older variants
    int designKind = kKindNone;
    std::string labelFromFile;  // the search code of a label sheet the catalog no longer lists
    std::string missingSheet;   // the search code of a maker's sheet the catalog does not list
};

constexpr std::size_t kJapaneseFaceSetting = 5;
constexpr int kOtherJapaneseFace = 2;

// The catalog entry of `code` when it is of the wanted kind.
template <typename Record>
const Record* FindSheet(const std::string& code)
{
    const auto entry = FindFormat(code);
    if (entry == g_sealCatalog.end())
        return nullptr;
    return std::get_if<Record>(&*entry);
}

bool IsKind5Code(const std::string& code)
{
    return code == "M001AA00" || code == "M002AA00" || code == "M003AA00" || code == "M004AA00";
}

// First-version files name their sheet only through the sheet family.
std::string FirstVersionCode(int oldSheetType)
{
    switch (oldSheetType) {
    case 137: return "M000AA00";
    case 138: return "M001AA00";
    case 139: return "M002AA00";
    case 140: return "M003AA00";
    default: return std::string();
    }
}

bool ReadOrvanelPart(const std::string& bytes, std::size_t& pos, DesignFileContents& c)
{
    CSealData2 record;
    if (!ReadDesign(bytes, pos, record, true))
        return false;
    // A label sheet needs nothing of the catalog, whose template may have changed or gone: the
    // file holds its labels, paper and shape. The template is still named when it is there.
    if (IsLabelSheet(record)) {
        const CSealData2* sheet = FindSheet<CSealData2>(record.m_strCode);
        if (sheet && sheet->m_label)
            record.m_label = sheet->m_label;
        else
            c.labelFromFile = cp932::ToUtf8(record.m_strFindCode);
    } else if (!FindSheet<CSealData2>(record.m_strCode)) {
        c.missingSheet = cp932::ToUtf8(record.m_strFindCode);
    }
    c.orvanel = std::move(record);
    c.designKind = kKindOrvanel;
    return true;
}

bool ReadZolviPart(const std::string& bytes, std::size_t& pos, DesignFileContents& c)
{
    CSealData3 record;
    if (!ReadDesign(bytes, pos, record, true))
        return false;
    record.m_nKind = static_cast<std::uint8_t>(bytes[0]) == kZolviKind5Flag ? 5 : 4;
    if (!FindSheet<CSealData3>(record.m_strCode))
        c.missingSheet = cp932::ToUtf8(record.m_strFindCode);
    c.zolvi = std::move(record);
    c.designKind = kKindZolvi;
    return true;
}

// The outline of today's sheet; without an Orvanel entry the design is kept as read.
bool ReadOldOrvanelPart(const std::string& bytes, std::size_t& pos, DesignFileContents& c)
{
    CSealData2 record;
    if (!ReadDesign(bytes, pos, record, false))
        return false;
    c.curCode = record.m_strCode;
    if (const CSealData2* sheet = FindSheet<CSealData2>(record.m_strCode)) {
        record.m_nOutlineRound = sheet->m_nOutlineRound;
        record.m_nOutlinePen = sheet->m_nOutlinePen;
        c.designKind = kKindOrvanel;
    }
    c.orvanel = std::move(record);
    return true;
}

// What older Zolvi files lack or held differently comes from the catalog entry. Stickers beyond
// the entry's keep what the file says; the click area goes with the outline.
void TakeFromSheet(CSealData3& record, const CSealData3& sheet)
{
    record.m_nKind = IsKind5Code(record.m_strCode) ? 5 : 4;
    record.m_nSpare29 = sheet.m_nSpare29;
    record.m_nOutlinePen = sheet.m_nOutlinePen;
    record.m_rcPreview = sheet.m_rcPreview;
    const std::size_t common = std::min(record.m_pieces.size(), sheet.m_pieces.size());
    for (std::size_t i = 0; i < common; ++i) {
        record.m_pieces[i].m_rcPiece = sheet.m_pieces[i].m_rcPiece;
        record.m_pieces[i].m_rcHit = sheet.m_pieces[i].m_rcHit;
    }
}

bool ReadOldZolviPart(const std::string& bytes, std::size_t& pos, DesignFileContents& c)
{
    CSealData3 record;
    if (!ReadDesign(bytes, pos, record, false))
        return false;
    c.curCode = record.m_strCode;
    if (const CSealData3* sheet = FindSheet<CSealData3>(record.m_strCode)) {
        TakeFromSheet(record, *sheet);
        c.designKind = kKindZolvi;
    }
    c.zolvi = std::move(record);
    return true;
}

// The sheet comes from the catalog, the texts from the file. Without a Zolvi entry only the
// settings are taken.
bool ReadFirstVersionPart(const std::string& bytes, std::size_t& pos, DesignFileContents& c)
{
    if (c.settings[kJapaneseFaceSetting] == kOtherJapaneseFace)
        c.settings[kJapaneseFaceSetting] = 0;
    c.curCode = FirstVersionCode(c.settings[0]);
    const CSealData3* sheet = FindSheet<CSealData3>(*c.curCode);
    if (!sheet)
        return true;
    CSealData3 record;
    record.CopyFrom(*sheet);
    if (!ReadFirstVersion(bytes, pos, record))
        return false;
    c.zolvi = std::move(record);
    c.designKind = kKindZolvi;
    return true;
}

bool ReadVariantPart(const std::string& bytes, std::size_t& pos, DesignFileContents& c)
{
    switch (c.variant) {
    case DesignVariant::Orvanel: return ReadOrvanelPart(bytes, pos, c);
    case DesignVariant::Zolvi: return ReadZolviPart(bytes, pos, c);
    case DesignVariant::OldOrvanel: return ReadOldOrvanelPart(bytes, pos, c);
    case DesignVariant::OldZolvi: return ReadOldZolviPart(bytes, pos, c);
    case DesignVariant::FirstVersion: return ReadFirstVersionPart(bytes, pos, c);
    }
    return false;
}

// The codes a file brings name folders later (the sheet's pictures): an empty one names none.
bool NamesSheetsSafely(const DesignFileContents& c)
{
    const auto safe = [](const std::string& code) { return code.empty() || IsSheetCode(code); };
    return (!c.orvanel || safe(c.orvanel->m_strCode)) && (!c.zolvi || safe(c.zolvi->m_strCode)) &&
           (!c.curCode || safe(*c.curCode));
}

void Commit(DesignFileContents& c)
{
    ApplySettings(c.settings);
    CSealFormat::OtherFace() = std::move(c.otherFace);
    if (c.orvanel) {
        CSealFormat::Orvanel() = std::move(*c.orvanel);
        ResetSheets(kKindOrvanel);
    }
    if (c.zolvi) {
        CSealFormat::Zolvi() = std::move(*c.zolvi);
        ResetSheets(kKindZolvi);
    }
    if (c.curCode)
        g_strCurCode = std::move(*c.curCode);
}

OpenDesignResult Failure(std::string message)
{
    OpenDesignResult result;
    result.error = std::move(message);
    return result;
}

}  // namespace

OpenDesignResult OpenDesignBytes(const std::string& bytes, const std::string& path)
{
    const std::optional<DesignVariant> variant = RecogniseVariant(bytes);
    if (!variant)
        return Failure(NotDesignFileMessage());
    DesignFileContents contents;
    contents.variant = *variant;
    contents.otherFace = CSealFormat::OtherFace();
    std::size_t pos = MagicLength(*variant);
    if (!ReadSettings(bytes, pos, contents.settings) || !ReadOtherFace(bytes, pos, contents.otherFace) ||
        !ReadVariantPart(bytes, pos, contents) || !NamesSheetsSafely(contents))
        return Failure(DamagedFileMessage(path));
    Commit(contents);
    OpenDesignResult result;
    result.ok = true;
    result.variant = *variant;
    result.designKind = contents.designKind;
    result.advance = contents.designKind != kKindNone;
    if (!contents.labelFromFile.empty())
        result.warning = LabelFromFileMessage(contents.labelFromFile);
    if (!contents.missingSheet.empty())
        result.warning = MissingSheetMessage(contents.missingSheet);
    return result;
}

OpenDesignResult OpenDesignFile(const std::filesystem::path& path)
{
    const std::string shown = path.string();
    errno = 0;
    std::optional<std::string> bytes = ReadFileBytes(path, kMaxDesignFileBytes);
    if (!bytes) {
        const int error = errno;
        // A FIFO, a device or a file larger than any design is no design file.
        if (error == EINVAL || error == EFBIG)
            return Failure(NotDesignFileMessage());
        return Failure(ReadErrorMessage(shown, error != 0 ? error : EIO));
    }
    OpenDesignResult result = OpenDesignBytes(*bytes, shown);
    if (result.ok && !OpenCompanion(path, *bytes, result.designKind))
        result.warning = UnreadSheetsMessage(CompanionPath(path).string());
    return result;
}
