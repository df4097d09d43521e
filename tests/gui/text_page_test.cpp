// The text entry pages in the running wizard: typing, the sheet map, the size list, the per-sticker
// settings, the bulk buttons, the whole-sheet preview window and the Next rule.
#include "pages2_fixture.h"

#include "pages/design_commands.h"
#include "pages/start_page.h"

#include "controls/font_static.h"
#include "controls/num_spin_ctrl.h"
#include "controls/scroll_lb.h"
#include "format/load_formats.h"
#include "pages/line_break_setting.h"
#include "pages/program_folder.h"
#include "pages/preview_windows.h"
#include "platform/cp932.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const char kOrvanelSheet[] = "M100AA00";
const char kSmallOrvanelSheet[] = "M102AA00";  // 19 x 9 mm text areas
const char kFrameZolviSheet[] = "M011AA00";  // one of the four Zolvi sheets with frames
const char kPlainZolviSheet[] = "M002AA00";
constexpr int kColourButtonRed = 1040;      // string id 103

class TextPageTest : public TextPrintTest {
protected:
    QString OverflowText() const
    {
        return TextPage()->ControlAs<CFontStatic>(kIdcOverflowMessage)->Text();
    }
    QString ShownSize() const
    {
        const QListWidgetItem* item = TextPage()->SizeList()->currentItem();
        return item ? item->text() : QString();
    }
    // Comes back to the text page, as after a change on the layout page.
    void ShowTextPageAgain()
    {
        PressBack();
        PressNext();
    }
};

// An update that replaces the open design's sheet while the wizard runs: the design keeps the map
// it was made on, whichever way the text page is shown again, until the sheet is chosen anew.
TEST_F(TextPageTest, TheOpenDesignKeepsItsSheetMapWhenAnUpdateReplacesTheSheet)
{
    GoToTextPage(kOrvanelSheet);
    QWidget* map = TextPage()->Control(kIdcOrvanelMap);
    const QImage before = map->grab().toImage();
    QImage replaced(before.size(), QImage::Format_RGB32);
    replaced.fill(Qt::red);
    ASSERT_TRUE(replaced.save(ToQString(SheetFolder(kOrvanelSheet) / "numberseal.bmp"), "BMP"));
    ClearCatalog();
    ASSERT_TRUE(LoadProgramFormats(Wizard()->m_labelSheets));

    PressBack();
    PressNext();
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(map->grab().toImage(), before);

    for (int step = 0; step < 6 && ActiveId() != kIddStart; ++step)
        PressBack();
    GoToTextPage(kOrvanelSheet);
    EXPECT_NE(map->grab().toImage(), before) << "a sheet chosen again is the sheet as it is now";
}

TEST_F(TextPageTest, NextStaysVisibleButDisabledUntilSomeStickerHasText)
{
    GoToTextPage(kOrvanelSheet);
    EXPECT_TRUE(NextVisible());
    EXPECT_FALSE(NextEnabled());
    QTest::keyClick(TextPage()->Edit(), Qt::Key_Space);
    EXPECT_EQ(Piece(0).m_strText, " ");
    EXPECT_TRUE(NextEnabled()) << "a space counts as text";
    QTest::keyClick(TextPage()->Edit(), Qt::Key_Backspace);
    EXPECT_FALSE(NextEnabled());
    EXPECT_TRUE(NextVisible());
    QTest::keyClick(TextPage()->Edit(), Qt::Key_Return);
    EXPECT_TRUE(NextEnabled()) << "so does a line break";
}

TEST_F(TextPageTest, TheMapSelectsAStickerAndTheEditShowsItsText)
{
    GoToTextPage(kOrvanelSheet);
    Piece(3).m_strText = cp932::FromUtf8("四番\n目");
    ClickMapSticker(3);
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QStringLiteral("四番\n目"));
    EXPECT_EQ(TextPage()->ControlAs<CFontStatic>(kIdcStickerNumber)->Text(), QStringLiteral("4"));
    QTest::keyClicks(TextPage()->Edit(), "!");
    EXPECT_EQ(Piece(3).m_strText, cp932::FromUtf8("四番\n目!"));
    EXPECT_EQ(Piece(0).m_strText, "");
}

