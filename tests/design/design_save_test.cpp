#include "design/design_record.h"
#include "design_test_support.h"
#include "platform/file_bytes.h"

#include <unistd.h>

#include <filesystem>

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
    EXPECT_EQ(*ReadFileBytes(file), DesignFileBytes(kKindOrvanel));

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
    fs::create_directories(folderTarget / "inside");
    const struct {
        const char* name;
        fs::path target;
        int kind;
        void (*change)();
        std::string message;
    } cases[] = {
        {"target is a folder: the rename fails", folderTarget, kKindZolvi, [] {},
         folderTarget.string() + " に書き込めません。(Is a directory)"},
        {"folder missing", m_dir / "missing" / "a.zvd", kKindOrvanel, [] {},
         (m_dir / "missing" / "a.zvd").string() + " に書き込めません。(No such file or directory)"},
        {"sticker text too long to read back", oldFile, kKindOrvanel,
         [] { CSealFormat::Orvanel().m_pieces[1].m_strText = std::string(kMaxTextBytes + 1, 'x'); },
         oldFile.string() + " に保存できません。文字の多すぎるシールがあります。"},
        {"other typeface name too long to read back", oldFile, kKindZolvi,
         [] { CSealFormat::OtherFace() = std::string(97, 'F'); },
         oldFile.string() + " に保存できません。その他の書体の名前が長すぎます。"},
        {"sheet without a find code", oldFile, kKindZolvi, [] { CSealFormat::Zolvi().m_strFindCode.clear(); },
         oldFile.string() + " に保存できません。用紙の情報が不完全です。"},
        {"no design kind", oldFile, kKindNone, [] {}, oldFile.string() + " に書き込めません。(Invalid argument)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(WriteFileAtomically(oldFile, "the old design"), 0);
        FillCurrentDesign();
        CSealFormat::Zolvi().m_bModified = 1;
        c.change();

        EXPECT_EQ(SaveDesignFile(c.target, c.kind), c.message);
        EXPECT_EQ(*ReadFileBytes(oldFile), "the old design");
        EXPECT_TRUE(fs::is_directory(folderTarget / "inside"));
        EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1);
        EXPECT_EQ(CSealFormat::Zolvi().m_bModified, 1);
    }
    // Nothing but the old file and the folder: no temporary left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
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
    EXPECT_EQ(r.error, m_dir.string() + " を読み取れません。(Is a directory)");
    EXPECT_EQ(DesignSnapshot(), before);
}

}  // namespace
