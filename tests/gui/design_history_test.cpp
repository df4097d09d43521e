// The design's undo history in the running wizard: every kind of change undone and redone, typing
// merged per sticker, the page and sticker shown, a new history for a new design.
#include "pages2_fixture.h"

#include "controls/font_static.h"
#include "controls/num_spin_ctrl.h"
#include "controls/scroll_lb.h"
#include "controls/storable_text.h"
#include "design/design_file.h"
#include "design/design_snapshot.h"
#include "pages/design_commands.h"
#include "platform/cp932.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"
#include "wizard/design_history.h"

#include <QClipboard>
#include <QScrollBar>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {

const char kOrvanelSheet[] = "M100AA00";
const char kTwoTextZolviSheet[] = "M011AA00";
constexpr int kColourButtonRed = 1040;   // string id 103
constexpr int kArrangementButton = 4022;  // Orvanel mode 188
constexpr int kTwoTextLayout = 145;

void ExpectDesign(const DesignSnapshot& want, const DesignSnapshot& got, const std::string& when)
{
    SCOPED_TRACE(when);
    EXPECT_EQ(got.look.settings, want.look.settings);
    EXPECT_EQ(got.look.otherFace, want.look.otherFace);
    EXPECT_EQ(got.look.frame, want.look.frame);
    EXPECT_EQ(got.look.crFrame, want.look.crFrame);
    EXPECT_EQ(got.look.offsets.dx, want.look.offsets.dx);
    EXPECT_EQ(got.look.offsets.dy, want.look.offsets.dy);
    ASSERT_EQ(got.pieces.size(), want.pieces.size());
    for (std::size_t i = 0; i < want.pieces.size(); ++i) {
        SCOPED_TRACE("sticker record " + std::to_string(i));
        const PieceDesign& w = want.pieces[i];
        const PieceDesign& g = got.pieces[i];
        EXPECT_EQ(g.text, w.text);
        EXPECT_EQ(g.size, w.size);
        EXPECT_EQ(g.textColour, w.textColour);
        EXPECT_EQ(g.spare, w.spare);
        EXPECT_EQ(g.crFrame, w.crFrame);
        EXPECT_EQ(g.alignH, w.alignH);
        EXPECT_EQ(g.alignV, w.alignV);
        EXPECT_EQ(g.overflow, w.overflow);
    }
}

class DesignHistoryTest : public TextPrintTest {
protected:
    void TearDown() override
    {
        g_printOffsets = {};
        TextPrintTest::TearDown();
    }
    DesignHistory& History() const { return Wizard()->History(); }
    int Steps() const { return History().Stack().count(); }
    DesignSnapshot Now() const { return TakeSnapshot(Wizard()->m_nKind); }
    void Undo() { ClickControl(Button(kIdcUndo)); }
    void Redo() { ClickControl(Button(kIdcRedo)); }
    // Back or Next until the page `templateId` shows.
    void GoTo(int templateId)
    {
        for (int step = 0; step < 4 && ActiveId() != templateId; ++step) {
            if (Wizard()->IndexOf(Page(templateId)) > Wizard()->IndexOf(Wizard()->GetActivePage()))
                PressNext();
            else
                PressBack();
        }
        ASSERT_EQ(ActiveId(), templateId);
    }
    // Two stickers with text, sizes the layout chose included.
    void FillTwoStickers()
    {
        Commit(TextPage()->Edit(), QStringLiteral("一番目のシール"));
        ClickMapSticker(1);
        Commit(TextPage()->Edit(), QString(30, QChar(u'字')));
        QTest::qWait(50);
        ClickMapSticker(1);
    }
    void BackToStart()
    {
        for (int step = 0; step < 6 && ActiveId() != kIddStart; ++step)
            PressBack();
        ASSERT_EQ(ActiveId(), kIddStart);
    }
    void ClickOffsetArrow()
    {
        auto* arrow = PrintPage()->OffsetSpin(true)->findChild<QToolButton*>("up");
        ASSERT_NE(arrow, nullptr);
        ClickControl(arrow);
    }
    // One size larger, or smaller.
    void ScrollSizeList(bool larger = true)
    {
        TextPage()->SizeList()->verticalScrollBar()->triggerAction(larger ? QAbstractSlider::SliderSingleStepAdd
                                                                           : QAbstractSlider::SliderSingleStepSub);
        QCoreApplication::processEvents();
    }
};

struct ChangeCase {
    const char* name;
    int page;  // where the change is made
    std::function<void()> change;
    const char* stepText;
};

}  // namespace

