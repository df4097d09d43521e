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
};

// The sheet id of a Zolvi code by its first four characters (a shorter code is compared whole).
int ZolviSheetId(const std::string& code);
// The sheet family (s_nOldSheetType) a Zolvi sheet id sets.
int SheetFamily(int sheetId);
SheetListItem MakeSheetListItem(const CatalogEntry& entry);
bool IsOrvanelRow(const SheetListItem& row);

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
