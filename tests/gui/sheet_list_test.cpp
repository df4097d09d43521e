// The sheet ids and families of the selection rows.
#include "design/seal_format.h"
#include "pages/sheet_list.h"

#include <gtest/gtest.h>

namespace {

struct SheetIdCase {
    const char* code;
    int sheetId;
    int family;
};

TEST(SheetList, ZolviCodesTakeTheirIdAndFamilyFromTheirFirstFourCharacters)
{
    const SheetIdCase cases[] = {
        {"M000AA00", 30010, 137}, {"M001AA00", 30020, 138}, {"M002", 30030, 139}, {"M003XX", 30040, 140},
        {"M010AA00", 30050, 137}, {"M011AA00", 30060, 138}, {"M012AA00", 30070, 139}, {"M013AA00", 30080, 140},
        // Unknown families, and codes too short to hold one, are chosen as the first family.
        {"M004AA00", kOtherZolviSheetId, 137}, {"M01", kOtherZolviSheetId, 137}, {"", kOtherZolviSheetId, 137},
        {"m011AA00", kOtherZolviSheetId, 137},
    };
    for (const SheetIdCase& c : cases) {
        EXPECT_EQ(ZolviSheetId(c.code), c.sheetId) << c.code;
        EXPECT_EQ(SheetFamily(ZolviSheetId(c.code)), c.family) << c.code;
    }
}

TEST(SheetList, RowsCarryTheEntryTextsAndKind)
{
    CSealData2 orvanel;
    orvanel.m_strCode = "M011AA00";
    orvanel.m_strFindCode = "OV-1";
    orvanel.m_strPieceSize = "10x10";
    const SheetListItem row = MakeSheetListItem(CatalogEntry(orvanel));
    EXPECT_EQ(row.m_nSheetId, kOrvanelSheetId) << "the kind decides, not the code";
    EXPECT_EQ(row.m_strFindCode, "OV-1");
    const SheetChoice choice = ChoiceOf(row);
    EXPECT_EQ(choice.designKind, kKindOrvanel);
    EXPECT_EQ(choice.layoutMode, 187);

    CSealData3 zolvi;
    zolvi.m_strCode = "M012AA00";
    const SheetChoice zolviChoice = ChoiceOf(MakeSheetListItem(CatalogEntry(zolvi)));
    EXPECT_EQ(zolviChoice.designKind, kKindZolvi);
    EXPECT_EQ(zolviChoice.layoutMode, 144);
    EXPECT_EQ(zolviChoice.family, 139);
}

TEST(SheetList, ARowFindsTheFirstEntryOfItsOwnKindWithItsCode)
{
    ClearCatalog();
    CSealData3 zolvi;
    zolvi.m_strCode = "X";
    CSealData2 first, second;
    first.m_strCode = second.m_strCode = "X";
    first.m_nCols = 1;
    second.m_nCols = 2;
    g_sealCatalog = {CatalogEntry(zolvi), CatalogEntry(first), CatalogEntry(second)};
    const SheetListItem orvanelRow = MakeSheetListItem(g_sealCatalog[2]);
    EXPECT_EQ(FindRowFormat(orvanelRow), g_sealCatalog.begin() + 1);
    EXPECT_EQ(FindRowFormat(MakeSheetListItem(g_sealCatalog[0])), g_sealCatalog.begin());
    SheetListItem gone = orvanelRow;
    gone.m_strCode = "Y";
    EXPECT_EQ(FindRowFormat(gone), g_sealCatalog.end());
    ClearCatalog();
}

}  // namespace
