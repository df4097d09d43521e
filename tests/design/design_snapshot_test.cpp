#include "design/design_snapshot.h"

#include <gtest/gtest.h>

namespace {

class DesignSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSealFormat::ResetAll();
        CSealFormat::Zolvi().m_pieces.resize(40);
        m_base = TakeSnapshot(kKindZolvi);
    }
    void TearDown() override
    {
        CSealFormat::ResetAll();
        g_printOffsets = {};
    }
    static SealPiece& Piece(int index) { return CSealFormat::Zolvi().m_pieces[static_cast<std::size_t>(index)]; }

    DesignSnapshot m_base;
};

TEST_F(DesignSnapshotTest, AChangeKeepsOnlyTheStickersAndLookItChanged)
{
    EXPECT_TRUE(TakeChange(m_base).Empty());
    Piece(7).m_strText = "seven";
    Piece(30).m_nSize = 120;
    const DesignChange change = TakeChange(m_base);
    ASSERT_EQ(change.pieces.size(), 2u);
    EXPECT_EQ(change.pieces[0].index, 7);
    EXPECT_EQ(change.pieces[0].before.text, "");
    EXPECT_EQ(change.pieces[0].after.text, "seven");
    EXPECT_EQ(change.pieces[1].after.size, 120);
    EXPECT_FALSE(change.look);
    EXPECT_TRUE(TakeChange(m_base).Empty()) << "the base follows the design";

    CSealFormat::s_bBold = 1;
    g_printOffsets.dx = 50;
    const DesignChange look = TakeChange(m_base);
    ASSERT_TRUE(look.look);
    EXPECT_TRUE(look.pieces.empty());
    EXPECT_EQ(look.look->before.offsets.dx, 0);
    EXPECT_EQ(look.look->after.settings, CurrentSettings());
}

TEST_F(DesignSnapshotTest, ApplyingPutsTheDesignAndTheBaseBackAndForth)
{
    Piece(3).m_strText = "three";
    Piece(3).m_nAlignH = 1;
    CSealFormat::Zolvi().m_bFrame = 1;
    CSealFormat::OtherFace() = "face";
    const DesignChange change = TakeChange(m_base);
    ApplyBefore(change, m_base);
    EXPECT_EQ(Piece(3).m_strText, "");
    EXPECT_EQ(Piece(3).m_nAlignH, 0);
    EXPECT_EQ(CSealFormat::Zolvi().m_bFrame, 0);
    EXPECT_EQ(CSealFormat::OtherFace(), "");
    EXPECT_TRUE(TakeChange(m_base).Empty());
    ApplyAfter(change, m_base);
    EXPECT_EQ(Piece(3).m_strText, "three");
    EXPECT_EQ(CSealFormat::OtherFace(), "face");
    EXPECT_TRUE(TakeChange(m_base).Empty());
}

// Merged steps go from the first one's before to the last one's after, stickers kept in order.
TEST_F(DesignSnapshotTest, MergingJoinsTwoChangesIntoOne)
{
    Piece(5).m_strText = "a";
    DesignChange first = TakeChange(m_base);
    Piece(5).m_strText = "ab";
    Piece(2).m_nSize = 90;
    CSealFormat::s_nLayoutMode = 145;
    MergeChange(first, TakeChange(m_base));
    ASSERT_EQ(first.pieces.size(), 2u);
    EXPECT_EQ(first.pieces[0].index, 2);
    EXPECT_EQ(first.pieces[1].index, 5);
    EXPECT_EQ(first.pieces[1].before.text, "");
    EXPECT_EQ(first.pieces[1].after.text, "ab");
    ASSERT_TRUE(first.look);
    ApplyBefore(first, m_base);
    EXPECT_EQ(Piece(5).m_strText, "");
    EXPECT_EQ(Piece(2).m_nSize, -1);
    EXPECT_NE(CSealFormat::s_nLayoutMode, 145);
}

// A later change that takes back what the earlier one did leaves nothing of it.
TEST_F(DesignSnapshotTest, MergingAChangeTakenBackLeavesOnlyWhatStillDiffers)
{
    const int layout = CSealFormat::s_nLayoutMode;
    Piece(2).m_nSize = 140;
    Piece(4).m_strText = "x";
    CSealFormat::s_nLayoutMode = 145;
    DesignChange change = TakeChange(m_base);
    Piece(2).m_nSize = -1;
    CSealFormat::s_nLayoutMode = layout;
    MergeChange(change, TakeChange(m_base));
    EXPECT_FALSE(change.look);
    ASSERT_EQ(change.pieces.size(), 1u);
    EXPECT_EQ(change.pieces[0].index, 4);

    Piece(4).m_strText = "";
    MergeChange(change, TakeChange(m_base));
    EXPECT_TRUE(change.Empty());
}

}  // namespace
