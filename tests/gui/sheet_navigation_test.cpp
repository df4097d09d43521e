// The sheet bar of the text and print pages: moving between sheets, adding and removing them, the
// page, the edit and the whole-sheet preview window showing the shown sheet, and the history
// across moves.
#include "pages2_fixture.h"

#include "pages/design_commands.h"
#include "wizard/design_history.h"
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "design/design_sheets.h"
#include "pages/preview_windows.h"
#include "pages/sheet_navigation.h"
#include "pages/sheet_steps.h"
#include "platform/cp932.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

namespace {

const char kOrvanelSheet[] = "M100AA00";

// Every sheet's texts in UTF-8; the line feed an Orvanel file ends a text with read back is
// dropped.
std::vector<std::vector<std::string>> Texts(const SheetsState& state)
{
    std::vector<std::vector<std::string>> texts;
    for (const std::vector<PieceDesign>& sheet : state.sheets) {
        texts.emplace_back();
        for (const PieceDesign& piece : sheet) {
            std::string text = cp932::ToUtf8(piece.text);
            if (!text.empty() && text.back() == '\n')
                text.pop_back();
            texts.back().push_back(text);
        }
    }
    return texts;
}

class SheetNavigationTest : public TextPrintTest {
protected:
    SheetNavigation* Bar() const { return TextPage()->Sheets(); }
    QString Shown() const { return Bar()->Caption()->Text(); }
    QString EditText() const { return TextPage()->Edit()->toPlainText(); }
    std::string SheetText(int sheet, int sticker) const
    {
        return cp932::ToUtf8(SheetDesign(kKindOrvanel, sheet)[static_cast<std::size_t>(sticker)].text);
    }
    void Click(QWidget* button) { ClickControl(button); }
    void Undo() { ClickControl(Button(kIdcUndo)); }
    void Redo() { ClickControl(Button(kIdcRedo)); }
    void BackToStartAndOpen(const std::filesystem::path& file)
    {
        for (int step = 0; step < 6 && ActiveId() != kIddStart; ++step)
            PressBack();
        ASSERT_EQ(ActiveId(), kIddStart);
        ASSERT_TRUE(OpenDesignPath(Page(kIddStart), file));
    }
    // Three sheets whose first stickers read "一", "二", "三"; the third is shown.
    void ThreeSheets()
    {
        Commit(TextPage()->Edit(), QStringLiteral("一"));
        Click(Bar()->AddButton());
        Commit(TextPage()->Edit(), QStringLiteral("二"));
        Click(Bar()->AddButton());
        Commit(TextPage()->Edit(), QStringLiteral("三"));
    }
};

}  // namespace

TEST_F(SheetNavigationTest, MovesBetweenSheetsAndThePageShowsTheShownSheet)
{
    GoToTextPage(kOrvanelSheet);
    EXPECT_EQ(Shown(), QStringLiteral("1 / 1枚"));
    EXPECT_FALSE(Bar()->PreviousButton()->isEnabled());
    EXPECT_FALSE(Bar()->NextButton()->isEnabled());
    EXPECT_FALSE(Bar()->RemoveButton()->isEnabled()) << "the last sheet stays";
    ThreeSheets();
    EXPECT_EQ(Shown(), QStringLiteral("3 / 3枚"));
    EXPECT_EQ((std::vector<std::string>{SheetText(0, 0), SheetText(1, 0), SheetText(2, 0)}),
              (std::vector<std::string>{"一", "二", "三"}));

    Click(Bar()->PreviousButton());
    EXPECT_EQ(Shown(), QStringLiteral("2 / 3枚"));
    EXPECT_EQ(EditText(), QStringLiteral("二"));
    EXPECT_EQ(cp932::ToUtf8(Piece(0).m_strText), "二") << "the page's design is the shown sheet";
    EXPECT_TRUE(Bar()->NextButton()->isEnabled());
    Click(Bar()->PreviousButton());
    EXPECT_EQ(EditText(), QStringLiteral("一"));
    EXPECT_FALSE(Bar()->PreviousButton()->isEnabled());
    // Typing goes into the shown sheet only.
    QTest::keyClicks(TextPage()->Edit(), "!");
    EXPECT_EQ((std::vector<std::string>{SheetText(0, 0), SheetText(1, 0), SheetText(2, 0)}),
              (std::vector<std::string>{"一!", "二", "三"}));

    // The print page shows the same sheet and moves on its own bar.
    PressNext();
    ASSERT_EQ(ActiveId(), kIddOrvanelPrint);
    EXPECT_EQ(PrintPage()->Sheets()->Caption()->Text(), QStringLiteral("1 / 3枚"));
    ClickControl(PrintPage()->Sheets()->NextButton());
    EXPECT_EQ(PrintPage()->Sheets()->Caption()->Text(), QStringLiteral("2 / 3枚"));
    EXPECT_EQ(cp932::ToUtf8(Piece(0).m_strText), "二");
    PressBack();
    EXPECT_EQ(Shown(), QStringLiteral("2 / 3枚"));
    EXPECT_EQ(EditText(), QStringLiteral("二"));
}