TEST_F(TextPageTest, ReturningFromThePrintPageShowsTheSameSticker)
{
    GoToTextPage(kOrvanelSheet);
    ClickMapSticker(2);
    Commit(TextPage()->Edit(), QStringLiteral("三"));
    PressNext();
    ASSERT_EQ(ActiveId(), kIddOrvanelPrint);
    PressBack();
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QStringLiteral("三"));
    EXPECT_TRUE(TextPage()->Edit()->hasFocus());
}

TEST_F(TextPageTest, TheOverflowMessageShowsExactlyWhileTheStickerOverflows)
{
    GoToTextPage(kSmallOrvanelSheet);
    EXPECT_EQ(OverflowText(), QString());
    Commit(TextPage()->Edit(), QString(500, QChar(u'漢')));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Piece(0).m_bOverflow == -1; }, 2000)) << "the preview finds it";
    EXPECT_EQ(OverflowText(), QStringLiteral("■文字数を減らしてください。"));
    TextPage()->Edit()->selectAll();
    QTest::keyClick(TextPage()->Edit(), Qt::Key_Delete);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Piece(0).m_bOverflow == 0; }, 2000));
    EXPECT_EQ(OverflowText(), QString());
}

TEST_F(TextPageTest, TheSizeListShowsTheStickersSizeAndStoresTheOneScrolledTo)
{
    GoToTextPage(kOrvanelSheet);
    EXPECT_EQ(ShownSize(), QString::number(Design().defaultSize / 10)) << "an unset size shows the default";
    Piece(1).m_nSize = 70;
    ClickMapSticker(1);
    EXPECT_EQ(ShownSize(), QStringLiteral("7"));

    CSealFormat::Orvanel().m_bModified = 0;
    TextPage()->SizeList()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCoreApplication::processEvents();
    EXPECT_EQ(Piece(1).m_nSize, 80);
    EXPECT_EQ(ShownSize(), QStringLiteral("8"));
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1);
    QTest::keyClick(TextPage()->SizeList(), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(Piece(1).m_nSize, 80) << "the list ignores the keyboard";
}

TEST_F(TextPageTest, ThePreviewsReducedSizeMovesTheSizeList)
{
    GoToTextPage(kOrvanelSheet);
    Commit(TextPage()->Edit(), QString(30, QChar(u'字')));
    QTest::qWait(50);
    ASSERT_NE(Piece(0).m_nSize, -1) << "the text needs a smaller size";
    EXPECT_LT(Piece(0).m_nSize, Design().defaultSize);
    EXPECT_EQ(ShownSize(), QString::number(Piece(0).m_nSize / 10));
    EXPECT_EQ(Piece(0).m_bOverflow, 0);
}

TEST_F(TextPageTest, AlignmentChoicesStoreAndFollowTheSticker)
{
    GoToTextPage(kOrvanelSheet);
    ClickControl(TextPage()->AlignButton(kIdcAlignLeft));
    ClickControl(TextPage()->AlignButton(kIdcAlignTop + 2));
    EXPECT_EQ(Piece(0).m_nAlignH, -1);
    EXPECT_EQ(Piece(0).m_nAlignV, 1);
    ClickMapSticker(1);
    EXPECT_TRUE(TextPage()->AlignButton(kIdcAlignLeft + 1)->isChecked());
    EXPECT_TRUE(TextPage()->AlignButton(kIdcAlignTop + 1)->isChecked());
    ClickMapSticker(0);
    EXPECT_TRUE(TextPage()->AlignButton(kIdcAlignLeft)->isChecked());
    EXPECT_TRUE(TextPage()->AlignButton(kIdcAlignTop + 2)->isChecked());
}

