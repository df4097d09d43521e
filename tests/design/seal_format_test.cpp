#include "design/seal_format.h"

#include <gtest/gtest.h>

namespace {

CSealData2 OrvanelSheet()
{
    CSealData2 r;
    r.m_strCode = "M100AA00";
    r.m_nCols = 2;
    r.m_nRows = 1;
    r.m_pieces.resize(2);
    r.m_pieces[0].m_rcPiece = Rect{0, 0, 100, 50};
    return r;
}

class DesignStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSealFormat::ResetAll();
        g_sealCatalog = {OrvanelSheet()};
    }
    void TearDown() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
    }
};

TEST_F(DesignStateTest, CatalogEntryAndCurrentRecordStayIndependent)
{
    UseFormat(g_sealCatalog[0]);
    CSealFormat::Orvanel().m_pieces[0].m_strText = "edited";
    CSealFormat::Orvanel().m_pieces[0].m_rcPiece.left = 77;
    EXPECT_EQ(AsOrvanel(g_sealCatalog[0]).m_pieces[0].m_strText, "");

    UseFormat(g_sealCatalog[0]);
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_strText, "");
    EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_rcPiece.left, 0);
}

TEST_F(DesignStateTest, ResetDesignGivesTheSameCleanDesignEveryTime)
{
    UseFormat(g_sealCatalog[0]);
    CSealData2& r = CSealFormat::Orvanel();
    r.m_bFrame = 1;
    r.m_crFrame = 0x0000FF;
    SealPiece& p = r.m_pieces[1];
    p.m_strText = "x";
    p.m_nSize = 120;
    p.m_nTextColour = 105;
    p.m_crFrame = 0xFF0000;
    p.m_nAlignH = 1;
    p.m_lines = {"x"};
    p.m_bOverflow = 1;
    CSealFormat::s_nTextColour = 110;
    CSealFormat::s_bBold = 1;
    CSealFormat::s_nJapaneseFace = 2;
    CSealFormat::s_nLatinFace = 3;
    CSealFormat::s_bLatinFace = 1;
    CSealFormat::s_nLayoutMode = 187;
    CSealFormat::OtherFace() = "IPAexGothic";
    EXPECT_TRUE(r.HasAnyText());

    CSealFormat::ResetDesign();
    EXPECT_EQ(r.m_bFrame, 0);
    EXPECT_EQ(r.m_crFrame, 0xFFFFFFu);
    EXPECT_EQ(p.m_strText, "");
    EXPECT_EQ(p.m_nSize, -1);
    EXPECT_EQ(p.m_nTextColour, kNoTextColour);
    EXPECT_EQ(p.m_crFrame, kNoFrameColour);
    EXPECT_EQ(p.m_nAlignH, 0);
    EXPECT_TRUE(p.m_lines.empty());
    EXPECT_EQ(p.m_bOverflow, 0);
    EXPECT_EQ(p.m_rcPiece, Rect{});  // rectangles stay
    EXPECT_FALSE(r.HasAnyText());
    EXPECT_EQ(CSealFormat::s_nTextColour, 102);
    EXPECT_EQ(CSealFormat::s_bBold, 0);
    EXPECT_EQ(CSealFormat::s_nJapaneseFace, 0);
    EXPECT_EQ(CSealFormat::s_nLatinFace, 1);
    EXPECT_EQ(CSealFormat::s_bLatinFace, 0);
    EXPECT_EQ(CSealFormat::s_nLayoutMode, 187);  // left to the selection page
    EXPECT_EQ(CSealFormat::OtherFace(), "");
}

TEST_F(DesignStateTest, SettingsDefaultsAndModifiedFlagPerKind)
{
    for (int* setting : DesignSettings())
        *setting = -5;
    CSealFormat::ResetSettings();
    const std::array<int, 9> defaults = {137, 161, 144, 102, 0, 0, 1, 0, 152};
    for (std::size_t i = 0; i < defaults.size(); ++i)
        EXPECT_EQ(*DesignSettings()[i], defaults[i]) << i;

    CSealFormat::Zolvi().m_bModified = 1;
    EXPECT_TRUE(CSealFormat::IsModified(kKindZolvi));
    EXPECT_FALSE(CSealFormat::IsModified(kKindOrvanel));
    EXPECT_FALSE(CSealFormat::IsModified(kKindNone));
}

TEST(TextColours, IdsAndValuesMapBothWays)
{
    EXPECT_EQ(TextColourValue(102), 0x000000);
    EXPECT_EQ(TextColourValue(103), 0x0000ff);
    EXPECT_EQ(TextColourValue(118), 0xfffffe);
    EXPECT_EQ(TextColourValue(119), -1);
    EXPECT_EQ(TextColourId(0xbb0000), 117);
    EXPECT_EQ(TextColourId(0x123456), kNoTextColour);
    for (int id = 102; id <= 118; ++id)
        EXPECT_EQ(TextColourId(static_cast<unsigned long>(TextColourValue(id))), id);
}

TEST(LegacyTable, HoldsSixteenTwoSidedStickersWithUnsetValues)
{
    const CSealData& table = CSealFormat::Legacy();
    EXPECT_EQ(table.m_entries.size(), 32u);
    EXPECT_EQ(table.m_entries[5].m_nTextColour, kNoTextColour);
    EXPECT_EQ(table.m_entries[5].m_nSize, -1);
}

}  // namespace
