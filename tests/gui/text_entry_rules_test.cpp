// The rules of the text and print pages that need no widget: where Tab goes, what the bulk copy
// copies, which size entry a sticker shows, how much text fits and what an offset's text means.
#include "controls/piece_moves.h"
#include "controls/storable_text.h"
#include "pages/offset_text.h"
#include "pages/sticker_actions.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace {

struct TabCase {
    int mode;
    int layout;
    int from;
    int count;
    bool backwards;
    int to;
};

TEST(TabTarget, MovesByOneOrAWholeStickerAndStopsAtTheEnds)
{
    const TabCase cases[] = {
        {kEditSingle, 187, 0, 4, false, 1}, {kEditSingle, 187, 3, 4, false, 3}, {kEditSingle, 187, 0, 4, true, 0},
        {kEditPairs, 144, 2, 8, false, 4},  {kEditPairs, 144, 2, 8, true, 0},   {kEditPairs, 145, 2, 8, false, 3},
        {kEditPairs, 144, 6, 8, false, 6},  {kEditPairs, 146, 1, 8, false, 2},  {kEditPairs, 147, 7, 8, false, 7},
        {kEditPairs, 148, 0, 8, true, 0},   {kEditPairs, 149, 0, 8, true, 0},   {kEditSingle, 187, 0, 0, false, 0},
    };
    for (const TabCase& c : cases)
        EXPECT_EQ(TabTarget(c.mode, c.from, c.count, c.layout, c.backwards), c.to)
            << "mode " << c.mode << " layout " << c.layout << " from " << c.from << (c.backwards ? " back" : "");
}

std::vector<SealPiece> NumberedPieces(int count)
{
    std::vector<SealPiece> pieces(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        SealPiece& piece = pieces[static_cast<std::size_t>(i)];
        piece.m_strText = "text" + std::to_string(i);
        piece.m_nSize = 100 + i;
        piece.m_nTextColour = 102 + i;
        piece.m_nSpare = i;
        piece.m_crFrame = static_cast<std::uint32_t>(i);
        piece.m_nAlignH = i % 3 - 1;
        piece.m_nAlignV = (i + 1) % 3 - 1;
        piece.m_bOverflow = i == 3 ? -1 : 0;
        piece.m_rcText = Rect{i, i, i + 10, i + 10};
    }
    return pieces;
}

void ExpectDesignOf(const SealPiece& piece, const SealPiece& from, int index)
{
    SCOPED_TRACE(index);
    EXPECT_EQ(piece.m_strText, from.m_strText);
    EXPECT_EQ(piece.m_nSize, from.m_nSize);
    EXPECT_EQ(piece.m_nTextColour, from.m_nTextColour);
    EXPECT_EQ(piece.m_nSpare, from.m_nSpare);
    EXPECT_EQ(piece.m_crFrame, from.m_crFrame);
    EXPECT_EQ(piece.m_nAlignH, from.m_nAlignH);
    EXPECT_EQ(piece.m_nAlignV, from.m_nAlignV);
    EXPECT_EQ(piece.m_bOverflow, from.m_bOverflow);
    EXPECT_EQ(piece.m_rcText, (Rect{index, index, index + 10, index + 10})) << "the places stay";
}

TEST(CopyToAll, GivesEveryStickerTheChosenOnesSettings)
{
    std::vector<SealPiece> pieces = NumberedPieces(5);
    const SealPiece chosen = pieces[3];
    CopyPieceToAll(pieces, 3);
    for (int i = 0; i < 5; ++i)
        ExpectDesignOf(pieces[static_cast<std::size_t>(i)], chosen, i);
}

TEST(CopyToAll, TwoTextLayoutsCopyTheFrontAndBackPartsFromAnOddRecord)
{
    std::vector<SealPiece> pieces = NumberedPieces(8);
    const SealPiece front = pieces[2];
    const SealPiece back = pieces[3];
    CopyZolviToAll(pieces, 3, 145);
    for (int i = 0; i < 8; ++i)
        ExpectDesignOf(pieces[static_cast<std::size_t>(i)], i % 2 ? back : front, i);
}

