// The update check against a real FTP server on loopback: markers, the update file and results.
#include <gtest/gtest.h>

#include <set>

#include "pyftpd_server.h"
#include "scripted_ftp_server.h"
#include "temp_folder.h"
#include "update/update_check.h"

namespace {

using namespace std::chrono_literals;

const char kUpdateName[] = "sheets.zip";

// The check's result, taken from its report; run_update_check reports before it returns.
int RunCheck(const std::string& port, const std::filesystem::path& dataFolder, const std::string& fileName = kUpdateName,
             std::chrono::steady_clock::duration deadline = 10s)
{
    int reported = 0;
    int reports = 0;
    UpdateCheckEnvironment environment;
    environment.dataFolder = dataFolder;
    environment.service = port;
    environment.deadline = deadline;
    environment.report = [&](int result) {
        reported = result;
        ++reports;
    };
    run_update_check("127.0.0.1", "velmaro", "s3cret", "/pub", fileName, environment);
    EXPECT_EQ(reports, 1);
    return reported;
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        served.write("pub/update_", "2024-06-01\r\n");
        served.write(std::string("pub/") + kUpdateName, "new sheets");
        server = std::make_unique<PyftpdServer>("velmaro", "s3cret", served.path());
        if (!server->running())
            GTEST_SKIP() << "python3-pyftpdlib is not available";
    }

    int check() { return RunCheck(server->port(), exe.path()); }

    // Only these files are left beside the executable.
    void expect_exe_folder_holds(std::set<std::string> names)
    {
        std::set<std::string> present;
        for (const auto& entry : std::filesystem::directory_iterator(exe.path()))
            present.insert(entry.path().filename().string());
        EXPECT_EQ(present, names);
    }

    TempFolder served;
    TempFolder exe;
    std::unique_ptr<PyftpdServer> server;
};

TEST_F(UpdateCheck, FirstCheckFetchesUpdateAndKeepsMarker)
{
    EXPECT_EQ(check(), kUpdateFetched);

    EXPECT_EQ(exe.read(kUpdateName), "new sheets");
    EXPECT_EQ(exe.read("update_.dt"), "2024-06-01\r\n");
    expect_exe_folder_holds({kUpdateName, "update_.dt"});
}

TEST_F(UpdateCheck, AUserDataFolderNotMadeYetIsMadeForTheUpdate)
{
    const std::filesystem::path folder = exe.path() / "share" / "velmaro";

    EXPECT_EQ(RunCheck(server->port(), folder), kUpdateFetched);
    EXPECT_EQ(exe.read("share/velmaro/" + std::string(kUpdateName)), "new sheets");
}

TEST_F(UpdateCheck, SecondCheckFetchesNothing)
{
    ASSERT_EQ(check(), kUpdateFetched);
    exe.write(kUpdateName, "taken by the companion");

    EXPECT_EQ(check(), kNoUpdate);
    EXPECT_EQ(exe.read(kUpdateName), "taken by the companion");
    expect_exe_folder_holds({kUpdateName, "update_.dt"});
}

TEST_F(UpdateCheck, MarkerEqualUpToByte26FetchesNothing)
{
    served.write("pub/update_", "2024-06-01\x1a" "padding from the server");
    exe.write("update_.dt", "2024-06-01\x1a");

    EXPECT_EQ(check(), kNoUpdate);
    EXPECT_EQ(exe.read("update_.dt"), "2024-06-01\x1a");
    expect_exe_folder_holds({"update_.dt"});
}

TEST_F(UpdateCheck, FailedFetchKeepsOldMarkerSoTheNextStartTriesAgain)
{
    exe.write("update_.dt", "2024-05-01\r\n");
    std::filesystem::remove(served.path() / "pub" / kUpdateName);

    EXPECT_EQ(check(), kNoUpdate);
    EXPECT_EQ(exe.read("update_.dt"), "2024-05-01\r\n");
    expect_exe_folder_holds({"update_.dt"});

    served.write(std::string("pub/") + kUpdateName, "new sheets");
    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_EQ(exe.read(kUpdateName), "new sheets");
    EXPECT_EQ(exe.read("update_.dt"), "2024-06-01\r\n");
}

TEST_F(UpdateCheck, StaleUpdateFileIsReplacedNotExtended)
{
    exe.write(kUpdateName, "an older and longer update file");
    exe.write(std::string(kUpdateName) + ".part", "left over from a broken run");

    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_EQ(exe.read(kUpdateName), "new sheets");
    expect_exe_folder_holds({kUpdateName, "update_.dt"});
}

TEST_F(UpdateCheck, EmptyMarkerOnServerIsNoUpdate)
{
    served.write("pub/update_", "");
    exe.write("update_", "left from an earlier run");

    EXPECT_EQ(check(), kNoUpdate);
    expect_exe_folder_holds({});
}

TEST_F(UpdateCheck, MissingMarkerOnServerIsNoUpdate)
{
    std::filesystem::remove(served.path() / "pub" / "update_");

    EXPECT_EQ(check(), kNoUpdate);
    expect_exe_folder_holds({});
}

TEST(UpdateCheckFileName, PathsAreRefusedBeforeAnyConnection)
{
    for (const std::string& name : std::vector<std::string>{"../escape", "sub/file", "/tmp/file", ".", "..",
                                                           std::string("a\0b", 3)}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsPlainFileName(name));
        TempFolder parent;
        std::filesystem::create_directory(parent.path() / "exe");
        SilentListener server;

        EXPECT_EQ(RunCheck(server.port(), parent.path() / "exe", name, 200ms), kNoUpdate);
        EXPECT_FALSE(server.contacted());
        EXPECT_TRUE(std::filesystem::is_empty(parent.path() / "exe"));
    }
    EXPECT_TRUE(IsPlainFileName("sheets.zip"));
    EXPECT_TRUE(IsPlainFileName("..sheets"));
}

TEST(UpdateCheckUnreachable, ServerDownIsNoUpdate)
{
    TempFolder exe;
    exe.write("update_.dt", "2024-05-01\r\n");

    EXPECT_EQ(RunCheck(UnusedLoopbackPort(), exe.path()), kNoUpdate);
    EXPECT_EQ(exe.read("update_.dt"), "2024-05-01\r\n");
}

}  // namespace
