// Autosave and recovery: the copy kept while work is unsaved, what removes it, the offer at start,
// and wizards killed outright (a child process running this test program).
#include "pages2_fixture.h"

#include "design/design_file.h"
#include "design/recovery_file.h"
#include "pages/design_commands.h"
#include "pages/program_folder.h"
#include "pages/recovery_dialog.h"
#include "res/resource_ids.h"
#include "wizard/design_history.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <fstream>
#include <iterator>

namespace {

const char kOrvanelSheet[] = "M100AA00";
const char kChildMode[] = "VELMARO_KILL_CHILD";
const char kChildDesign[] = "VELMARO_KILL_DESIGN";
// Beyond any process number Linux hands out.
constexpr long kDeadPid = 2147483000;

std::filesystem::path RecoveryFolder()
{
    return Folders().userState / "recovery";
}

std::vector<std::filesystem::path> DesignFilesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> found;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        if (entry.path().extension() == ".zvd")
            found.push_back(entry.path());
    return found;
}

// Texts read back from a file end in a line break the reader adds to the last line.
std::string WithoutFinalBreak(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RecoveryTest : public TextPrintTest {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsSet(kChildMode)) {
            // A child finds the copies of the children killed before it: they stay for the parent.
            const auto keepLeftWork = AnswerNextModal(kRecoveryKeep);
            TextPrintTest::SetUp();
            return;
        }
        TextPrintTest::SetUp();
        std::filesystem::remove_all(RecoveryFolder());
    }
    void TearDown() override
    {
        TextPrintTest::TearDown();
        std::filesystem::remove_all(RecoveryFolder());
        CurrentDesignFile().clear();
    }
    CAutosave& Autosave() const { return Wizard()->Autosave(); }
    bool OwnCopyExists() const { return std::filesystem::exists(Autosave().OwnFile()); }

    // A recovery pair as a program that is gone would have left it.
    std::filesystem::path PlantLeftWork(const std::string& text, const std::string& original)
    {
        GoToTextPage(kOrvanelSheet);
        Piece(0).m_strText = text;
        const std::filesystem::path left = RecoveryDesignPath(RecoveryFolder(), kDeadPid, 1);
        EXPECT_FALSE(WriteRecovery(left, kKindOrvanel, {original, kOrvanelSheet}));
        m_app.reset();
        CSealFormat::ResetAll();
        return left;
    }

    // Starts this test program as a child running ChildTypesUntilKilled in `mode`, its user state
    // in `state`; returns once the child says it is typing.
    void StartChild(QProcess& child, const char* mode, const std::filesystem::path& state)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromUtf8(kChildMode), QString::fromUtf8(mode));
        environment.insert(QString::fromUtf8(kChildDesign), ToQString(m_folder.path() / "work.zvd"));
        environment.insert(QStringLiteral("VELMARO_KILL_STATE"), ToQString(state));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=RecoveryTest.ChildTypesUntilKilled")});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray said;
        while (!said.contains("typing") && child.state() == QProcess::Running && child.waitForReadyRead(10000))
            said += child.readAllStandardOutput();
        ASSERT_TRUE(said.contains("typing")) << said.toStdString();
    }
    static void Kill(QProcess& child)
    {
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();
    }
};

}  // namespace

// The child's part of the kill tests ("two": two stickers typed, then it waits; "stress": it types
// on and on with a copy kept at every change). It keeps its copies in the state folder the parent
// gave it.
TEST_F(RecoveryTest, ChildTypesUntilKilled)
{
    const QByteArray mode = qgetenv(kChildMode);
    if (mode.isEmpty())
        GTEST_SKIP() << "run by the kill tests";
    GoToTextPage(kOrvanelSheet);
    ASSERT_TRUE(SaveDesignPath(TextPage(), ToPath(QString::fromLocal8Bit(qgetenv(kChildDesign))), kKindOrvanel));
    CEveryEdit* edit = TextPage()->Edit();
    if (mode == "two") {
        QTest::keyClicks(edit, "first");
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::keyClicks(edit, "second");
        std::printf("typing\n");
        std::fflush(stdout);
        QTest::qWait(60000);
        return;
    }
    Wizard()->Autosave().SetQuietTime(0);
    std::printf("typing\n");
    std::fflush(stdout);
    for (int i = 0; i < 100000; ++i) {
        QTest::keyClick(edit, static_cast<char>('a' + i % 26));
        if (i % 7 == 6)
            QTest::keyClick(edit, Qt::Key_Tab);
        QTest::qWait(1);
    }
}

