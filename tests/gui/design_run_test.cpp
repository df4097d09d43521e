// The whole run as a user makes it, for each kind: a new design, a sheet, the layout, typeface and
// colours, texts typed into several stickers (one with settings of its own), the print with
// offsets into a PDF that is measured on paper, the save, and the saved file opened again.
#include "pages2_fixture.h"

#include "controls/num_spin_ctrl.h"
#include "controls/scroll_lb.h"
#include "controls/storable_text.h"
#include "design/print_offsets.h"
#include "pages/design_commands.h"
#include "pages/start_page.h"
#include "platform/cp932.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include "cups_pdf_queue.h"
#include "page_measure.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

namespace {

constexpr double kTolerance = 10;  // 0.1 mm
const char kQueue[] = "VelmaroRunPDF";
constexpr int kBlack = 1039;       // palette buttons: string ids 102, 103 (red), 106 (dark red) and 105 (blue)
constexpr int kRed = 1040;
constexpr int kDarkRed = 1042;
constexpr int kBlue = 1041;

struct StickerDesign {
    std::string text;
    int textColour, size, alignH, alignV;
    std::uint32_t frame;
    bool operator==(const StickerDesign& o) const
    {
        return text == o.text && textColour == o.textColour && size == o.size && alignH == o.alignH &&
               alignV == o.alignV && frame == o.frame;
    }
};

// Orvanel design files end every text read back with a line feed of their own; `dropFinalBreak`
// takes it off again for the comparison.
std::vector<StickerDesign> DesignOf(const std::vector<SealPiece>& pieces, bool dropFinalBreak = false)
{
    std::vector<StickerDesign> designs;
    for (const SealPiece& p : pieces) {
        std::string text = p.m_strText;
        if (dropFinalBreak && !text.empty() && text.back() == '\n')
            text.pop_back();
        designs.push_back({text, p.m_nTextColour, p.m_nSize, p.m_nAlignH, p.m_nAlignV, p.m_crFrame});
    }
    return designs;
}

class DesignRunTest : public TextPrintTest {
protected:
    void TearDown() override
    {
        g_printOffsets = {};
        TextPrintTest::TearDown();
    }

    // A palette dialog opened by `button` of the active page, answered with the colour `colour`.
    void PickColour(int button, int colour)
    {
        auto pick = ActOnNextModal([colour](QDialog& dialog) { ClickOnChild(&dialog, colour); });
        ClickPageControl(ActiveId(), button);
        Reactivate();
        EXPECT_TRUE(pick->seen) << "no colour dialog for " << button;
    }

    // Frames printed in black, a layout and the typeface, boldness and colour of the design.
    void ChooseLook(int layoutButton, int faceButton)
    {
        ClickPageControl(ActiveId(), layoutButton);
        ClickPageControl(ActiveId(), kIdcPrintFrame);
        ASSERT_EQ(Design().sheet.m_bFrame, 1);
        PickColour(kIdcFrameColour, kBlack);
        ASSERT_EQ(Design().sheet.m_crFrame, 0u);
        PressNext();
        ClickPageControl(ActiveId(), faceButton);
        ClickPageControl(ActiveId(), kIdcBold);
        ClickPageControl(ActiveId(), kDarkRed);
        EXPECT_EQ(CSealFormat::s_bBold, 1);
        EXPECT_EQ(CSealFormat::s_nTextColour, 106);
        PressNext();
    }

    // The current sticker gets a smaller size, red text, a blue frame, left and bottom alignment.
    void GiveOwnSettings()
    {
        TextPage()->SizeList()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCoreApplication::processEvents();
        PickColour(kIdcStickerTextColour, kRed);
        PickColour(kIdcStickerFrameColour, kBlue);
        ClickControl(TextPage()->AlignButton(kIdcAlignLeft));
        ClickControl(TextPage()->AlignButton(kIdcAlignTop + 2));
        const SealPiece& own = Piece(Current());
        EXPECT_EQ(own.m_nTextColour, 103);
        EXPECT_EQ(own.m_crFrame, 0xFF0000u);
        EXPECT_LT(own.m_nSize, Design().defaultSize);
        EXPECT_EQ(own.m_nAlignH, -1);
        EXPECT_EQ(own.m_nAlignV, 1);
    }

    // Half a millimetre to the right and 0.3 mm down.
    void SetOffsets()
    {
        const auto click = [this](bool vertical, const char* arrow, int times) {
            auto* button = PrintPage()->OffsetSpin(vertical)->findChild<QToolButton*>(arrow);
            for (int i = 0; i < times; ++i)
                ClickControl(button);
        };
        click(false, "right", 5);
        click(true, "down", 3);
        EXPECT_EQ(g_printOffsets.dx, 50);
        EXPECT_EQ(g_printOffsets.dy, -30);
    }

