// The printed sheet on paper: bundled designs exported to PDF, and printed through a CUPS queue
// whose printer has hardware margins, each page rasterised at 0.1 mm per pixel and measured.
#include "render/export_sheets.h"
#include "render/print_page.h"

#include "design/design_file.h"
#include "format/load_formats.h"

#include "cups_pdf_queue.h"
#include "page_measure.h"

#include <QDateTime>
#include <QPrinter>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

constexpr double kTolerance = 10;  // 0.1 mm
const char* const kQueue = "VelmaroPDF";

struct BundledDesign {
    const char* file;
    int kind;
};
const BundledDesign kDesigns[] = {{"名札サンプル.zvd", kKindOrvanel}, {"折りシールサンプル.zvd", kKindZolvi}};

const std::vector<SealPiece>& Pieces(int kind)
{
    return kind == kKindZolvi ? CSealFormat::Zolvi().m_pieces : CSealFormat::Orvanel().m_pieces;
}

class PrintedPlacementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_fontPool.Create(); }
    static void TearDownTestSuite() { g_fontPool.Release(); }
    void SetUp() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
        ASSERT_TRUE(LoadFormats(VELMARO_SOURCE_DATA));
    }
    void TearDown() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
    }

    // Opens a bundled design with frames on in black, so that every frame prints and shows.
    static void OpenWithBlackFrames(const BundledDesign& design)
    {
        const OpenDesignResult opened = OpenDesignFile(std::filesystem::path(VELMARO_SOURCE_DATA) / "data" / design.file);
        ASSERT_TRUE(opened.ok) << opened.error;
        ASSERT_EQ(opened.designKind, design.kind);
        if (design.kind == kKindZolvi) {
            CSealFormat::Zolvi().m_bFrame = 1;
            CSealFormat::Zolvi().m_crFrame = 0x000000;
        } else {
            CSealFormat::Orvanel().m_bFrame = 1;
            CSealFormat::Orvanel().m_crFrame = 0x000000;
        }
    }

    // The exported PDF of the open design, rasterised.
    static QImage ExportedPage(int kind, QPoint offsets)
    {
        const std::string pdf = ::testing::TempDir() + "velmaro-placement-" + std::to_string(::getpid()) + ".pdf";
        EXPECT_EQ(ExportSheet(pdf, kind, CurrentLook(), offsets, LineBreaks::kPlain), "");
        std::string error;
        const QImage page = RasterisePdf(pdf, error);
        EXPECT_FALSE(page.isNull()) << error;
        std::filesystem::remove(pdf);
        return page;
    }

    // Every frame measured on `page` where the sheet puts it, moved by (dx, dy) sheet units; the
    // largest error goes to `largest`.
    static std::vector<MeasuredFrame> MeasureFrames(const QImage& page, int kind, int dx, int dy, double& largest)
    {
        std::vector<MeasuredFrame> frames;
        for (const SealPiece& piece : Pieces(kind)) {
            const Rect expected = Moved(piece.m_rcFrame, dx, dy);
            const std::optional<MeasuredFrame> frame = MeasureFrame(page, expected);
            EXPECT_TRUE(frame.has_value()) << "no frame near " << expected.left << ", " << expected.top;
            if (!frame)
                continue;
            largest = std::max(largest, LargestError(*frame, expected));
            frames.push_back(*frame);
        }
        return frames;
    }
};

TEST_F(PrintedPlacementTest, ExportedFramesAndTextLandWhereTheSheetPutsThem)
{
    for (const BundledDesign& design : kDesigns) {
        SCOPED_TRACE(design.file);
        ASSERT_NO_FATAL_FAILURE(OpenWithBlackFrames(design));
        const QImage page = ExportedPage(design.kind, QPoint());
        ASSERT_FALSE(page.isNull());
        // The page is the paper's canvas, to the whole point a PDF page size keeps.
        const QSizeF paper = PaperSizeMm(design.kind == kKindZolvi && CSealFormat::Zolvi().m_nKind == 5) * 10;
        EXPECT_NEAR(page.width(), paper.width(), 2);
        EXPECT_NEAR(page.height(), paper.height(), 2);

        double largest = 0;
        MeasureFrames(page, design.kind, 0, 0, largest);
        EXPECT_LE(largest, kTolerance);
        RecordProperty(std::string("largest_error_mm_") + (design.kind == kKindZolvi ? "zolvi" : "orvanel"),
                       std::to_string(largest / 100));
        for (const SealPiece& piece : Pieces(design.kind)) {
            ASSERT_FALSE(piece.m_bOverflow);  // a grey box would hide the text and the frame's inside
            const QRect ink = InkInside(page, piece.m_rcFrame);
            ASSERT_EQ(ink.isNull(), piece.m_strText.empty()) << "the sticker at " << piece.m_rcText.left << ", "
                                                             << piece.m_rcText.top;
            if (ink.isNull())
                continue;
            EXPECT_GE(ink.left(), piece.m_rcText.left - kTolerance);
            EXPECT_GE(ink.top(), piece.m_rcText.top - kTolerance);
            EXPECT_LE(ink.left() + ink.width(), piece.m_rcText.right + kTolerance);
            EXPECT_LE(ink.top() + ink.height(), piece.m_rcText.bottom + kTolerance);
        }
        CSealFormat::ResetAll();
    }
}

