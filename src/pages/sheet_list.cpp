#include "pages/sheet_list.h"

#include "design/seal_format.h"
#include "res/resource_ids.h"

namespace {

struct ZolviFamily {
    const char* prefix;
    int sheetId;
    int family;
};

constexpr ZolviFamily kZolviFamilies[] = {
    {"M000", 30010, 137}, {"M001", 30020, 138}, {"M002", 30030, 139}, {"M003", 30040, 140},
    {"M010", 30050, 137}, {"M011", 30060, 138}, {"M012", 30070, 139}, {"M013", 30080, 140},
};

constexpr int kOrvanelLayout = 187;
constexpr int kZolviLayout = 144;

}  // namespace

int ZolviSheetId(const std::string& code)
{
    const std::string prefix = code.substr(0, 4);
    for (const ZolviFamily& f : kZolviFamilies)
        if (prefix == f.prefix)
            return f.sheetId;
    return kOtherZolviSheetId;
}

int SheetFamily(int sheetId)
{
    for (const ZolviFamily& f : kZolviFamilies)
        if (sheetId == f.sheetId)
            return f.family;
    return kZolviFamilies[0].family;
}

SheetListItem MakeSheetListItem(const CatalogEntry& entry)
{
    return std::visit(
        [&entry](const auto& record) {
            SheetListItem row;
            row.m_strFindCode = record.m_strFindCode;
            row.m_strPieceSize = record.m_strPieceSize;
            row.m_strCode = record.m_strCode;
            row.m_nSheetId = IsZolvi(entry) ? ZolviSheetId(record.m_strCode) : kOrvanelSheetId;
            return row;
        },
        entry);
}

bool IsOrvanelRow(const SheetListItem& row)
{
    return row.m_nSheetId == kOrvanelSheetId;
}

SheetChoice ChoiceOf(const SheetListItem& row)
{
    if (IsOrvanelRow(row))
        return {kKindOrvanel, kOrvanelLayout, 0};
    return {kKindZolvi, kZolviLayout, SheetFamily(row.m_nSheetId)};
}

SealCatalog::const_iterator FindRowFormat(const SheetListItem& row)
{
    const bool zolvi = !IsOrvanelRow(row);
    for (auto it = g_sealCatalog.begin(); it != g_sealCatalog.end(); ++it)
        if (CodeOf(*it) == row.m_strCode && IsZolvi(*it) == zolvi)
            return it;
    return g_sealCatalog.end();
}

// Format kinds 1 and 2 (a Zolvi record of kind 2 holds 0) have their own picture file; the
// others are drawn on a white paper canvas of their size.
SheetPicture SelectionPicture(int designKind)
{
    const int formatKind = designKind == kKindZolvi ? CSealFormat::Zolvi().m_nKind : CSealFormat::Orvanel().m_nKind;
    switch (formatKind) {
    case 0:
    case 1: return {true, 0};
    case 3:
    case 4: return {false, kBmpCanvasPaper};
    case 5: return {false, kBmpCanvasPaperSmall};
    default: return {false, 0};
    }
}
