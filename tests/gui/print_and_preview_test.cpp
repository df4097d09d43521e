// The print page's spin control, the whole-sheet preview windows and printing through the dialog.
#include "controls/layout_font_static.h"
#include "controls/num_spin_ctrl.h"
#include "design/seal_format.h"
#include "format/load_formats.h"
#include "pages/design_commands.h"
#include "pages/preview_windows.h"
#include "pages/print_sheet.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "wizard_fixture.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>

#include <fstream>
#include <optional>
#include <gtest/gtest.h>

namespace {

TEST(SpinValueText, DecimalsTrimAndExponent)
{
    struct Case {
        double value;
        int decimals;
        bool trim;
        const char* text;
    };
    const Case cases[] = {{0, 1, false, "0.0"},   {0.5, 1, false, "0.5"},     {-5, 1, false, "-5.0"},
                          {1.5, 2, true, "1.5"},  {2, 2, true, "2"},          {1e20, 2, true, "1e+20"},
                          {1e20, 2, false, "1.00e+20"}, {0.25, -1, false, "0.25"}, {1.5, 1, true, "1.5"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatSpinValue(c.value, c.decimals, c.trim, ""), c.text) << c.value;
    EXPECT_EQ(FormatSpinValue(3, 1, false, "%.3f mm"), "3.000 mm");
}

TEST(NumSpin, RangeStepsAndLimits)
{
    QLineEdit buddy;
    CNumSpinCtrl spin;
    spin.SetBuddy(&buddy);
    spin.SetDecimals(1);
    spin.SetTrimTrailingZeros(false);
    spin.SetRange(-5.0, 5.0, 0.1);
    EXPECT_EQ(spin.Positions(), 100);
    spin.SetValue(4.95);
    spin.Step(1);
    EXPECT_EQ(buddy.text(), "5.0");
    spin.Step(1);  // at the maximum without wrapping: stays
    EXPECT_EQ(buddy.text(), "5.0");
    spin.SetWrap(true);
    spin.Step(1);
    EXPECT_EQ(buddy.text(), "-5.0");
    spin.Step(-1);
    EXPECT_EQ(buddy.text(), "5.0");
    spin.SetValue(0.0);
    spin.Step(-1);
    EXPECT_EQ(buddy.text(), "-0.1");
    EXPECT_EQ(spin.Position(), 49);

    CNumSpinCtrl wide;
    wide.SetRange(0, 1e6, 1);
    EXPECT_EQ(wide.Positions(), 32767);
    EXPECT_EQ(wide.GetValue(), 0.0);  // no buddy
    wide.SetValue(3);                  // writes nowhere, and does not fail
}

class PreviewAndPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CopyBundledData(m_folder.path());
        ClearCatalog();
        ASSERT_TRUE(LoadFormats(m_folder.path()));
        CSealFormat::ResetAll();
        UseFormat(*FindFormat("M100AA00"));
        CSealFormat::s_nLayoutMode = 187;
        CSealFormat::Orvanel().m_pieces[0].m_strText = cp932::FromUtf8("見本");
        g_fontPool.Create();
    }
    void TearDown() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
    }

    TempFolder m_folder;
};

TEST_F(PreviewAndPrintTest, PreviewWindowLaysOutOnOpenAndDropsTheLayoutOnClose)
{
    QWidget page;
    auto* preview = new CModelessPreview400Dlg(&page);
    EXPECT_FALSE(CSealFormat::Orvanel().m_pieces[0].m_lines.empty());
    auto* picture = preview->findChild<CLayoutFontStatic*>("1098");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->PictureSize(), QSize(592, 875));
    bool closedByUser = false;
    QObject::connect(preview, &CModelessPreviewDlg::closedByUser, [&] { closedByUser = true; });
    preview->show();
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("シート全体"));
    auto* close = preview->findChild<QPushButton*>("1");
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_TRUE(closedByUser);
    EXPECT_TRUE(CSealFormat::Orvanel().m_pieces[0].m_lines.empty());
}

