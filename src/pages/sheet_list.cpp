#include "pages/sheet_list.h"

#include "design/seal_format.h"
#include "format/label_sheet.h"
#include "platform/cp932.h"
#include "res/resource_ids.h"

#include <cctype>
#include <type_traits>

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

std::string Folded(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
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
            row.m_nCount = static_cast<int>(record.m_pieces.size());
            if constexpr (std::is_same_v<std::decay_t<decltype(record)>, CSealData2>)
                if (record.m_label)
                    row.m_strLabel = record.m_label->brand + " " + record.m_label->part + "  " +
                                     record.m_label->description;
            row.m_strSearch = Folded(RowTitle(row) + '\n' + row.m_strCode);
            return row;
        },
        entry);
}

bool IsOrvanelRow(const SheetListItem& row)
{
    return row.m_nSheetId == kOrvanelSheetId;
}

std::string RowTitle(const SheetListItem& row)
{
    return row.m_strLabel.empty() ? cp932::ToUtf8(row.m_strFindCode) : row.m_strLabel;
}

std::string RowSize(const SheetListItem& row)
{
    const std::string size = cp932::ToUtf8(row.m_strPieceSize);
    return row.m_strLabel.empty() ? size : size + " ×" + std::to_string(row.m_nCount);
}

bool RowMatches(const SheetListItem& row, const std::string& query)
{
    return query.empty() || row.m_strSearch.find(Folded(query)) != std::string::npos;
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