    std::filesystem::path PrintToPdf()
    {
        const std::filesystem::path pdf = m_output.path() / "printed.pdf";
        Wizard()->KeptPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
        auto print = ActOnNextModal([](QDialog& dialog) { dialog.done(QDialog::Accepted); });
        ClickPageControl(ActiveId(), kIdcPrint);
        Reactivate();
        EXPECT_TRUE(print->seen) << "no print dialog";
        return pdf;
    }

    // Every text inside its text area and every frame on its rectangle, moved by the offsets.
    void ExpectPrintedInPlace(const std::filesystem::path& pdf)
    {
        std::string error;
        const QImage page = RasterisePdf(pdf.string(), error);
        ASSERT_FALSE(page.isNull()) << error;
        const int dx = 50, dy = 30;  // 0.5 mm right, 0.3 mm down the paper
        int texts = 0;
        for (int i = 0; i < static_cast<int>(Design().pieces.size()); ++i) {
            SCOPED_TRACE(::testing::Message() << "sticker " << i);
            const SealPiece& piece = Piece(i);
            ASSERT_EQ(piece.m_bOverflow, 0);
            const Rect frame = Moved(piece.m_rcFrame, dx, dy);
            const std::optional<MeasuredFrame> measured = MeasureFrame(page, frame);
            ASSERT_TRUE(measured.has_value());
            EXPECT_LE(LargestError(*measured, frame), kTolerance);
            const QRect ink = InkInside(page, frame);
            ASSERT_EQ(ink.isNull(), piece.m_strText.empty());
            if (ink.isNull())
                continue;
            ++texts;
            const Rect text = Moved(piece.m_rcText, dx, dy);
            EXPECT_GE(ink.left(), text.left - kTolerance);
            EXPECT_GE(ink.top(), text.top - kTolerance);
            EXPECT_LE(ink.left() + ink.width(), text.right + kTolerance);
            EXPECT_LE(ink.top() + ink.height(), text.bottom + kTolerance);
        }
        EXPECT_GE(texts, 3);
    }

    // The same print through a CUPS queue into PDF, on a printer whose printable area begins 4 mm
    // from the left and 5 mm from the top of the paper. Nothing when no spooler can be had.
    void ExpectPrintedThroughCupsInPlace()
    {
        CupsPdfQueue queue;
        if (const std::string why = queue.Open(kQueue, 4, 5); !why.empty()) {
            RecordProperty("cups_print", "skipped: " + why);
            return;
        }
        QPrinter& printer = Wizard()->KeptPrinter();
        printer.setOutputFileName(QString());
        printer.setPrinterName(QString::fromLatin1(kQueue));
        // The user chose A4 for this queue, which the print dialog then keeps.
        printer.setPageSize(QPageSize(QPageSize::A4));
        Wizard()->m_bOwnPaper = true;
        const std::string title = "velmaro_run_" + std::to_string(::getpid()) + "_" +
                                  std::to_string(QDateTime::currentMSecsSinceEpoch());
        // The job is named after the design file.
        const std::filesystem::path designFile = CurrentDesignFile();
        CurrentDesignFile() = m_folder.path() / (title + ".zvd");
        auto print = ActOnNextModal([](QDialog& dialog) { dialog.done(QDialog::Accepted); });
        ClickPageControl(ActiveId(), kIdcPrint);
        Reactivate();
        CurrentDesignFile() = designFile;
        const std::filesystem::path pdf = queue.WaitForPdf(title, kSpoolerPatienceMs);
        ASSERT_FALSE(pdf.empty()) << "the queue made no PDF titled " << title;
        ExpectPrintedInPlace(pdf);
        std::filesystem::remove(pdf);
    }

    std::filesystem::path Save()
    {
        const std::filesystem::path file = m_output.path() / "run.zvd";
        auto save = ActOnNextModal([file](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            ASSERT_NE(files, nullptr);
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            files->setDirectory(QString::fromStdString(file.parent_path().string()));
            name->setText(QString::fromStdString(file.filename().string()));
            QMetaObject::invokeMethod(files, "accept");
        });
        ClickPageControl(ActiveId(), kIdcSaveDesign);
        Reactivate();
        EXPECT_TRUE(save->seen);
        EXPECT_TRUE(std::filesystem::exists(file));
        EXPECT_EQ(Design().sheet.m_bModified, 0);
        return file;
    }

