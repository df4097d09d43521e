// Where the program reads its data and where it writes the user's.
#include "platform/program_folders.h"

#include <unistd.h>

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

class ProgramFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("velmaro-folders-" + std::to_string(::getpid()));
        fs::create_directories(m_root / "bin");
    }
    void TearDown() override { fs::remove_all(m_root); }

    ProgramFolders Locate(const std::map<std::string, std::string>& variables) const
    {
        return LocateProgramFolders(m_root / "bin", [&variables](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        });
    }

    fs::path m_root;
};

TEST_F(ProgramFoldersTest, ProgramDataIsTheInstalledShareFolderElseTheExecutablesOwn)
{
    EXPECT_EQ(Locate({{"HOME", "/home/a"}}).programData, m_root / "bin");
    fs::create_directories(m_root / "share" / "velmaro");
    EXPECT_EQ(Locate({{"HOME", "/home/a"}}).programData, m_root / "share" / "velmaro");
}

TEST_F(ProgramFoldersTest, UserFoldersFollowTheXdgVariablesAndFallBackBelowHome)
{
    const struct {
        const char* name;
        std::map<std::string, std::string> variables;
        fs::path data, config, state;
    } cases[] = {
        {"defaults", {{"HOME", "/home/a"}},
         "/home/a/.local/share/velmaro", "/home/a/.config/velmaro", "/home/a/.local/state/velmaro"},
        {"set", {{"HOME", "/home/a"}, {"XDG_DATA_HOME", "/d"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_STATE_HOME", "/s"}},
         "/d/velmaro", "/c/velmaro", "/s/velmaro"},
        {"empty is unset", {{"HOME", "/home/a"}, {"XDG_DATA_HOME", ""}, {"XDG_CONFIG_HOME", ""}},
         "/home/a/.local/share/velmaro", "/home/a/.config/velmaro", "/home/a/.local/state/velmaro"},
        {"relative is ignored", {{"HOME", "/home/a"}, {"XDG_DATA_HOME", "d"}, {"XDG_STATE_HOME", "./s"}},
         "/home/a/.local/share/velmaro", "/home/a/.config/velmaro", "/home/a/.local/state/velmaro"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramFolders folders = Locate(c.variables);
        EXPECT_EQ(folders.userData, c.data);
        EXPECT_EQ(folders.userConfig, c.config);
        EXPECT_EQ(folders.userState, c.state);
    }
}

TEST_F(ProgramFoldersTest, WithoutHomeTheUsersHomeFromThePasswordDatabaseIsUsed)
{
    const ProgramFolders folders = Locate({});
    EXPECT_TRUE(folders.userData.is_absolute());
    EXPECT_EQ(folders.userData.filename(), "velmaro");
}

TEST_F(ProgramFoldersTest, TheUsersSettingsFileWinsOverTheProgramsDefault)
{
    ProgramFolders folders;
    folders.programData = m_root / "share";
    folders.userConfig = m_root / "config";
    EXPECT_EQ(folders.SettingsFile(), m_root / "share" / "velmaro.ini");
    fs::create_directories(folders.userConfig);
    std::ofstream(folders.userConfig / "velmaro.ini") << "[FTP]\n";
    EXPECT_EQ(folders.SettingsFile(), m_root / "config" / "velmaro.ini");
}

}  // namespace
