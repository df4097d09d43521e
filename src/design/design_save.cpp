#include "design/design_file.h"
#include "design/design_record.h"
#include "design/design_sheets.h"
#include "design/sheets_file.h"
#include "design/file_messages.h"
#include "design/settings_items.h"
#include "platform/file_bytes.h"

#include <cerrno>

namespace {

void AppendHead(std::string& out)
{
    WriteSettings(CurrentSettings(), out);
    WriteOtherFace(CSealFormat::OtherFace(), out);
}

bool TextsFitFile(int kind)
{
    for (int sheet = 0; sheet < SheetCount(kind); ++sheet) {
        if (sheet == ShownSheet(kind))
            continue;
        for (const PieceDesign& piece : SheetDesign(kind, sheet))
            if (piece.text.size() > static_cast<std::size_t>(kMaxTextBytes))
                return false;
    }
    return kind == kKindOrvanel ? TextsFit(CSealFormat::Orvanel()) : TextsFit(CSealFormat::Zolvi());
}

// The record of `kind` holding the first sheet, whichever sheet is shown.
template <typename Record>
Record FirstSheetRecord(const Record& shown, int kind)
{
    Record record = shown;
    const std::vector<PieceDesign> first = SheetDesign(kind, 0);
    for (std::size_t i = 0; i < record.m_pieces.size() && i < first.size(); ++i)
        StorePieceDesign(first[i], record.m_pieces[i]);
    return record;
}

}  // namespace

std::string DesignFileBytes(int kind)
{
    if (kind == kKindOrvanel) {
        std::string out = MagicBytes(DesignVariant::Orvanel);
        AppendHead(out);
        if (ShownSheet(kind) == 0)
            WriteDesign(CSealFormat::Orvanel(), out);
        else
            WriteDesign(FirstSheetRecord(CSealFormat::Orvanel(), kind), out);
        return out;
    }
    const CSealData3& record = CSealFormat::Zolvi();
    std::string out = MagicBytes(DesignVariant::Zolvi, record.m_nKind == 5 ? kZolviKind5Flag : 0);
    AppendHead(out);
    if (ShownSheet(kind) == 0)
        WriteDesign(record, out);
    else
        WriteDesign(FirstSheetRecord(record, kind), out);
    return out;
}

std::optional<std::string> SaveRefusal(int kind, const std::string& shownPath)
{
    if (kind != kKindOrvanel && kind != kKindZolvi)
        return WriteErrorMessage(shownPath, EINVAL);
    // A file that could not be read back is no save.
    if (!SheetTextsFit(*RecordOf(kind)))
        return IncompleteSheetMessage(shownPath);
    if (!OtherFaceFits(CSealFormat::OtherFace()))
        return FaceNameTooLongMessage(shownPath);
    if (!TextsFitFile(kind))
        return TextTooLongMessage(shownPath);
    if (!SheetsFitCompanion(kind))
        return TooManySheetsMessage(shownPath);
    return std::nullopt;
}

std::optional<std::string> SaveDesignFile(const std::filesystem::path& path, int kind)
{
    const std::string shown = path.string();
    if (std::optional<std::string> refusal = SaveRefusal(kind, shown))
        return refusal;
    if (int error = WriteDesignWithSheets(path, kind, DesignFileBytes(kind)))
        return WriteErrorMessage(shown, error);
    SetModified(kind, false);
    return std::nullopt;
}
