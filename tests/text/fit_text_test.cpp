// Line breaking and shrinking, worked out with the round numbers of FakeMeasurer (index 9:
// double-byte 100, katakana 60, Japanese height 120; Latin 50 per byte, height 110).
#include "fake_measurer.h"
#include "platform/cp932.h"
#include "text/fit_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

std::string J(const char* utf8) { return cp932::FromUtf8(utf8); }

std::vector<std::string> Js(std::initializer_list<const char*> utf8Lines)
{
    std::vector<std::string> lines;
    for (const char* line : utf8Lines)
        lines.push_back(J(line));
    return lines;
}

struct Fitted {
    int result = 0;
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch = 0;
    int sizeIndex = 0;
};

Fitted Fit(FakeMeasurer& measurer, const std::string& text, int width, int height, int sizeIndex = 9,
           int rotation = 0, bool vertical = false, int latinRotation = -1, LineBreaks breaks = LineBreaks::kPlain)
{
    JapaneseFont japanese{0, vertical, false, rotation, sizeIndex};
    LatinFont latin{1, false, latinRotation < 0 ? rotation : latinRotation, sizeIndex};
    Fitted f;
    const Rect box{1000, 2000, 1000 + width, 2000 + height};
    f.result = vertical ? FitVerticalText(measurer, box, text, f.lines, f.extents, f.pitch, japanese, latin, breaks)
                        : FitHorizontalText(measurer, box, text, f.lines, f.extents, f.pitch, japanese, latin, breaks);
    EXPECT_EQ(japanese.sizeIndex, latin.sizeIndex) << "the two fonts must shrink together";
    f.sizeIndex = japanese.sizeIndex;
    return f;
}

Fitted Fit(const std::string& text, int width, int height, int sizeIndex = 9, int rotation = 0)
{
    FakeMeasurer measurer;
    return Fit(measurer, text, width, height, sizeIndex, rotation);
}

struct BreakCase {
    const char* name;
    std::string text;
    int width;
    int height;
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch;
    int sizeIndex;
};

void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }

class HorizontalBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(HorizontalBreaks, GiveTheseLines)
{
    const BreakCase& c = GetParam();
    const Fitted f = Fit(c.text, c.width, c.height);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.lines, c.lines);
    EXPECT_EQ(f.extents, c.extents);
    EXPECT_EQ(f.pitch, c.pitch);
    EXPECT_EQ(f.sizeIndex, c.sizeIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HorizontalBreaks,
    ::testing::Values(
        BreakCase{"EmptyTextHasNoLines", "", 1000, 1000, {}, {}, 0, 9},
        BreakCase{"FinalLineFeedAddsNoEmptyLine", "ab\n", 1000, 1000, {"ab"}, {100}, 110, 9},
        BreakCase{"LeadingLineFeedGivesEmptyFirstLine", "\nab", 1000, 1000, {"", "ab"}, {0, 100}, 110, 9},
        BreakCase{"LineFeedAloneGivesOneEmptyLine", "\n", 1000, 1000, {""}, {0}, 0, 9},
        BreakCase{"EmptyLineBetweenTwoLineFeeds", "ab\n\ncd", 1000, 1000, {"ab", "", "cd"}, {100, 0, 100}, 110, 9},
        BreakCase{"ExtentExactlyLBreaksOneCharacterEarlier", "abcdefg", 300, 1000, {"abcde", "fg"}, {250, 100}, 110,
                  9},
        BreakCase{"ExtentJustBelowLStaysOnTheLine", "abcdef", 301, 1000, {"abcdef"}, {300}, 110, 9},
        BreakCase{"BreakInsideARunAfterAnotherRun", J("abあい"), 250, 1000, Js({"abあ", "い"}), {200, 100}, 120, 9},
        BreakCase{"MixedRunsAddUp", J("abあいｱｲ"), 1000, 1000, Js({"abあいｱｲ"}), {420}, 120, 9},
        BreakCase{"CarriageReturnEndsALineAndIsConsumed", "ab\rcd", 1000, 1000, {"ab", "cd"}, {100, 100}, 110, 9},
        BreakCase{"CarriageReturnLineFeedIsTwoLineEnds", "ab\r\ncd", 1000, 1000, {"ab", "", "cd"}, {100, 0, 100},
                  110, 9},
        BreakCase{"TabAtTheStartGivesAnEmptyLine", "\tab", 1000, 1000, {"", "ab"}, {0, 100}, 110, 9},
        BreakCase{"DeleteAtTheEnd", "ab\x7f", 1000, 1000, {"ab"}, {100}, 110, 9},
        BreakCase{"CarriageReturnAlone", "\r", 1000, 1000, {""}, {0}, 0, 9},
        BreakCase{"LeadByteAtTheEndIsASingleByte", std::string("a\x82"), 1000, 1000, {std::string("a\x82")}, {100},
                  110, 9},
        BreakCase{"LeadByteBeforeLineFeedKeepsTheLineFeed", std::string("\x82\nb"), 1000, 1000,
                  {std::string("\x82"), "b"}, {50, 50}, 110, 9},
        BreakCase{"LeadByteWithoutTrailByteIsASingleByte", std::string("\x82 "), 1000, 1000, {std::string("\x82 ")},
                  {100}, 110, 9}));

