// A design on a label sheet saved and opened again, with the template still listed and without it.
#include "design/design_file.h"
#include "design/file_messages.h"
#include "format/label_sheet.h"
#include "platform/cp932.h"

#include "design_test_support.h"
#include "../format/label_sheet_fixture.h"

namespace {

// Herma's oval labels on US Letter.
LabelGeometry EllipseLabels()
{
    LabelGeometry s = A4AddressLabels();
    s.brand = "Herma";
    s.part = "8888";
    s.paperId = "US-Letter";
    s.paperWidth = 215.9;
    s.paperHeight = 279.4;
    s.shape = LabelShape::Ellipse;
    s.width = 60;
    s.height = 35;
    s.layouts = {{3, 6, 10, 15, 67, 42}};
    return s;
}

class LabelDesignTest : public DesignFileTest {
protected:
    // The design as saved: the label sheet chosen from the catalog, a text on its fifth label.
    static std::string SavedBytes()
    {
        AppendLabelSheets({EllipseLabels()}, g_sealCatalog);
        g_strCurCode = CodeOf(g_sealCatalog.front());
        UseFormat(g_sealCatalog.front());
        CSealFormat::Orvanel().m_pieces[4].m_strText = cp932::FromUtf8("佐藤\n花子");
        return DesignFileBytes(kKindOrvanel);
    }
};

TEST_F(LabelDesignTest, ReopensOnTheSameTemplateWhenItIsListed)
{
    const std::string bytes = SavedBytes();
    CSealFormat::ResetAll();
    const OpenDesignResult r = OpenDesignBytes(bytes, "label.zvd");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.designKind, kKindOrvanel);
    EXPECT_EQ(r.warning, "");
    const CSealData2& o = CSealFormat::Orvanel();
    ASSERT_TRUE(o.m_label);
    EXPECT_EQ(o.m_label->brand, "Herma");
    EXPECT_EQ(cp932::ToUtf8(o.m_pieces[4].m_strText).rfind("佐藤\n花子", 0), 0u);
}

TEST_F(LabelDesignTest, ReopensFromTheSavedGeometryWhenTheTemplateIsGone)
{
    const std::string bytes = SavedBytes();
    const CSealData2 saved = CSealFormat::Orvanel();
    CSealFormat::ResetAll();
    ClearCatalog();
    const OpenDesignResult r = OpenDesignBytes(bytes, "label.zvd");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.designKind, kKindOrvanel);
    EXPECT_TRUE(r.advance);
    EXPECT_EQ(r.warning, LabelFromFileMessage("8888"));
    const CSealData2& o = CSealFormat::Orvanel();
    EXPECT_FALSE(o.m_label);
    EXPECT_EQ(LabelShapeOf(o), LabelShape::Ellipse);
    ASSERT_TRUE(LabelPaper(o));
    EXPECT_EQ(LabelPaper(o)->width, 21590);
    EXPECT_EQ(LabelPaper(o)->height, 27940);
    ASSERT_EQ(o.m_pieces.size(), saved.m_pieces.size());
    for (std::size_t i = 0; i < o.m_pieces.size(); ++i) {
        EXPECT_EQ(o.m_pieces[i].m_rcPiece, saved.m_pieces[i].m_rcPiece);
        EXPECT_EQ(o.m_pieces[i].m_rcFrame, saved.m_pieces[i].m_rcFrame);
        EXPECT_EQ(o.m_pieces[i].m_rcText, saved.m_pieces[i].m_rcText);
    }
    EXPECT_EQ(o.m_nOutlineRound, saved.m_nOutlineRound);
    EXPECT_EQ(cp932::ToUtf8(o.m_pieces[4].m_strText).rfind("佐藤\n花子", 0), 0u);
    // Saved again, the file is the same bytes: nothing of the label sheet was lost on the way.
    EXPECT_EQ(DesignFileBytes(kKindOrvanel), bytes);
}

}  // namespace
