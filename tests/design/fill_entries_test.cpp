// Checking entries, placing them on stickers across sheets, and the store of further sheets.
#include "design/design_sheets.h"
#include "design/fill_entries.h"
#include "design_test_support.h"

namespace {

std::vector<ListEntry> Numbered(int count)
{
    std::vector<ListEntry> out;
    for (int i = 1; i <= count; ++i)
        out.push_back({"e" + std::to_string(i), i, {}});
    return out;
}

std::vector<std::string> TextsOf(int kind, int sheet)
{
    std::vector<std::string> out;
    for (const PieceDesign& piece : SheetDesign(kind, sheet))
        out.push_back(piece.text);
    return out;
}

TEST(FillEntriesTest, EntriesCodePage932CannotHoldOrTooLongAreListedWithTheirLines)
{
    const std::vector<ListEntry> entries = {
        {"山田 ①\nⅡ～", 1, {}},            // NEC and IBM rows, the wave dash of code page 932
        {"Emoji 😀 and ♛♛", 4, {}},
        {std::string(1001, 'x'), 7, {}},
        {std::string(500, 'x') + "表", 8, {}},  // 502 bytes: fits
        {std::string(999, 'x') + "あ", 9, {}},   // 1001 bytes in code page 932
        {"逕ｰ", 10, "田"},                      // a UTF-8 line of a list read as Shift_JIS
    };
    const std::vector<EntryIssue> issues = FindEntryIssues(entries);
    ASSERT_EQ(issues.size(), 4u);
    EXPECT_EQ(issues[0].line, 4);
    EXPECT_EQ(issues[0].kind, EntryIssue::Kind::NotCp932);
    EXPECT_EQ(issues[0].detail, "😀♛");
    EXPECT_EQ(issues[1].line, 7);
    EXPECT_EQ(issues[1].kind, EntryIssue::Kind::TooLong);
    EXPECT_EQ(issues[2].line, 9);
    EXPECT_EQ(issues[3].line, 10);
    EXPECT_EQ(issues[3].kind, EntryIssue::Kind::OtherEncoding);
    EXPECT_EQ(issues[3].detail, "田");

    const CheckedEntries replaced = PrepareEntries(entries, BadEntries::Replace);
    EXPECT_EQ(replaced.lines, (std::vector<int>{1, 4, 8, 10}));
    EXPECT_EQ(replaced.texts[0], "\x8E\x52\x93\x63 \x87\x40\n\x87\x55\x81\x60");
    EXPECT_EQ(replaced.texts[1], "Emoji \x81\x48 and \x81\x48\x81\x48");
    EXPECT_EQ(replaced.texts[3], "\xE7\x94\xB0") << "kept as read";
    EXPECT_EQ(replaced.issues.size(), 4u);
    const CheckedEntries skipped = PrepareEntries(entries, BadEntries::Skip);
    EXPECT_EQ(skipped.lines, (std::vector<int>{1, 8}));
    EXPECT_EQ(skipped.issues.size(), 4u);
}

class FillTest : public DesignFileTest {};

TEST_F(FillTest, OrvanelFillStartsAtTheStickerAndAddsSheets)
{
    CSealFormat::Orvanel() = SampleOrvanel(6);
    CSealFormat::Orvanel().m_pieces[0].m_strText = "kept";
    EXPECT_EQ(SheetsNeeded(kKindOrvanel, 0, 0, ZolviFill::Fronts), 1);
    EXPECT_EQ(SheetsNeeded(kKindOrvanel, 6, 0, ZolviFill::Fronts), 1);
    EXPECT_EQ(SheetsNeeded(kKindOrvanel, 95, 0, ZolviFill::Fronts), 16);
    EXPECT_EQ(SheetsNeeded(kKindOrvanel, 11, 1, ZolviFill::Fronts), 2);
    EXPECT_EQ(SheetsNeeded(kKindOrvanel, 12, 1, ZolviFill::Fronts), 3);

    const CheckedEntries checked = PrepareEntries(Numbered(12), BadEntries::Skip);
    const std::vector<FilledPlace> places = FillStickers(kKindOrvanel, checked.texts, 1, ZolviFill::Fronts);
    ASSERT_EQ(places.size(), 12u);
    EXPECT_EQ(places[0].sheet, 0);
    EXPECT_EQ(places[0].sticker, 1);
    EXPECT_EQ(places[11].sheet, 2);
    EXPECT_EQ(places[11].sticker, 0);
    EXPECT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_EQ(ShownSheet(kKindOrvanel), 0);
    EXPECT_EQ(TextsOf(kKindOrvanel, 0), (std::vector<std::string>{"kept", "e1", "e2", "e3", "e4", "e5"}));
    EXPECT_EQ(TextsOf(kKindOrvanel, 1), (std::vector<std::string>{"e6", "e7", "e8", "e9", "e10", "e11"}));
    EXPECT_EQ(TextsOf(kKindOrvanel, 2), (std::vector<std::string>{"e12", "", "", "", "", ""}));
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[1].m_strText, "e1");  // the shown sheet is the record
    EXPECT_TRUE(CSealFormat::IsModified(kKindOrvanel));
}

