// The settings file grammar: what loads, what each fault raises, and how lookups behave.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "temp_folder.h"
#include "update/ini_file.h"

namespace {

using Lookups = std::vector<std::pair<std::pair<std::string, std::string>, std::string>>;

struct IniCase {
    const char* name;
    std::string content;
    std::string error;  // empty: the file loads and `lookups` hold
    Lookups lookups;
};

std::vector<IniCase> IniCases()
{
    return {
        {"EmptyFile", "", "", {{{"FTP", "SERVER"}, ""}}},
        {"OnlyBlankLines", "\n  \n\t\n\r\n", "", {{{"FTP", "SERVER"}, ""}}},
        {"BlankSectionName", "[ \t ]\n", "empty section name", {}},
        {"NothingBetweenBrackets", "[]\n", "empty section name", {}},
        {"ClosingBracketInside", "[a]b]\n", "found brackets in mid-line", {}},
        {"OpeningBracketInside", "[a[b]\n", "found brackets in mid-line", {}},
        {"UnclosedHeaderAfterSection", "[SETTING]\n[FTP\n", "no = found in expected key=value pair", {}},
        {"UnclosedHeaderWithEquals", "[SETTING]\n[x=1\n", "", {{{"SETTING", "[x"}, "1"}}},
        {"KeyBeforeSection", "SERVER=host\n[FTP]\n", "keys before the first section", {}},
        {"SemicolonLineFirst", "; remark\n[FTP]\n", "keys before the first section", {}},
        {"SemicolonLineInSection", "[FTP]\n; remark\n", "no = found in expected key=value pair", {}},
        {"TwoEquals", "[FTP]\nURL=a=b\n", ">1 =s found in expected key=value pair", {}},
        {"EqualsInsideBeforePadding", "[FTP]\nURL=a=b=\n", ">1 =s found in expected key=value pair", {}},
        // A base64 value keeps its padding.
        {"PaddingAtTheEnd", "[SETTING]\nUPDATEKEY=Y4aw+O/9=\r\nX=ab==\n", "",
         {{{"SETTING", "UPDATEKEY"}, "Y4aw+O/9="}, {{"SETTING", "X"}, "ab=="}}},
        {"EmptyKey", "[FTP]\n=x\n", "", {{{"FTP", ""}, "x"}}},
        {"EmptyValue", "[FTP]\nkey=\n", "", {{{"FTP", "key"}, ""}}},
        {"SpacesEverywhere", " \t[ FTP ] \n \t SERVER \t = \t ftp.example \t \n", "",
         {{{"FTP", "SERVER"}, "ftp.example"}}},
        {"CarriageReturnLineEnds", "[FTP]\r\nSERVER=host\r\nUSERID=u\r\n", "",
         {{{"FTP", "SERVER"}, "host"}, {{"FTP", "USERID"}, "u"}}},
        {"LastLineWithoutLineEnd", "[FTP]\nSERVER=host", "", {{{"FTP", "SERVER"}, "host"}}},
        {"MergedSections", "[FTP]\nSERVER=h\n[SETTING]\nINDEX=1\n[FTP]\nURL=/u\n", "",
         {{{"FTP", "SERVER"}, "h"}, {{"FTP", "URL"}, "/u"}, {{"SETTING", "INDEX"}, "1"}}},
        {"RepeatedKeyKeepsLast", "[FTP]\nSERVER=first\nSERVER=last\n", "", {{{"FTP", "SERVER"}, "last"}}},
        {"CaseSensitive", "[FTP]\nSERVER=host\n", "",
         {{{"FTP", "SERVER"}, "host"}, {{"ftp", "SERVER"}, ""}, {{"FTP", "server"}, ""}}},
        // Code page 932 values are kept byte for byte, trail bytes such as '[' and ']' included.
        {"Cp932BytesKept", "[SETTING]\nSUPPORTURL=\x83\x5b\x83\x5d\n", "",
         {{{"SETTING", "SUPPORTURL"}, "\x83\x5b\x83\x5d"}}},
    };
}

void PrintTo(const IniCase& c, std::ostream* os) { *os << c.name; }

class IniFileGrammar : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniFileGrammar, LoadsOrRaisesItsMessage)
{
    const IniCase& c = GetParam();
    TempFolder folder;
    folder.write("velmaro.ini", c.content);
    const std::string path = (folder.path() / "velmaro.ini").string();

    if (!c.error.empty()) {
        try {
            ini_file ini(path);
            FAIL() << "loaded without error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), c.error.c_str());
        }
        return;
    }
    const ini_file ini(path);
    for (const auto& [where, value] : c.lookups)
        EXPECT_EQ(ini.get(where.first, where.second), value) << where.first << "/" << where.second;
}

INSTANTIATE_TEST_SUITE_P(Table, IniFileGrammar, ::testing::ValuesIn(IniCases()),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(IniFile, MissingFileRaisesNotFound)
{
    TempFolder folder;
    try {
        ini_file ini((folder.path() / "velmaro.ini").string());
        FAIL() << "loaded a missing file";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "INI file not found");
    }
}

// The settings are read only from a regular file of settings size: a FIFO would block the start,
// a device or a huge file fill the memory.
TEST(IniFileSource, OnlyARegularFileOfSettingsSizeIsRead)
{
    TempFolder folder;
    const std::string fifo = (folder.path() / "fifo.ini").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string big = "[FTP]\nSERVER=host\n";
    big.resize(kMaxSettingsBytes + 1, '\n');
    folder.write("big.ini", big);
    const std::pair<std::string, std::string> cases[] = {
        {fifo, "INI file is no regular file"},
        {"/dev/zero", "INI file is no regular file"},
        {(folder.path() / "big.ini").string(), "INI file too large"},
    };
    for (const auto& [path, message] : cases) {
        try {
            ini_file ini(path);
            ADD_FAILURE() << path << " was read";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), message) << path;
        }
    }
    big.resize(kMaxSettingsBytes);
    folder.write("big.ini", big);
    EXPECT_EQ(ini_file((folder.path() / "big.ini").string()).get("FTP", "SERVER"), "host");
}

}  // namespace
