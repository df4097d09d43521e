#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, ConvertsBothWaysIncludingWindowsOnlyCharacters)
{
    struct Case {
        const char* utf8;
        const char* cp932;
    };
    const Case cases[] = {
        {"ソ", "\x83\x5C"},       // trail byte 0x5C, the classic Shift_JIS trap
        {"表", "\x95\x5C"},
        {"\\", "\\"},              // backslash stays a backslash, not a yen sign
        {"～", "\x81\x60"},        // the Windows mapping of 0x8160
        {"①", "\x87\x40"},        // NEC special character, missing from plain Shift_JIS
        {"ｱｲ", "\xB1\xB2"},       // half-width katakana
        {"A\nB", "A\nB"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp932::FromUtf8(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(cp932::ToUtf8(c.cp932), c.utf8) << c.utf8;
    }
}

TEST(Cp932, UnconvertibleInputIsReplacedNotDropped)
{
    EXPECT_EQ(cp932::FromUtf8("a😀b"), "a?b");
    EXPECT_EQ(cp932::ToUtf8("a\x81"), "a\xEF\xBF\xBD");  // a lead byte cut off at the end
}

TEST(Cp932, ClassifiesLeadBytesAndSteppingBackFindsCharacterStarts)
{
    EXPECT_TRUE(cp932::IsLeadByte(0x81));
    EXPECT_TRUE(cp932::IsLeadByte(0x9F));
    EXPECT_TRUE(cp932::IsLeadByte(0xE0));
    EXPECT_TRUE(cp932::IsLeadByte(0xFC));
    EXPECT_FALSE(cp932::IsLeadByte(0xA1));
    EXPECT_FALSE(cp932::IsLeadByte(0x5C));
    EXPECT_TRUE(cp932::IsHalfWidthKatakana(0xB1));
    EXPECT_FALSE(cp932::IsHalfWidthKatakana(0x81));

    // "Aソ表ｱ": a trail byte 0x5C must not be taken for a character of its own.
    const std::string text = "A\x83\x5C\x95\x5C\xB1";
    EXPECT_EQ(cp932::CharLength(text, 1), 2u);
    EXPECT_EQ(cp932::PreviousCharStart(text, 6), 5u);
    EXPECT_EQ(cp932::PreviousCharStart(text, 5), 3u);
    EXPECT_EQ(cp932::PreviousCharStart(text, 3), 1u);
    EXPECT_EQ(cp932::CharLength("\x83", 0), 1u);  // a lone lead byte at the end
}

TEST(Cp932, DecodesOneCodePointPerCharacter)
{
    EXPECT_EQ(cp932::ToCodePoints("A\x83\x5C\x95\x5C\xB1\x87\x40\\"), U"Aソ表ｱ①\\");
    // An undefined pair and a lone lead byte each stand for one replacement character.
    EXPECT_EQ(cp932::ToCodePoints("\x85\x40" "a\x81"), U"\uFFFDa\uFFFD");
}

}  // namespace