TEST(FitText, MixedTextIsMeasuredAsThreeRunsWithTheirOwnFonts)
{
    FakeMeasurer measurer;
    const Fitted f = Fit(measurer, J("abあいｱｲ"), 1000, 1000, 9, 2);
    ASSERT_EQ(f.extents, std::vector<int>{420});
    std::vector<std::pair<bool, std::string>> runs;
    for (const MeasuredRun& run : measurer.log) {
        runs.emplace_back(run.japanese, run.text);
        EXPECT_EQ(run.face, run.japanese ? 0 : 1);
        EXPECT_EQ(run.rotation, 2);
    }
    // Each run is measured as it grows; the last measurement of each is the whole run.
    const std::vector<std::pair<bool, std::string>> expected = {
        {false, "a"}, {false, "ab"}, {true, J("あ")}, {true, J("あい")}, {true, J("ｱ")}, {true, J("ｱｲ")}};
    EXPECT_EQ(runs, expected);
}

struct StackCase {
    const char* name;
    std::string text;
    int height;
    int sizeIndex;
    int pitch;
};

void PrintTo(const StackCase& c, std::ostream* os) { *os << c.name; }

class StackedLines : public ::testing::TestWithParam<StackCase> {};

// The stack test is pitch x lines > S, with pitch the largest height met so far in the attempt,
// not the height of the current line.
TEST_P(StackedLines, ShrinkOnlyWhenTheyPassS)
{
    const StackCase& c = GetParam();
    const Fitted f = Fit(c.text, 1000, c.height);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.sizeIndex, c.sizeIndex);
    EXPECT_EQ(f.pitch, c.pitch);
    EXPECT_EQ(f.lines.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, StackedLines,
                         ::testing::Values(StackCase{"ExactlySFits", J("あ\na"), 240, 9, 120},
                                           StackCase{"OneUnitLessShrinks", J("あ\na"), 239, 8, 108},
                                           StackCase{"TallLineFirstStillCountsForTheSecond", J("あ\na"), 225, 8, 108},
                                           StackCase{"TallLineSecond", J("a\nあ"), 225, 8, 108},
                                           StackCase{"LatinOnlyUsesLatinHeight", "a\nb", 225, 9, 110}));