    // The saved file opened from the start page shows the same stickers on the text page.
    void ExpectReopened(const std::filesystem::path& file, int kind, int textPage)
    {
        const std::vector<StickerDesign> saved = DesignOf(Design().pieces);
        const SettingValues settings = CurrentSettings();
        CSealFormat::ResetAll();
        Wizard()->OnInitDialog();
        ASSERT_TRUE(OpenDesignPath(g_pStartPage, file));
        ASSERT_EQ(ActiveId(), textPage);
        EXPECT_EQ(Wizard()->m_nKind, kind);
        const std::vector<StickerDesign> reopened = DesignOf(Design().pieces, kind == kKindOrvanel);
        ASSERT_EQ(reopened.size(), saved.size());
        for (std::size_t i = 0; i < saved.size(); ++i)
            EXPECT_TRUE(reopened[i] == saved[i]) << "sticker " << i << ": text " << reopened[i].text << " / "
                                                 << saved[i].text << ", size " << reopened[i].size << " / "
                                                 << saved[i].size << ", colour " << reopened[i].textColour << " / "
                                                 << saved[i].textColour << ", frame " << reopened[i].frame << " / "
                                                 << saved[i].frame << ", align " << reopened[i].alignH << ","
                                                 << reopened[i].alignV << " / " << saved[i].alignH << ","
                                                 << saved[i].alignV;
        EXPECT_EQ(CurrentSettings(), settings);
        CEveryEdit* edit = Current() % 2 ? TextPage()->BackEdit() : TextPage()->Edit();
        // The edit shows the text as typed: without the line feed the Orvanel reader ends it with.
        std::string typed = Piece(Current()).m_strText;
        if (kind == kKindOrvanel && !typed.empty() && typed.back() == '\n')
            typed.pop_back();
        EXPECT_EQ(StoredForm(edit->toPlainText()), typed);
        EXPECT_TRUE(NextEnabled());
    }

    TempFolder m_output;
};

TEST_F(DesignRunTest, AnOrvanelSheetInAVerticalLayoutFromNewDesignToReopenedFile)
{
    NewDesign();
    ClickSheet("M100AA00");
    PressNext();
    ASSERT_NO_FATAL_FAILURE(ChooseLook(4022, kIdcMincho));
    EXPECT_EQ(CSealFormat::s_nLayoutMode, 188) << "vertical writing";
    EXPECT_EQ(CSealFormat::s_nJapaneseFace, 1);
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_FALSE(NextEnabled());

    CEveryEdit* edit = TextPage()->Edit();
    QTest::keyClicks(edit, "ABC");
    QTest::keyClick(edit, Qt::Key_Return);
    Commit(edit, QStringLiteral("縦書き"));
    QTest::keyClick(edit, Qt::Key_Tab);
    Commit(edit, QStringLiteral("名札（１）"));
    ClickMapSticker(5);
    QTest::keyClicks(edit, "Velmaro");
    ASSERT_NO_FATAL_FAILURE(GiveOwnSettings());
    EXPECT_EQ(Piece(0).m_strText, cp932::FromUtf8("ABC\n縦書き"));
    EXPECT_EQ(Piece(1).m_strText, cp932::FromUtf8("名札（１）"));
    EXPECT_EQ(Piece(5).m_strText, "Velmaro");
    EXPECT_TRUE(NextEnabled());

    PressNext();
    ASSERT_EQ(ActiveId(), kIddOrvanelPrint);
    ASSERT_TRUE(PrintPage()->Control(kIdcPrint)->isEnabled());
    SetOffsets();
    const std::filesystem::path pdf = PrintToPdf();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ExpectPrintedInPlace(pdf);
    ExpectPrintedThroughCupsInPlace();
    const std::filesystem::path file = Save();
    ExpectReopened(file, kKindOrvanel, kIddOrvanelText);
}

TEST_F(DesignRunTest, AZolviSheetWithTwoTextsCopiedToAllFromNewDesignToReopenedFile)
{
    NewDesign();
    ClickSheet("M011AA00");
    PressNext();
    ASSERT_NO_FATAL_FAILURE(ChooseLook(1026, 3035));
    EXPECT_EQ(CSealFormat::s_nLayoutMode, 145);
    EXPECT_EQ(CSealFormat::s_bLatinFace, 1);
    ASSERT_EQ(ActiveId(), kIddZolviText);

    Commit(TextPage()->Edit(), QStringLiteral("おもて"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(Current(), 1);
    QTest::keyClicks(TextPage()->BackEdit(), "Back");
    ClickConfirmed(kIdcCopyToAll, 1);
    for (int i = 0; i < static_cast<int>(Design().pieces.size()); ++i)
        EXPECT_EQ(Piece(i).m_strText, i % 2 ? "Back" : cp932::FromUtf8("おもて")) << i;
    ClickMapSticker(6);
    ASSERT_EQ(Current(), 6);
    TextPage()->Edit()->selectAll();
    Commit(TextPage()->Edit(), QStringLiteral("四枚目"));
    ASSERT_NO_FATAL_FAILURE(GiveOwnSettings());

    PressNext();
    ASSERT_EQ(ActiveId(), kIddZolviPrint);
    ASSERT_TRUE(PrintPage()->Control(kIdcPrint)->isEnabled());
    SetOffsets();
    const std::filesystem::path pdf = PrintToPdf();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ExpectPrintedInPlace(pdf);
    const std::filesystem::path file = Save();
    ExpectReopened(file, kKindZolvi, kIddZolviText);
}

}  // namespace