TEST_F(TextPageTest, TheColourButtonsSetTheStickersOwnColours)
{
    GoToTextPage(kOrvanelSheet);
    auto pick = ActOnNextModal([](QDialog& dialog) { ClickOnChild(&dialog, kColourButtonRed); });
    ClickPageControl(kIddOrvanelText, kIdcStickerTextColour);
    EXPECT_EQ(pick->className, QStringLiteral("CDlgFontColor"));
    EXPECT_EQ(Piece(0).m_nTextColour, 103);
    EXPECT_EQ(Piece(1).m_nTextColour, kNoTextColour);

    EXPECT_FALSE(TextPage()->Control(kIdcStickerFrameColour)->isEnabled()) << "frames are off";
    Design().sheet.m_bFrame = 1;
    ShowTextPageAgain();
    ASSERT_TRUE(TextPage()->Control(kIdcStickerFrameColour)->isEnabled());
    CSealFormat::Orvanel().m_bModified = 0;
    auto cancel = AnswerNextModal(QDialog::Rejected);
    ClickPageControl(kIddOrvanelText, kIdcStickerFrameColour);
    EXPECT_TRUE(cancel->seen);
    EXPECT_EQ(Piece(0).m_crFrame, kNoFrameColour);
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 0) << "a cancelled colour dialog changes nothing";
}

void GiveOwnSettings(SealPiece& piece, const char* text)
{
    piece.m_strText = text;
    piece.m_nTextColour = 105;
    piece.m_crFrame = 0x123456;
    piece.m_nSize = 120;
    piece.m_nAlignH = 1;
    piece.m_nAlignV = -1;
}

void ExpectCleared(const SealPiece& piece)
{
    EXPECT_EQ(piece.m_strText, "");
    EXPECT_EQ(piece.m_nTextColour, kNoTextColour);
    EXPECT_EQ(piece.m_crFrame, kNoFrameColour);
    EXPECT_EQ(piece.m_nSize, -1);
    EXPECT_EQ(piece.m_nAlignH, 0);
    EXPECT_EQ(piece.m_nAlignV, 0);
    EXPECT_EQ(piece.m_bOverflow, 0);
    EXPECT_TRUE(piece.m_lines.empty());
}

TEST_F(TextPageTest, DeletingResetsEverySettingOfTheStickersNotOnlyTheText)
{
    GoToTextPage(kOrvanelSheet);
    GiveOwnSettings(Piece(0), "first");
    GiveOwnSettings(Piece(1), "second");
    ClickMapSticker(1);
    ASSERT_TRUE(NextEnabled());

    ClickConfirmed(kIdcDeleteSelected, QDialog::Rejected);
    EXPECT_EQ(Piece(1).m_strText, "second") << "a cancelled confirmation changes nothing";

    CSealFormat::Orvanel().m_bModified = 0;
    ClickConfirmed(kIdcDeleteSelected, 1);
    ExpectCleared(Piece(1));
    EXPECT_EQ(Piece(0).m_strText, "first");
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QString());
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1);
    EXPECT_TRUE(NextEnabled());

    ClickConfirmed(kIdcDeleteAll, 1);
    for (int i = 0; i < static_cast<int>(Design().pieces.size()); ++i)
        ExpectCleared(Piece(i));
    EXPECT_FALSE(NextEnabled());
    EXPECT_TRUE(NextVisible());
}

TEST_F(TextPageTest, CopyToAllInATwoTextLayoutCopiesBothPartsOfTheChosenSticker)
{
    GoToTextPage(kFrameZolviSheet);
    CSealFormat::s_nLayoutMode = 145;
    ShowTextPageAgain();
    ClickMapSticker(3);
    ASSERT_EQ(Current(), 3);
    ASSERT_TRUE(TextPage()->BackEdit()->hasFocus());
    Commit(TextPage()->BackEdit(), QStringLiteral("うら"));
    ClickControl(TextPage()->Edit());
    ASSERT_EQ(Current(), 2);
    Commit(TextPage()->Edit(), QStringLiteral("おもて"));
    ClickMapSticker(3);
    ClickConfirmed(kIdcCopyToAll, 1);
    for (int i = 0; i < static_cast<int>(Design().pieces.size()); ++i)
        EXPECT_EQ(Piece(i).m_strText, cp932::FromUtf8(i % 2 ? "うら" : "おもて")) << i;
}

