#include "format/catalog.h"
#include "format/load_formats.h"
#include "format_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class CatalogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearCatalog();
        m_program = fs::temp_directory_path() / ("velmaro-catalog-" + std::to_string(::getpid()));
        fs::create_directories(m_program);
    }
    void TearDown() override
    {
        ClearCatalog();
        fs::remove_all(m_program);
    }
    void AddSheet(const std::string& folder, const std::string& bytes) { AddSheetTo(m_program, folder, bytes); }
    void AddSheetTo(const fs::path& base, const std::string& folder, const std::string& bytes)
    {
        const fs::path dir = base / "印刷情報" / folder;
        fs::create_directories(dir);
        std::ofstream(dir / "format.tsd", std::ios::binary) << bytes;
    }
    fs::path m_program;
};

TEST_F(CatalogTest, MissingDataFolderIsReportedWithItsFullPath)
{
    EXPECT_FALSE(LoadFormats(m_program));
    EXPECT_EQ(g_strDataDir, (m_program / "印刷情報").string());
    EXPECT_EQ(MissingPathMessage(g_strDataDir), (m_program / "印刷情報").string() + "が存在しません");
    EXPECT_TRUE(g_sealCatalog.empty());
}

TEST_F(CatalogTest, ReadsBothKindsAndSkipsWhatIsNoSheet)
{
    FormatFixture orvanel;
    AddSheet("M100AA00", orvanel.Bytes());
    FormatFixture zolvi;
    zolvi.kind = 4;
    zolvi.code = "M000AA00";
    zolvi.withOutline = true;
    zolvi.previews = 6;
    AddSheet("M000AA00", zolvi.Bytes());
    FormatFixture unknown;
    unknown.kind = '1';  // an ASCII digit is not a kind
    AddSheet("digit", unknown.Bytes());
    fs::create_directories(m_program / "印刷情報" / "empty-folder");
    std::ofstream(m_program / "印刷情報" / "stray.txt") << "x";

    ASSERT_TRUE(LoadFormats(m_program));
    ASSERT_EQ(g_sealCatalog.size(), 2u);
    auto orv = FindFormat("M100AA00");
    ASSERT_NE(orv, g_sealCatalog.end());
    EXPECT_FALSE(IsZolvi(*orv));
    EXPECT_EQ(AsOrvanel(*orv).m_pieces.size(), 2u);
    EXPECT_THROW(AsZolvi(*orv), std::bad_variant_access);
    auto zol = FindFormat("M000AA00");
    ASSERT_NE(zol, g_sealCatalog.end());
    EXPECT_TRUE(IsZolvi(*zol));
    EXPECT_EQ(AsZolvi(*zol).m_nKind, 4);
    EXPECT_EQ(FindFormat("M000AA0"), g_sealCatalog.end());  // same prefix, different length
}

TEST_F(CatalogTest, DuplicateCodesAreBothListedAndTheFirstOneIsFound)
{
    FormatFixture a;
    a.cols = 1;
    AddSheet("one", a.Bytes());
    FormatFixture b;
    b.cols = 3;
    AddSheet("two", b.Bytes());
    ASSERT_TRUE(LoadFormats(m_program));
    ASSERT_EQ(g_sealCatalog.size(), 2u);
    auto found = FindFormat("M100AA00");
    EXPECT_EQ(found, g_sealCatalog.begin());
    EXPECT_EQ(AsOrvanel(*found).m_nCols, AsOrvanel(g_sealCatalog.front()).m_nCols);

    ClearCatalog();
    EXPECT_EQ(FindFormat("M100AA00"), g_sealCatalog.end());
}

