// The update installer on small archives built here: which members it takes, that a sheet is
// swapped in whole or not at all, and that nothing reaches outside the sheets folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "format/load_formats.h"
#include "format_fixture.h"
#include "small_mount.h"
#include "temp_folder.h"
#include "test_archive.h"
#include "update/update_archive.h"
#include "update/update_install.h"
#include "update/update_members.h"

namespace fs = std::filesystem;

namespace {

std::string FormatOf(const std::string& code)
{
    FormatFixture format;
    format.code = code;
    return format.Bytes();
}

std::vector<TestMember> WholeSheet(const std::string& code, const std::string& picture = "BM picture")
{
    return {{"印刷情報/", "", AE_IFDIR, "", 0755},
            {"印刷情報/" + code + "/", "", AE_IFDIR, "", 0755},
            SheetFile(code, "format.tsd", FormatOf(code)),
            SheetFile(code, "whiteseal.bmp", picture),
            SheetFile(code, "numberseal.bmp", picture)};
}

TEST(UpdateMembers, OnlySheetFilesAndFoldersAreTaken)
{
    const std::int64_t small = 10;
    const struct {
        std::string path;
        MemberKind kind;
        std::int64_t size;
        bool accepted;
        std::string code;
    } cases[] = {
        {"印刷情報/M102AB00/format.tsd", MemberKind::File, small, true, "M102AB00"},
        {"./印刷情報/M102AB00/whiteseal.bmp", MemberKind::File, small, true, "M102AB00"},
        {"印刷情報/M102AB00/numberseal.bmp", MemberKind::File, small, true, "M102AB00"},
        {"印刷情報/M102AB00/", MemberKind::Folder, 0, true, "M102AB00"},
        {"印刷情報/", MemberKind::Folder, 0, true, ""},
        {"印刷情報/M102AB00/format.tsd", MemberKind::Other, small, false, "M102AB00"},  // symlink, hard link, device
        {"印刷情報/M102AB00/readme.txt", MemberKind::File, small, false, "M102AB00"},
        {"印刷情報/M102AB00/sub/format.tsd", MemberKind::File, small, false, "M102AB00"},
        {"印刷情報/M102AB00/sub/", MemberKind::Folder, 0, false, "M102AB00"},
        {"印刷情報/M102AB00/format.tsd", MemberKind::File, static_cast<std::int64_t>(kMaxFormatFileBytes) + 1, false,
         "M102AB00"},
        {"印刷情報/M102AB00/whiteseal.bmp", MemberKind::File, static_cast<std::int64_t>(kMaxPictureBytes) + 1, false,
         "M102AB00"},
        {"印刷情報/M102AB00/format.tsd", MemberKind::File, -1, false, "M102AB00"},
        {"印刷情報/lnk", MemberKind::File, small, false, "lnk"},
        {"印刷情報/format.tsd", MemberKind::File, small, false, ""},
        {"印刷情報/../velmaro.ini", MemberKind::File, small, false, ""},
        {"印刷情報/M102AB00/../../velmaro", MemberKind::File, small, false, ""},
        {"/etc/印刷情報/M102AB00/format.tsd", MemberKind::File, small, false, ""},
        {"印刷情報//M102AB00/format.tsd", MemberKind::File, small, false, ""},
        {"印刷情報/./M102AB00/format.tsd", MemberKind::File, small, false, ""},
        {"印刷情報/M102-AB00/format.tsd", MemberKind::File, small, false, ""},
        {"velmaro.ini", MemberKind::File, small, false, ""},
        {"velmaro-install-update", MemberKind::File, small, false, ""},
        {"", MemberKind::File, small, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const MemberVerdict verdict = JudgeMember(c.path, c.kind, c.size);
        EXPECT_EQ(verdict.accepted, c.accepted) << verdict.reason;
        EXPECT_EQ(verdict.code, c.code);
        EXPECT_EQ(verdict.reason.empty(), c.accepted);
    }
}

class Installer : public ::testing::Test {
protected:
    InstallReport install(const std::vector<TestMember>& members)
    {
        work.write("update.tar.gz", TarGzBytes(members));
        return InstallUpdate(work.path() / "update.tar.gz", sheets());
    }
    fs::path sheets() const { return program.path() / "印刷情報"; }
    std::vector<std::string> listing(const fs::path& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder program;
    TempFolder work;
    TempFolder outside;
};

TEST_F(Installer, InstallsWholeSheetsAndReplacesOldOnes)
{
    program.write("印刷情報/M100AA00/format.tsd", FormatOf("M100AA00"));
    program.write("印刷情報/M100AA00/whiteseal.bmp", "old picture");
    std::vector<TestMember> members = WholeSheet("M100AA00", "new picture");
    const std::vector<TestMember> second = WholeSheet("M102AB00");
    members.insert(members.end(), second.begin() + 1, second.end());

    const InstallReport report = install(members);

    EXPECT_EQ(report.installed, (std::vector<std::string>{"M100AA00", "M102AB00"}));
    EXPECT_TRUE(report.refused.empty());
    EXPECT_EQ(program.read("印刷情報/M100AA00/whiteseal.bmp"), "new picture");
    EXPECT_EQ(program.read("印刷情報/M102AB00/format.tsd"), FormatOf("M102AB00"));
    EXPECT_EQ(listing(sheets()), (std::vector<std::string>{"M100AA00", "M102AB00"}));  // no staging left
}

// Members that would reach outside the sheets folder, or be more than plain files, are refused.
// One that names a sheet spoils it: the sheet is not installed at all and the old one stays. One
// whose path does not even name a sheet is passed over.
TEST_F(Installer, RefusesLinksDevicesPathsOutsideAndSpecialModes)
{
    const std::string target = (outside.path() / "victim").string();
    const struct {
        const char* name;
        TestMember bad;
        bool spoils;
    } cases[] = {
        {"symlink out", {"印刷情報/M100AA00/whiteseal.bmp", "", AE_IFLNK, target}, true},
        {"symlink as the sheet folder", {"印刷情報/M100AA00", "", AE_IFLNK, outside.path().string()}, true},
        {"hard link", {"印刷情報/M100AA00/numberseal.bmp", "", AE_IFREG, "印刷情報/M100AA00/format.tsd", 0644, 0, true},
         true},
        {"FIFO", {"印刷情報/M100AA00/whiteseal.bmp", "", AE_IFIFO}, true},
        {"device", {"印刷情報/M100AA00/whiteseal.bmp", "", AE_IFCHR}, true},
        {"unknown name", SheetFile("M100AA00", "run.sh", "#!/bin/sh"), true},
        {"dot-dot", SheetFile("M100AA00", "../../velmaro.ini", "[FTP]"), false},
        {"absolute", {(outside.path() / "victim").string(), "x"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        program.write("印刷情報/M100AA00/format.tsd", FormatOf("M100AA00"));
        std::vector<TestMember> members = WholeSheet("M100AA00", "new picture");
        members.push_back(c.bad);

        const InstallReport report = install(members);

        EXPECT_EQ(report.installed.empty(), c.spoils);
        EXPECT_FALSE(report.refused.empty());
        EXPECT_FALSE(fs::exists(program.path() / "印刷情報" / "whiteseal.bmp"));
        EXPECT_FALSE(fs::exists(program.path() / "velmaro.ini"));
        EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
        EXPECT_TRUE(fs::is_empty(outside.path()));
        const std::vector<std::string> kept = {"format.tsd"};
        const std::vector<std::string> replaced = {"format.tsd", "numberseal.bmp", "whiteseal.bmp"};
        EXPECT_EQ(listing(sheets() / "M100AA00"), c.spoils ? kept : replaced);
        fs::remove_all(sheets());
    }
}

// A link left in the sheets folder (by an earlier tool) is replaced, never written through.
TEST_F(Installer, ReplacesALinkedSheetFolderWithoutWritingThroughIt)
{
    fs::create_directories(sheets());
    fs::create_directory_symlink(outside.path(), sheets() / "M102AB00");

    ASSERT_EQ(install(WholeSheet("M102AB00")).installed, std::vector<std::string>{"M102AB00"});
    EXPECT_FALSE(fs::is_symlink(sheets() / "M102AB00"));
    EXPECT_TRUE(fs::is_regular_file(sheets() / "M102AB00" / "format.tsd"));
    EXPECT_TRUE(fs::is_empty(outside.path()));
    EXPECT_EQ(listing(sheets()), std::vector<std::string>{"M102AB00"});
}

// Modes and owners in the archive are never kept: files get the usual mode under the umask.
TEST_F(Installer, KeepsNoOwnerAndNoSpecialMode)
{
    std::vector<TestMember> members = WholeSheet("M102AB00");
    members[2].mode = 06777;
    members[2].uid = 1234;

    ASSERT_EQ(install(members).installed, std::vector<std::string>{"M102AB00"});
    struct stat info {};
    ASSERT_EQ(::stat((sheets() / "M102AB00" / "format.tsd").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07000, 0u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_mode & 0111, 0u);
}

// A sheet whose format file the catalog would not read, or that names another code, is refused.
TEST_F(Installer, RefusesSheetsTheCatalogCannotRead)
{
    const struct {
        const char* name;
        std::string format;
    } cases[] = {{"no format file", ""}, {"unknown kind", "x\r\nM102AB00\t1\t1\r\n"}, {"other code", FormatOf("M100AA00")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<TestMember> members = WholeSheet("M102AB00");
        if (c.format.empty())
            members.erase(members.begin() + 2);
        else
            members[2].data = c.format;
        const InstallReport report = install(members);
        EXPECT_TRUE(report.installed.empty());
        EXPECT_FALSE(fs::exists(sheets() / "M102AB00"));
    }
}

// An archive that does not read to its end installs nothing, not even the sheets before the break.
TEST_F(Installer, ADamagedArchiveInstallsNothing)
{
    std::vector<TestMember> members = WholeSheet("M102AB00");
    const std::vector<TestMember> second = WholeSheet("M102AC00", std::string(100000, 'p'));
    members.insert(members.end(), second.begin() + 1, second.end());
    const std::string whole = TarGzBytes(members);
    work.write("cut.tar.gz", whole.substr(0, whole.size() / 2));

    const InstallReport report = InstallUpdate(work.path() / "cut.tar.gz", sheets());

    EXPECT_TRUE(report.archiveDamaged);
    EXPECT_TRUE(report.installed.empty());
    EXPECT_TRUE(listing(sheets()).empty());
}

// The download check: gzip's own CRC and length, nothing after the member, a tar to its end.
TEST(UpdateArchive, OnlyWholeGzipTarsPass)
{
    TempFolder work;
    const std::string whole = TarGzBytes(WholeSheet("M102AB00"));
    std::string crc = whole;
    crc[crc.size() - 6] ^= 1;  // in the CRC-32 of the trailer
    std::string length = whole;
    length[length.size() - 2] ^= 1;  // in the length of the trailer
    const struct {
        const char* name;
        std::string bytes;
        bool whole;
    } cases[] = {
        {"whole", whole, true},
        {"CRC changed", crc, false},
        {"length changed", length, false},
        {"cut short", whole.substr(0, whole.size() - 10), false},
        {"something after", whole + "more", false},
        {"empty", "", false},
        {"plain text", "new sheets", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        work.write("u.tar.gz", c.bytes);
        const int fd = ::open((work.path() / "u.tar.gz").c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ::lseek(fd, 7, SEEK_SET);  // read from the start whatever the offset
        EXPECT_EQ(IsWholeUpdateArchive(fd), c.whole);
        ::close(fd);
    }
}

// Archives whose reading would cost without bound are refused at the bound, and install nothing:
// a small download that inflates beyond the unpacked limit, too many members, a path of endless
// folders, too many sheets.
TEST_F(Installer, ArchivesBeyondTheBoundsInstallNothing)
{
    std::vector<TestMember> manyMembers = WholeSheet("M102AB00");
    for (std::size_t i = manyMembers.size(); i <= kMaxMembers; ++i)
        manyMembers.push_back({"印刷情報/", "", AE_IFDIR, "", 0755});
    std::string deep = "印刷情報/M102AC00";
    while (deep.size() <= kMaxMemberPathBytes)
        deep += "/d";
    std::vector<TestMember> deepPath = WholeSheet("M102AB00");
    deepPath.push_back({deep + "/", "", AE_IFDIR, "", 0755});
    std::vector<TestMember> manySheets;
    for (std::size_t i = 0; i <= kMaxUpdateSheets; ++i) {
        char code[9];
        std::snprintf(code, sizeof code, "M%03zuAB%02zu", i / 100, i % 100);
        manySheets.push_back(SheetFile(code, "format.tsd", FormatOf(code)));
    }
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"gzip bomb", GzipBombBytes(kMaxUnpackedBytes / (1 << 20) + 1)},
        {"more members than allowed", TarGzBytes(manyMembers)},
        {"a path of endless folders", TarGzBytes(deepPath)},
        {"more sheets than allowed", TarGzBytes(manySheets)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.empty());
        work.write("u.tar.gz", c.bytes);

        const InstallReport report = InstallUpdate(work.path() / "u.tar.gz", sheets());

        EXPECT_TRUE(report.archiveDamaged);
        EXPECT_FALSE(report.localFailure);
        EXPECT_TRUE(report.installed.empty());
        EXPECT_TRUE(listing(sheets()).empty());
    }
    // Just within the bounds, the same kinds install.
    manyMembers.pop_back();
    EXPECT_EQ(install(manyMembers).installed, std::vector<std::string>{"M102AB00"});
    manySheets.pop_back();
    EXPECT_EQ(install(manySheets).installed.size(), kMaxUpdateSheets);
}

// A staging folder of an installer that was killed is removed by the next install; one of an
// installer still at work (which holds the folder's lock) is left alone, and the install waits
// for another start.
TEST_F(Installer, StagingOfAKilledInstallerGoesAndALockedFolderIsLeftAlone)
{
    program.write("印刷情報/.staging-AbC123/M102AB00/format.tsd", "half");
    ASSERT_EQ(install(WholeSheet("M102AB00")).installed, std::vector<std::string>{"M102AB00"});
    EXPECT_EQ(listing(sheets()), std::vector<std::string>{"M102AB00"});

    program.write("印刷情報/.staging-XyZ789/M102AC00/format.tsd", "at work");
    const int fd = ::open(sheets().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const InstallReport report = install(WholeSheet("M102AC00"));
    ::close(fd);

    EXPECT_TRUE(report.localFailure);
    EXPECT_TRUE(report.installed.empty());
    EXPECT_EQ(listing(sheets()), (std::vector<std::string>{".staging-XyZ789", "M102AB00"}));
}

// A full or read-only sheets folder installs nothing and keeps the old sheets; the installer says
// it failed here, so the update is tried again.
TEST_F(Installer, AFullOrReadOnlyFolderInstallsNothing)
{
    program.write("印刷情報/M100AA00/format.tsd", FormatOf("M100AA00"));
    std::vector<TestMember> members = WholeSheet("M102AB00", std::string(12000, 'n'));
    const std::vector<TestMember> second = WholeSheet("M100AA00", std::string(12000, 'n'));
    members.insert(members.end(), second.begin() + 1, second.end());
    work.write("update.tar.gz", TarGzBytes(members));
    for (const SmallMount kind : {SmallMount::Full, SmallMount::ReadOnly}) {
        SCOPED_TRACE(kind == SmallMount::Full ? "full" : "read-only");
        const int failed = RunOnSmallMount(sheets(), kind, [&] {
            const InstallReport report = InstallUpdate(work.path() / "update.tar.gz", sheets());
            if (!report.localFailure)
                return 1;
            if (!report.installed.empty())
                return 2;
            if (listing(sheets()) != std::vector<std::string>{"M100AA00"})
                return 3;
            return program.read("印刷情報/M100AA00/format.tsd") == FormatOf("M100AA00") ? 0 : 4;
        });
        if (failed == kMountUnavailable)
            GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root)";
        EXPECT_EQ(failed, 0);
    }
}

// The installer killed at any moment leaves every sheet either old or new, never half, and the
// next run completes the update.
TEST_F(Installer, KilledAtAnyMomentEverySheetIsOldOrNew)
{
    constexpr int kSheets = 30;
    std::vector<TestMember> members;
    std::vector<std::string> codes;
    for (int i = 0; i < kSheets; ++i) {
        char code[9];
        std::snprintf(code, sizeof code, "M%03dAB00", i);
        codes.push_back(code);
        for (const char* name : {"whiteseal.bmp", "numberseal.bmp"})
            members.push_back(SheetFile(code, name, std::string(20000, 'n')));
        members.push_back(SheetFile(code, "format.tsd", FormatOf(code)));
    }
    work.write("update.tar.gz", TarGzBytes(members));
    auto writeOld = [&] {
        fs::remove_all(sheets());
        for (const std::string& code : codes) {
            program.write("印刷情報/" + code + "/format.tsd", FormatOf(code));
            program.write("印刷情報/" + code + "/whiteseal.bmp", "old");
        }
    };
    auto runInstaller = [&] {
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(VELMARO_INSTALLER, VELMARO_INSTALLER, (work.path() / "update.tar.gz").c_str(),
                    sheets().c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return child;
    };
    writeOld();
    const auto start = std::chrono::steady_clock::now();
    const pid_t whole = runInstaller();
    int status = 0;
    ::waitpid(whole, &status, 0);
    const auto duration = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    constexpr int kSteps = 10;
    for (int step = 0; step < kSteps; ++step) {
        SCOPED_TRACE(step);
        writeOld();
        const pid_t child = runInstaller();
        std::this_thread::sleep_for(duration * step / kSteps);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        for (const std::string& code : codes) {
            const std::vector<std::string> files = listing(sheets() / code);
            const bool old = files == std::vector<std::string>{"format.tsd", "whiteseal.bmp"} &&
                             program.read("印刷情報/" + code + "/whiteseal.bmp") == "old";
            const bool fresh = files == std::vector<std::string>{"format.tsd", "numberseal.bmp", "whiteseal.bmp"} &&
                               program.read("印刷情報/" + code + "/whiteseal.bmp") == std::string(20000, 'n');
            ASSERT_TRUE(old || fresh) << code;
        }
    }
    ASSERT_EQ(install(members).installed.size(), codes.size());
    EXPECT_EQ(listing(sheets()).size(), codes.size());
}

}  // namespace
