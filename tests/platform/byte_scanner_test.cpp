#include "platform/byte_scanner.h"
#include "platform/rect.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ByteScanner, ReadsTabSeparatedFieldsLikeTheOldFiles)
{
    const std::string line = "M000AA00\t4\t-12\t\x83\x5C\x95\x5C\tffffff\t\x02\tx";
    ByteScanner scan(line);
    std::string code, text;
    int cols = 0, neg = 0;
    std::uint32_t colour = 0;
    unsigned char raw = 0;
    ASSERT_TRUE(scan.Text(code));
    ASSERT_TRUE(scan.Int(cols));
    ASSERT_TRUE(scan.Int(neg));
    ASSERT_TRUE(scan.Text(text));
    ASSERT_TRUE(scan.Hex(colour));
    ASSERT_TRUE(scan.RawByte(raw));
    EXPECT_EQ(code, "M000AA00");
    EXPECT_EQ(cols, 4);
    EXPECT_EQ(neg, -12);
    EXPECT_EQ(text, "\x83\x5C\x95\x5C");
    EXPECT_EQ(colour, 0xFFFFFFu);
    EXPECT_EQ(raw, 0x02);
    int number = 7;
    EXPECT_FALSE(scan.Int(number));  // "x" is no number and leaves the target alone
    EXPECT_EQ(number, 7);
}

TEST(ByteScanner, StaysInsideItsRangeAndClampsWhatDoesNotFit)
{
    const std::string data = "12345\t67";
    ByteScanner scan(data, 0, 3);
    int value = 0;
    ASSERT_TRUE(scan.Int(value));
    EXPECT_EQ(value, 123);
    EXPECT_FALSE(scan.Int(value));

    const std::string bigNumbers = "99999999999999999999\t-99999999999999999999\tfffffffff0";
    ByteScanner big(bigNumbers);
    int hi = 0, lo = 0;
    std::uint32_t hex = 0;
    ASSERT_TRUE(big.Int(hi));
    ASSERT_TRUE(big.Int(lo));
    ASSERT_TRUE(big.Hex(hex));
    EXPECT_EQ(hi, INT_MAX);
    EXPECT_EQ(lo, INT_MIN);
    EXPECT_EQ(hex, 0xFFFFFFFFu);

    const std::string longText = std::string(300, 'a') + "\t5";
    ByteScanner text(longText);
    std::string out;
    ASSERT_TRUE(text.Text(out));
    EXPECT_EQ(out.size(), 255u);
    ASSERT_TRUE(text.Int(value));  // the rest of the long word was consumed, not read as a field
    EXPECT_EQ(value, 5);
}

TEST(ByteScanner, LinesAndRectangles)
{
    const std::string data = "1\t2\t3\t4\r\n\nlast";
    std::size_t pos = 0;
    Rect rect;
    auto first = ReadLine(data, pos);
    ASSERT_TRUE(first);
    EXPECT_TRUE(ParseRect(*first, rect));  // the carriage return is white space
    EXPECT_EQ(rect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(*ReadLine(data, pos), "");
    EXPECT_EQ(*ReadLine(data, pos), "last");
    EXPECT_FALSE(ReadLine(data, pos));
    EXPECT_FALSE(ParseRect("1\t2\t3", rect));
}

}  // namespace