TEST_F(RecoveryTest, UnsavedWorkIsKeptAndSavingOrANewDesignRemovesIt)
{
    GoToTextPage(kOrvanelSheet);
    EXPECT_FALSE(OwnCopyExists());
    Autosave().SetQuietTime(10);
    QTest::keyClicks(TextPage()->Edit(), "kept");
    ASSERT_TRUE(QTest::qWaitFor([this] { return OwnCopyExists(); }, 2000));
    const OpenDesignResult copy = OpenDesignBytes(ReadAll(Autosave().OwnFile()), "copy");
    ASSERT_TRUE(copy.ok);
    EXPECT_EQ(WithoutFinalBreak(Piece(0).m_strText), "kept");
    EXPECT_EQ(ReadNote(ReadAll(RecoveryNotePath(Autosave().OwnFile()))).sheetCode, kOrvanelSheet);

    ASSERT_TRUE(SaveDesignPath(TextPage(), m_folder.path() / "saved.zvd", kKindOrvanel));
    EXPECT_FALSE(OwnCopyExists()) << "a saved design needs no copy";
    QTest::keyClicks(TextPage()->Edit(), "!");
    ASSERT_TRUE(QTest::qWaitFor([this] { return OwnCopyExists(); }, 2000));
    EXPECT_EQ(ReadNote(ReadAll(RecoveryNotePath(Autosave().OwnFile()))).originalPath,
              (m_folder.path() / "saved.zvd").u8string());

    for (int step = 0; step < 6 && ActiveId() != kIddStart; ++step)
        PressBack();
    NewDesign();
    EXPECT_FALSE(OwnCopyExists()) << "a new design drops the old one's copy";

    ClickSheet(kOrvanelSheet);
    for (int step = 0; step < 3 && ActiveId() != kIddOrvanelText; ++step)
        PressNext();
    QTest::keyClicks(TextPage()->Edit(), "left on exit");
    ASSERT_TRUE(QTest::qWaitFor([this] { return OwnCopyExists(); }, 2000));
    const std::filesystem::path copyPath = Autosave().OwnFile();
    m_app.reset();
    EXPECT_FALSE(std::filesystem::exists(copyPath)) << "a program that ends normally leaves nothing";
}

// A state folder that cannot be written to (here a file stands where it should be, which stops
// root too) is said once a run, not at every change.
TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsSaidOnce)
{
    GoToTextPage(kOrvanelSheet);
    std::filesystem::remove_all(RecoveryFolder());
    std::filesystem::create_directories(RecoveryFolder().parent_path());
    std::ofstream(RecoveryFolder()) << "not a folder";
    ASSERT_TRUE(std::filesystem::is_regular_file(RecoveryFolder()));
    const auto told = [] {
        int boxes = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                boxes += box->text().contains(QStringLiteral("復元するためのコピーを保存できません")) ? 1 : 0;
        return boxes;
    };
    QTest::keyClicks(TextPage()->Edit(), "a");
    Autosave().WriteNow();
    EXPECT_EQ(told(), 1);
    QTest::keyClicks(TextPage()->Edit(), "b");
    Autosave().WriteNow();
    EXPECT_EQ(told(), 1);
    EXPECT_FALSE(OwnCopyExists());
}

