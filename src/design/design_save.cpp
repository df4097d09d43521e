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

bool TextsFitFile(int kind)
{
    return kind == kKindOrvanel ? TextsFit(CSealFormat::Orvanel()) : TextsFit(CSealFormat::Zolvi());
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

std::optional<std::string> SaveRefusal(int kind, const std::string& shownPath)
{
    if (kind != kKindOrvanel && kind != kKindZolvi)
        return WriteErrorMessage(shownPath, EINVAL);
    // A file that could not be read back is no save.
    if (!SheetTextsFit(SheetOf(kind)))
        return IncompleteSheetMessage(shownPath);
    if (!OtherFaceFits(CSealFormat::OtherFace()))
        return FaceNameTooLongMessage(shownPath);
    if (!TextsFitFile(kind))
        return TextTooLongMessage(shownPath);
    return std::nullopt;
}

std::optional<std::string> SaveDesignFile(const std::filesystem::path& path, int kind)
{
    const std::string shown = path.string();
    if (std::optional<std::string> refusal = SaveRefusal(kind, shown))
        return refusal;
    if (int error = WriteFileAtomically(path, DesignFileBytes(kind)))
        return WriteErrorMessage(shown, error);
    if (kind == kKindOrvanel)
        CSealFormat::Orvanel().m_bModified = 0;
    else
        CSealFormat::Zolvi().m_bModified = 0;
    return std::nullopt;
}
