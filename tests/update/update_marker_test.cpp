// Comparing the fetched marker with the stored one.
#include <gtest/gtest.h>

#include "update/update_marker.h"

namespace {

TEST(UpdateMarker, ComparesBytesUpToTheFirstByte26)
{
    const struct {
        const char* name;
        std::string fresh, stored;
        bool same;
    } cases[] = {
        {"equal", "2024-05-01\r\n", "2024-05-01\r\n", true},
        {"changed", "2024-06-01\r\n", "2024-05-01\r\n", false},
        {"longer", "2024-05-01x", "2024-05-01", false},
        {"differ only after 26", "v1\x1a" "old tail", "v1\x1a" "new", true},
        {"26 against end of file", "v1\x1a" "tail", "v1", true},
        {"26 first against empty", "\x1a" "abc", "", true},
        {"26 within the text", "v1\x1a", "v1\x1b", false},
        {"binary bytes", std::string("\0\xff\r\n", 4), std::string("\0\xff\r\n", 4), true},
        {"NUL is a byte like any other", std::string("v1\0a", 4), std::string("v1\0b", 4), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SameMarker(c.fresh, c.stored), c.same);
    }
}

}  // namespace