TEST_F(SheetNavigationTest, RemovingASheetWithTextAsksFirst)
{
    GoToTextPage(kOrvanelSheet);
    ThreeSheets();
    Click(Bar()->PreviousButton());  // "二"

    auto keep = AnswerNextModal(QMessageBox::Cancel);
    Click(Bar()->RemoveButton());
    Reactivate();
    ASSERT_TRUE(keep->seen);
    EXPECT_TRUE(keep->text.contains(QStringLiteral("シート2"))) << keep->text.toStdString();
    EXPECT_EQ(SheetCount(kKindOrvanel), 3);

    auto remove = AnswerNextModal(QMessageBox::Ok);
    Click(Bar()->RemoveButton());
    Reactivate();
    ASSERT_TRUE(remove->seen);
    EXPECT_EQ(SheetCount(kKindOrvanel), 2);
    EXPECT_EQ((std::vector<std::string>{SheetText(0, 0), SheetText(1, 0)}), (std::vector<std::string>{"一", "三"}));
    EXPECT_EQ(Shown(), SheetCountText(ShownSheet(kKindOrvanel), 2));
    EXPECT_EQ(EditText().toStdString(), SheetText(ShownSheet(kKindOrvanel), 0));

    // An empty sheet goes without a question.
    Click(Bar()->AddButton());
    auto none = AnswerNextModal(QMessageBox::Cancel);
    Click(Bar()->RemoveButton());
    EXPECT_FALSE(none->seen);
    EXPECT_EQ(SheetCount(kKindOrvanel), 2);

    Undo();
    EXPECT_EQ(SheetCount(kKindOrvanel), 3) << "the empty sheet is back";
    Undo();
    EXPECT_EQ(SheetCount(kKindOrvanel), 2);
    Undo();
    ASSERT_EQ(SheetCount(kKindOrvanel), 3);
    EXPECT_EQ((std::vector<std::string>{SheetText(0, 0), SheetText(1, 0), SheetText(2, 0)}),
              (std::vector<std::string>{"一", "二", "三"}));
    EXPECT_EQ(Shown(), QStringLiteral("2 / 3枚"));
}

TEST_F(SheetNavigationTest, TheWholeSheetPreviewFollowsTheShownSheet)
{
    GoToTextPage(kOrvanelSheet);
    ThreeSheets();
    ClickControl(TextPage()->Control(kIdcWholePreview));
    ASSERT_TRUE(TextPage()->WholePreviewOpen());
    const QImage third = TextPage()->WholePreview()->grab().toImage();
    Click(Bar()->PreviousButton());
    ASSERT_TRUE(TextPage()->WholePreviewOpen());
    const QImage second = TextPage()->WholePreview()->grab().toImage();
    EXPECT_NE(second, third);
    EXPECT_FALSE(Piece(0).m_lines.empty()) << "laid out for the preview";
    Click(Bar()->NextButton());
    EXPECT_EQ(TextPage()->WholePreview()->grab().toImage(), third);
}

