#include "format/label_sheet.h"

#include "design/design_record.h"
#include "format/catalog.h"
#include "platform/cp932.h"

#include "label_sheet_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(LabelSheetTest, RectangleSheetPlacesEveryLabelToTheHundredthOfAMillimetre)
{
    const LabelSheetResult made = MakeLabelSheet(A4AddressLabels());
    ASSERT_EQ(made.error, LabelSheetError::None);
    const CSealData2& r = made.record;
    EXPECT_EQ(r.m_strCode, "AveryL7163");
    EXPECT_EQ(r.m_strFindCode, "L7163");
    EXPECT_EQ(cp932::ToUtf8(r.m_strPieceSize), "99.1×38.1mm");
    EXPECT_EQ(r.m_nCols, 2);
    EXPECT_EQ(r.m_nRows, 7);
    ASSERT_EQ(r.m_pieces.size(), 14u);
    // Rounded once per label from the template's millimetres, so the last row has not drifted.
    EXPECT_EQ(r.m_pieces[0].m_rcPiece, (Rect{465, 1515, 465 + 9910, 1515 + 3810}));
    EXPECT_EQ(r.m_pieces[13].m_rcPiece, (Rect{10625, 24375, 10625 + 9910, 24375 + 3810}));
    EXPECT_EQ(r.m_nOutlineRound, 500);
    EXPECT_TRUE(IsLabelSheet(r));
    EXPECT_EQ(LabelShapeOf(r), LabelShape::Rectangle);
    const std::optional<PaperExtent> paper = LabelPaper(r);
    ASSERT_TRUE(paper);
    EXPECT_EQ(paper->width, 21000);
    EXPECT_EQ(paper->height, 29700);
    // Frames and text areas inside the label, the click area up to half the gap beside it.
    const SealPiece& first = r.m_pieces[0];
    EXPECT_GT(first.m_rcFrame.left, first.m_rcPiece.left);
    EXPECT_GT(first.m_rcText.left, first.m_rcFrame.left);
    EXPECT_LT(first.m_rcText.bottom, first.m_rcFrame.bottom);
    EXPECT_EQ(r.HorizontalGap(), 250);
    EXPECT_EQ(first.m_rcHit.right, first.m_rcPiece.right + 125);
    // A label wider than the preview canvas is shown smaller, not cut off.
    EXPECT_EQ(r.m_nPreviewScale, -1);
    EXPECT_GE(r.m_nDefaultSize, 100);
}

TEST(LabelSheetTest, RoundLabelGetsRoundOutlineFrameAndInscribedTextArea)
{
    const LabelSheetResult made = MakeLabelSheet(A4RoundLabels());
    ASSERT_EQ(made.error, LabelSheetError::None);
    const CSealData2& r = made.record;
    EXPECT_EQ(r.m_strCode, "HisagoOP3003");
    EXPECT_EQ(r.m_strFindCode, "OP3003");
    EXPECT_EQ(cp932::ToUtf8(r.m_strPieceSize), "直径40mm");
    EXPECT_EQ(LabelShapeOf(r), LabelShape::Round);
    const SealPiece& p = r.m_pieces[0];
    EXPECT_EQ(r.m_nOutlineRound, 4000);
    EXPECT_EQ(r.m_nFrameRound, p.m_rcFrame.right - p.m_rcFrame.left);
    // The text area's corners lie inside the frame's circle.
    const double cx = (p.m_rcFrame.left + p.m_rcFrame.right) / 2.0, cy = (p.m_rcFrame.top + p.m_rcFrame.bottom) / 2.0;
    const double radius = (p.m_rcFrame.right - p.m_rcFrame.left) / 2.0;
    EXPECT_LE(std::hypot(p.m_rcText.left - cx, p.m_rcText.top - cy), radius);
    EXPECT_GT(std::hypot(p.m_rcText.left - cx, p.m_rcText.top - cy), radius * 0.97);
    EXPECT_GT(r.m_nPreviewScale, 0);
}

TEST(LabelSheetTest, SeveralLayoutsFollowEachOtherInOneRow)
{
    LabelGeometry s = A4AddressLabels();
    s.layouts = {{2, 1, 10, 10, 100, 0}, {3, 2, 10, 60, 60, 50}};
    const LabelSheetResult made = MakeLabelSheet(s);
    ASSERT_EQ(made.error, LabelSheetError::None);
    EXPECT_EQ(made.record.m_nCols, 8);
    EXPECT_EQ(made.record.m_nRows, 1);
    ASSERT_EQ(made.record.m_pieces.size(), 8u);
    EXPECT_EQ(made.record.m_pieces[2].m_rcPiece.left, 1000);
    EXPECT_EQ(made.record.m_pieces[2].m_rcPiece.top, 6000);
    EXPECT_EQ(made.record.m_pieces[7].m_rcPiece.top, 11000);
}

