#include "fake_measurer.h"
#include "text/char_class.h"
#include "text/fit_text.h"
#include "text/take_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TEST(TakeLine, SaysWhetherMoreTextFollowsAndOnlyRaisesThePitch)
{
    FakeMeasurer measurer;
    JapaneseFont japanese{0, false, false, 0, 9};
    LatinFont latin{1, false, 0, 9};
    const Rect box{0, 0, 1000, 1000};
    std::string line;
    int extent = -1;
    int pitch = 500;
    EXPECT_EQ(TakeLine(measurer, box, "ab\ncd", line, extent, pitch, japanese, latin, WritingFamily::kHorizontal),
              LineEnd::kMoreText);
    EXPECT_EQ(line, "ab");
    EXPECT_EQ(extent, 100);
    EXPECT_EQ(pitch, 500);
    EXPECT_EQ(TakeLine(measurer, box, "cd", line, extent, pitch, japanese, latin, WritingFamily::kHorizontal),
              LineEnd::kLastLine);
    EXPECT_EQ(line, "cd");
}

TEST(TakeLine, StopsAtTheSmallestSizeWhenOneCharacterNeverFits)
{
    FakeMeasurer measurer;
    JapaneseFont japanese{0, false, false, 0, 3};
    LatinFont latin{1, false, 0, 3};
    std::string line;
    int extent = 0;
    int pitch = 0;
    EXPECT_EQ(TakeLine(measurer, Rect{0, 0, 3, 1000}, "a", line, extent, pitch, japanese, latin,
                       WritingFamily::kHorizontal),
              LineEnd::kTooSmall);
    EXPECT_EQ(japanese.sizeIndex, 0);
    EXPECT_EQ(latin.sizeIndex, 0);
}

// Whatever bytes, whatever area and either line breaking: the layout ends, measures only with fonts
// of the pool (the fake fails the test otherwise) and, when it reports a fit, its lines hold the
// whole text without the control characters (and under the kinsoku rules without some spaces),
// each line and the stack within the area.
TEST(FitText, AnyBytesInAnyAreaEndWithAConsistentResult)
{
    std::mt19937 random(20240611);
    const std::string alphabet = std::string("\n\r\t\x7f", 4) + std::string(1, '\0') +
                                 "ab( )-~\x82\x83\x9f\xe0\xfc\x40\x7e\x80\xa0\xa1\xb1\xdf\xfd\xff";
    const int lengths[] = {-100, 0, 1, 5, 11, 50, 100, 300, 1000, 5000};
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> textLength(0, 40);
    std::uniform_int_distribution<int> pickLength(0, 9);
    std::uniform_int_distribution<int> size(-3, 25);
    std::uniform_int_distribution<int> rotation(0, 3);
    for (int i = 0; i < 4000; ++i) {
        std::string text;
        for (int n = textLength(random); n > 0; --n)
            text += alphabet[pick(random)];
        const Rect box{0, 0, lengths[pickLength(random)], lengths[pickLength(random)]};
        const int start = size(random);
        JapaneseFont japanese{0, i % 2 == 1, false, rotation(random), start};
        LatinFont latin{1, false, rotation(random), start};
        FakeMeasurer measurer;
        std::vector<std::string> lines;
        std::vector<int> extents;
        int pitch = 0;
        const LineBreaks breaks = i % 4 < 2 ? LineBreaks::kPlain : LineBreaks::kKinsoku;
        const int result = i % 2 == 1
                               ? FitVerticalText(measurer, box, text, lines, extents, pitch, japanese, latin, breaks)
                               : FitHorizontalText(measurer, box, text, lines, extents, pitch, japanese, latin, breaks);
        SCOPED_TRACE(testing::Message() << "case " << i);
        ASSERT_TRUE(result == 0 || result == -1);
        ASSERT_TRUE(japanese.sizeIndex >= 0 && japanese.sizeIndex <= 21);
        ASSERT_EQ(lines.size(), extents.size());
        if (result != 0)
            continue;
        std::string joined;
        for (const std::string& line : lines)
            joined += line;
        std::string printable;
        for (std::size_t pos = 0; pos < text.size(); ++pos)
            if (LineEndLength(text, pos) == 0)
                printable += text[pos];
        if (breaks == LineBreaks::kKinsoku) {
            joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
            printable.erase(std::remove(printable.begin(), printable.end(), ' '), printable.end());
        }
        EXPECT_EQ(joined, printable);
        const bool alongX = japanese.rotation % 2 == 0;
        const long long along = alongX ? box.right : box.bottom;
        const long long across = alongX ? box.bottom : box.right;
        for (int extent : extents)
            EXPECT_LE(extent, along);
        const long long stack = static_cast<long long>(pitch) * static_cast<long long>(lines.size());
        EXPECT_TRUE(lines.empty() || stack <= across);
    }
}

}  // namespace
