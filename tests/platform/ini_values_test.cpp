// Remembered values: files QSettings wrote read the same, every value written reads back, and a
// file that is no small regular file reads as no values, at once.
#include "platform/ini_values.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "../update/temp_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(IniValues, ReadsWhatQSettingsWrites)
{
    const IniValues values = ParseIniValues("[General]\r\ntop=1\r\n\r\n[dialogs]\r\nlastDesignFolder=/home/u/名札\r\n"
                                            "lastListFolder=\"/home/u/a, b\"\r\n[layout]\r\nkinsoku=false\r\n"
                                            "quoted=\" x \\\"y\\\" \\\\z\\x1\"\r\nat=@@mark\r\n");
    const IniValues expected = {
        {"top", "1"},
        {"dialogs/lastDesignFolder", "/home/u/名札"},
        {"dialogs/lastListFolder", "/home/u/a, b"},
        {"layout/kinsoku", "false"},
        {"layout/quoted", " x \"y\" \\z\x01"},
        {"layout/at", "@mark"},
    };
    EXPECT_EQ(values, expected);
}

TEST(IniValues, EveryValueReadsBackAsWritten)
{
    const IniValues values = {
        {"top", "plain"},
        {"a/comma", "x,y;z=w"},
        {"a/spaces", "  both  "},
        {"a/escapes", "back\\slash \"quoted\" tab\tline\nreturn\r"},
        {"a/control", std::string("\x01" "1f\x7f" "a", 5)},
        {"a/at", "@Variant(x)"},
        {"a/utf8", "/home/山田/名札"},
        {"a/empty", ""},
        {"b/c/deep", "1"},
    };
    EXPECT_EQ(ParseIniValues(IniValuesText(values)), values) << IniValuesText(values);
}

TEST(IniValues, StoresOneValueKeepingTheOthers)
{
    TempFolder folder;
    const fs::path file = folder.path() / "new" / "state.ini";
    ASSERT_EQ(StoreIniValue(file, "dialogs/a", "1"), 0);
    ASSERT_EQ(StoreIniValue(file, "layout/b", "2"), 0);
    ASSERT_EQ(StoreIniValue(file, "dialogs/a", "3"), 0);
    EXPECT_EQ(ReadIniValues(file), (IniValues{{"dialogs/a", "3"}, {"layout/b", "2"}}));
}

// A FIFO would block the start in open(), /dev/zero would fill memory.
TEST(IniValues, AFileThatIsNoSmallRegularFileHoldsNoValues)
{
    TempFolder folder;
    const fs::path fifo = folder.path() / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path zero = folder.path() / "zero.ini";
    fs::create_symlink("/dev/zero", zero);
    const fs::path large = folder.path() / "large.ini";
    std::ofstream(large) << "[layout]\nkinsoku=false\n" << std::string(kMaxIniValuesBytes, ';');
    for (const fs::path& file : {fifo, zero, large, folder.path() / "missing.ini"})
        EXPECT_TRUE(ReadIniValues(file).empty()) << file;
}

}  // namespace
