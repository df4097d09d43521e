// Label sheets on their own paper: an A4 sheet of rectangles and one of round labels exported to
// PDF at four print offsets, each frame measured on the rasterised page.
#include "render/export_sheets.h"

#include "design/seal_format.h"
#include "format/label_sheet.h"
#include "platform/cp932.h"

#include "ink.h"
#include "page_measure.h"
#include "../format/label_sheet_fixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace {

constexpr double kTolerance = 10;  // 0.1 mm
constexpr int kHalfPen = 10;       // frames are drawn 0.2 mm wide about their line

LabelGeometry A4Sheet(LabelShape shape)
{
    return shape == LabelShape::Round ? A4RoundLabels() : A4AddressLabels();
}

class LabelSheetPlacementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_fontPool.Create(); }
    static void TearDownTestSuite() { g_fontPool.Release(); }
    void SetUp() override { CSealFormat::ResetAll(); }
    void TearDown() override { CSealFormat::ResetAll(); }

    static void UseSheet(LabelShape shape)
    {
        LabelSheetResult made = MakeLabelSheet(A4Sheet(shape));
        ASSERT_EQ(made.error, LabelSheetError::None);
        CSealFormat::Orvanel() = std::move(made.record);
        CSealFormat::Orvanel().m_bFrame = 1;
        CSealFormat::Orvanel().m_crFrame = 0x000000;
        CSealFormat::Orvanel().m_pieces[0].m_strText = cp932::FromUtf8("山田");
    }

    static QImage Exported(QPoint offsets)
    {
        const std::string pdf = ::testing::TempDir() + "velmaro-label-" + std::to_string(::getpid()) + ".pdf";
        EXPECT_EQ(ExportSheet(pdf, kKindOrvanel, CurrentLook(), offsets, LineBreaks::kPlain), "");
        std::string error;
        const QImage page = RasterisePdf(pdf, error);
        EXPECT_FALSE(page.isNull()) << error;
        std::filesystem::remove(pdf);
        return page;
    }
};

const QPoint kOffsets[] = {QPoint(0, 0), QPoint(100, 0), QPoint(0, 50), QPoint(-70, -35)};

TEST_F(LabelSheetPlacementTest, RectangleFramesLandWithinATenthOfAMillimetreOnA4)
{
    ASSERT_NO_FATAL_FAILURE(UseSheet(LabelShape::Rectangle));
    for (const QPoint offset : kOffsets) {
        SCOPED_TRACE(::testing::Message() << "offsets " << offset.x() << ", " << offset.y());
        const QImage page = Exported(offset);
        ASSERT_FALSE(page.isNull());
        EXPECT_NEAR(page.width(), 2100, 2);
        EXPECT_NEAR(page.height(), 2970, 2);
        double largest = 0;
        for (const SealPiece& piece : CSealFormat::Orvanel().m_pieces) {
            const Rect expected = Moved(piece.m_rcFrame, offset.x(), -offset.y());
            const std::optional<MeasuredFrame> frame = MeasureFrame(page, expected);
            ASSERT_TRUE(frame) << "no frame near " << expected.left << ", " << expected.top;
            largest = std::max(largest, LargestError(*frame, expected));
        }
        EXPECT_LE(largest, kTolerance);
        // The text stays in its area: the ink between it and the frame is the frame's alone.
        const Rect text = Moved(CSealFormat::Orvanel().m_pieces[0].m_rcText, offset.x(), -offset.y());
        const int margin = 100;
        const QRect around((text.left - margin) / kUnitsPerPixel, (text.top - margin) / kUnitsPerPixel,
                           (text.right - text.left + 2 * margin) / kUnitsPerPixel,
                           (text.bottom - text.top + 2 * margin) / kUnitsPerPixel);
        const QRect ink = InkBounds(page, around);
        ASSERT_FALSE(ink.isNull());
        EXPECT_GE(ink.left(), text.left - kTolerance);
        EXPECT_LE(ink.right(), text.right + kTolerance);
        EXPECT_GE(ink.top(), text.top - kTolerance);
        EXPECT_LE(ink.bottom(), text.bottom + kTolerance);
    }
}

TEST_F(LabelSheetPlacementTest, RoundFramesAreCirclesWhereTheLabelsAre)
{
    ASSERT_NO_FATAL_FAILURE(UseSheet(LabelShape::Round));
    for (const QPoint offset : kOffsets) {
        SCOPED_TRACE(::testing::Message() << "offsets " << offset.x() << ", " << offset.y());
        const QImage page = Exported(offset);
        ASSERT_FALSE(page.isNull());
        for (const SealPiece& piece : CSealFormat::Orvanel().m_pieces) {
            const Rect frame = Moved(piece.m_rcFrame, offset.x(), -offset.y());
            const Rect outline = Moved(piece.m_rcPiece, offset.x(), -offset.y());
            const QRect area(outline.left / kUnitsPerPixel, outline.top / kUnitsPerPixel,
                             (outline.right - outline.left) / kUnitsPerPixel,
                             (outline.bottom - outline.top) / kUnitsPerPixel);
            const QRect ink = InkBounds(page, area);
            ASSERT_FALSE(ink.isNull());
            EXPECT_NEAR(ink.left(), frame.left - kHalfPen, kTolerance);
            EXPECT_NEAR(ink.top(), frame.top - kHalfPen, kTolerance);
            EXPECT_NEAR(ink.right(), frame.right + kHalfPen, kTolerance + kUnitsPerPixel);
            EXPECT_NEAR(ink.bottom(), frame.bottom + kHalfPen, kTolerance + kUnitsPerPixel);
            // A circle leaves the corners of its square blank.
            const int inset = (frame.right - frame.left) / 10;
            EXPECT_TRUE(InkBounds(page, QRect(frame.left / kUnitsPerPixel + 1, frame.top / kUnitsPerPixel + 1,
                                              inset / kUnitsPerPixel, inset / kUnitsPerPixel))
                            .isNull());
        }
    }
}

}  // namespace
