#include "render/export_sheets.h"
#include "render/print_page.h"

#include "design/seal_format.h"
#include "platform/cp932.h"
#include "render/pool_measurer.h"
#include "text/layout_sheet.h"

#include "ink.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class PrintPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_fontPool.Create(); }
    void SetUp() override
    {
        CSealFormat::ResetAll();
        CSealData2& sheet = CSealFormat::Orvanel();
        sheet.m_nDefaultSize = 140;
        sheet.m_nFramePen = 30;
        SealPiece piece;
        piece.m_rcPiece = Rect{1000, 2000, 5000, 4000};
        piece.m_rcFrame = Rect{1000, 2000, 5000, 4000};
        piece.m_rcText = Rect{1200, 2200, 4800, 3800};
        piece.m_strText = cp932::FromUtf8("見本");
        sheet.m_pieces = {piece};
        FontPoolMeasurer measurer;
        LayoutSheet(measurer, sheet, Look(), LineBreaks::kPlain);
    }
    void TearDown() override { CSealFormat::ResetAll(); }

    static DesignLook Look()
    {
        DesignLook look;
        look.layoutMode = 187;
        return look;
    }

    // The page at 254 dots per inch (0.1 mm per pixel) on a device whose printable area starts
    // at (leftMm, topMm); ink in paper units (0.01 mm), measured from the paper's corner.
    static QRect PrintedInk(double leftMm, double topMm, QPoint offsets)
    {
        QImage device = WhiteSheet(10000, 14800);
        QPainter painter(&device);
        painter.translate(leftMm * 10, topMm * 10);  // where the printable area begins on the paper
        PaintOrvanelPage(painter, PrintDevice{254, leftMm, topMm}, CSealFormat::Orvanel(), Look(), offsets);
        painter.end();
        return InkBounds(device);
    }
};

TEST_F(PrintPageTest, TextLandsAtItsSheetPositionWhateverThePrintableArea)
{
    const QRect plain = PrintedInk(0, 0, QPoint());
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(PrintedInk(4, 5, QPoint()), plain);
    EXPECT_GT(plain.left(), 1200);
    EXPECT_LT(plain.right(), 4800);
}

TEST_F(PrintPageTest, OffsetsMoveTextAndFramesRightAndUp)
{
    CSealFormat::Orvanel().m_bFrame = 1;
    CSealFormat::Orvanel().m_crFrame = 0x000000;
    const QRect plain = PrintedInk(0, 0, QPoint());
    const QRect moved = PrintedInk(0, 0, QPoint(100, 50));
    EXPECT_EQ(moved.left() - plain.left(), 100);
    EXPECT_EQ(moved.top() - plain.top(), -50);
    EXPECT_NEAR(plain.left(), 1000, 30);  // the frame
}

TEST_F(PrintPageTest, PrintsNoOutlinesAndAGreyBoxForOverflow)
{
    CSealFormat::Orvanel().m_pieces[0].m_strText.clear();
    FontPoolMeasurer measurer;
    LayoutSheet(measurer, CSealFormat::Orvanel(), Look(), LineBreaks::kPlain);
    EXPECT_TRUE(PrintedInk(0, 0, QPoint()).isNull());  // frames off, no text: a blank page

    CSealFormat::Orvanel().m_pieces[0].m_bOverflow = -1;
    QImage device = WhiteSheet(10000, 14800);
    QPainter painter(&device);
    PaintOrvanelPage(painter, PrintDevice{254, 0, 0}, CSealFormat::Orvanel(), Look(), QPoint());
    painter.end();
    EXPECT_EQ(device.pixelColor(300, 300), QColor(192, 192, 192));
}

TEST_F(PrintPageTest, ExportWritesAPageOfThePaperSize)
{
    const std::string dir = ::testing::TempDir();
    // The paper canvas at 300 dpi: 592 x 875 pixels at 150 dpi, or 527 x 751 for kind-5 fold-over sheets.
    const struct {
        int kind;
        int zolviKind;
        QSize png;
    } cases[] = {{kKindOrvanel, 0, QSize(1184, 1750)},
                 {kKindZolvi, 4, QSize(1184, 1750)},
                 {kKindZolvi, 2, QSize(1184, 1750)},
                 {kKindZolvi, 5, QSize(1054, 1502)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << ", Zolvi kind " << c.zolviKind);
        CSealFormat::Zolvi().m_nKind = c.zolviKind;
        EXPECT_EQ(ExportSheet(dir + "/velmaro-export.png", c.kind, Look(), QPoint(), LineBreaks::kPlain), "");
        EXPECT_EQ(QImage(QString::fromStdString(dir + "/velmaro-export.png")).size(), c.png);
    }
    EXPECT_EQ(ExportSheet(dir + "/velmaro-export.pdf", kKindOrvanel, Look(), QPoint(), LineBreaks::kPlain), "");
    EXPECT_NE(ExportSheet(dir + "/velmaro-export.bmp", kKindOrvanel, Look(), QPoint(), LineBreaks::kPlain), "");
    EXPECT_NE(ExportSheet(dir + "/velmaro-export.pdf", kKindNone, Look(), QPoint(), LineBreaks::kPlain), "");
}

}  // namespace
