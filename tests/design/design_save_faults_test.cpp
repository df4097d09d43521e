// Saving when the system fails at any point of a save, and when the program is killed while it
// saves. Each save runs in a child process, where the failure is forced without touching the
// program: a file-size limit stops the writes after N bytes, a seccomp filter makes one kind of
// system call fail. The previous file must stay byte for byte as it was, the user must be told,
// and the design must stay marked as modified.
#include "design_test_support.h"
#include "design/design_sheets.h"
#include "design/file_messages.h"
#include "design/sheets_file.h"
#include "platform/file_bytes.h"

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What a save in a child process reported, in memory the parent shares.
struct SaveReport {
    bool done = false;
    bool stillModified = false;
    bool failed = false;
    char message[1024] = {};
};

// A child process that is killed and reaped whenever the test leaves it behind.
class Child {
public:
    explicit Child(const std::function<void()>& body) : m_pid(::fork())
    {
        if (m_pid == 0) {
            body();
            ::_exit(0);  // never back into the test runner
        }
    }
    ~Child()
    {
        if (m_pid > 0 && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            Wait();
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return m_pid > 0; }
    void Kill() { ::kill(m_pid, SIGKILL); }
    int Wait()
    {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_reaped = true;
        return status;
    }

private:
    pid_t m_pid;
    bool m_reaped = false;
};

// Every listed system call of this process fails with `error` from now on.
void FailSystemCalls(const std::vector<int>& calls, int error)
{
    std::vector<sock_filter> program = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (int call : calls) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(call), 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(error) & SECCOMP_RET_DATA)));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
        ::_exit(3);
}

// Writes past `bytes` in any file fail with EFBIG instead of stopping the process.
void LimitFileSize(std::size_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        ::_exit(3);
}