TEST(FitText, CharacterWiderThanTheAreaShrinksUntilItFitsAndTheLayoutGoesOn)
{
    // Index 9: 100 >= 95; index 8: 90 fits. The second character still does not fit on the line.
    const Fitted f = Fit(J("ああ"), 95, 1000);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.sizeIndex, 8);
    EXPECT_EQ(f.lines, Js({"あ", "あ"}));
    EXPECT_EQ(f.extents, (std::vector<int>{90, 90}));
    EXPECT_EQ(f.pitch, 120) << "the measurement before the shrink counts for the pitch";
}

TEST(FitText, CharacterTallerThanTheAreaShrinksAndItsFirstHeightStaysInThePitch)
{
    // Index 9: height 120 >= 115, index 8: 108 fits, but the pitch keeps 120 > 115, so the
    // attempt fails and index 7 starts afresh.
    const Fitted f = Fit(J("あ"), 1000, 115);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.sizeIndex, 7);
    EXPECT_EQ(f.extents, std::vector<int>{80});
    EXPECT_EQ(f.pitch, 96);
    // Index 8 fits when an attempt starts there, yet the search from 9 ends at 7: the size is not
    // the largest that fits on its own, so no search may start below a text's own size.
    EXPECT_EQ(Fit(J("あ"), 1000, 115, 8).sizeIndex, 8);
}

TEST(FitText, LinesAlongYSwapTheLimits)
{
    // Rotation 3: lines run along y, so L is the height and S the width.
    const Fitted breaks = Fit("abcdefg", 1000, 300, 9, 3);
    EXPECT_EQ(breaks.lines, (std::vector<std::string>{"abcde", "fg"}));
    const Fitted stacks = Fit(J("あ\na"), 225, 1000, 9, 3);
    EXPECT_EQ(stacks.sizeIndex, 8);
}

struct OverflowCase {
    const char* name;
    std::string text;
    int width;
    int height;
    int sizeIndex;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

class Overflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(Overflow, EndsAtTheSmallestSize)
{
    const OverflowCase& c = GetParam();
    const Fitted f = Fit(c.text, c.width, c.height, c.sizeIndex);
    EXPECT_EQ(f.result, -1);
    EXPECT_EQ(f.sizeIndex, 0);
}

std::string Repeat(const std::string& s, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Overflow,
    ::testing::Values(
        // At index 0 a line holds 9 double-byte characters and the area 8 lines: 72 characters.
        OverflowCase{"TooMuchText", Repeat(J("あ"), 73), 100, 100, 9},
        OverflowCase{"CharacterWiderThanTheAreaAtTheSmallestSize", "a", 5, 1000, 9},
        OverflowCase{"CharacterTallerThanTheAreaAtTheSmallestSize", "a", 1000, 11, 9},
        OverflowCase{"ZeroArea", "a", 0, 0, 9},
        OverflowCase{"NegativeWidth", "a", -100, 1000, 9},
        OverflowCase{"NegativeHeight", "a", 1000, -100, 9},
        OverflowCase{"StartingAtTheSmallestSize", "a", 5, 1000, 0},
        OverflowCase{"StartIndexBelowTheList", "a", 5, 1000, -4},
        OverflowCase{"StartIndexAboveTheList", "a", 5, 1000, 40}));

TEST(FitText, SeventyTwoCharactersFitAtTheSmallestSize)
{
    const Fitted f = Fit(Repeat(J("あ"), 72), 100, 100);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.sizeIndex, 0);
    EXPECT_EQ(f.lines.size(), 8u);
}

TEST(FitText, StartIndexAboveTheListStartsAtTheLargestSize)
{
    const Fitted f = Fit("a", 10000, 10000, 40);
    EXPECT_EQ(f.sizeIndex, 21);
    EXPECT_EQ(f.extents, std::vector<int>{110});
}

TEST(FitText, EmptyTextFitsAnyArea)
{
    const Fitted f = Fit("", 0, -5);
    EXPECT_EQ(f.result, 0);
    EXPECT_TRUE(f.lines.empty());
    EXPECT_EQ(f.sizeIndex, 9);
}