TEST_F(PreviewAndPrintTest, DialogKeepsThePrinterAndCancelPrintsNothing)
{
    const std::filesystem::path pdf = m_folder.path() / "printed.pdf";
    QPrinter kept(QPrinter::HighResolution);
    kept.setOutputFileName(QString::fromStdString(pdf.string()));
    kept.setPageOrientation(QPageLayout::Landscape);
    bool ownPaper = true;  // the landscape A4 is the user's own choice

    auto cancel = AnswerNextModal(QDialog::Rejected);
    EXPECT_FALSE(PrintSheet(nullptr, kept, ownPaper, kKindOrvanel, QPoint()));
    EXPECT_TRUE(cancel->seen);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(kept.pageLayout().orientation(), QPageLayout::Landscape);

    auto accept = AnswerNextModal(QDialog::Accepted);
    EXPECT_TRUE(PrintSheet(nullptr, kept, ownPaper, kKindOrvanel, QPoint()));
    EXPECT_TRUE(accept->seen);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    // The second print starts from what the first one chose.
    EXPECT_EQ(kept.outputFileName(), QString::fromStdString(pdf.string()));
    EXPECT_EQ(kept.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(ownPaper);
}

TEST_F(PreviewAndPrintTest, TheJobIsNamedAfterTheDesignFile)
{
    QPrinter kept(QPrinter::HighResolution);
    kept.setOutputFileName(QString::fromStdString((m_folder.path() / "printed.pdf").string()));
    bool ownPaper = false;
    const std::pair<std::filesystem::path, QString> cases[] = {
        {{}, QStringLiteral("Velmaro")},
        {m_folder.path() / "名札 2組.zvd", QStringLiteral("名札 2組")},
    };
    for (const auto& [file, title] : cases) {
        CurrentDesignFile() = file;
        auto accept = AnswerNextModal(QDialog::Accepted);
        EXPECT_TRUE(PrintSheet(nullptr, kept, ownPaper, kKindOrvanel, QPoint()));
        EXPECT_EQ(kept.docName(), title);
    }
    CurrentDesignFile().clear();
}

// The paper the print dialog shows, in millimetres as it lies, and its orientation.
struct ShownPaper {
    QSizeF size;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
};

// Answers the print dialog after noting the paper it shows and, when `paper` is given, choosing
// that paper in it instead.
std::unique_ptr<ModalAnswer> ChoosePaper(ShownPaper& shown, std::optional<QPageLayout> paper = {})
{
    return ActOnNextModal([&shown, paper](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        ASSERT_NE(print, nullptr);
        const QPageLayout layout = print->printer()->pageLayout();
        shown = {layout.fullRect(QPageLayout::Millimeter).size(), layout.orientation()};
        if (paper)
            print->printer()->setPageLayout(*paper);
        dialog.done(QDialog::Accepted);
    });
}

QPageLayout Paper(QSizeF millimetres, QPageLayout::Orientation orientation = QPageLayout::Portrait)
{
    return QPageLayout(QPageSize(millimetres, QPageSize::Millimeter), orientation, QMarginsF());
}

struct SheetPaperCase {
    const char* code;
    int kind;
    QSizeF paper;  // mm
};

TEST_F(PreviewAndPrintTest, TheDialogProposesTheSheetsPaperUpright)
{
    const SheetPaperCase cases[] = {{"M100AA00", kKindOrvanel, {100, 148}},   // postcard
                                    {"M000AA00", kKindZolvi, {100, 148}},     // Zolvi format kind 4
                                    {"M011AA00", kKindZolvi, {89, 127}}};     // kind 5: L size
    for (const SheetPaperCase& c : cases) {
        SCOPED_TRACE(c.code);
        UseFormat(*FindFormat(c.code));
        QPrinter kept(QPrinter::HighResolution);
        kept.setOutputFileName(QString::fromStdString((m_folder.path() / "sheet.pdf").string()));
        kept.setPageOrientation(QPageLayout::Landscape);
        bool ownPaper = false;
        ShownPaper shown;
        auto dialog = ChoosePaper(shown);
        EXPECT_TRUE(PrintSheet(nullptr, kept, ownPaper, c.kind, QPoint()));
        ASSERT_TRUE(dialog->seen);
        EXPECT_NEAR(shown.size.width(), c.paper.width(), 0.5);
        EXPECT_NEAR(shown.size.height(), c.paper.height(), 0.5);
        EXPECT_EQ(shown.orientation, QPageLayout::Portrait);
        EXPECT_FALSE(ownPaper);
    }
}

TEST_F(PreviewAndPrintTest, APaperTheUserChoseIsKeptUntilTheyChooseTheSheetsAgain)
{
    QPrinter kept(QPrinter::HighResolution);
    kept.setOutputFileName(QString::fromStdString((m_folder.path() / "sheet.pdf").string()));
    bool ownPaper = false;
    ShownPaper shown;
    auto first = ChoosePaper(shown, Paper({210, 297}));
    EXPECT_TRUE(PrintSheet(nullptr, kept, ownPaper, kKindOrvanel, QPoint()));
    EXPECT_TRUE(ownPaper);

    auto second = ChoosePaper(shown, Paper({100, 148}));
    EXPECT_TRUE(PrintSheet(nullptr, kept, ownPaper, kKindOrvanel, QPoint()));
    EXPECT_NEAR(shown.size.width(), 210, 0.5) << "the user's A4 again";
    EXPECT_FALSE(ownPaper) << "back on the sheet's own paper";

    UseFormat(*FindFormat("M011AA00"));
    auto third = ChoosePaper(shown);
    EXPECT_TRUE(PrintSheet(nullptr, kept, ownPaper, kKindZolvi, QPoint()));
    EXPECT_NEAR(shown.size.width(), 89, 0.5) << "the next sheet's paper is proposed";
}

struct SmallPaperCase {
    const char* name;
    QPageLayout paper;
    bool asks;
};

TEST_F(PreviewAndPrintTest, APaperSmallerThanTheSheetIsPrintedOnOnlyWhenTheUserSaysSo)
{
    const SmallPaperCase cases[] = {
        {"L size", Paper({89, 127}), true},
        {"postcard lying", Paper({100, 148}, QPageLayout::Landscape), true},
        {"A6", Paper({105, 148}), false},
        {"postcard", Paper({100, 148}), false},
    };
    for (const SmallPaperCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const int answer : {int(QMessageBox::Cancel), int(QMessageBox::Ok)}) {
            const std::filesystem::path pdf = m_folder.path() / "small.pdf";
            std::filesystem::remove(pdf);
            QPrinter kept(QPrinter::HighResolution);
            kept.setOutputFileName(QString::fromStdString(pdf.string()));
            bool ownPaper = false;
            ShownPaper shown;
            std::unique_ptr<ModalAnswer> warning;
            auto dialog = ActOnNextModal([&](QDialog& print) {
                qobject_cast<QPrintDialog*>(&print)->printer()->setPageLayout(c.paper);
                warning = AnswerNextModal(answer);
                print.done(QDialog::Accepted);
            });
            const bool printed = PrintSheet(nullptr, kept, ownPaper, kKindOrvanel, QPoint());
            ASSERT_TRUE(dialog->seen);
            EXPECT_EQ(warning->seen, c.asks);
            if (c.asks) {
                EXPECT_TRUE(warning->text.contains(QStringLiteral("100×148mm"))) << warning->text.toStdString();
            }
            const bool expected = !c.asks || answer == QMessageBox::Ok;
            EXPECT_EQ(printed, expected);
            EXPECT_EQ(std::filesystem::exists(pdf), expected);
        }
    }
}

}  // namespace