TEST(LabelSheetTest, UnusableGeometryMakesNoSheet)
{
    struct Case {
        const char* what;
        void (*change)(LabelGeometry&);
        LabelSheetError error;
    };
    const Case cases[] = {
        {"no layout", [](LabelGeometry& s) { s.layouts.clear(); }, LabelSheetError::NoLabels},
        {"empty layout", [](LabelGeometry& s) { s.layouts[0].nx = 0; }, LabelSheetError::NoLabels},
        {"beyond 4096 labels", [](LabelGeometry& s) { s.layouts[0] = {65, 64, 0, 0, 1, 1}; }, LabelSheetError::TooManyLabels},
        {"zero width", [](LabelGeometry& s) { s.width = 0; }, LabelSheetError::BadGeometry},
        {"negative corner", [](LabelGeometry& s) { s.round = -1; }, LabelSheetError::BadGeometry},
        {"no paper", [](LabelGeometry& s) { s.paperHeight = 0; }, LabelSheetError::BadGeometry},
        {"not a number", [](LabelGeometry& s) { s.layouts[0].dx = std::numeric_limits<double>::quiet_NaN(); }, LabelSheetError::BadGeometry},
        {"far off the paper", [](LabelGeometry& s) { s.layouts[0].x0 = 1e12; }, LabelSheetError::BadGeometry},
    };
    for (const Case& c : cases) {
        LabelGeometry s = A4AddressLabels();
        c.change(s);
        EXPECT_EQ(MakeLabelSheet(s).error, c.error) << c.what;
    }
}

TEST(LabelSheetTest, MakersSheetsKeepTheirPaperByKind)
{
    CSealData2 maker;
    maker.m_nMetric[6] = 10000;
    maker.m_nMetric[7] = 14800;
    EXPECT_FALSE(IsLabelSheet(maker));
    EXPECT_FALSE(LabelPaper(maker));
    // A design file could bring an absurd paper: the sheet then prints on its kind's paper.
    CSealData2 label = MakeLabelSheet(A4AddressLabels()).record;
    label.m_nMetric[7] = -5;
    EXPECT_FALSE(LabelPaper(label));
}

TEST(LabelSheetTest, CatalogGetsOneEntryPerUsableSheetWithUniqueCodes)
{
    SealCatalog catalog;
    CSealData2 maker;
    maker.m_strCode = "AveryL7163";
    catalog.emplace_back(maker);
    LabelGeometry bad = A4AddressLabels();
    bad.layouts.clear();
    LabelGeometry dashed = A4AddressLabels();
    dashed.part = "L71-63";
    EXPECT_EQ(AppendLabelSheets({A4AddressLabels(), bad, dashed, A4RoundLabels()}, catalog), 1);
    ASSERT_EQ(catalog.size(), 4u);
    EXPECT_EQ(CodeOf(catalog[1]), "AveryL7163x2");
    EXPECT_EQ(CodeOf(catalog[2]), "AveryL7163x3");
    EXPECT_EQ(CodeOf(catalog[3]), "HisagoOP3003");
    ASSERT_TRUE(AsOrvanel(catalog[2]).m_label);
    EXPECT_EQ(AsOrvanel(catalog[2]).m_label->part, "L71-63");
    for (const CatalogEntry& entry : catalog)
        EXPECT_TRUE(IsSheetCode(CodeOf(entry)));
    // A name of Japanese letters alone still makes a code, always the same one.
    const std::string own = LabelSheetCode("自作", "私のシール");
    EXPECT_TRUE(IsSheetCode(own)) << own;
    EXPECT_EQ(own, LabelSheetCode("自作", "私のシール"));
    EXPECT_NE(own, LabelSheetCode("自作", "私のラベル"));
}

TEST(LabelSheetTest, DesignFileKeepsWhatMakesItALabelSheet)
{
    const CSealData2 sheet = MakeLabelSheet(A4RoundLabels()).record;
    std::string bytes;
    WriteDesign(sheet, bytes);
    CSealData2 read;
    std::size_t pos = 0;
    ASSERT_TRUE(ReadDesign(bytes, pos, read, true));
    EXPECT_TRUE(IsLabelSheet(read));
    EXPECT_EQ(LabelShapeOf(read), LabelShape::Round);
    ASSERT_TRUE(LabelPaper(read));
    EXPECT_EQ(LabelPaper(read)->height, 29700);
    EXPECT_EQ(read.m_pieces.size(), sheet.m_pieces.size());
    EXPECT_EQ(read.m_pieces[5].m_rcPiece, sheet.m_pieces[5].m_rcPiece);
}

}  // namespace
