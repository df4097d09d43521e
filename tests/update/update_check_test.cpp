// The update check against a real FTP server on loopback: markers, verification of the update
// file and its release, the installer run, the updater's lock, and results.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "format_fixture.h"
#include "pyftpd_server.h"
#include "scripted_ftp_server.h"
#include "small_mount.h"
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


// Without a key, as for a server that publishes no signature.
UpdateCheckEnvironment EnvironmentFor(const std::filesystem::path& exeFolder)
{
    UpdateCheckEnvironment environment;
    environment.downloadFolder = exeFolder / "update";
    environment.sheetsFolder = exeFolder / "印刷情報";
    environment.installer = VELMARO_INSTALLER;
    environment.allowUnsigned = true;
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

    void serve(const std::string& update, const std::optional<std::string>& release = std::nullopt)
    {
        served.write(std::string("pub/") + kUpdateName, update);
        std::filesystem::remove(served.path() / "pub" / "update_.sig");
        if (release)
            served.write("pub/update_.sig", *release);
    }
    // The update signed as release `serial` of the marker served now.
    void serve_signed(const std::string& update, std::uint64_t serial)
    {
        serve(update, signer.release(serial, served.read("pub/update_"), kUpdateName, update));
        environment.updateKey = signer.base64();
        environment.allowUnsigned = false;
    }

    int check() { return RunCheck(server->port(), environment); }
    // The check's result and what it wrote to standard error.
    std::pair<int, std::string> check_with_log()
    {
        ::testing::internal::CaptureStderr();
        const int result = check();
        return {result, ::testing::internal::GetCapturedStderr()};
    }

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
    const TestSigner signer;
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
    const TestSigner stranger;
    const std::string marker = served.read("pub/update_");
    const std::string good = SheetArchive("M102AB00");
    std::string tampered = good;
    tampered[tampered.size() / 2] ^= 1;
    const std::string key = signer.base64();
    const struct {
        const char* name;
        std::string update;
        std::optional<std::string> release;
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
        {"unsigned with a key set", good, std::nullopt, key, kDefaultUpdateLimit},
        {"signed by another key", good, stranger.release(1, marker, kUpdateName, good), key, kDefaultUpdateLimit},
        {"signed, then changed", tampered, signer.release(1, marker, kUpdateName, good), key, kDefaultUpdateLimit},
        {"signed for another marker", good, signer.release(1, "2024-07-01\r\n", kUpdateName, good), key,
         kDefaultUpdateLimit},
        {"signed under another name", good, signer.release(1, marker, "other.tar.gz", good), key,
         kDefaultUpdateLimit},
        {"signed, larger than the limit", good, signer.release(1, marker, kUpdateName, good), key, good.size() - 1},
        {"only the archive's own signature", good, std::nullopt, key, kDefaultUpdateLimit},
        {"key that is no key", good, signer.release(1, marker, kUpdateName, good), "not base64",
         kDefaultUpdateLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        exe.write("update/update_.dt", "2024-05-01\r\n");
        if (c.update.empty())
            std::filesystem::remove(served.path() / "pub" / kUpdateName);
        else
            serve(c.update, c.release);
        if (std::string(c.name) == "only the archive's own signature")
            served.write(std::string("pub/") + kUpdateName + ".sig", signer.sign(good));
        environment.updateKey = c.key;
        environment.maxUpdateBytes = c.limit;

        EXPECT_EQ(check(), kNoUpdate);
        EXPECT_FALSE(installed("M102AB00"));
        EXPECT_EQ(exe.read("update/update_.dt"), "2024-05-01\r\n");
        expect_downloads({"update_.dt"});
    }
    serve_signed(good, 1);
    environment.maxUpdateBytes = good.size();
    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AB00"));
    EXPECT_EQ(exe.read("update/update_.dt"), "2024-06-01\r\n");
    EXPECT_EQ(exe.read("update/update_.serial"), "1");
    expect_downloads({"update_.dt", "update_.serial"});
}

// A release once installed, or any older one, is refused when served again, whether with its own
// marker or a new one; a release with a larger serial is taken.
TEST_F(UpdateCheck, AnOlderSignedReleaseIsNeverInstalledAgain)
{
    const std::string older = SheetArchive("M102AC00");
    const std::string olderMarker = "2024-04-01\r\n";
    const std::string olderRelease = signer.release(4, olderMarker, kUpdateName, older);
    serve_signed(SheetArchive("M102AB00"), 5);
    ASSERT_EQ(check(), kUpdateFetched);
    ASSERT_EQ(exe.read("update/update_.serial"), "5");
    const struct {
        const char* name;
        std::string marker;
        std::string update;
        std::string release;
    } replays[] = {
        {"older release with its own marker", olderMarker, older, olderRelease},
        {"older release with a new marker", "2024-08-01\r\n", older, olderRelease},
        {"older serial signed for the new marker", "2024-08-01\r\n", older,
         signer.release(4, "2024-08-01\r\n", kUpdateName, older)},
        {"the same serial again with a new marker", "2024-08-01\r\n", older,
         signer.release(5, "2024-08-01\r\n", kUpdateName, older)},
    };
    for (const auto& c : replays) {
        SCOPED_TRACE(c.name);
        served.write("pub/update_", c.marker);
        serve(c.update, c.release);

        const auto [result, log] = check_with_log();

        EXPECT_EQ(result, kNoUpdate);
        EXPECT_NE(log.find("更新データが古いため、適用しませんでした。"), std::string::npos) << log;
        EXPECT_FALSE(installed("M102AC00"));
        EXPECT_EQ(exe.read("update/update_.dt"), "2024-06-01\r\n");
        EXPECT_EQ(exe.read("update/update_.serial"), "5");
    }
    served.write("pub/update_", "2024-09-01\r\n");
    serve_signed(older, 6);
    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AC00"));
    EXPECT_EQ(exe.read("update/update_.serial"), "6");
}

// Without a key and without the settings' consent, nothing is fetched beyond the marker.
TEST_F(UpdateCheck, NoKeyAndNoConsentInstallsNothingAndSaysWhy)
{
    environment.allowUnsigned = false;

    const auto [result, log] = check_with_log();

    EXPECT_EQ(result, kNoUpdate);
    EXPECT_FALSE(installed("M102AB00"));
    EXPECT_NE(log.find("UPDATEKEY"), std::string::npos) << log;
    expect_downloads({});
}

// A second updater of the same user skips its check quietly while the first holds the lock; the
// lock of an updater that was killed blocks nobody.
TEST_F(UpdateCheck, OneUpdaterAtATimeAndAStaleLockNeverBlocks)
{
    std::filesystem::create_directories(exe.path() / "update");
    const std::string folder = (exe.path() / "update").string();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (::flock(fd, LOCK_EX) != 0 || ::write(ready[1], "x", 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);

    const auto [skipped, log] = check_with_log();
    EXPECT_EQ(skipped, kNoUpdate);
    EXPECT_EQ(log, "");
    EXPECT_FALSE(installed("M102AB00"));
    expect_downloads({});

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AB00"));
}

// A sheets folder that cannot take new sheets is found before the update is fetched, and the user
// is told; the marker stays, so the update comes once the folder can take it.
TEST_F(UpdateCheck, ASheetsFolderThatCannotBeWrittenIsToldAndNothingIsFetched)
{
    exe.write("印刷情報", "a file where the folder belongs");
    std::vector<std::string> notices;
    environment.notice = [&notices](const std::string& message) { notices.push_back(message); };

    EXPECT_EQ(check(), kNoUpdate);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("書き込めない"), std::string::npos);
    expect_downloads({});

    std::filesystem::remove(exe.path() / "印刷情報");
    EXPECT_EQ(check(), kUpdateFetched);
    EXPECT_TRUE(installed("M102AB00"));
}

// A data folder that is full or read-only installs nothing and keeps the old marker, so the update
// is fetched again once there is room.
TEST_F(UpdateCheck, AFullOrReadOnlyDataFolderInstallsNothingAndKeepsTheOldMarker)
{
    // A download that fits the small mount, a sheet that does not.
    FormatFixture format;
    format.code = "M102AB00";
    serve(TarGzBytes({SheetFile("M102AB00", "format.tsd", format.Bytes()),
                      SheetFile("M102AB00", "whiteseal.bmp", std::string(64000, 'n'))}));
    exe.write("update/update_.dt", "2024-05-01\r\n");
    for (const SmallMount kind : {SmallMount::Full, SmallMount::ReadOnly}) {
        SCOPED_TRACE(kind == SmallMount::Full ? "full" : "read-only");
        const int failed = RunOnSmallMount(exe.path(), kind, [this] {
            if (check() != kNoUpdate)
                return 1;
            if (installed("M102AB00"))
                return 2;
            return exe.read("update/update_.dt") == "2024-05-01\r\n" ? 0 : 3;
        });
        if (failed == kMountUnavailable)
            GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root)";
        EXPECT_EQ(failed, 0);
    }
    EXPECT_EQ(check(), kUpdateFetched);
}

// Files earlier versions left under fixed names are removed, never read or extended.
TEST_F(UpdateCheck, StaleDownloadsAreRemovedNotExtended)
{
    exe.write(std::string("update/") + kUpdateName, "an older and longer update file");
    exe.write(std::string("update/") + kUpdateName + ".part", "left over from a broken run");
    exe.write("update/update_", "a marker left over");

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
                                  "update_.dt", "update_.sig", "update_.serial", ""}) {
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