// Vertical writing (rotation 1: columns along y; Latin rotation 0).

TEST(FitVerticalText, LatinLetterThenBracketIsAnUprightRunAndATurnedRun)
{
    FakeMeasurer measurer;
    const Fitted f = Fit(measurer, "a(", 1000, 1000, 9, 1, true, 0);
    EXPECT_EQ(f.extents, std::vector<int>{110 + 50}) << "upright: one height per letter; turned: its advance";
    EXPECT_EQ(f.pitch, 110) << "the turned bracket is 110 wide across the column, the letter 50";
    ASSERT_EQ(measurer.log.size(), 2u);
    EXPECT_EQ(measurer.log[0].text, "a");
    EXPECT_EQ(measurer.log[0].rotation, 0);
    EXPECT_EQ(measurer.log[1].text, "(");
    EXPECT_EQ(measurer.log[1].rotation, 1);
}

struct VerticalCase {
    const char* name;
    std::string text;
    int width;
    int height;
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch;
};

void PrintTo(const VerticalCase& c, std::ostream* os) { *os << c.name; }

class VerticalBreaks : public ::testing::TestWithParam<VerticalCase> {};

TEST_P(VerticalBreaks, GiveTheseColumns)
{
    const VerticalCase& c = GetParam();
    FakeMeasurer measurer;
    const Fitted f = Fit(measurer, c.text, c.width, c.height, 9, 1, true, 0);
    EXPECT_EQ(f.result, 0);
    EXPECT_EQ(f.lines, c.lines);
    EXPECT_EQ(f.extents, c.extents);
    EXPECT_EQ(f.pitch, c.pitch);
    EXPECT_EQ(f.sizeIndex, 9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerticalBreaks,
    ::testing::Values(
        VerticalCase{"UprightLettersBreakBeforeReachingL", "abcde", 1000, 350, {"abc", "de"}, {330, 220}, 50},
        VerticalCase{"UprightExactlyLBreaksEarlier", "abcde", 1000, 330, {"ab", "cd", "e"}, {220, 220, 110}, 50},
        VerticalCase{"KatakanaStandUprightInJapaneseHeight", J("ｱｲ"), 1000, 1000, Js({"ｱｲ"}), {240}, 60},
        VerticalCase{"DoubleByteRunAlongTheColumn", J("あい"), 1000, 1000, Js({"あい"}), {200}, 120},
        VerticalCase{"DoubleByteBreak", J("あいう"), 1000, 300, Js({"あい", "う"}), {200, 100}, 120},
        VerticalCase{"BracketsAreAClassOfTheirOwn", "a()b", 1000, 1000, {"a()b"}, {110 + 100 + 110}, 110},
        VerticalCase{"EveryBracketCharacter", "()[]-=~<>{}", 1000, 1000, {"()[]-=~<>{}"}, {550}, 110}));

struct VerticalFontCase {
    int japaneseRotation;
    int latinRotation;
    int katakanaRotation;
    int bracketRotation;
};

class VerticalFonts : public ::testing::TestWithParam<VerticalFontCase> {};

TEST_P(VerticalFonts, KatakanaTurnBackAndBracketsTurnFurther)
{
    const VerticalFontCase& c = GetParam();
    FakeMeasurer measurer;
    Fit(measurer, J("あｱa("), 10000, 10000, 9, c.japaneseRotation, true, c.latinRotation);
    ASSERT_FALSE(measurer.log.empty());
    for (const MeasuredRun& run : measurer.log) {
        if (run.text == J("あ")) {
            EXPECT_EQ(run.rotation, c.japaneseRotation);
        } else if (run.text == J("ｱ")) {
            EXPECT_EQ(run.rotation, c.katakanaRotation);
        } else if (run.text == "a") {
            EXPECT_EQ(run.rotation, c.latinRotation);
        } else if (run.text == "(") {
            EXPECT_EQ(run.rotation, c.bracketRotation);
        } else {
            ADD_FAILURE() << "unexpected run " << run.text;
        }
        EXPECT_TRUE(!run.japanese || run.vertical);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, VerticalFonts,
                         ::testing::Values(VerticalFontCase{1, 0, 0, 1}, VerticalFontCase{2, 1, 1, 2},
                                           VerticalFontCase{0, 3, 3, 0}));

TEST(FitText, HorizontalWritingHasNoBracketClass)
{
    FakeMeasurer measurer;
    const Fitted f = Fit(measurer, "a(", 1000, 1000, 9);
    EXPECT_EQ(f.extents, std::vector<int>{100});
    EXPECT_EQ(measurer.log.back().text, "a(");
}

}  // namespace

// Kinsoku line breaks against plain ones. Horizontal cases: index 9, a line stays below `length`
// (double-byte 100, Latin 50 per letter). Vertical cases: columns along y, upright Latin letters
// 110 a cell.
struct KinsokuCase {
    const char* name;
    std::string text;
    int length;
    bool vertical;
    std::vector<std::string> plainLines;
    std::vector<std::string> kinsokuLines;
    std::vector<int> kinsokuExtents;
};

void PrintTo(const KinsokuCase& c, std::ostream* os) { *os << c.name; }

class KinsokuBreaks : public ::testing::TestWithParam<KinsokuCase> {};

Fitted FitAlong(const KinsokuCase& c, LineBreaks breaks)
{
    FakeMeasurer measurer;
    const int width = c.vertical ? 1000 : c.length;
    const int height = c.vertical ? c.length : 1000;
    return Fit(measurer, c.text, width, height, 9, c.vertical ? 1 : 0, c.vertical, 0, breaks);
}

TEST_P(KinsokuBreaks, MoveTheBreakToTheLastOpportunityAndLeavePlainBreaksAsTheyWere)
{
    const KinsokuCase& c = GetParam();
    const Fitted plain = FitAlong(c, LineBreaks::kPlain);
    EXPECT_EQ(plain.result, 0);
    EXPECT_EQ(plain.lines, c.plainLines);
    const Fitted kinsoku = FitAlong(c, LineBreaks::kKinsoku);
    EXPECT_EQ(kinsoku.result, 0);
    EXPECT_EQ(kinsoku.sizeIndex, 9);
    EXPECT_EQ(kinsoku.lines, c.kinsokuLines);
    EXPECT_EQ(kinsoku.extents, c.kinsokuExtents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KinsokuBreaks,
    ::testing::Values(
        KinsokuCase{"LatinWordsStayWholeAndTheSpaceGoes", "Velmaro 2024", 500, false, {"Velmaro 2", "024"},
                    {"Velmaro", "2024"}, {350, 200}},
        KinsokuCase{"SpaceThatDoesNotFitEndsTheLine", "abcd efg", 250, false, {"abcd", " efg"}, {"abcd", "efg"},
                    {200, 150}},
        KinsokuCase{"FullStopNeverStartsALine", J("あいう。え"), 350, false, Js({"あいう", "。え"}),
                    Js({"あい", "う。え"}), {200, 300}},
        KinsokuCase{"CommaNeverStartsALine", J("あいう、え"), 350, false, Js({"あいう", "、え"}),
                    Js({"あい", "う、え"}), {200, 300}},
        KinsokuCase{"ClosingBracketNeverStartsALine", J("あいう」"), 350, false, Js({"あいう", "」"}),
                    Js({"あい", "う」"}), {200, 200}},
        KinsokuCase{"OpeningBracketNeverEndsALine", J("あい「う"), 350, false, Js({"あい「", "う"}),
                    Js({"あい", "「う"}), {200, 200}},
        KinsokuCase{"SmallKanaNeverStartsALine", J("あいちょ"), 350, false, Js({"あいち", "ょ"}),
                    Js({"あい", "ちょ"}), {200, 200}},
        KinsokuCase{"ProlongedSoundMarkNeverStartsALine", J("あいコー"), 350, false, Js({"あいコ", "ー"}),
                    Js({"あい", "コー"}), {200, 200}},
        KinsokuCase{"WordLongerThanTheLineBreaksBetweenCharacters", "ab cdefghij", 300, false,
                    {"ab cd", "efghi", "j"}, {"ab", "cdefg", "hij"}, {100, 250, 150}},
        KinsokuCase{"RunOfClosingMarksAloneBreaksBetweenCharacters", J("」」」」"), 350, false,
                    Js({"」」」", "」"}), Js({"」」」", "」"}), {300, 100}},
        KinsokuCase{"LineFeedsStillEndLines", J("ab\nあいう。"), 350, false, Js({"ab", "あいう", "。"}),
                    Js({"ab", "あい", "う。"}), {100, 200, 200}},
        KinsokuCase{"VerticalMixedTextKeepsTheNumberWhole", J("あい2024年"), 450, true,
                    Js({"あい20", "24年"}), Js({"あい", "2024", "年"}), {200, 440, 100}},
        KinsokuCase{"VerticalFullStopStaysWithItsWord", J("あabc。"), 450, true, Js({"あabc", "。"}),
                    Js({"あ", "abc。"}), {100, 430}}));

// Vertical writing under the kinsoku rules: a smaller size that keeps a word whole is taken before
// a break inside it; when no size does, the break stays at the size it had. Plain breaks and
// horizontal writing keep their size. Columns along y, upright Latin letters 11u a cell.
struct WholeWordCase {
    const char* name;
    std::string text;
    int length;
    bool vertical;
    LineBreaks breaks;
    int sizeIndex;
    std::vector<std::string> firstLines;
    int across = 1000;
};

void PrintTo(const WholeWordCase& c, std::ostream* os) { *os << c.name; }

class WholeWords : public ::testing::TestWithParam<WholeWordCase> {};

TEST_P(WholeWords, TakeASmallerSizeBeforeBreakingInsideAWord)
{
    const WholeWordCase& c = GetParam();
    FakeMeasurer measurer;
    const Fitted fitted = Fit(measurer, c.text, c.vertical ? c.across : c.length, c.vertical ? c.length : c.across, 9,
                              c.vertical ? 1 : 0, c.vertical, 0, c.breaks);
    EXPECT_EQ(fitted.result, 0);
    EXPECT_EQ(fitted.sizeIndex, c.sizeIndex);
    ASSERT_GE(fitted.lines.size(), c.firstLines.size());
    EXPECT_EQ(std::vector<std::string>(fitted.lines.begin(), fitted.lines.begin() + c.firstLines.size()),
              c.firstLines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeWords,
    ::testing::Values(
        WholeWordCase{"WordOneSizeTooLongTakesTheNextSize", "Velmaro", 700, true, LineBreaks::kKinsoku, 8,
                      {"Velmaro"}},
        WholeWordCase{"NumberKeptWholeBeforeItsCounter", J("No.001番"), 650, true, LineBreaks::kKinsoku, 8,
                      {"No.001"}},
        WholeWordCase{"WordsAlreadyWholeKeepTheirSize", "ab cd", 300, true, LineBreaks::kKinsoku, 9, {"ab", "cd"}},
        WholeWordCase{"WordNoSizeHoldsBreaksAtTheSizeItHad", std::string(70, 'a'), 700, true, LineBreaks::kKinsoku,
                      9, {"aaaaaa"}, 2000},
        WholeWordCase{"PlainBreaksKeepTheirSize", "Velmaro", 700, true, LineBreaks::kPlain, 9, {"Velmar", "o"}},
        WholeWordCase{"HorizontalWritingKeepsItsSize", "Velmaro", 300, false, LineBreaks::kKinsoku, 9,
                      {"Velma", "ro"}}));