TEST_F(TextPageTest, SameTextLayoutsCloseTheBackEditAndChooseTheFrontPart)
{
    GoToTextPage(kFrameZolviSheet);
    CSealFormat::s_nLayoutMode = 145;
    ShowTextPageAgain();
    ClickMapSticker(5);
    EXPECT_EQ(Current(), 5);
    EXPECT_TRUE(TextPage()->BackEdit()->isEnabled());
    EXPECT_EQ(TextPage()->FramedEdit(), kIdcBackTextEdit);

    CSealFormat::s_nLayoutMode = 144;
    ShowTextPageAgain();
    EXPECT_EQ(Current(), 4) << "an odd record falls back to the front part of its sticker";
    EXPECT_FALSE(TextPage()->BackEdit()->isEnabled());
    EXPECT_EQ(TextPage()->BackEdit()->palette().color(QPalette::Disabled, QPalette::Base),
              ColourFromRef(0xD8E9EC));
    EXPECT_EQ(TextPage()->FramedEdit(), kIdcTextEdit);
    EXPECT_EQ(TextPage()->ControlAs<CFontStatic>(kIdcStickerNumber)->Text(), QStringLiteral("3"));
    ClickMapSticker(7);
    EXPECT_EQ(Current(), 6) << "the back part of a same-text sticker chooses the sticker";
}

TEST_F(TextPageTest, TabInTheZolviPageGoesToTheNextPartAndItsEdit)
{
    GoToTextPage(kFrameZolviSheet);
    CSealFormat::s_nLayoutMode = 145;
    ShowTextPageAgain();
    ASSERT_TRUE(TextPage()->Edit()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Current(), 1);
    EXPECT_TRUE(TextPage()->BackEdit()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Current(), 2);
    EXPECT_TRUE(TextPage()->Edit()->hasFocus());
    EXPECT_EQ(TextPage()->ControlAs<CFontStatic>(kIdcStickerNumber)->Text(), QStringLiteral("2"));
}

TEST_F(TextPageTest, TheFrameColourButtonExistsOnlyForZolviSheetsWithFrames)
{
    struct FrameCase {
        const char* code;
        bool shown;
    };
    for (const FrameCase c : {FrameCase{kFrameZolviSheet, true}, FrameCase{kPlainZolviSheet, false}}) {
        SCOPED_TRACE(c.code);
        Wizard()->OnInitDialog();
        GoToTextPage(c.code);
        Design().sheet.m_bFrame = 1;
        ShowTextPageAgain();
        for (int id : {kIdcStickerFrameColour, kIdcStickerFrameCaption, kIdcStickerFrameHint})
            EXPECT_EQ(TextPage()->Control(id)->isVisible(), c.shown) << id;
        EXPECT_TRUE(TextPage()->Control(kIdcStickerFrameColour)->isEnabled());
    }
}

TEST_F(TextPageTest, TheWholeSheetPreviewFollowsTheTextAndClosesWhenThePageIsLeft)
{
    GoToTextPage(kOrvanelSheet);
    QWidget* button = TextPage()->Control(kIdcWholePreview);
    ClickControl(button);
    ASSERT_NE(TextPage()->WholePreview(), nullptr);
    EXPECT_FALSE(button->isEnabled());
    QTest::keyClicks(TextPage()->Edit(), "Hi");
    EXPECT_EQ(Piece(0).m_lines, std::vector<std::string>{"Hi"}) << "the sheet is laid out for the window";

    PressNext();
    EXPECT_EQ(TextPage()->WholePreview(), nullptr);
    EXPECT_TRUE(button->isEnabled());
    PressBack();
    ClickControl(button);
    ASSERT_NE(TextPage()->WholePreview(), nullptr);
    QPointer<QWidget> window = TextPage()->WholePreview();
    window->close();
    QTest::qWait(20);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(TextPageTest, ClosingTheWholeSheetPreviewGivesTheTypingBackToTheEdit)
{
    for (const char* code : {kOrvanelSheet, kFrameZolviSheet}) {
        SCOPED_TRACE(code);
        Wizard()->OnInitDialog();
        GoToTextPage(code);
        QTest::keyClicks(TextPage()->Edit(), "A");
        ClickControl(TextPage()->Control(kIdcWholePreview));
        QPointer<QDialog> window = qobject_cast<QDialog*>(TextPage()->WholePreview());
        ASSERT_FALSE(window.isNull());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ClickOnChild(window, kIdOk);
        QTest::qWait(20);
        ASSERT_TRUE(window.isNull());
        Reactivate();
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClicks(QApplication::focusWidget(), "B");
        EXPECT_EQ(Piece(0).m_strText, "AB");
    }
}

namespace {
std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST_F(TextPageTest, AReopenedTextContinuesItsLastLine)
{
    GoToTextPage(kOrvanelSheet);
    QTest::keyClicks(TextPage()->Edit(), "A");
    QTest::keyClick(TextPage()->Edit(), Qt::Key_Return);
    QTest::keyClicks(TextPage()->Edit(), "B");
    const std::filesystem::path first = m_folder.path() / "first.zvd", second = m_folder.path() / "second.zvd";
    ASSERT_TRUE(SaveDesignPath(TextPage(), first, kKindOrvanel));

    Wizard()->OnInitDialog();
    ASSERT_TRUE(OpenDesignPath(g_pStartPage, first));
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QStringLiteral("A\nB"));
    QTest::keyClicks(TextPage()->Edit(), "C");
    EXPECT_EQ(Piece(0).m_strText, "A\nBC");
    ASSERT_TRUE(SaveDesignPath(TextPage(), second, kKindOrvanel));

    // Only the typed letter (and the text's length before it) tells the files apart.
    std::string expected = FileBytes(first);
    const std::string was = "\t3\tA\vB\n";
    const std::size_t at = expected.find(was);
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, was.size(), "\t4\tA\vBC\n");
    EXPECT_EQ(FileBytes(second), expected);
}

