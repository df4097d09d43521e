// Designs of several sheets in files: NAME.zvd as ever with sheet 1, the rest in its companion.
#include "design/design_sheets.h"
#include "design/recovery_file.h"
#include "design/sheets_file.h"
#include "design_test_support.h"
#include "platform/file_bytes.h"

#include <unistd.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

std::vector<PieceDesign> SheetOfTexts(const std::string& base)
{
    std::vector<PieceDesign> sheet(2);
    sheet[0] = {base + " 1", 120, 104, 3, 0x00FF00, -1, 1, 0};
    sheet[1] = {base + "\n\x95\x5C", -1, kNoTextColour, 0, kNoFrameColour, 1, -1, -1};  // did not fit
    return sheet;
}

class SheetsFileTest : public DesignFileTest {
protected:
    void SetUp() override
    {
        DesignFileTest::SetUp();
        // The sheets of the designs are installed: opening them warns only of their companions.
        g_sealCatalog.emplace_back(SampleOrvanel());
        g_sealCatalog.emplace_back(SampleZolvi());
        m_dir = fs::temp_directory_path() / ("velmaro-sheets-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_file = m_dir / "名札.zvd";
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
        DesignFileTest::TearDown();
    }

    // An Orvanel design of three sheets, the second shown.
    static void ThreeSheets()
    {
        FillCurrentDesign();
        AddSheet(kKindOrvanel);
        AddSheet(kKindOrvanel);
        StoreSheetDesign(kKindOrvanel, 1, SheetOfTexts("second"));
        StoreSheetDesign(kKindOrvanel, 2, SheetOfTexts("third"));
    }

    static std::string Bytes(const fs::path& file)
    {
        return ReadFileBytes(file, kMaxSheetsFileBytes).value_or("(none)");
    }

    fs::path m_dir;
    fs::path m_file;
};

TEST_F(SheetsFileTest, ThreeSheetsSavedAndReopenedAreEqualFieldByField)
{
    ThreeSheets();
    // As Orvanel files have always given texts back: with their final line feed.
    CSealFormat::Orvanel().m_pieces[0].m_strText = "before\n";
    const std::string firstSheetAlone = DesignFileBytes(kKindOrvanel);
    std::vector<std::vector<PieceDesign>> saved;
    for (int sheet = 0; sheet < 3; ++sheet)
        saved.push_back(SheetDesign(kKindOrvanel, sheet));
    ShowSheet(kKindOrvanel, 1);
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    EXPECT_FALSE(CSealFormat::IsModified(kKindOrvanel));
    // NAME.zvd is the first sheet, byte for byte as a design of one sheet, whichever is shown.
    EXPECT_EQ(Bytes(m_file), firstSheetAlone);
    EXPECT_TRUE(fs::exists(CompanionPath(m_file)));

    CSealFormat::ResetAll();
    const OpenDesignResult opened = OpenDesignFile(m_file);
    ASSERT_TRUE(opened.ok) << opened.error;
    ASSERT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_EQ(ShownSheet(kKindOrvanel), 0);
    EXPECT_FALSE(CSealFormat::IsModified(kKindOrvanel));
    for (int sheet = 0; sheet < 3; ++sheet) {
        SCOPED_TRACE(sheet);
        EXPECT_EQ(SheetDesign(kKindOrvanel, sheet), saved[static_cast<std::size_t>(sheet)]);
    }
}

// A companion not taken is named to the user and outlives a save of the first sheet alone.
TEST_F(SheetsFileTest, TheDesignFileAloneOrWithAForeignCompanionIsOneSheet)
{
    ThreeSheets();
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    const std::string design = Bytes(m_file);
    const std::string companion = Bytes(CompanionPath(m_file));

    const struct {
        const char* name;
        std::string companion;  // empty: none
    } cases[] = {
        {"no companion", ""},
        {"a truncated companion", companion.substr(0, companion.size() - 1)},
        {"a companion with a byte more", companion + "x"},
        {"another design's companion", SheetsFileBytes(kKindOrvanel, "another design")},
        {"a companion of the other kind", [&] {
             std::string other = companion;
             other[10] = 2;
             return other;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(CompanionPath(m_file));
        if (!c.companion.empty()) {
            ASSERT_EQ(WriteFileAtomically(CompanionPath(m_file), c.companion), 0);
        }
        AddSheet(kKindOrvanel);  // opening must drop what was there
        const OpenDesignResult opened = OpenDesignFile(m_file);
        ASSERT_TRUE(opened.ok) << opened.error;
        EXPECT_EQ(SheetCount(kKindOrvanel), 1);
        EXPECT_EQ(DesignFileBytes(kKindOrvanel), design);
        if (c.companion.empty()) {
            EXPECT_EQ(opened.warning, "");
            continue;
        }
        EXPECT_EQ(opened.warning,
                  CompanionPath(m_file).string() + " の2枚目以降のシートを読み込めませんでした。1枚目だけを開きます。");
        ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
        EXPECT_EQ(Bytes(CompanionPath(m_file)), c.companion);
    }
}

TEST_F(SheetsFileTest, SavingOneSheetRemovesTheCompanion)
{
    ThreeSheets();
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    ResetSheets(kKindOrvanel);
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    EXPECT_FALSE(fs::exists(CompanionPath(m_file)));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

// A save stopped after the companion was replaced but before the design: the old design opens
// with the old further sheets from the copy kept meanwhile, and the next save clears the copy.
TEST_F(SheetsFileTest, ASaveStoppedBetweenTheRenamesOpensTheOldSheets)
{
    ThreeSheets();
    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    const std::string oldCompanion = Bytes(CompanionPath(m_file));
    StoreSheetDesign(kKindOrvanel, 2, SheetOfTexts("changed"));
    CSealFormat::Orvanel().m_pieces[0].m_strText = "changed first";
    ASSERT_EQ(WriteFileAtomically(CompanionPath(m_file), SheetsFileBytes(kKindOrvanel, DesignFileBytes(kKindOrvanel))),
              0);
    ASSERT_EQ(WriteFileAtomically(CompanionBackupPath(m_file), oldCompanion), 0);

    CSealFormat::ResetAll();
    const OpenDesignResult opened = OpenDesignFile(m_file);
    ASSERT_TRUE(opened.ok) << opened.error;
    EXPECT_EQ(opened.warning, "");
    ASSERT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_EQ(SheetDesign(kKindOrvanel, 2), SheetOfTexts("third"));

    ASSERT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    EXPECT_FALSE(fs::exists(CompanionBackupPath(m_file)));
    CSealFormat::ResetAll();
    const OpenDesignResult again = OpenDesignFile(m_file);
    EXPECT_EQ(again.warning, "");
    ASSERT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_EQ(SheetDesign(kKindOrvanel, 2), SheetOfTexts("third"));
}

TEST_F(SheetsFileTest, TextsTooLongForAFileOnAnotherSheetRefuseTheSave)
{
    ThreeSheets();
    std::vector<PieceDesign> sheet = SheetOfTexts("x");
    sheet[0].text.assign(kMaxTextBytes + 1, 'x');
    StoreSheetDesign(kKindOrvanel, 2, sheet);
    EXPECT_NE(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    EXPECT_FALSE(fs::exists(m_file));
    EXPECT_FALSE(fs::exists(CompanionPath(m_file)));
}

TEST_F(SheetsFileTest, MoreSheetsThanACompanionHoldsRefuseTheSave)
{
    FillCurrentDesign();
    for (int sheet = 1; sheet < kMaxSheets; ++sheet)
        AddSheet(kKindOrvanel);
    EXPECT_EQ(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
    AddSheet(kKindOrvanel);
    EXPECT_NE(SaveDesignFile(m_file, kKindOrvanel), std::nullopt);
}

// Damaged companions are read as none, never past their end.
TEST_F(SheetsFileTest, DamagedCompanionsAreIgnored)
{
    ThreeSheets();
    const std::string design = "design bytes";
    const std::string companion = SheetsFileBytes(kKindOrvanel, design);
    const auto read = [&](const std::string& bytes) {
        return ReadSheetsFile(bytes, design, kKindOrvanel, CSealFormat::Orvanel().m_strCode, 2);
    };
    ASSERT_TRUE(read(companion));
    for (std::size_t size = 0; size < companion.size(); ++size)
        EXPECT_FALSE(read(companion.substr(0, size))) << size;
    std::mt19937 random(16);
    for (int i = 0; i < 2000; ++i) {
        std::string damaged = companion;
        damaged[random() % damaged.size()] = static_cast<char>(random());
        if (const auto sheets = read(damaged)) {
            EXPECT_EQ(sheets->size(), 2u);
        }
    }
}

// The first release wrote 1 for a text that did not fit; it still reads as not fitting.
TEST_F(SheetsFileTest, AnOverflowByteOfTheFirstReleaseReadsAsNotFitting)
{
    ThreeSheets();
    const std::string design = "design bytes";
    std::string companion = SheetsFileBytes(kKindOrvanel, design);
    // Header: magic, version, kind, hash, code length and code, sticker and sheet counts. Then per
    // sticker 18 bytes before its overflow byte, and its text.
    const std::string& code = CSealFormat::Orvanel().m_strCode;
    const std::size_t first = 8 + 2 + 1 + 8 + 1 + code.size() + 2 + 2;
    const std::size_t secondOverflow = first + 18 + 1 + 2 + SheetOfTexts("second")[0].text.size() + 18;
    ASSERT_EQ(companion[secondOverflow], '\xFF');
    companion[secondOverflow] = 1;

    const auto sheets = ReadSheetsFile(companion, design, kKindOrvanel, code, 2);
    ASSERT_TRUE(sheets);
    EXPECT_EQ((*sheets)[0], SheetOfTexts("second"));
}

// The recovery copy keeps the further sheets the same way, and goes with them.
TEST_F(SheetsFileTest, RecoveryCopiesKeepEverySheet)
{
    ThreeSheets();
    const fs::path copy = m_dir / "123-456.zvd";
    ASSERT_EQ(WriteRecovery(copy, kKindOrvanel, RecoveryNote{"", "M100AA00"}), std::nullopt);
    EXPECT_TRUE(CSealFormat::IsModified(kKindOrvanel));  // a recovery copy is no save
    CSealFormat::ResetAll();
    ASSERT_TRUE(OpenDesignFile(copy).ok);
    EXPECT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_EQ(SheetDesign(kKindOrvanel, 2), SheetOfTexts("third"));
    RemoveRecovery(copy);
    EXPECT_TRUE(fs::is_empty(m_dir));
}

}  // namespace
