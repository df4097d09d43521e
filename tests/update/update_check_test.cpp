// The update check against a real FTP server on loopback: markers, verification of the update
// file, the installer run, and results.
#include <gtest/gtest.h>

#include <set>

#include "format_fixture.h"
#include "pyftpd_server.h"
#include "scripted_ftp_server.h"
#include "temp_folder.h"
#include "test_signer.h"
#include "test_archive.h"
#include "update/update_check.h"

namespace {

using namespace std::chrono_literals;

const char kUpdateName[] = "sheets.tar.gz";

std::string SheetArchive(const std::string& code)
{
    FormatFixture format;
    format.code = code;
    return TarGzBytes({SheetFile(code, "format.tsd", format.Bytes()), SheetFile(code, "whiteseal.bmp", "BM")});
}


UpdateCheckEnvironment EnvironmentFor(const std::filesystem::path& exeFolder)
{
    UpdateCheckEnvironment environment;
    environment.downloadFolder = exeFolder / "update";
    environment.sheetsFolder = exeFolder / "印刷情報";
    environment.installer = VELMARO_INSTALLER;
    return environment;
}

// The check's result, taken from its report; run_update_check reports before it returns.
int RunCheck(const std::string& port, UpdateCheckEnvironment environment, const std::string& fileName = kUpdateName,
             std::chrono::steady_clock::duration deadline = 10s)
{
    int reported = 0;
    int reports = 0;
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
        serve(SheetArchive("M102AB00"));
        server = std::make_unique<PyftpdServer>("velmaro", "s3cret", served.path());
        if (!server->running())
            GTEST_SKIP() << "python3-pyftpdlib is not available";
    }

    void serve(const std::string& update, const std::optional<std::string>& signature = std::nullopt)
    {
        served.write(std::string("pub/") + kUpdateName, update);
        std::filesystem::remove(served.path() / "pub" / (std::string(kUpdateName) + ".sig"));
        if (signature)
            served.write(std::string("pub/") + kUpdateName + ".sig", *signature);
    }

    int check() { return RunCheck(server->port(), environment); }

    // Only these files are left in the download folder.
    void expect_downloads(std::set<std::string> names)
    {
        std::set<std::string> present;
        for (const auto& entry : std::filesystem::directory_iterator(exe.path() / "update"))
            present.insert(entry.path().filename().string());
        EXPECT_EQ(present, names);
    }
    bool installed(const std::string& code) { return exe.has("印刷情報/" + code + "/format.tsd"); }

    TempFolder served;
    TempFolder exe;
    UpdateCheckEnvironment environment = EnvironmentFor(exe.path());
    std::unique_ptr<PyftpdServer> server;
};

TEST_F(UpdateCheck, FirstCheckInstallsTheUpdateAndKeepsMarker)
{
    EXPECT_EQ(check(), kUpdateFetched);

    EXPECT_TRUE(installed("M102AB00"));
    EXPECT_EQ(exe.read("update/update_.dt"), "2024-06-01\r\n");
    expect_downloads({"update_.dt"});
}

TEST_F(UpdateCheck, AUserDataFolderNotMadeYetIsMadeForTheUpdate)
{
    environment.downloadFolder = exe.path() / "share" / "velmaro" / "update";

    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AB00"));
    EXPECT_EQ(exe.read("share/velmaro/update/update_.dt"), "2024-06-01\r\n");
}

TEST_F(UpdateCheck, SecondCheckFetchesNothing)
{
    ASSERT_EQ(check(), kUpdateFetched);
    std::filesystem::remove_all(exe.path() / "印刷情報");

    EXPECT_EQ(check(), kNoUpdate);
    EXPECT_FALSE(installed("M102AB00"));
    expect_downloads({"update_.dt"});
}

TEST_F(UpdateCheck, MarkerEqualUpToByte26FetchesNothing)
{
    served.write("pub/update_", "2024-06-01\x1a" "padding from the server");
    exe.write("update/update_.dt", "2024-06-01\x1a");

    EXPECT_EQ(check(), kNoUpdate);
    EXPECT_EQ(exe.read("update/update_.dt"), "2024-06-01\x1a");
    expect_downloads({"update_.dt"});
}