class DesignSaveFaultTest : public DesignFileTest {
protected:
    void SetUp() override
    {
        DesignFileTest::SetUp();
        std::string pattern = (fs::temp_directory_path() / "velmaro-save-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_file = m_dir / "デザイン.zvd";
        void* shared = ::mmap(nullptr, sizeof(SaveReport), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(shared, MAP_FAILED);
        m_report = static_cast<SaveReport*>(shared);
    }
    void TearDown() override
    {
        ::munmap(m_report, sizeof(SaveReport));
        fs::remove_all(m_dir);
        DesignFileTest::TearDown();
    }

    // Saves the current Orvanel design in a child process that first calls `fault`.
    void SaveInChild(const std::function<void()>& fault)
    {
        *m_report = SaveReport{};
        Child child([this, &fault] {
            fault();
            const std::optional<std::string> message = SaveDesignFile(m_file, kKindOrvanel);
            m_report->failed = message.has_value();
            std::strncpy(m_report->message, message.value_or("").c_str(), sizeof m_report->message - 1);
            m_report->stillModified = CSealFormat::IsModified(kKindOrvanel);
            m_report->done = true;
        });
        ASSERT_TRUE(child.Started());
        const int status = child.Wait();
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not run to its end";
    }

    // The folder holds the design file and nothing else: no temporary is left behind.
    void ExpectOnlyTheDesignFile(const std::string& bytes) const
    {
        EXPECT_EQ(ReadFileBytes(m_file, kMaxDesignFileBytes).value_or("(unreadable)"), bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
    }

    static void SetText(const std::string& text)
    {
        CSealFormat::Orvanel().m_pieces[0].m_strText = text;
        CSealFormat::Orvanel().m_bModified = 1;
    }

    fs::path m_dir;
    fs::path m_file;
    SaveReport* m_report = nullptr;
};

TEST_F(DesignSaveFaultTest, WritesStoppingAfterAnyNumberOfBytesKeepThePreviousFile)
{
    FillCurrentDesign();
    const std::string previous = DesignFileBytes(kKindOrvanel);
    ASSERT_EQ(WriteFileAtomically(m_file, previous), 0);
    SetText("a new text, longer than the one saved before");
    const std::string next = DesignFileBytes(kKindOrvanel);
    const std::string told = m_file.string() + " に書き込めません。(ファイルが大きすぎます)";

    for (std::size_t limit = 0; limit < next.size(); ++limit) {
        SCOPED_TRACE("writes stop after " + std::to_string(limit) + " of " + std::to_string(next.size()) + " bytes");
        SaveInChild([limit] { LimitFileSize(limit); });
        ASSERT_TRUE(m_report->done);
        EXPECT_EQ(m_report->message, told);
        EXPECT_TRUE(m_report->stillModified);
        ExpectOnlyTheDesignFile(previous);
        if (::testing::Test::HasFailure())
            return;
    }
    // With room for the whole file the same save goes through.
    SaveInChild([&next] { LimitFileSize(next.size()); });
    EXPECT_FALSE(m_report->failed) << m_report->message;
    EXPECT_FALSE(m_report->stillModified);
    ExpectOnlyTheDesignFile(next);
}

TEST_F(DesignSaveFaultTest, EachStepOfTheSaveFailingKeepsThePreviousFile)
{
    const struct {
        const char* step;
        std::vector<int> calls;
        int error;
        const char* told;  // after the path
    } cases[] = {
        {"creating the temporary file on a full disk", {SYS_open, SYS_openat}, ENOSPC,
         " に書き込めません。(ディスクの空き容量が足りません)"},
        {"creating the temporary file on a read-only mount", {SYS_open, SYS_openat}, EROFS,
         " は使用中または読み取り専用のため、書き込めません。"},
        {"writing to a full disk", {SYS_write, SYS_writev, SYS_pwrite64}, ENOSPC,
         " に書き込めません。(ディスクの空き容量が足りません)"},
        {"flushing to the disk", {SYS_fsync, SYS_fdatasync}, EIO, " に書き込めません。(ディスクの読み書きに失敗しました)"},
        {"closing the temporary file", {SYS_close}, EIO, " に書き込めません。(ディスクの読み書きに失敗しました)"},
        {"replacing the previous file on a disk turned read-only", {SYS_rename, SYS_renameat, SYS_renameat2}, EROFS,
         " は使用中または読み取り専用のため、書き込めません。"},
        {"replacing the previous file while it is in use", {SYS_rename, SYS_renameat, SYS_renameat2}, EBUSY,
         " は使用中または読み取り専用のため、書き込めません。"},
    };
    FillCurrentDesign();
    const std::string previous = DesignFileBytes(kKindOrvanel);
    ASSERT_EQ(WriteFileAtomically(m_file, previous), 0);
    SetText("a new text");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        SaveInChild([&c] { FailSystemCalls(c.calls, c.error); });
        ASSERT_TRUE(m_report->done);
        EXPECT_EQ(m_report->message, m_file.string() + c.told);
        EXPECT_TRUE(m_report->stillModified);
        ExpectOnlyTheDesignFile(previous);
    }
}

TEST_F(DesignSaveFaultTest, KilledWhileSavingLeavesOneWholeDesign)
{
    FillCurrentDesign();
    SetText("design A");
    const std::string designA = DesignFileBytes(kKindOrvanel);
    SetText(std::string(600, 'B'));
    const std::string designB = DesignFileBytes(kKindOrvanel);
    // Kills fall within a few saves' time, however slow saving is here (sanitizers, a busy disk).
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    const auto saveMicroseconds =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count();
    ASSERT_EQ(WriteFileAtomically(m_file, designA), 0);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMicroseconds(0, std::max(4000, static_cast<int>(4 * saveMicroseconds)));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    int kills = 0;
    bool sawA = false;
    bool sawB = false;
    while (kills < 300 && std::chrono::steady_clock::now() < end) {
        Child saver([this] {
            for (int i = 1;; ++i) {
                SetText(i % 2 == 0 ? "design A" : std::string(600, 'B'));
                SaveDesignFile(m_file, kKindOrvanel);
            }
        });
        ASSERT_TRUE(saver.Started());
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        saver.Kill();
        saver.Wait();
        ++kills;
        const std::string onDisk = ReadFileBytes(m_file, kMaxDesignFileBytes).value_or("(unreadable)");
        ASSERT_TRUE(onDisk == designA || onDisk == designB) << "after kill " << kills << ": " << onDisk.size()
                                                            << " bytes that are neither design";
        sawA = sawA || onDisk == designA;
        sawB = sawB || onDisk == designB;
    }
    RecordProperty("kills", kills);
    EXPECT_GE(kills, 50);
    EXPECT_TRUE(sawA && sawB) << "the kills never fell between saves";

    // Temporaries of killed saves stay, but never in the way of the next save.
    EXPECT_LE(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), kills + 1);
    SetText("after the kills");
    EXPECT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    EXPECT_EQ(ReadFileBytes(m_file, kMaxDesignFileBytes), DesignFileBytes(kKindOrvanel));
}

// Two programs saving one design at random moments, each its own version of it (of three, two or
// one sheets): whichever save comes last, the design and its companion on disk are that save's
// whole design, and no temporary or copy is left beside them.
TEST_F(DesignSaveFaultTest, TwoProcessesSavingOneDesignLeaveOneWholeDesign)
{
    const std::vector<std::vector<std::string>> versions = {{"A1", "A2", "A3"}, {"C1"}, {"B1", "B2"}, {"D1"}};
    const auto useVersion = [](const std::vector<std::string>& sheets) {
        CSealFormat::Orvanel() = SampleOrvanel();
        ResetSheets(kKindOrvanel);
        for (std::size_t sheet = 0; sheet < sheets.size(); ++sheet) {
            if (sheet > 0)
                AddSheet(kKindOrvanel);
            ShowSheet(kKindOrvanel, static_cast<int>(sheet));
            SetText(sheets[sheet]);
        }
        ShowSheet(kKindOrvanel, 0);
    };
    useVersion(versions[0]);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    const int saveMicroseconds = static_cast<int>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count());

    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delay(0, std::max(2000, 2 * saveMicroseconds));
    std::uniform_int_distribution<int> pick(0, 1);
    constexpr int kRounds = 200;  // two saves a round
    int brokenRounds = 0;
    std::vector<std::string> broken;
    for (int round = 0; round < kRounds; ++round) {
        const int firstDelay = delay(random);
        const int secondDelay = delay(random);
        const std::vector<std::string>& first = versions[pick(random)];
        const std::vector<std::string>& second = versions[2 + pick(random)];
        {
            Child one([&] {
                useVersion(first);
                ::usleep(static_cast<useconds_t>(firstDelay));
                ::_exit(SaveDesignFile(m_file, kKindOrvanel) ? 1 : 0);
            });
            Child two([&] {
                useVersion(second);
                ::usleep(static_cast<useconds_t>(secondDelay));
                ::_exit(SaveDesignFile(m_file, kKindOrvanel) ? 1 : 0);
            });
            ASSERT_TRUE(one.Started() && two.Started());
            const int statusOne = one.Wait();
            const int statusTwo = two.Wait();
            ASSERT_TRUE(WIFEXITED(statusOne) && WEXITSTATUS(statusOne) == 0) << "round " << round;
            ASSERT_TRUE(WIFEXITED(statusTwo) && WEXITSTATUS(statusTwo) == 0) << "round " << round;
        }
        CSealFormat::ResetAll();
        const OpenDesignResult opened = OpenDesignFile(m_file);
        std::vector<std::string> onDisk;
        for (int sheet = 0; opened.ok && sheet < SheetCount(kKindOrvanel); ++sheet) {
            std::string text = SheetDesign(kKindOrvanel, sheet)[0].text;
            if (!text.empty() && text.back() == '\n')
                text.pop_back();  // the reader's line break after the first sheet's last line
            onDisk.push_back(text);
        }
        const auto files = std::distance(fs::directory_iterator(m_dir), fs::directory_iterator());
        const bool whole = opened.ok && opened.warning != UnreadSheetsMessage(CompanionPath(m_file).string())
                           && (onDisk == first || onDisk == second) && files == (onDisk.size() > 1 ? 2 : 1);
        if (!whole && broken.size() < 5)
            broken.push_back("round " + std::to_string(round) + ": " + ::testing::PrintToString(onDisk) + ", "
                             + std::to_string(files) + " files");
        brokenRounds += whole ? 0 : 1;
    }
    RecordProperty("saves", 2 * kRounds);
    EXPECT_EQ(brokenRounds, 0) << "of " << kRounds << " rounds; the first: " << ::testing::PrintToString(broken);
}

