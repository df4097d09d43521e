// Printing a design of several sheets from the print page: a page a sheet with each sheet's texts
// on its own page, into a PDF file and through a CUPS queue; a range of sheets; the refusal that
// names the sheet and the sticker whose text does not fit.
#include "pages2_fixture.h"

#include "controls/font_button.h"
#include "design/design_sheets.h"
#include "pages/design_commands.h"
#include "pages/sheet_navigation.h"
#include "platform/cp932.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include "cups_pdf_queue.h"
#include "page_measure.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include <unistd.h>

namespace {

const char kOrvanelSheet[] = "M100AA00";
const char kQueue[] = "VelmaroSheetsPDF";
// Sheet k has texts in its first k + 1 of these stickers, so that its page shows whose it is in
// its ink too (a CUPS filter may lose what the glyphs stand for).
const int kTextStickers[] = {0, 3, 6};
const char* const kSheetTexts[][3] = {{"Alpha"}, {"Bravo", "Bronze"}, {"Charlie", "Cobalt", "Crimson"}};

// The text pdftotext finds on page `page` (1-based) of `pdf`.
QString PageText(const std::filesystem::path& pdf, int page)
{
    QProcess process;
    const QString number = QString::number(page);
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-f"), number, QStringLiteral("-l"), number, QString::fromStdString(pdf.string()),
                   QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("(pdftotext failed: %1)").arg(QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const std::filesystem::path& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

class PrintSheetsTest : public TextPrintTest {
protected:
    SheetNavigation* Bar() const { return TextPage()->Sheets(); }
    // Three sheets, two stickers with text on each, and the print page shown.
    void ThreeSheetsOnThePrintPage()
    {
        GoToTextPage(kOrvanelSheet);
        ASSERT_GT(Design().pieces.size(), 6u);
        for (int sheet = 0; sheet < 3; ++sheet) {
            if (sheet > 0)
                ClickControl(Bar()->AddButton());
            for (int i = 0; i <= sheet; ++i) {
                ClickMapSticker(kTextStickers[i]);
                Commit(TextPage()->Edit(), QString::fromUtf8(kSheetTexts[sheet][i]));
            }
        }
        ClickControl(Bar()->PreviousButton());  // the print leaves the shown sheet shown
        PressNext();
        ASSERT_EQ(ActiveId(), kIddOrvanelPrint);
    }
    // Presses Print and answers the print dialog, first doing `choose` to its printer.
    void Print(std::function<void(QPrinter&)> choose = {})
    {
        auto print = ActOnNextModal([choose](QDialog& dialog) {
            auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
            ASSERT_NE(printDialog, nullptr);
            if (choose)
                choose(*printDialog->printer());
            dialog.done(QDialog::Accepted);
        });
        ClickPageControl(ActiveId(), kIdcPrint);
        Reactivate();
        EXPECT_TRUE(print->seen);
    }
    std::filesystem::path PrintToPdf(std::function<void(QPrinter&)> choose = {})
    {
        const std::filesystem::path pdf = m_folder.path() / "sheets.pdf";
        Wizard()->KeptPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
        Print(std::move(choose));
        return pdf;
    }
    void ExpectSheetsOnPages(const std::filesystem::path& pdf, int firstSheet, int lastSheet)
    {
        ASSERT_EQ(PageCount(pdf), lastSheet - firstSheet + 1);
        for (int sheet = firstSheet; sheet <= lastSheet; ++sheet) {
            const QString text = PageText(pdf, sheet - firstSheet + 1);
            for (int other = 0; other < 3; ++other)
                for (int i = 0; i <= other; ++i)
                    EXPECT_EQ(text.contains(QString::fromUtf8(kSheetTexts[other][i])), other == sheet)
                        << kSheetTexts[other][i] << " on the page of sheet " << sheet + 1 << ":\n"
                        << text.toStdString();
        }
    }
    // Ink in the stickers of sheet k's texts and in no other, on page k - firstSheet + 1.
    void ExpectSheetInkOnPages(const std::filesystem::path& pdf, int pages)
    {
        ASSERT_EQ(PageCount(pdf), pages);
        for (int sheet = 0; sheet < pages; ++sheet) {
            std::string error;
            const QImage page = RasterisePdf(pdf.string(), error, sheet + 1);
            ASSERT_FALSE(page.isNull()) << error;
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(InkInside(page, Piece(kTextStickers[i]).m_rcFrame).isNull(), i > sheet)
                    << "sticker " << kTextStickers[i] + 1 << " on the page of sheet " << sheet + 1;
        }
    }
};

}  // namespace

TEST_F(PrintSheetsTest, EverySheetOnAPageOfItsOwn)
{
    ThreeSheetsOnThePrintPage();
    const std::filesystem::path pdf = PrintToPdf();
    ExpectSheetsOnPages(pdf, 0, 2);
    ExpectSheetInkOnPages(pdf, 3);
    EXPECT_EQ(ShownSheet(kKindOrvanel), 1) << "the shown sheet stays shown";
    EXPECT_EQ(cp932::ToUtf8(Piece(0).m_strText), "Bravo");
    EXPECT_FALSE(Piece(0).m_lines.empty()) << "and laid out";
}

TEST_F(PrintSheetsTest, ARangeOfSheetsFromThePrintDialog)
{
    ThreeSheetsOnThePrintPage();
    const std::filesystem::path pdf = PrintToPdf([](QPrinter& printer) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
    });
    ExpectSheetsOnPages(pdf, 1, 2);
    // Pages apart: sheets 1 and 3 only.
    const std::filesystem::path apart = PrintToPdf([](QPrinter& printer) {
        printer.setPrintRange(QPrinter::PageRange);
        QPageRanges ranges;
        ranges.addPage(1);
        ranges.addPage(3);
        printer.setPageRanges(ranges);
    });
    ASSERT_EQ(PageCount(apart), 2);
    EXPECT_TRUE(PageText(apart, 1).contains(QStringLiteral("Alpha")));
    EXPECT_TRUE(PageText(apart, 2).contains(QStringLiteral("Crimson")));
    EXPECT_FALSE(PageText(apart, 2).contains(QStringLiteral("Bravo")));
}

TEST_F(PrintSheetsTest, ATextThatDoesNotFitOnAnotherSheetIsNamedAndNothingIsPrinted)
{
    ThreeSheetsOnThePrintPage();
    std::vector<PieceDesign> third = SheetDesign(kKindOrvanel, 2);
    third[6].text = cp932::FromUtf8(std::string(990, 'W'));
    StoreSheetDesign(kKindOrvanel, 2, third);
    const std::filesystem::path pdf = m_folder.path() / "refused.pdf";
    Wizard()->KeptPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
    std::unique_ptr<ModalAnswer> message;
    auto print = ActOnNextModal([&message](QDialog& dialog) {
        message = AnswerNextModal(QMessageBox::Ok);  // the message that follows the print dialog
        dialog.done(QDialog::Accepted);
    });
    ClickPageControl(ActiveId(), kIdcPrint);
    Reactivate();
    EXPECT_TRUE(print->seen);
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->seen);
    EXPECT_TRUE(message->text.contains(QStringLiteral("シート3のシール7"))) << message->text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(ShownSheet(kKindOrvanel), 1);
}

TEST_F(PrintSheetsTest, EverySheetThroughACupsQueue)
{
    ThreeSheetsOnThePrintPage();
    CupsPdfQueue queue;
    if (const std::string why = queue.Open(kQueue, 4, 5); !why.empty())
        GTEST_SKIP() << why;
    QPrinter& printer = Wizard()->KeptPrinter();
    printer.setOutputFileName(QString());
    printer.setPrinterName(QString::fromLatin1(kQueue));
    printer.setPageSize(QPageSize(QPageSize::A4));
    Wizard()->m_bOwnPaper = true;
    const std::string title =
        "velmaro_sheets_" + std::to_string(::getpid()) + "_" + std::to_string(QDateTime::currentMSecsSinceEpoch());
    // The job is named after the design file.
    CurrentDesignFile() = m_folder.path() / (title + ".zvd");
    Print();
    CurrentDesignFile().clear();
    const std::filesystem::path pdf = queue.WaitForPdf(title, kSpoolerPatienceMs);
    ASSERT_FALSE(pdf.empty()) << "the queue made no PDF titled " << title;
    ExpectSheetInkOnPages(pdf, 3);
    std::filesystem::remove(pdf);
}