// Sheets from updates live in the user's data folder: a code the program has is replaced in its
// place, pictures included; a new code is added after the program's sheets.
TEST_F(CatalogTest, TheUsersSheetsJoinTheProgramsAndReplaceTheSameCode)
{
    FormatFixture installed;
    installed.cols = 1;
    AddSheet("M100AA00", installed.Bytes());
    FormatFixture other;
    other.code = "M101AA00";
    AddSheet("M101AA00", other.Bytes());
    const fs::path user = m_program / "user";
    FormatFixture replacement;
    replacement.cols = 3;
    AddSheetTo(user, "M100AA00", replacement.Bytes());
    FormatFixture added;
    added.code = "M102AB00";
    AddSheetTo(user, "M102AB00", added.Bytes());

    ASSERT_TRUE(LoadFormats(m_program, user));

    ASSERT_EQ(g_sealCatalog.size(), 3u);
    EXPECT_EQ(CodeOf(g_sealCatalog.back()), "M102AB00");
    const auto replaced = FindFormat("M100AA00");
    EXPECT_EQ(AsOrvanel(*replaced).m_nCols, 3);
    EXPECT_EQ(std::count_if(g_sealCatalog.begin(), g_sealCatalog.end(),
                            [](const CatalogEntry& entry) { return CodeOf(entry) == "M100AA00"; }),
              1);
    EXPECT_EQ(SheetFolder("M100AA00"), user / "印刷情報" / "M100AA00");
    EXPECT_EQ(SheetFolder("M101AA00"), m_program / "印刷情報" / "M101AA00");
    EXPECT_EQ(SheetFolder("M102AB00"), user / "印刷情報" / "M102AB00");
    EXPECT_EQ(g_strDataDir, (m_program / "印刷情報").string());
}

TEST_F(CatalogTest, AMissingUserFolderLeavesTheProgramsSheetsAndAMissingProgramFolderStillFails)
{
    const fs::path user = m_program / "user";
    AddSheetTo(user, "M100AA00", FormatFixture().Bytes());
    EXPECT_FALSE(LoadFormats(m_program, user));

    AddSheet("M100AA00", FormatFixture().Bytes());
    ClearCatalog();
    EXPECT_TRUE(LoadFormats(m_program, m_program / "nobody"));
    ASSERT_EQ(g_sealCatalog.size(), 1u);
    EXPECT_EQ(SheetFolder("M100AA00"), m_program / "印刷情報" / "M100AA00");
}

// Folders are listed by name, byte for byte, whatever order the file system keeps them in.
TEST_F(CatalogTest, ListsSheetsInTheOrderOfTheirFolderNames)
{
    const std::vector<std::string> names = {"M013AA00", "A1", "m000", "L100AA00", "M000AB00", "M000AA00", "Z", "0"};
    for (const std::string& name : names) {
        FormatFixture sheet;
        sheet.code = name;
        AddSheet(name, sheet.Bytes());
    }
    ASSERT_TRUE(LoadFormats(m_program));
    std::vector<std::string> listed;
    for (const CatalogEntry& entry : g_sealCatalog)
        listed.push_back(CodeOf(entry));
    EXPECT_EQ(listed, (std::vector<std::string>{"0", "A1", "L100AA00", "M000AA00", "M000AB00", "M013AA00", "Z", "m000"}));
}

// A format file that is no regular file or is larger than any format is skipped without being
// read (a FIFO would block the start, a huge file cost its size in memory); so is a code that
// could not name a folder.
TEST_F(CatalogTest, SkipsFormatFilesThatCannotBeSheets)
{
    FormatFixture good;
    AddSheet("M100AA00", good.Bytes());
    const fs::path fifoSheet = m_program / "印刷情報" / "FIFO";
    fs::create_directories(fifoSheet);
    ASSERT_EQ(::mkfifo((fifoSheet / "format.tsd").c_str(), 0600), 0);
    std::string padded = good.Bytes();
    padded.resize(kMaxFormatFileBytes + 1, '\n');
    AddSheet("PADDED", padded);
    for (const std::string code : {"../up", "M1-00", "M100AA00\x81\x40"}) {
        FormatFixture bad;
        bad.code = code;
        AddSheet("bad" + std::to_string(code.size()), bad.Bytes());
    }
    ASSERT_TRUE(LoadFormats(m_program));
    ASSERT_EQ(g_sealCatalog.size(), 1u);
    EXPECT_EQ(CodeOf(g_sealCatalog.front()), "M100AA00");
}

}  // namespace