// A design of three sheets: whatever write fails, NAME.zvd and its companion both stay as they were.
TEST_F(DesignSaveFaultTest, AFailingSaveOfSeveralSheetsKeepsBothPreviousFiles)
{
    FillCurrentDesign();
    AddSheet(kKindOrvanel);
    AddSheet(kKindOrvanel);
    ShowSheet(kKindOrvanel, 2);
    SetText("third sheet before");
    ShowSheet(kKindOrvanel, 0);
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    const std::string design = ReadFileBytes(m_file, kMaxDesignFileBytes).value_or("");
    const std::string companion = ReadFileBytes(CompanionPath(m_file), kMaxSheetsFileBytes).value_or("");
    ASSERT_FALSE(companion.empty());
    SetText("first sheet after");
    ShowSheet(kKindOrvanel, 2);
    SetText(std::string(300, 'C'));
    const std::string nextDesign = DesignFileBytes(kKindOrvanel);
    const std::size_t largest = std::max(nextDesign.size(), SheetsFileBytes(kKindOrvanel, nextDesign).size());

    const auto expectBothPrevious = [&] {
        EXPECT_TRUE(m_report->failed);
        EXPECT_TRUE(m_report->stillModified);
        EXPECT_EQ(ReadFileBytes(m_file, kMaxDesignFileBytes).value_or("(none)"), design);
        EXPECT_EQ(ReadFileBytes(CompanionPath(m_file), kMaxSheetsFileBytes).value_or("(none)"), companion);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
    };
    for (std::size_t limit = 0; limit < largest; limit += 7) {
        SCOPED_TRACE("writes stop after " + std::to_string(limit) + " bytes");
        SaveInChild([limit] { LimitFileSize(limit); });
        expectBothPrevious();
        if (::testing::Test::HasFailure())
            return;
    }
    SaveInChild([] { FailSystemCalls({SYS_rename, SYS_renameat, SYS_renameat2}, EROFS); });
    expectBothPrevious();
}

// The design's rename fails after the companion's (a folder stands in its way): the old companion
// is back and the copy kept meanwhile is gone.
TEST_F(DesignSaveFaultTest, TheDesignRenameFailingAfterTheCompanionsPutsTheOldCompanionBack)
{
    FillCurrentDesign();
    AddSheet(kKindOrvanel);
    const std::string oldCompanion = SheetsFileBytes(kKindOrvanel, "the design before");
    ASSERT_EQ(WriteFileAtomically(CompanionPath(m_file), oldCompanion), 0);
    fs::create_directories(m_file / "in the way");
    SetText("after");

    EXPECT_NE(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    EXPECT_TRUE(CSealFormat::IsModified(kKindOrvanel));
    EXPECT_EQ(ReadFileBytes(CompanionPath(m_file), kMaxSheetsFileBytes).value_or("(none)"), oldCompanion);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

}  // namespace