TEST_F(TextPageTest, PagesMadeAgainAfterTheWizardWasTornDownHaveOneSetOfControls)
{
    GoToTextPage(kFrameZolviSheet);
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    Wizard()->DestroyPages();
    Wizard()->OnInitDialog();
    GoToTextPage(kFrameZolviSheet);
    EXPECT_EQ(TextPage()->findChildren<CEveryEdit*>().size(), 2u);
    EXPECT_EQ(TextPage()->findChildren<QAbstractButton*>(QString::number(kIdcAlignLeft)).size(), 1);
    QTest::keyClicks(TextPage()->Edit(), "B");
    EXPECT_EQ(Piece(0).m_strText, "B");
    PressNext();
    EXPECT_EQ(PrintPage()->findChildren<CNumSpinCtrl*>().size(), 2u);
}

TEST_F(TextPageTest, AMissingDataFolderIsReportedOnTheTextAndPrintPages)
{
    GoToTextPage(kOrvanelSheet);
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    ASSERT_EQ(ActiveId(), kIddOrvanelPrint);
    std::filesystem::rename(m_folder.path() / "印刷情報", m_folder.path() / "moved");
    for (const bool back : {true, false, true}) {
        auto message = AnswerNextModal(QDialog::Accepted);
        back ? PressBack() : PressNext();
        EXPECT_TRUE(message->seen);
        EXPECT_TRUE(message->text.endsWith(QStringLiteral("が存在しません"))) << message->text.toStdString();
    }
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QString()) << "the page stops before loading the sticker";
}

// The sheet is laid out with the user's line breaking (here when the page shows again): whole
// words under the kinsoku rules, cut anywhere with plain breaks.
TEST_F(TextPageTest, StickerLinesFollowTheUsersLineBreaking)
{
    SetUserLineBreaks(LineBreaks::kKinsoku);
    GoToTextPage(kSmallOrvanelSheet);
    const std::string text = "Velmaro Velmaro Velmaro Velmaro Velmaro";
    Commit(TextPage()->Edit(), QString::fromStdString(text));
    ShowTextPageAgain();
    const std::vector<std::string> kinsoku = Piece(0).m_lines;
    ASSERT_GT(kinsoku.size(), 1u);
    for (const std::string& line : kinsoku) {
        std::istringstream words(line);
        std::string word;
        std::string rebuilt;
        while (words >> word)
            rebuilt += (rebuilt.empty() ? "" : " ") + word;
        EXPECT_EQ(rebuilt, line);
        EXPECT_EQ(line.size() % 8, 7u) << line << ": whole words only";
    }

    SetUserLineBreaks(LineBreaks::kPlain);
    ShowTextPageAgain();
    std::string joined;
    for (const std::string& line : Piece(0).m_lines)
        joined += line;
    EXPECT_EQ(joined, text);
    EXPECT_NE(Piece(0).m_lines, kinsoku);
    SetUserLineBreaks(LineBreaks::kKinsoku);
}

}  // namespace
