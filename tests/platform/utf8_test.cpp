#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(Utf8, NextStopsAtTheEndOfACharacterCutShort)
{
    struct Case {
        std::string_view text;
        std::size_t start;
        std::size_t end;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"a"sv, 0, 1},
        {"\xE3\x81\x82"sv, 0, 3},  // あ, whole
        {"\xE3\x81"sv, 0, 2},      // three-byte lead, two bytes left
        {"a\xF0"sv, 1, 2},         // four-byte lead as the last byte
        {"\xF0\x9F\x98"sv, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        std::size_t pos = c.start;
        utf8::Next(c.text, pos);
        EXPECT_EQ(pos, c.end);
    }
}

}  // namespace