// Each change is one step: undo gives back the design as it was, field by field, on the page where
// it was made; redo gives back the design after it.
TEST_F(DesignHistoryTest, EachKindOfChangeIsUndoneAndRedoneExactly)
{
    const ChangeCase cases[] = {
        {"typing", kIddOrvanelText, [this] { QTest::keyClicks(TextPage()->Edit(), "xy"); },
         "文字の入力 (シール2)"},
        {"paste", kIddOrvanelText,
         [this] {
             QGuiApplication::clipboard()->setText(QStringLiteral("貼る"));
             QTest::keyClick(TextPage()->Edit(), Qt::Key_V, Qt::ControlModifier);
         },
         "貼り付け (シール2)"},
        {"cut", kIddOrvanelText,
         [this] {
             TextPage()->Edit()->selectAll();
             QTest::keyClick(TextPage()->Edit(), Qt::Key_X, Qt::ControlModifier);
         },
         "切り取り (シール2)"},
        {"size", kIddOrvanelText, [this] { ScrollSizeList(false); }, "文字の大きさ (シール2)"},
        {"alignment", kIddOrvanelText, [this] { ClickControl(TextPage()->AlignButton(kIdcAlignLeft)); },
         "文字の配置 (シール2)"},
        {"sticker colour", kIddOrvanelText,
         [this] {
             auto pick = ActOnNextModal([](QDialog& dialog) { ClickOnChild(&dialog, kColourButtonRed); });
             ClickPageControl(kIddOrvanelText, kIdcStickerTextColour);
             Reactivate();
         },
         "文字の色 (シール2)"},
        {"copy to all", kIddOrvanelText, [this] { ClickConfirmed(kIdcCopyToAll, 1); }, "全てに複写 (シール2)"},
        {"delete one", kIddOrvanelText, [this] { ClickConfirmed(kIdcDeleteSelected, 1); },
         "選択中のシールの文字を削除 (シール2)"},
        {"delete all", kIddOrvanelText, [this] { ClickConfirmed(kIdcDeleteAll, 1); }, "全てのシールの文字を削除"},
        {"arrangement", kIddOrvanelLayout, [this] { ClickPageControl(kIddOrvanelLayout, kArrangementButton); },
         "文字並び"},
        {"frame", kIddOrvanelLayout, [this] { ClickPageControl(kIddOrvanelLayout, kIdcPrintFrame); },
         "枠の印刷"},
        {"typeface", kIddOrvanelFont, [this] { ClickPageControl(kIddOrvanelFont, kIdcMincho); }, "書体"},
        {"bold", kIddOrvanelFont, [this] { ClickPageControl(kIddOrvanelFont, kIdcBold); }, "太字"},
        {"text colour", kIddOrvanelFont, [this] { ClickPageControl(kIddOrvanelFont, kColourButtonRed); },
         "文字の色"},
        {"print offset", kIddOrvanelPrint, [this] { ClickOffsetArrow(); }, "印刷位置の調整"},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        GoToTextPage(kOrvanelSheet);
        FillTwoStickers();
        GoTo(c.page);
        const DesignSnapshot before = Now();
        const int steps = Steps();
        c.change();
        const DesignSnapshot after = Now();
        ASSERT_EQ(Steps(), steps + 1);
        EXPECT_EQ(History().Stack().undoText(), QString::fromUtf8(c.stepText));
        EXPECT_EQ(Button(kIdcUndo)->toolTip(), QStringLiteral("元に戻す: ") + QString::fromUtf8(c.stepText));
        // Undone from another page (the text page keeps Next closed once every text is gone).
        GoTo(c.page == kIddOrvanelPrint ? kIddOrvanelText
                                        : (c.page == kIddOrvanelText ? kIddOrvanelFont : kIddOrvanelPrint));

        Undo();
        EXPECT_EQ(ActiveId(), c.page);
        ExpectDesign(before, Now(), "undone");
        if (c.page == kIddOrvanelText) {
            EXPECT_EQ(Current(), 1);
            EXPECT_EQ(StoredForm(TextPage()->Edit()->toPlainText()), Piece(1).m_strText);
        }
        EXPECT_EQ(Button(kIdcRedo)->toolTip(), QStringLiteral("やり直す: ") + QString::fromUtf8(c.stepText));
        Redo();
        ExpectDesign(after, Now(), "redone");
        BackToStart();
    }
}

TEST_F(DesignHistoryTest, TypingInOneStickerIsOneStepAndTabStartsTheNext)
{
    GoToTextPage(kOrvanelSheet);
    CEveryEdit* edit = TextPage()->Edit();
    QTest::keyClicks(edit, "abc");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(Steps(), 1);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClicks(edit, "de");
    EXPECT_EQ(Steps(), 2);
    QTest::keyClick(edit, Qt::Key_Backtab);
    QTest::keyClicks(edit, "!");
    EXPECT_EQ(Steps(), 3) << "back in the first sticker is a step of its own";
    EXPECT_EQ(Piece(0).m_strText, "ab!");

    Reactivate();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Piece(0).m_strText, "ab");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Piece(1).m_strText, "");
    EXPECT_EQ(Current(), 1) << "undo shows the sticker of the step";
    EXPECT_EQ(TextPage()->ControlAs<CFontStatic>(kIdcStickerNumber)->Text(), QStringLiteral("2"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Piece(0).m_strText, "");
    EXPECT_EQ(edit->toPlainText(), QString());
    EXPECT_FALSE(CSealFormat::Orvanel().m_bModified) << "back at the state the design started from";

    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Piece(0).m_strText, "ab");
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Piece(1).m_strText, "de");
    EXPECT_EQ(Current(), 1);
    EXPECT_TRUE(CSealFormat::Orvanel().m_bModified);
}