TEST_F(PrintedPlacementTest, OffsetsMoveFramesAndTextByExactlyTheirAmount)
{
    const QPoint offsets[] = {QPoint(100, 0), QPoint(0, 50)};
    for (const BundledDesign& design : kDesigns) {
        SCOPED_TRACE(design.file);
        ASSERT_NO_FATAL_FAILURE(OpenWithBlackFrames(design));
        const QImage plain = ExportedPage(design.kind, QPoint());
        ASSERT_FALSE(plain.isNull());
        double unused = 0;
        const std::vector<MeasuredFrame> plainFrames = MeasureFrames(plain, design.kind, 0, 0, unused);
        for (const QPoint offset : offsets) {
            SCOPED_TRACE(::testing::Message() << "offsets " << offset.x() << ", " << offset.y());
            const int dx = offset.x();
            const int dy = -offset.y();  // dy moves up the paper
            const QImage moved = ExportedPage(design.kind, offset);
            ASSERT_FALSE(moved.isNull());
            const std::vector<MeasuredFrame> movedFrames = MeasureFrames(moved, design.kind, dx, dy, unused);
            ASSERT_EQ(movedFrames.size(), plainFrames.size());
            for (std::size_t i = 0; i < plainFrames.size(); ++i) {
                EXPECT_NEAR(movedFrames[i].left - plainFrames[i].left, dx, 1);
                EXPECT_NEAR(movedFrames[i].right - plainFrames[i].right, dx, 1);
                EXPECT_NEAR(movedFrames[i].top - plainFrames[i].top, dy, 1);
                EXPECT_NEAR(movedFrames[i].bottom - plainFrames[i].bottom, dy, 1);
            }
            for (const SealPiece& piece : Pieces(design.kind)) {
                const QRect before = InkInside(plain, piece.m_rcFrame);
                const QRect after = InkInside(moved, Moved(piece.m_rcFrame, dx, dy));
                EXPECT_EQ(after, before.isNull() ? QRect() : before.translated(dx, dy));
            }
        }
        CSealFormat::ResetAll();
    }
}

TEST_F(PrintedPlacementTest, PrintedThroughCupsOnAPrinterWithMarginsLandsOnThePaperAsExported)
{
    CupsPdfQueue queue;
    if (const std::string why = queue.Open(kQueue, 4, 5); !why.empty())
        GTEST_SKIP() << "no CUPS spooler for the print round trip: " << why;
    const BundledDesign& design = kDesigns[0];
    ASSERT_NO_FATAL_FAILURE(OpenWithBlackFrames(design));
    // Exporting lays the sheet out, as the print page does before it prints.
    const QImage exported = ExportedPage(design.kind, QPoint());
    ASSERT_FALSE(exported.isNull());

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    ASSERT_TRUE(printer.isValid());
    printer.setPageSize(QPageSize(QPageSize::A4));
    const std::string title = "velmaro_spooler_" + std::to_string(::getpid()) + "_" +
                              std::to_string(QDateTime::currentMSecsSinceEpoch());
    printer.setDocName(QString::fromStdString(title));
    const PrintDevice device = PrintDeviceFor(printer.pageLayout(), printer.resolution());
    // The printable area must not begin at the corner, or the margins would go untested.
    ASSERT_GT(device.printableLeftMm, 3.5);
    ASSERT_GT(device.printableTopMm, 4.5);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), CurrentLook(), QPoint());
    ASSERT_TRUE(painter.end());

    const std::filesystem::path pdf = queue.WaitForPdf(title, kSpoolerPatienceMs);
    ASSERT_FALSE(pdf.empty()) << "the queue made no PDF titled " << title << " in time";
    std::string error;
    const QImage printed = RasterisePdf(pdf.string(), error);
    std::filesystem::remove(pdf);
    ASSERT_FALSE(printed.isNull()) << error;

    double largest = 0;
    MeasureFrames(printed, design.kind, 0, 0, largest);
    EXPECT_LE(largest, kTolerance);
    RecordProperty("largest_error_mm_cups", std::to_string(largest / 100));
    for (const SealPiece& piece : Pieces(design.kind)) {
        const QRect onPaper = InkInside(printed, piece.m_rcFrame);
        const QRect onExport = InkInside(exported, piece.m_rcFrame);
        ASSERT_FALSE(onExport.isNull());
        ASSERT_FALSE(onPaper.isNull());
        EXPECT_NEAR(onPaper.left(), onExport.left(), kTolerance);
        EXPECT_NEAR(onPaper.top(), onExport.top(), kTolerance);
        EXPECT_NEAR(onPaper.right(), onExport.right(), kTolerance);
        EXPECT_NEAR(onPaper.bottom(), onExport.bottom(), kTolerance);
    }
}

}  // namespace
