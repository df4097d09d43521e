// Reading the update settings file and unscrambling the account.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "update/update_settings.h"

namespace {

const char kCompleteSettings[] =
    "[FTP]\nSERVER=ftp.example\nPORT=2121\nUSERID=`b\nPASSWORD=xbxc\nURL=/pub\nFILENAME=sheets.zip\n"
    "[SETTING]\nINDEX=1\nSUPPORTURL=https://support.example/\n";

TEST(UpdateSettings, ReadsEveryValue)
{
    TempFolder folder;
    folder.write("velmaro.ini", kCompleteSettings);

    const UpdateSettings settings = ReadUpdateSettings(folder.path() / "velmaro.ini");

    EXPECT_EQ(settings.server, "ftp.example");
    EXPECT_EQ(settings.port, "2121");
    EXPECT_EQ(settings.userId, "`b");
    EXPECT_EQ(settings.password, "xbxc");
    EXPECT_EQ(settings.remoteDir, "/pub");
    EXPECT_EQ(settings.fileName, "sheets.zip");
    EXPECT_EQ(settings.index, "1");
    EXPECT_EQ(settings.supportUrl, "https://support.example/");
    EXPECT_TRUE(settings.complete());
}

TEST(UpdateSettings, IndexIsAlsoTakenFromTheFtpSection)
{
    TempFolder folder;
    folder.write("velmaro.ini", "[FTP]\nINDEX=7\n");

    EXPECT_EQ(ReadUpdateSettings(folder.path() / "velmaro.ini").index, "7");
}

TEST(UpdateSettings, MissingOrBrokenFileGivesEmptyValues)
{
    const struct {
        const char* name;
        const char* content;  // nullptr: no file at all
    } cases[] = {{"missing", nullptr}, {"broken", "[FTP]\nSERVER=a=b\n[SETTING]\nSUPPORTURL=x\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (c.content)
            folder.write("velmaro.ini", c.content);
        const UpdateSettings settings = ReadUpdateSettings(folder.path() / "velmaro.ini");
        EXPECT_FALSE(settings.complete());
        EXPECT_EQ(settings.supportUrl, "");
    }
}

TEST(UpdateSettings, UnscramblesEveryOtherByteWithWrapping)
{
    const struct {
        std::string scrambled, user, password;
    } cases[] = {
        {"", "", ""},
        {"a", "b", ""},
        {"`Xa", "ab", "W"},
        {std::string("\xff\x00", 2), std::string(1, '\0'), "\xff"},
        {"tXrcbd", "usc", "Wbc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scrambled);
        EXPECT_EQ(UnscrambleUser(c.scrambled), c.user);
        EXPECT_EQ(UnscramblePassword(c.scrambled), c.password);
    }
}

}  // namespace
