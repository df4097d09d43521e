#pragma once
// The rows of the sheet selection list and what choosing one means for the design.
#include "format/catalog.h"

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kOrvanelSheetId = 20010;
// Zolvi codes whose first four characters are none of the known families still get a row;
// they are chosen as the first family.
inline constexpr int kOtherZolviSheetId = 30000;

struct SheetListItem {
    std::string m_strFindCode;   // code page 932
    std::string m_strPieceSize;  // code page 932
    std::string m_strCode;
    int m_nSheetId = 0;
    std::array<std::uint8_t, 2> m_bBold{1, 1};
    std::array<std::uint8_t, 2> m_bItalic{0, 0};
    std::string m_strLabel;  // a label sheet: "BRAND PART  description" (UTF-8); empty otherwise
    int m_nCount = 0;        // stickers on the sheet
    std::string m_strSearch; // what a search looks in, in lower case
};

// The sheet id of a Zolvi code by its first four characters (a shorter code is compared whole).
int ZolviSheetId(const std::string& code);
// The sheet family (s_nOldSheetType) a Zolvi sheet id sets.
int SheetFamily(int sheetId);
SheetListItem MakeSheetListItem(const CatalogEntry& entry);
bool IsOrvanelRow(const SheetListItem& row);
// What the list shows of a row (UTF-8): the search code or a label's brand, part and description;
// the sticker size, with the count for label sheets.
std::string RowTitle(const SheetListItem& row);
std::string RowSize(const SheetListItem& row);
// Whether a row is found by `query` (UTF-8): a part of its search code, code, brand, part or
// description, letters compared without regard to case. An empty query finds every row.
bool RowMatches(const SheetListItem& row, const std::string& query);

// What a click on a row sets.
struct SheetChoice {
    int designKind;  // kKindOrvanel or kKindZolvi
    int layoutMode;  // 187 or 144
    int family;      // s_nOldSheetType for Zolvi rows; 0 leaves it alone
};
SheetChoice ChoiceOf(const SheetListItem& row);

// The catalog entry a row stands for: the first with the row's code and of the row's kind, so
// that two entries sharing a code choose the one listed first; end() when the catalog no longer
// holds it.
SealCatalog::const_iterator FindRowFormat(const SheetListItem& row);

// The selection picture of the current record: its sheet's "whiteseal.bmp", or a white canvas.
struct SheetPicture {
    bool fromFolder = false;
    int resource = 0;  // 0 with !fromFolder: the picture stays as it was
};
SheetPicture SelectionPicture(int designKind);