TEST_F(RecoveryTest, LeftWorkIsOfferedOnceAndRestoredAsUnsavedWorkOfItsFile)
{
    const std::string original = (m_folder.path() / "名札.zvd").u8string();
    const std::filesystem::path left = PlantLeftWork("left behind", original);
    auto answer = AnswerNextModal(kRecoveryRestore);
    StartWizard();
    EXPECT_EQ(answer->className, QStringLiteral("CDlgRecovery"));
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(WithoutFinalBreak(Piece(0).m_strText), "left behind");
    EXPECT_TRUE(CSealFormat::IsModified(kKindOrvanel));
    EXPECT_EQ(CurrentDesignFile().u8string(), original);
    EXPECT_FALSE(std::filesystem::exists(left));
    EXPECT_TRUE(OwnCopyExists()) << "kept again at once, under this program's name";
    EXPECT_TRUE(LeftRecoveries(RecoveryFolder()).empty()) << "a running program's copy is not offered";
}

TEST_F(RecoveryTest, DiscardingRemovesTheWorkAndClosingTheQuestionKeepsItForNextTime)
{
    const std::filesystem::path left = PlantLeftWork("x", "");
    auto closed = AnswerNextModal(kRecoveryKeep);
    StartWizard();
    EXPECT_TRUE(closed->seen);
    EXPECT_EQ(ActiveId(), kIddStart);
    EXPECT_TRUE(std::filesystem::exists(left));
    m_app.reset();

    auto discard = AnswerNextModal(kRecoveryDiscard);
    StartWizard();
    EXPECT_TRUE(discard->seen);
    EXPECT_EQ(ActiveId(), kIddStart);
    EXPECT_FALSE(std::filesystem::exists(left));
    EXPECT_FALSE(std::filesystem::exists(RecoveryNotePath(left)));
}

// A wizard killed 3 seconds after typing into two stickers leaves a design file that the command
// line reads with both texts, and that the next start offers and restores.
TEST_F(RecoveryTest, AKilledWizardsWorkIsReadAndRestored)
{
    const TempFolder state;
    QProcess child;
    StartChild(child, "two", state.path());
    QTest::qWait(3000);
    Kill(child);
    const std::vector<std::filesystem::path> left = DesignFilesIn(state.path() / "velmaro" / "recovery");
    ASSERT_EQ(left.size(), 1u);

    QProcess info;
    info.start(QStringLiteral(VELMARO_EXE), {QStringLiteral("--info"), ToQString(left.front())});
    ASSERT_TRUE(info.waitForFinished());
    const QByteArray json = info.readAllStandardOutput();
    EXPECT_EQ(info.exitCode(), 0);
    EXPECT_TRUE(json.contains("\"strText\":\"first")) << json.toStdString();
    EXPECT_TRUE(json.contains("\"strText\":\"second"));

    std::filesystem::create_directories(RecoveryFolder());
    for (const std::filesystem::path& file : {left.front(), RecoveryNotePath(left.front())})
        std::filesystem::copy_file(file, RecoveryFolder() / file.filename());
    auto answer = AnswerNextModal(kRecoveryRestore);
    StartWizard();
    EXPECT_TRUE(answer->seen);
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(WithoutFinalBreak(Piece(0).m_strText), "first");
    EXPECT_EQ(WithoutFinalBreak(Piece(1).m_strText), "second");
    EXPECT_EQ(CurrentDesignFile(), m_folder.path() / "work.zvd");
}

// Killed at any moment, even while a copy is being written, the wizard never leaves a copy that
// does not read.
TEST_F(RecoveryTest, KillsAtRandomMomentsNeverLeaveAnUnreadableCopy)
{
    const TempFolder state;
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        QProcess child;
        StartChild(child, "stress", state.path());
        QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(300)));
        Kill(child);
        for (const std::filesystem::path& file : DesignFilesIn(state.path() / "velmaro" / "recovery")) {
            const OpenDesignResult read = OpenDesignBytes(ReadAll(file), file.string());
            EXPECT_TRUE(read.ok) << file << ": " << read.error;
        }
    }
    EXPECT_FALSE(DesignFilesIn(state.path() / "velmaro" / "recovery").empty());
}
