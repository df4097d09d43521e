#include "design/design_file.h"
#include "design/design_record.h"
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

const SealDataCommon& SheetOf(int kind)
{
    if (kind == kKindOrvanel)
        return CSealFormat::Orvanel();
    return CSealFormat::Zolvi();
}

const std::vector<SealPiece>& PiecesOf(int kind)
{
    return kind == kKindOrvanel ? CSealFormat::Orvanel().m_pieces : CSealFormat::Zolvi().m_pieces;
}

}  // namespace

std::string DesignFileBytes(int kind)
{
    if (kind == kKindOrvanel) {
        std::string out = MagicBytes(DesignVariant::Orvanel);
        AppendHead(out);
        WriteDesign(CSealFormat::Orvanel(), out);
        return out;
    }
    const CSealData3& record = CSealFormat::Zolvi();
    std::string out = MagicBytes(DesignVariant::Zolvi, record.m_nKind == 5 ? kZolviKind5Flag : 0);
    AppendHead(out);
    WriteDesign(record, out);
    return out;
}

std::optional<std::string> SaveDesignFile(const std::filesystem::path& path, int kind)
{
    const std::string shown = path.string();
    if (kind != kKindOrvanel && kind != kKindZolvi)
        return WriteErrorMessage(shown, EINVAL);
    // A file that could not be read back is no save.
    if (!SheetTextsFit(SheetOf(kind)))
        return IncompleteSheetMessage(shown);
    if (!OtherFaceFits(CSealFormat::OtherFace()))
        return FaceNameTooLongMessage(shown);
    if (!TextsFit(PiecesOf(kind)))
        return TextTooLongMessage(shown);
    if (int error = WriteFileAtomically(path, DesignFileBytes(kind)))
        return WriteErrorMessage(shown, error);
    if (kind == kKindOrvanel)
        CSealFormat::Orvanel().m_bModified = 0;
    else
        CSealFormat::Zolvi().m_bModified = 0;
    return std::nullopt;
}