// Whatever is wrong with the update, nothing is installed, the old marker stays, and the next
// start fetches it again; once the server serves a good update, it is installed.
TEST_F(UpdateCheck, RefusedUpdatesAreFetchedAgainAtTheNextStart)
{
    const TestSigner signer;
    const TestSigner stranger;
    const std::string good = SheetArchive("M102AB00");
    std::string tampered = good;
    tampered[tampered.size() / 2] ^= 1;
    const struct {
        const char* name;
        std::string update;
        std::optional<std::string> signature;
        std::string key;
        std::uint64_t limit;
    } cases[] = {
        {"missing on the server", "", std::nullopt, "", kDefaultUpdateLimit},
        {"cut short", good.substr(0, good.size() - 20), std::nullopt, "", kDefaultUpdateLimit},
        {"one byte changed", tampered, std::nullopt, "", kDefaultUpdateLimit},
        {"not an archive", "new sheets", std::nullopt, "", kDefaultUpdateLimit},
        {"nothing installable", TarGzBytes({SheetFile("M102AB00", "run.sh", "#!/bin/sh")}), std::nullopt, "",
         kDefaultUpdateLimit},
        {"larger than the limit", good, std::nullopt, "", good.size() - 1},
        {"unsigned with a key set", good, std::nullopt, signer.base64(), kDefaultUpdateLimit},
        {"signed by another key", good, stranger.sign(good), signer.base64(), kDefaultUpdateLimit},
        {"signed, then changed", tampered, signer.sign(good), signer.base64(), kDefaultUpdateLimit},
        {"key that is no key", good, signer.sign(good), "not base64", kDefaultUpdateLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        exe.write("update/update_.dt", "2024-05-01\r\n");
        if (c.update.empty())
            std::filesystem::remove(served.path() / "pub" / kUpdateName);
        else
            serve(c.update, c.signature);
        environment.updateKey = c.key;
        environment.maxUpdateBytes = c.limit;

        EXPECT_EQ(check(), kNoUpdate);
        EXPECT_FALSE(installed("M102AB00"));
        EXPECT_EQ(exe.read("update/update_.dt"), "2024-05-01\r\n");
        expect_downloads({"update_.dt"});
    }
    serve(good, signer.sign(good));
    environment.updateKey = signer.base64();
    environment.maxUpdateBytes = good.size();
    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AB00"));
    EXPECT_EQ(exe.read("update/update_.dt"), "2024-06-01\r\n");
    expect_downloads({"update_.dt"});
}

TEST_F(UpdateCheck, StaleDownloadsAreReplacedNotExtended)
{
    exe.write(std::string("update/") + kUpdateName, "an older and longer update file");
    exe.write(std::string("update/") + kUpdateName + ".part", "left over from a broken run");

    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AB00"));
    expect_downloads({"update_.dt"});
}

TEST_F(UpdateCheck, EmptyLargeOrMissingMarkerOnServerIsNoUpdate)
{
    for (const std::optional<std::string>& marker :
         {std::optional<std::string>(""), std::optional<std::string>(std::string(kMaxMarkerBytes + 1, 'm')),
          std::optional<std::string>()}) {
        if (marker)
            served.write("pub/update_", *marker);
        else
            std::filesystem::remove(served.path() / "pub" / "update_");
        exe.write("update/update_", "left from an earlier run");

        EXPECT_EQ(check(), kNoUpdate);
        EXPECT_FALSE(installed("M102AB00"));
        expect_downloads({});
    }
}

TEST(UpdateCheckFileName, OnlyPlainNamesAreFetched)
{
    for (const std::string& name :
         std::vector<std::string>{"../escape", "sub/file", "/tmp/file", ".", "..", ".hidden", std::string("a\0b", 3),
                                  "a b", "更新.tar.gz", "velmaro", "velmaro.ini", "velmaro-install-update", "update_",
                                  "update_.dt", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsUpdateFileName(name));
        TempFolder parent;
        std::filesystem::create_directory(parent.path() / "exe");
        SilentListener server;

        EXPECT_EQ(RunCheck(server.port(), EnvironmentFor(parent.path() / "exe"), name, 200ms), kNoUpdate);
        EXPECT_FALSE(server.contacted());
        EXPECT_TRUE(std::filesystem::is_empty(parent.path() / "exe"));
    }
    for (const char* name : {"sheets.tar.gz", "VelmaroUpdate.tar.gz", "a-b_c.9"})
        EXPECT_TRUE(IsUpdateFileName(name)) << name;
}

TEST(UpdateCheckUnreachable, ServerDownIsNoUpdate)
{
    TempFolder exe;
    exe.write("update/update_.dt", "2024-05-01\r\n");

    EXPECT_EQ(RunCheck(UnusedLoopbackPort(), EnvironmentFor(exe.path())), kNoUpdate);
    EXPECT_EQ(exe.read("update/update_.dt"), "2024-05-01\r\n");
}

}  // namespace