TEST_F(FillTest, ZolviPairsTakeEntriesAsTheLayoutAsks)
{
    CSealFormat::Zolvi() = SampleZolvi("M001AA00", 6);
    const struct {
        int layoutMode;
        ZolviFill how;
        std::vector<std::string> sheet0;
        int sheets;
    } cases[] = {
        {144, ZolviFill::FrontAndBack, {"e1", "", "e2", "", "e3", ""}, 2},  // same text: the pair's front
        {145, ZolviFill::Fronts, {"e1", "", "e2", "", "e3", ""}, 2},
        {145, ZolviFill::FrontAndBack, {"e1", "e2", "e3", "e4", "e5", "e6"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layoutMode);
        ResetSheets(kKindZolvi);
        CSealFormat::Zolvi().ClearPieces();
        CSealFormat::s_nLayoutMode = c.layoutMode;
        const CheckedEntries checked = PrepareEntries(Numbered(6), BadEntries::Skip);
        EXPECT_EQ(SheetsNeeded(kKindZolvi, 6, 0, c.how), c.sheets);
        FillStickers(kKindZolvi, checked.texts, 0, c.how);
        EXPECT_EQ(SheetCount(kKindZolvi), c.sheets);
        EXPECT_EQ(TextsOf(kKindZolvi, 0), c.sheet0);
    }
}

// With the back part current, a fill that takes one entry a pair starts on that same sticker.
TEST_F(FillTest, AZolviFillFromABackPartStartsOnItsSticker)
{
    CSealFormat::Zolvi() = SampleZolvi("M001AA00", 6);
    const struct {
        int layoutMode;
        ZolviFill how;
        std::vector<std::string> sheet0;
    } cases[] = {
        {144, ZolviFill::FrontAndBack, {"", "", "e1", "", "e2", ""}},
        {145, ZolviFill::Fronts, {"", "", "e1", "", "e2", ""}},
        {145, ZolviFill::FrontAndBack, {"", "", "", "e1", "e2", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.layoutMode << (c.how == ZolviFill::Fronts ? " fronts" : " both"));
        ResetSheets(kKindZolvi);
        CSealFormat::Zolvi().ClearPieces();
        CSealFormat::s_nLayoutMode = c.layoutMode;
        const CheckedEntries checked = PrepareEntries(Numbered(2), BadEntries::Skip);
        EXPECT_EQ(SheetsNeeded(kKindZolvi, 2, 3, c.how), 1);
        FillStickers(kKindZolvi, checked.texts, 3, c.how);
        EXPECT_EQ(SheetCount(kKindZolvi), 1);
        EXPECT_EQ(TextsOf(kKindZolvi, 0), c.sheet0);
    }
}

TEST_F(FillTest, TenThousandEntriesFillManySheets)
{
    CSealFormat::Orvanel() = SampleOrvanel(40);
    const CheckedEntries checked = PrepareEntries(Numbered(10000), BadEntries::Skip);
    FillStickers(kKindOrvanel, checked.texts, 0, ZolviFill::Fronts);
    EXPECT_EQ(SheetCount(kKindOrvanel), 250);
    EXPECT_EQ(TextsOf(kKindOrvanel, 249).back(), "e10000");
}

TEST_F(FillTest, SheetStoreShowsAddsAndRemovesSheets)
{
    CSealFormat::Orvanel() = SampleOrvanel(2);
    CSealFormat::Orvanel().m_pieces[0].m_strText = "one";
    CSealFormat::Orvanel().m_pieces[0].m_nSize = 120;
    EXPECT_EQ(SheetCount(kKindOrvanel), 1);
    AddSheet(kKindOrvanel);
    AddSheet(kKindOrvanel);
    EXPECT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_TRUE(CSealFormat::IsModified(kKindOrvanel));
    EXPECT_EQ(SheetDesign(kKindOrvanel, 1)[0], PieceDesignOf(SealPiece{}));  // an empty sheet

    ShowSheet(kKindOrvanel, 2);
    EXPECT_EQ(ShownSheet(kKindOrvanel), 2);
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_strText, "");
    CSealFormat::Orvanel().m_pieces[1].m_strText = "three";
    EXPECT_EQ(SheetDesign(kKindOrvanel, 0)[0].text, "one");
    EXPECT_EQ(SheetDesign(kKindOrvanel, 0)[0].size, 120);
    EXPECT_EQ(SheetDesign(kKindOrvanel, 2)[1].text, "three");  // the shown sheet read from the record

    // Removing the shown sheet shows its neighbour; removing one before it keeps the shown one.
    RemoveSheet(kKindOrvanel, 1);
    EXPECT_EQ(SheetCount(kKindOrvanel), 2);
    EXPECT_EQ(ShownSheet(kKindOrvanel), 1);
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[1].m_strText, "three");
    RemoveSheet(kKindOrvanel, 1);
    EXPECT_EQ(ShownSheet(kKindOrvanel), 0);
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_strText, "one");
    RemoveSheet(kKindOrvanel, 0);  // never the last one
    EXPECT_EQ(SheetCount(kKindOrvanel), 1);

    AddSheet(kKindOrvanel);
    CSealFormat::ResetDesign();
    EXPECT_EQ(SheetCount(kKindOrvanel), 1);
    AddSheet(kKindOrvanel);
    UseFormat(CatalogEntry(SampleOrvanel(4)));
    EXPECT_EQ(SheetCount(kKindOrvanel), 1);
}

}  // namespace
