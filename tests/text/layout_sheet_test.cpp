// Whole-sheet layout with the design's settings, in FakeMeasurer's round numbers (index 9: Latin
// 50 per byte and 110 high; index 4: 25 and 55).
#include "fake_measurer.h"
#include "platform/cp932.h"
#include "text/layout_mode.h"
#include "text/layout_sheet.h"
#include "text/size_steps.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

std::string J(const char* utf8) { return cp932::FromUtf8(utf8); }

SealPiece Piece(const std::string& text, int width, int height, int size = -1)
{
    SealPiece piece;
    piece.m_rcText = Rect{500, 700, 500 + width, 700 + height};
    piece.m_strText = text;
    piece.m_nSize = size;
    return piece;
}

template <typename Sheet>
Sheet SheetOf(std::vector<SealPiece> pieces)
{
    Sheet sheet;
    sheet.m_nDefaultSize = 160;  // index 9
    sheet.m_pieces = std::move(pieces);
    return sheet;
}

class LayoutSheetTest : public ::testing::Test {
protected:
    FakeMeasurer measurer;
    DesignLook look;
};

struct StartCase {
    int sizeTenths;
    int index;
};

class StartSize : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartSize, IsTheNearestListedSizeNotAbove)
{
    EXPECT_EQ(StartSizeIndex(GetParam().sizeTenths), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartSize,
                         ::testing::Values(StartCase{160, 9}, StartCase{165, 9}, StartCase{30, 0}, StartCase{720, 21},
                                           StartCase{95, 5}, StartCase{90, 5}, StartCase{110, 6}, StartCase{20, 0},
                                           StartCase{0, 0}, StartCase{-50, 0}, StartCase{100000, 21}));

TEST_F(LayoutSheetTest, StickerWithoutSizeUsesTheSheetDefaultAndKeepsMinusOne)
{
    look.layoutMode = 187;
    auto sheet = SheetOf<CSealData2>({Piece("ab", 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    const SealPiece& p = sheet.m_pieces[0];
    EXPECT_EQ(p.m_lines, std::vector<std::string>{"ab"});
    EXPECT_EQ(p.m_lineExtents, std::vector<int>{100});
    EXPECT_EQ(p.m_nPitch, 110);
    EXPECT_EQ(p.m_bOverflow, 0);
    EXPECT_EQ(p.m_nSize, -1);
}

TEST_F(LayoutSheetTest, ReducedSizeIsWrittenBackAndTheNextLayoutStartsFromIt)
{
    // Two lines 115 high fit from index 4 (2 x 55) on.
    look.layoutMode = 187;
    auto sheet = SheetOf<CSealData2>({Piece("ab\ncd", 1000, 115)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, 70);
    EXPECT_EQ(sheet.m_pieces[0].m_lineExtents, (std::vector<int>{50, 50}));

    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, 70);
    EXPECT_EQ(sheet.m_pieces[0].m_lineExtents, (std::vector<int>{50, 50}));
}

struct SizeCase {
    const char* name;
    int size;
    int width;
    int expectedSize;
    int overflow;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class SizeAfterLayout : public LayoutSheetTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeAfterLayout, ChangesOnlyWhenTheLayoutReducedIt)
{
    const SizeCase& c = GetParam();
    look.layoutMode = 187;
    auto sheet = SheetOf<CSealData2>({Piece("a", c.width, 1000, c.size)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, c.expectedSize);
    EXPECT_EQ(sheet.m_pieces[0].m_bOverflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SizeAfterLayout,
    ::testing::Values(SizeCase{"ListedSizeThatFits", 160, 1000, 160, 0},
                      SizeCase{"UnlistedSizeThatFitsStaysAsItIs", 95, 1000, 95, 0},
                      // "a" is 5u long: below 26 it needs index 4 (25), 7 points.
                      SizeCase{"UnlistedSizeReduced", 95, 26, 70, 0},
                      SizeCase{"DefaultSizeReduced", -1, 26, 70, 0},
                      SizeCase{"OverflowFromTheDefaultGives30", -1, 3, 30, -1},
                      SizeCase{"OverflowFromAListedSizeGives30", 460, 3, 30, -1},
                      SizeCase{"OverflowStartingAtTheSmallestSizeKeepsTheSize", 35, 3, 35, -1}));

struct ModeCase {
    int mode;
    std::vector<int> extents;  // of "abcd" in a text area 150 wide and 1000 high
    int japaneseRotation;
    int latinRotation;
    bool vertical;
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << "mode " << c.mode; }

class SingleStickerModes : public LayoutSheetTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SingleStickerModes, ChooseFamilyAxisAndFonts)
{
    const ModeCase& c = GetParam();
    look.layoutMode = c.mode;
    auto sheet = SheetOf<CSealData2>({Piece("abcd", 150, 1000), Piece(J("あ"), 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[0].m_lineExtents, c.extents);
    ASSERT_FALSE(measurer.log.empty());
    for (const MeasuredRun& run : measurer.log) {
        EXPECT_EQ(run.rotation, run.japanese ? c.japaneseRotation : c.latinRotation) << run.text;
        EXPECT_TRUE(!run.japanese || run.vertical == c.vertical) << run.text;
    }
}

// Rows along x break "abcd" at 150 (50 per letter); rows along y hold it whole. In vertical
// writing the letters stand upright, 110 each.
INSTANTIATE_TEST_SUITE_P(Cases, SingleStickerModes,
                         ::testing::Values(ModeCase{187, {100, 100}, 2, 2, false}, ModeCase{182, {200}, 3, 3, false},
                                           ModeCase{188, {440}, 1, 0, true},
                                           ModeCase{186, {110, 110, 110, 110}, 2, 1, true}));

struct PairCase {
    int mode;
    int firstJapanese;
    int firstLatin;
    int secondJapanese;
    int secondLatin;
    bool vertical;
    bool sameText;
};

void PrintTo(const PairCase& c, std::ostream* os) { *os << "mode " << c.mode; }

class FoldOverModes : public LayoutSheetTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(FoldOverModes, TurnEachPartAndRepeatTheFirstPartsText)
{
    const PairCase& c = GetParam();
    look.layoutMode = c.mode;
    auto sheet = SheetOf<CSealData3>({Piece(J("aあ"), 1000, 1000), Piece(J("bい"), 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    // Each part measures its Latin letter, then its double-byte character.
    ASSERT_EQ(measurer.log.size(), 4u);
    EXPECT_EQ(measurer.log[0].rotation, c.firstLatin);
    EXPECT_EQ(measurer.log[1].rotation, c.firstJapanese);
    EXPECT_EQ(measurer.log[2].rotation, c.secondLatin);
    EXPECT_EQ(measurer.log[3].rotation, c.secondJapanese);
    EXPECT_EQ(measurer.log[3].vertical, c.vertical);
    EXPECT_EQ(sheet.m_pieces[1].m_lines, std::vector<std::string>{c.sameText ? J("aあ") : J("bい")});
}

INSTANTIATE_TEST_SUITE_P(Cases, FoldOverModes,
                         ::testing::Values(PairCase{144, 2, 1, 2, 1, true, true}, PairCase{145, 2, 1, 2, 1, true, false},
                                           PairCase{146, 2, 2, 0, 0, false, true},
                                           PairCase{147, 2, 2, 0, 0, false, false},
                                           PairCase{148, 0, 0, 2, 2, false, true},
                                           PairCase{149, 0, 0, 2, 2, false, false}));

TEST_F(LayoutSheetTest, Mode146SecondPartShrinksTheFirstPartsSize)
{
    look.layoutMode = 146;
    auto sheet = SheetOf<CSealData3>({Piece("ab\ncd", 1000, 1000), Piece("zz", 1000, 115, 300)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[0].m_lineExtents, (std::vector<int>{100, 100}));
    EXPECT_EQ(sheet.m_pieces[1].m_lines, (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(sheet.m_pieces[1].m_lineExtents, (std::vector<int>{50, 50}));
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, 70);
    EXPECT_EQ(sheet.m_pieces[1].m_nSize, 300) << "the second part's own size is not used";
}

TEST_F(LayoutSheetTest, Mode146SecondPartStartsFromTheFirstPartsReducedSize)
{
    look.layoutMode = 146;
    auto sheet = SheetOf<CSealData3>({Piece("ab\ncd", 1000, 115), Piece("", 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, 70);
    EXPECT_EQ(sheet.m_pieces[1].m_lineExtents, (std::vector<int>{50, 50}));
}

TEST_F(LayoutSheetTest, Mode147PartsKeepTheirOwnTextAndSize)
{
    look.layoutMode = 147;
    auto sheet = SheetOf<CSealData3>({Piece("ab\ncd", 1000, 1000), Piece("zz\nzz", 1000, 115, 100)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[1].m_lines, (std::vector<std::string>{"zz", "zz"}));
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, -1);
    EXPECT_EQ(sheet.m_pieces[1].m_nSize, 70);
}

TEST_F(LayoutSheetTest, SingleStickersAreNeverPairedEvenUnderAFoldOverMode)
{
    look.layoutMode = 146;
    auto sheet = SheetOf<CSealData2>({Piece("ab", 1000, 1000), Piece("cd", 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_EQ(sheet.m_pieces[1].m_lines, std::vector<std::string>{"cd"});
    EXPECT_EQ(measurer.log.back().rotation, 2) << "every sticker reads as a first part";
}

TEST_F(LayoutSheetTest, NumberThatIsNoLayoutModeLeavesStickersWithoutLines)
{
    look.layoutMode = 183;
    auto sheet = SheetOf<CSealData2>({Piece("ab", 1000, 1000, 120)});
    SealPiece& p = sheet.m_pieces[0];
    p.m_lines = {"old"};
    p.m_lineExtents = {5};
    p.m_nPitch = 7;
    p.m_bOverflow = -1;
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    EXPECT_TRUE(p.m_lines.empty());
    EXPECT_TRUE(p.m_lineExtents.empty());
    EXPECT_EQ(p.m_nPitch, 0);
    EXPECT_EQ(p.m_bOverflow, 0);
    EXPECT_EQ(p.m_nSize, 120);
    EXPECT_TRUE(measurer.log.empty());
}

TEST_F(LayoutSheetTest, FaceSettingsOutsideTheTablesReadAsTheDefaultFaces)
{
    look.layoutMode = 187;
    look.japaneseFace = 7;
    look.latinFace = -2;
    look.bold = true;
    auto sheet = SheetOf<CSealData2>({Piece(J("aあ"), 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    ASSERT_EQ(measurer.log.size(), 2u);
    EXPECT_EQ(measurer.log[0].face, 1);
    EXPECT_EQ(measurer.log[1].face, 0);
    EXPECT_TRUE(measurer.log[0].bold);
    EXPECT_TRUE(measurer.log[1].bold);
}

TEST_F(LayoutSheetTest, ChosenFacesReachTheFonts)
{
    look.layoutMode = 187;
    look.japaneseFace = 2;
    look.latinFace = 3;
    auto sheet = SheetOf<CSealData2>({Piece(J("aあ"), 1000, 1000)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    ASSERT_EQ(measurer.log.size(), 2u);
    EXPECT_EQ(measurer.log[0].face, 3);
    EXPECT_EQ(measurer.log[1].face, 2);
    EXPECT_FALSE(measurer.log[0].bold);
}

TEST_F(LayoutSheetTest, DroppingTheLinesKeepsTheOverflowVerdict)
{
    look.layoutMode = 187;
    auto sheet = SheetOf<CSealData2>({Piece(J("漢字"), 1, 1)});
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    SealPiece& p = sheet.m_pieces[0];
    ASSERT_EQ(p.m_bOverflow, -1);
    DropLayout(p);
    EXPECT_TRUE(p.m_lines.empty());
    EXPECT_TRUE(p.m_lineExtents.empty());
    EXPECT_EQ(p.m_nPitch, 0);
    EXPECT_EQ(p.m_bOverflow, -1) << "printing and saving stay blocked while the text does not fit";
}

struct PairingCase {
    int mode;
    bool sameText;
    bool twoTexts;
};

class PairingOfModes : public ::testing::TestWithParam<PairingCase> {};

TEST_P(PairingOfModes, FollowsTheModeTable)
{
    const PairingCase& c = GetParam();
    EXPECT_EQ(SameTextPairs(c.mode), c.sameText) << c.mode;
    EXPECT_EQ(TwoTextPairs(c.mode), c.twoTexts) << c.mode;
}

INSTANTIATE_TEST_SUITE_P(Modes, PairingOfModes,
                         ::testing::Values(PairingCase{144, true, false}, PairingCase{145, false, true},
                                           PairingCase{146, true, false}, PairingCase{147, false, true},
                                           PairingCase{148, true, false}, PairingCase{149, false, true},
                                           PairingCase{187, false, false}, PairingCase{188, false, false},
                                           PairingCase{183, false, false}, PairingCase{0, false, false}));

}  // namespace

namespace {

// The cache must give exactly what laying out again gives, and redo a sticker whenever anything it
// was computed from changed.
class CachedLayoutTest : public LayoutSheetTest {
protected:
    // Lays out `sheet` once with the cache and once without, from the same state, and compares.
    void ExpectSameAsUncached(CSealData2& sheet, LineBreaks breaks = LineBreaks::kPlain)
    {
        CSealData2 plain = sheet;
        LayoutSheet(measurer, plain, look, breaks);
        LayoutSheet(measurer, sheet, look, breaks, &cache);
        for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i) {
            EXPECT_EQ(sheet.m_pieces[i].m_lines, plain.m_pieces[i].m_lines) << i;
            EXPECT_EQ(sheet.m_pieces[i].m_lineExtents, plain.m_pieces[i].m_lineExtents) << i;
            EXPECT_EQ(sheet.m_pieces[i].m_nPitch, plain.m_pieces[i].m_nPitch) << i;
            EXPECT_EQ(sheet.m_pieces[i].m_bOverflow, plain.m_pieces[i].m_bOverflow) << i;
            EXPECT_EQ(sheet.m_pieces[i].m_nSize, plain.m_pieces[i].m_nSize) << i;
        }
    }

    LayoutCache cache;
};

TEST_F(CachedLayoutTest, RedoesOnlyWhatChangedAndMatchesAFreshLayout)
{
    look.layoutMode = 187;
    auto sheet = SheetOf<CSealData2>({Piece("ab", 1000, 500), Piece(J("漢字漢字漢字"), 300, 300), Piece("cd", 1000, 500)});
    ExpectSameAsUncached(sheet);  // fills the cache; the second sticker shrinks and writes its size back
    ExpectSameAsUncached(sheet);  // starts from the reduced size: a miss, then stable

    measurer.log.clear();
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain, &cache);
    EXPECT_TRUE(measurer.log.empty());  // nothing changed: nothing measured

    sheet.m_pieces[2].m_strText = "cde";
    CSealData2 before = sheet;
    measurer.log.clear();
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain, &cache);
    ASSERT_FALSE(measurer.log.empty());
    for (const MeasuredRun& run : measurer.log)
        EXPECT_EQ(run.text.front(), 'c') << run.text;  // only the edited sticker was measured
    sheet = before;
    ExpectSameAsUncached(sheet);

    // Every other input counts: the box, the line breaking, the mode, the faces, boldness.
    sheet.m_pieces[0].m_rcText.right -= 100;
    ExpectSameAsUncached(sheet);
    sheet.m_pieces[0].m_strText = "ab cdef";
    sheet.m_pieces[0].m_rcText.right = sheet.m_pieces[0].m_rcText.left + 300;
    ExpectSameAsUncached(sheet);
    ASSERT_EQ(sheet.m_pieces[0].m_lines, (std::vector<std::string>{"ab cd", "ef"}));
    ExpectSameAsUncached(sheet, LineBreaks::kKinsoku);
    ASSERT_EQ(sheet.m_pieces[0].m_lines, (std::vector<std::string>{"ab", "cdef"}));
    ExpectSameAsUncached(sheet);
    look.layoutMode = 188;
    ExpectSameAsUncached(sheet);
    look.bold = true;
    ExpectSameAsUncached(sheet);
    look.latinFace = 3;
    ExpectSameAsUncached(sheet);
}

class VersionedMeasurer : public FakeMeasurer {
public:
    std::uint64_t FontsVersion() const override { return version; }
    std::uint64_t version = 1;
};

TEST_F(LayoutSheetTest, CachedLayoutIsRedoneWhenTheFontsChange)
{
    look.layoutMode = 187;
    auto sheet = SheetOf<CSealData2>({Piece("ab", 1000, 500)});
    VersionedMeasurer fonts;
    LayoutCache cache;
    LayoutSheet(fonts, sheet, look, LineBreaks::kPlain, &cache);
    fonts.log.clear();
    LayoutSheet(fonts, sheet, look, LineBreaks::kPlain, &cache);
    EXPECT_TRUE(fonts.log.empty());
    fonts.version = 2;
    LayoutSheet(fonts, sheet, look, LineBreaks::kPlain, &cache);
    EXPECT_FALSE(fonts.log.empty());
}

}  // namespace