TEST_F(DesignHistoryTest, UndoingDeleteAllBringsBackEveryText)
{
    GoToTextPage(kOrvanelSheet);
    const int count = static_cast<int>(Design().pieces.size());
    for (int i = 0; i < count; ++i)
        Piece(i).m_strText = cp932::FromUtf8("シール") + std::to_string(i + 1);
    History().Record(QStringLiteral("文字の入力"));
    const DesignSnapshot filled = Now();
    ClickConfirmed(kIdcDeleteAll, 1);
    ASSERT_FALSE(Design().sheet.m_nCurPiece < 0);
    ASSERT_EQ(Piece(count - 1).m_strText, "");
    Undo();
    ExpectDesign(filled, Now(), "undone");
    EXPECT_EQ(StoredForm(TextPage()->Edit()->toPlainText()), Piece(Current()).m_strText);
}

// A larger size the layout takes back at once changes nothing: no step stays, nothing is
// modified; a size that does change is a step as before.
TEST_F(DesignHistoryTest, ASizeTheLayoutTakesBackIsNoStep)
{
    GoToTextPage(kOrvanelSheet);
    FillTwoStickers();
    History().Settle();
    History().MarkSaved();
    SetModified(kKindOrvanel, false);
    const int steps = Steps();
    const int size = Piece(1).m_nSize;
    ScrollSizeList();
    QTest::qWait(50);
    History().Settle();
    ASSERT_EQ(Piece(1).m_nSize, size) << "the text fills its sticker at this size";
    EXPECT_EQ(Steps(), steps);
    EXPECT_TRUE(History().Stack().isClean());
    EXPECT_FALSE(CSealFormat::IsModified(kKindOrvanel));

    ClickMapSticker(0);
    ScrollSizeList();
    QTest::qWait(50);
    History().Settle();
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_TRUE(CSealFormat::IsModified(kKindOrvanel));
}

// Two-text fold-over stickers: Tab goes from the front part to the back part, each typing a step;
// undoing from another page shows the text page with the part and its edit.
TEST_F(DesignHistoryTest, UndoAcrossATabShowsThatStickerPart)
{
    GoToTextPage(kTwoTextZolviSheet);
    CSealFormat::s_nLayoutMode = kTwoTextLayout;
    PressBack();
    PressNext();
    History().Reset(kKindZolvi);
    Commit(TextPage()->Edit(), QStringLiteral("おもて"));
    QTest::keyClick(TextPage()->Edit(), Qt::Key_Tab);
    ASSERT_EQ(Current(), 1);
    Commit(TextPage()->BackEdit(), QStringLiteral("うら"));
    QTest::keyClick(TextPage()->BackEdit(), Qt::Key_Tab);
    ASSERT_EQ(Current(), 2);
    Commit(TextPage()->Edit(), QStringLiteral("二枚目"));
    EXPECT_EQ(Steps(), 3);
    EXPECT_EQ(History().Stack().undoText(), QStringLiteral("文字の入力 (シール2)"));
    PressNext();
    ASSERT_EQ(ActiveId(), kIddZolviPrint);

    Undo();
    EXPECT_EQ(ActiveId(), kIddZolviText);
    EXPECT_EQ(Current(), 2);
    Undo();
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(Piece(1).m_strText, "");
    EXPECT_EQ(TextPage()->FramedEdit(), kIdcBackTextEdit);
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QStringLiteral("おもて"));
    EXPECT_EQ(TextPage()->BackEdit()->toPlainText(), QString());
    Redo();
    EXPECT_EQ(TextPage()->BackEdit()->toPlainText(), QStringLiteral("うら"));
}

TEST_F(DesignHistoryTest, ANewSheetOrAnOpenedFileStartsANewHistory)
{
    GoToTextPage(kOrvanelSheet);
    QTest::keyClicks(TextPage()->Edit(), "abc");
    ASSERT_EQ(Steps(), 1);
    for (int step = 0; step < 3; ++step)
        PressBack();
    ASSERT_EQ(ActiveId(), kIddSelection);
    const auto agree = AnswerNextModal(QMessageBox::Ok);
    ClickSheet(kTwoTextZolviSheet);
    EXPECT_TRUE(agree->seen) << "the texts written are given up knowingly";
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(Button(kIdcUndo)->isVisible()) << "no undo off the design pages";

    BackToStart();
    GoToTextPage(kOrvanelSheet);
    QTest::keyClicks(TextPage()->Edit(), "saved");
    const std::filesystem::path file = m_folder.path() / "saved.zvd";
    ASSERT_FALSE(SaveDesignFile(file, kKindOrvanel));
    QTest::keyClicks(TextPage()->Edit(), "more");
    ASSERT_EQ(Steps(), 1);
    BackToStart();
    ASSERT_TRUE(OpenDesignPath(Page(kIddStart), file));
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(Button(kIdcUndo)->isEnabled());
}
