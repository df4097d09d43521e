// Comparing the fetched marker with the stored one.
#include <gtest/gtest.h>

#include "temp_folder.h"
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write("update_", c.fresh);
        folder.write("update_.dt", c.stored);
        EXPECT_EQ(SameMarker(folder.path() / "update_", folder.path() / "update_.dt"), c.same);
    }
}

TEST(UpdateMarker, MissingStoredMarkerDiffers)
{
    TempFolder folder;
    folder.write("update_", "");

    EXPECT_FALSE(SameMarker(folder.path() / "update_", folder.path() / "update_.dt"));
}

}  // namespace