// Text steps hold changes of the shown sheet: every move is a step too, so undo first goes back
// to the sheet a text was typed on and never puts it into another sheet.
TEST_F(SheetNavigationTest, UndoAcrossMovesChangesTheSheetTheStepWasMadeOn)
{
    GoToTextPage(kOrvanelSheet);
    ThreeSheets();
    Wizard()->History().Settle();
    Click(Bar()->PreviousButton());
    Click(Bar()->PreviousButton());
    EXPECT_EQ(Shown(), QStringLiteral("1 / 3枚"));

    Undo();  // the typing on sheet 3, shown again for it
    EXPECT_EQ(Shown(), QStringLiteral("3 / 3枚"));
    EXPECT_EQ(EditText(), QString());
    EXPECT_EQ((std::vector<std::string>{SheetText(0, 0), SheetText(1, 0), SheetText(2, 0)}),
              (std::vector<std::string>{"一", "二", ""}));
    Undo();  // the third sheet
    EXPECT_EQ(SheetCount(kKindOrvanel), 2);
    EXPECT_EQ(EditText(), QStringLiteral("二"));
    Click(Bar()->PreviousButton());
    Redo();  // the third sheet
    Redo();  // its typing, on it
    EXPECT_EQ(Shown(), QStringLiteral("3 / 3枚"));
    EXPECT_EQ(EditText(), QStringLiteral("三"));
    EXPECT_EQ((std::vector<std::string>{SheetText(0, 0), SheetText(1, 0), SheetText(2, 0)}),
              (std::vector<std::string>{"一", "二", "三"}));
}

// Looking at another sheet changes nothing: no step, nothing modified, nothing for the recovery
// copy to write.
TEST_F(SheetNavigationTest, MovingBetweenSheetsIsNoStepAndNoChange)
{
    GoToTextPage(kOrvanelSheet);
    ThreeSheets();
    DesignHistory& history = Wizard()->History();
    history.Settle();
    history.MarkSaved();
    SetModified(kKindOrvanel, false);
    const int steps = history.Stack().count();
    QSignalSpy changes(&history, &DesignHistory::Changed);
    Click(Bar()->PreviousButton());
    Click(Bar()->PreviousButton());
    Click(Bar()->NextButton());
    EXPECT_EQ(Shown(), QStringLiteral("2 / 3枚"));
    EXPECT_EQ(history.Stack().count(), steps);
    EXPECT_TRUE(history.Stack().isClean());
    EXPECT_FALSE(CSealFormat::IsModified(kKindOrvanel));
    EXPECT_EQ(changes.count(), 0);
}

// Saved while another sheet than the first is shown and opened again through the wizard's file
// commands: every sheet comes back in its order, NAME.zvd holding the first.
TEST_F(SheetNavigationTest, SavedAndOpenedWithEverySheetWhicheverIsShown)
{
    GoToTextPage(kOrvanelSheet);
    ThreeSheets();
    Click(Bar()->PreviousButton());
    const std::vector<std::vector<std::string>> saved = Texts(TakeSheets(kKindOrvanel));
    const std::filesystem::path file = m_folder.path() / "three.zvd";
    ASSERT_TRUE(SaveDesignPath(TextPage(), file, kKindOrvanel));
    EXPECT_EQ(ShownSheet(kKindOrvanel), 1) << "saving leaves the shown sheet shown";
    EXPECT_EQ(EditText(), QStringLiteral("二"));

    BackToStartAndOpen(file);
    ASSERT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_EQ(Texts(TakeSheets(kKindOrvanel)), saved);
    EXPECT_EQ(Shown(), QStringLiteral("1 / 3枚"));
    EXPECT_EQ(EditText(), QStringLiteral("一"));
}

// The counter shows the whole count however many sheets there are, at the usual size while it
// fits.
TEST_F(SheetNavigationTest, TheCounterShowsEveryCountWhole)
{
    GoToTextPage(kOrvanelSheet);
    CFontStatic* caption = Bar()->Caption();
    const int usual = caption->Font().pixelSize();
    for (int sheet = 1; sheet < 105; ++sheet)
        AddSheet(kKindOrvanel);
    Bar()->Refresh();
    EXPECT_EQ(Shown(), QStringLiteral("1 / 105枚"));
    EXPECT_LE(QFontMetrics(caption->Font()).horizontalAdvance(Shown()), caption->width());
    for (const QString& text : {QStringLiteral("1 / 1枚"), QStringLiteral("105 / 105枚"), QStringLiteral("4096 / 4096枚")}) {
        SCOPED_TRACE(text.toStdString());
        const QFont font = CounterFont(text, caption->width());
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(text), caption->width());
        EXPECT_GE(font.pixelSize(), 9) << "still readable";
    }
    EXPECT_EQ(CounterFont(QStringLiteral("1 / 1枚"), caption->width()).pixelSize(), usual);
}