TEST(CopyToAll, SameTextLayoutsCopyTheFrontToBothPartsAndOtherLayoutsNothing)
{
    std::vector<SealPiece> pieces = NumberedPieces(6);
    const SealPiece front = pieces[4];
    CopyZolviToAll(pieces, 4, 146);
    for (int i = 0; i < 6; ++i)
        ExpectDesignOf(pieces[static_cast<std::size_t>(i)], front, i);

    std::vector<SealPiece> untouched = NumberedPieces(6);
    CopyZolviToAll(untouched, 4, 187);
    EXPECT_EQ(untouched[0].m_strText, "text0");
}

TEST(SizeListEntries, ShowsTheWholePointsByPrefixAndTheDefaultForUnset)
{
    const QStringList entries = SizeListTexts();
    ASSERT_EQ(entries.size(), 22);
    EXPECT_EQ(entries.front(), QStringLiteral("3"));
    EXPECT_EQ(entries.back(), QStringLiteral("72"));
    EXPECT_EQ(entries[SizeListIndex(entries, 70, 100)], QStringLiteral("7")) << "70 is 7 points, not 72";
    EXPECT_EQ(entries[SizeListIndex(entries, -1, 120)], QStringLiteral("12"));
    EXPECT_EQ(entries[SizeListIndex(entries, 720, 100)], QStringLiteral("72"));
    EXPECT_EQ(SizeListIndex(entries, 90, 100), -1) << "9 points is no entry";
}

TEST(StorableText, KeepsWhatCodePage932HoldsAndDropsTheRest)
{
    EXPECT_EQ(StorableText(QStringLiteral("Aあ①ｱ\n")), QStringLiteral("Aあ①ｱ\n"));
    EXPECT_EQ(StorableText(QStringLiteral("〜−")), QStringLiteral("～－"));
    EXPECT_EQ(StorableText(QStringLiteral("x😀é?y")), QStringLiteral("x?y"));
    EXPECT_EQ(StorableText(QStringLiteral("a\r\nb\rc")), QStringLiteral("a\nb\nc"));
}

TEST(StorableText, CountsBytesAsTheEditHoldsThem)
{
    EXPECT_EQ(EditBytes(QStringLiteral("aあｱ")), 4);
    EXPECT_EQ(EditBytes(QStringLiteral("a\nb")), 4) << "a line break is CR LF";
    EXPECT_EQ(FittingStart(QStringLiteral("abあい"), 5), QStringLiteral("abあ"));
    EXPECT_EQ(FittingStart(QStringLiteral("abあい"), 3), QStringLiteral("ab"));
    EXPECT_EQ(FittingStart(QStringLiteral("a\nb"), 2), QStringLiteral("a"));
    EXPECT_EQ(FittingStart(QStringLiteral("abc"), 0), QString());
}

TEST(StorableText, StoresLineFeedsOnly)
{
    EXPECT_EQ(StoredForm(QStringLiteral("a\nい")), "a\n" + cp932::FromUtf8("い"));
    EXPECT_EQ(ShownForm("a\r\nb"), QStringLiteral("a\nb"));
}

struct OffsetCase {
    const char* text;
    int hundredths;
};

TEST(OffsetText, ReadsTheValueShownToTheNearestHundredth)
{
    const OffsetCase cases[] = {{"2.3", 230}, {"-0.3", -30}, {"0.5", 50}, {"-5.0", -500},
                                {"4.9", 490}, {"0.0", 0},    {"", 0},     {"x", 0}};
    for (const OffsetCase& c : cases)
        EXPECT_EQ(OffsetFromText(QString::fromUtf8(c.text)), c.hundredths) << c.text;
}

}  // namespace
