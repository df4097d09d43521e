#include "design/design_record.h"
#include "design/file_messages.h"
#include "design_test_support.h"
#include "platform/file_bytes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class DesignSaveTest : public DesignFileTest {
protected:
    void SetUp() override
    {
        DesignFileTest::SetUp();
        m_dir = fs::temp_directory_path() / ("velmaro-design-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
        DesignFileTest::TearDown();
    }
    fs::path m_dir;
};

TEST_F(DesignSaveTest, SavingWritesTheFileAndClearsOnlyThatKindsModifiedFlag)
{
    FillCurrentDesign();
    CSealFormat::Zolvi().m_bModified = 1;
    const fs::path file = m_dir / "デザイン.zvd";
    ASSERT_EQ(WriteFileAtomically(file, "an older design"), 0);

    EXPECT_EQ(SaveDesignFile(file, kKindOrvanel), std::nullopt);
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 0);
    EXPECT_EQ(CSealFormat::Zolvi().m_bModified, 1);
    EXPECT_EQ(*ReadFileBytes(file, kMaxDesignFileBytes), DesignFileBytes(kKindOrvanel));

    CSealFormat::Orvanel().m_pieces[0].m_strText = "edited after saving";
    const OpenDesignResult r = OpenDesignFile(file);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.designKind, kKindOrvanel);
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_strText, "before\n");
    EXPECT_EQ(CSealFormat::OtherFace(), "Previous Face");
}

TEST_F(DesignSaveTest, FailedSavesReportTheErrorAndKeepWhatWasThere)
{
    const fs::path oldFile = m_dir / "old.zvd";
    const fs::path folderTarget = m_dir / "folder.zvd";
    const fs::path readOnly = m_dir / "read-only.zvd";
    fs::create_directories(folderTarget / "inside");
    const struct {
        const char* name;
        fs::path target;
        int kind;
        void (*change)();
        std::string message;
    } cases[] = {
        {"target is a folder: the rename fails", folderTarget, kKindZolvi, [] {},
         folderTarget.string() + " に書き込めません。(フォルダーです)"},
        {"folder missing", m_dir / "missing" / "a.zvd", kKindOrvanel, [] {},
         (m_dir / "missing" / "a.zvd").string() + " に書き込めません。(フォルダーが見つかりません)"},
        {"sticker text too long to read back", oldFile, kKindOrvanel,
         [] { CSealFormat::Orvanel().m_pieces[1].m_strText = std::string(kMaxTextBytes + 1, 'x'); },
         oldFile.string() + " に保存できません。文字の多すぎるシールがあります。"},
        {"other typeface name too long to read back", oldFile, kKindZolvi,
         [] { CSealFormat::OtherFace() = std::string(97, 'F'); },
         oldFile.string() + " に保存できません。その他の書体の名前が長すぎます。"},
        {"sheet without a find code", oldFile, kKindZolvi, [] { CSealFormat::Zolvi().m_strFindCode.clear(); },
         oldFile.string() + " に保存できません。用紙の情報が不完全です。"},
        {"no design kind", oldFile, kKindNone, [] {}, oldFile.string() + " に書き込めません。(Invalid argument)"},
        {"read-only design file", readOnly, kKindOrvanel, [] {},
         readOnly.string() + " は使用中または読み取り専用のため、書き込めません。"},
    };
    ASSERT_EQ(WriteFileAtomically(readOnly, "finished"), 0);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(WriteFileAtomically(oldFile, "the old design"), 0);
        FillCurrentDesign();
        CSealFormat::Zolvi().m_bModified = 1;
        c.change();

        EXPECT_EQ(SaveDesignFile(c.target, c.kind), c.message);
        EXPECT_EQ(*ReadFileBytes(oldFile, kMaxDesignFileBytes), "the old design");
        EXPECT_TRUE(fs::is_directory(folderTarget / "inside"));
        EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1);
        EXPECT_EQ(CSealFormat::Zolvi().m_bModified, 1);
    }
    EXPECT_EQ(*ReadFileBytes(readOnly, kMaxDesignFileBytes), "finished");
    // Nothing but the old files and the folder: no temporary left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 3);
}

TEST_F(DesignSaveTest, FilesThatCannotBeReadAreReportedAndChangeNothing)
{
    FillCurrentDesign();
    const std::string before = DesignSnapshot();
    const fs::path missing = m_dir / "見つからない.zvd";
    OpenDesignResult r = OpenDesignFile(missing);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, missing.string() + " が見つかりませんでした。");

    r = OpenDesignFile(m_dir);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, m_dir.string() + " を読み取れません。(フォルダーです)");
    EXPECT_EQ(DesignSnapshot(), before);
}

// What cannot be a design file is refused at once, without blocking on a FIFO, reading a device
// without end or taking in more than a design can hold.
TEST_F(DesignSaveTest, OnlyRegularFilesOfADesignsSizeAreRead)
{
    FillCurrentDesign();
    const std::string before = DesignSnapshot();
    const fs::path fifo = m_dir / "fifo.zvd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A whole design followed by padding: the reader would take the design and ignore the rest.
    const fs::path padded = m_dir / "padded.zvd";
    std::string bytes = DesignFileBytes(kKindOrvanel);
    bytes.resize(kMaxDesignFileBytes + 1, '\n');
    ASSERT_EQ(WriteFileAtomically(padded, bytes), 0);
    for (const fs::path& file : {fifo, fs::path("/dev/zero"), padded}) {
        SCOPED_TRACE(file.string());
        const OpenDesignResult r = OpenDesignFile(file);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, NotDesignFileMessage());
    }
    bytes.resize(kMaxDesignFileBytes);
    ASSERT_EQ(WriteFileAtomically(padded, bytes), 0);
    EXPECT_TRUE(OpenDesignFile(padded).ok);
    FillCurrentDesign();
    EXPECT_EQ(DesignSnapshot(), before);
}

// A sheet code names a folder: one that could leave the data folder makes the file damaged.
TEST_F(DesignSaveTest, SheetCodesThatAreNoCodesMakeTheFileDamaged)
{
    const struct {
        std::string code;
        bool ok;
    } cases[] = {{"M100AA00", true}, {"../../x/fifo", false}, {"M100/AA00", false},
                 {"M100 AA00", false}, {"M100AA00\x81\x40", false}};
    for (int kind : {kKindOrvanel, kKindZolvi}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.code + " in kind " + std::to_string(kind));
            FillCurrentDesign();
            (kind == kKindOrvanel ? static_cast<SealDataCommon&>(CSealFormat::Orvanel())
                                  : static_cast<SealDataCommon&>(CSealFormat::Zolvi()))
                .m_strCode = c.code;
            const OpenDesignResult r = OpenDesignBytes(DesignFileBytes(kind), "x.zvd");
            EXPECT_EQ(r.ok, c.ok) << r.error;
            if (!c.ok) {
                EXPECT_EQ(r.error, DamagedFileMessage("x.zvd"));
            }
        }
    }
}

}  // namespace
