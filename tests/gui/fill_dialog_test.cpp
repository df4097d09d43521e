// The fill dialog of the text pages: a list pasted or read from a file, a numbered series, the
// entries a sticker cannot hold listed before the fill, the Zolvi choice of parts and the number
// of sheets a fill takes; the fill through the page as one step of the history.
#include "pages2_fixture.h"

#include "wizard/design_history.h"
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "design/design_sheets.h"
#include "design/sheets_file.h"
#include "pages/fill_dialog.h"
#include "pages/program_folder.h"
#include "pages/sheet_navigation.h"
#include "pages/sheet_steps.h"
#include "platform/cp932.h"
#include "res/resource_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

const char kOrvanelSheet[] = "M100AA00";
const char kTwoTextZolviSheet[] = "M011AA00";
constexpr int kTwoTextLayout = 145;

QString Lines(int count, const char* prefix)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1%2").arg(QString::fromUtf8(prefix)).arg(i);
    return lines.join(QLatin1Char('\n'));
}

class FillDialogTest : public TextPrintTest {
protected:
    int Stickers() const { return static_cast<int>(Design().pieces.size()); }
    std::unique_ptr<FillDialog> Open(int from = 0, bool twoTexts = false)
    {
        return std::make_unique<FillDialog>(TextPage(), Wizard()->m_nKind, from, twoTexts);
    }
    static void Paste(FillDialog& dialog, const QString& text)
    {
        dialog.ListText()->setPlainText(text);
        dialog.RefreshNow();
    }
    static std::vector<std::string> Utf8(const std::vector<std::string>& texts)
    {
        std::vector<std::string> out;
        for (const std::string& text : texts)
            out.push_back(cp932::ToUtf8(text));
        return out;
    }
    void Undo() { ClickControl(Button(kIdcUndo)); }
    void Redo() { ClickControl(Button(kIdcRedo)); }
};

}  // namespace

TEST_F(FillDialogTest, PastedLinesKeepOrSkipBlankLinesAndCountTheSheets)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    Paste(*dialog, QStringLiteral("一\n\n三"));
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"一", "", "三"}));
    dialog->SkipBlank()->setChecked(true);
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"一", "三"}));
    EXPECT_TRUE(dialog->Summary()->text().contains(QStringLiteral("1枚"))) << dialog->Summary()->text().toStdString();

    struct Case {
        int from, entries, sheets;
    };
    const int n = Stickers();
    const Case cases[] = {{0, n, 1}, {0, n + 1, 2}, {n - 1, 2, 2}, {2, 2 * n - 2, 2}, {2, 2 * n - 1, 3}};
    for (const Case& c : cases) {
        auto from = Open(c.from);
        Paste(*from, Lines(c.entries, "x"));
        EXPECT_TRUE(from->Summary()->text().contains(QStringLiteral("%1枚").arg(c.sheets)))
            << c.from << " + " << c.entries << ": " << from->Summary()->text().toStdString();
        EXPECT_TRUE(from->Summary()->text().contains(QStringLiteral("シール%1から").arg(c.from + 1)));
    }
}

TEST_F(FillDialogTest, CsvFromAFileByColumnNameOrNumberInItsEncoding)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    // Code page 932 bytes, a quoted field with a line break.
    const std::string csv = cp932::FromUtf8("番号,名前\r\n1,山田\r\n2,\"鈴木\r\n花子\"\r\n");
    dialog->TakeFile(QStringLiteral("/tmp/名簿.csv"), csv);
    EXPECT_TRUE(dialog->Encoding()->isEnabled());
    EXPECT_TRUE(dialog->ListState()->text().contains(QStringLiteral("シフトJIS"))) << dialog->ListState()->text().toStdString();
    EXPECT_GE(dialog->Column()->findText(QStringLiteral("名前")), 0) << "the header's names are offered";
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"1", "2"})) << "the first column";
    for (const QString& column : {QStringLiteral("名前"), QStringLiteral("2")}) {
        dialog->Column()->setEditText(column);
        dialog->RefreshNow();
        EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"山田", "鈴木\n花子"})) << column.toStdString();
    }
    // Read as UTF-8 the same bytes are not the list they were.
    dialog->Encoding()->setCurrentIndex(dialog->Encoding()->findText(QStringLiteral("UTF-8")));
    EXPECT_NE(Utf8(dialog->Texts()), (std::vector<std::string>{"山田", "鈴木\n花子"}));
    // Typing replaces the file.
    Paste(*dialog, QStringLiteral("手で"));
    EXPECT_FALSE(dialog->Encoding()->isEnabled());
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"手で"}));
}

// A Shift_JIS file with a UTF-8 line: the line is listed with its number and what it says, and
// "skip" leaves it out.
TEST_F(FillDialogTest, Utf8LinesOfAShiftJisFileAreListedWithTheirNumbers)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    dialog->TakeFile(QStringLiteral("/tmp/名簿.txt"), cp932::FromUtf8("山田\r\n") + "田中\r\n" + cp932::FromUtf8("佐藤\r\n"));
    ASSERT_EQ(dialog->Issues()->count(), 1);
    EXPECT_EQ(dialog->Issues()->item(0)->text(), QStringLiteral("2行目: シフトJISではなくUTF-8の行です（文字化けします）「田中」"));
    dialog->SkipChoice()->setChecked(true);
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"山田", "佐藤"}));
}

// A list of more entries than the most sheets of a design take is read only that far, and not filled.
TEST_F(FillDialogTest, AListBeyondTheMostSheetsIsReadNoFurtherAndNotFilled)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    const std::size_t most = static_cast<std::size_t>(Stickers()) * kMaxSheets;
    std::string lines;
    for (std::size_t i = 0; i < most + 10; ++i)
        lines += "x\n";
    dialog->TakeFile(QStringLiteral("/tmp/長い.txt"), lines);
    EXPECT_EQ(dialog->Summary()->text(), QStringLiteral("%1件を超えるため、シートが%2枚を超えます。").arg(most).arg(kMaxSheets));
    EXPECT_FALSE(dialog->FillButton()->isEnabled());
}

TEST_F(FillDialogTest, SeriesPreviewsItsFirstAndLastEntries)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    dialog->Tabs()->setCurrentIndex(1);
    dialog->Prefix()->setText(QStringLiteral("No."));
    dialog->Start()->setValue(1);
    dialog->Step()->setValue(1);
    dialog->Count()->setValue(120);
    dialog->Digits()->setValue(3);
    EXPECT_EQ(dialog->SeriesPreview()->text(), QStringLiteral("No.001 … No.120")) << "at once, before the pause";
    dialog->RefreshNow();
    ASSERT_EQ(dialog->Texts().size(), 120u);
    EXPECT_EQ(dialog->Texts()[41], "No.042");
    dialog->Suffix()->setText(QStringLiteral("番"));
    dialog->Step()->setValue(5);
    dialog->Count()->setValue(3);
    EXPECT_EQ(dialog->SeriesPreview()->text(), QStringLiteral("No.001番 … No.011番"));
    dialog->Count()->setValue(0);
    dialog->RefreshNow();
    EXPECT_FALSE(dialog->FillButton()->isEnabled()) << "nothing to fill";
}

// Accepting right after an edit, before the typing pause ends, fills what is shown, not the list
// as it was read last; with nothing to fill the dialog stays open.
TEST_F(FillDialogTest, AcceptingReadsTheLastEditFirst)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    Paste(*dialog, QStringLiteral("古い"));
    dialog->ListText()->setPlainText(QStringLiteral("新しい\n二"));
    dialog->FillButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"新しい", "二"}));

    auto series = Open();
    series->Tabs()->setCurrentIndex(1);
    series->Count()->setValue(4);
    series->RefreshNow();
    series->Count()->setValue(2);
    series->accept();
    EXPECT_EQ(series->result(), QDialog::Accepted);
    EXPECT_EQ(series->Texts().size(), 2u);

    auto empty = Open();
    Paste(*empty, QStringLiteral("一"));
    empty->ListText()->clear();
    empty->accept();
    EXPECT_NE(empty->result(), QDialog::Accepted);
    EXPECT_TRUE(empty->Texts().empty());
}

TEST_F(FillDialogTest, EntriesAStickerCannotHoldAreListedWithTheirLinesBeforeTheFill)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    const QString tooLong(600, QChar(u'長'));  // 1200 bytes in code page 932
    Paste(*dialog, QStringLiteral("よし\n𠮷野家\n") + tooLong + QStringLiteral("\nおわり"));
    ASSERT_EQ(dialog->Issues()->count(), 2);
    EXPECT_TRUE(dialog->Issues()->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dialog->Issues()->item(0)->text().startsWith(QStringLiteral("2行目"))) << dialog->Issues()->item(0)->text().toStdString();
    EXPECT_TRUE(dialog->Issues()->item(0)->text().contains(QStringLiteral("𠮷")));
    EXPECT_TRUE(dialog->Issues()->item(1)->text().startsWith(QStringLiteral("3行目")));

    EXPECT_TRUE(dialog->ReplaceChoice()->isChecked());
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"よし", "？野家", "おわり"}));
    dialog->SkipChoice()->setChecked(true);
    EXPECT_EQ(Utf8(dialog->Texts()), (std::vector<std::string>{"よし", "おわり"}));
    EXPECT_EQ(dialog->Issues()->count(), 2) << "still listed";

    Paste(*dialog, QStringLiteral("よし"));
    EXPECT_EQ(dialog->Issues()->count(), 0);
    EXPECT_FALSE(dialog->Issues()->isVisibleTo(dialog.get()));
}

TEST_F(FillDialogTest, ZolviTwoTextsOfferFrontsOrFrontAndBack)
{
    GoToTextPage(kTwoTextZolviSheet);
    CSealFormat::s_nLayoutMode = kTwoTextLayout;
    PressBack();
    PressNext();
    const int stickers = Stickers() / 2;
    auto dialog = Open(0, true);
    EXPECT_TRUE(dialog->FrontsChoice()->isVisibleTo(dialog.get()));
    Paste(*dialog, Lines(stickers + 1, "z"));
    EXPECT_TRUE(dialog->Summary()->text().contains(QStringLiteral("2枚"))) << dialog->Summary()->text().toStdString();
    dialog->FrontAndBackChoice()->setChecked(true);
    EXPECT_EQ(dialog->How(), ZolviFill::FrontAndBack);
    EXPECT_TRUE(dialog->Summary()->text().contains(QStringLiteral("1枚"))) << dialog->Summary()->text().toStdString();
    EXPECT_FALSE(Open(0, false)->FrontsChoice()->isVisibleTo(dialog.get()));

    // Through the page: front, back, front of the next sticker.
    auto fill = ActOnNextModal([](QDialog& shown) {
        auto& fillDialog = static_cast<FillDialog&>(shown);
        fillDialog.FrontAndBackChoice()->setChecked(true);
        fillDialog.ListText()->setPlainText(QStringLiteral("表\n裏\n次"));
        fillDialog.RefreshNow();
        fillDialog.FillButton()->click();
    });
    ClickControl(TextPage()->FillButton());
    Reactivate();
    ASSERT_TRUE(fill->seen);
    EXPECT_EQ(cp932::ToUtf8(Piece(0).m_strText), "表");
    EXPECT_EQ(cp932::ToUtf8(Piece(1).m_strText), "裏");
    EXPECT_EQ(cp932::ToUtf8(Piece(2).m_strText), "次");
}

// The fill from the current sticker onto added sheets is one step: undo gives back the one sheet
// as it was, redo the sheets of the fill, with the sheet shown then.
TEST_F(FillDialogTest, AFillAcrossSheetsIsOneStepOfTheHistory)
{
    GoToTextPage(kOrvanelSheet);
    Commit(TextPage()->Edit(), QStringLiteral("前から"));
    ClickMapSticker(2);
    const int stickers = Stickers();
    const int entries = stickers + 5;  // from sticker 3: onto a second sheet
    const int steps = Wizard()->History().Stack().count();
    auto fill = ActOnNextModal([entries](QDialog& shown) {
        auto& dialog = static_cast<FillDialog&>(shown);
        dialog.ListText()->setPlainText(Lines(entries, "名"));
        dialog.RefreshNow();
        dialog.FillButton()->click();
    });
    ClickControl(TextPage()->FillButton());
    Reactivate();
    ASSERT_TRUE(fill->seen);
    ASSERT_EQ(SheetCount(kKindOrvanel), 2);
    EXPECT_EQ(Wizard()->History().Stack().count(), steps + 1);
    EXPECT_EQ(cp932::ToUtf8(SheetDesign(kKindOrvanel, 0)[0].text), "前から") << "before the current sticker";
    EXPECT_EQ(cp932::ToUtf8(SheetDesign(kKindOrvanel, 0)[2].text), "名1");
    EXPECT_EQ(cp932::ToUtf8(SheetDesign(kKindOrvanel, 1)[0].text), QStringLiteral("名%1").arg(stickers - 1).toStdString());
    EXPECT_EQ(cp932::ToUtf8(SheetDesign(kKindOrvanel, 1)[6].text), QStringLiteral("名%1").arg(entries).toStdString());
    EXPECT_EQ(TextPage()->Sheets()->Caption()->Text(), SheetCountText(ShownSheet(kKindOrvanel), 2));
    const SheetsState filled = TakeSheets(kKindOrvanel);

    Undo();
    EXPECT_EQ(SheetCount(kKindOrvanel), 1);
    EXPECT_EQ(cp932::ToUtf8(Piece(0).m_strText), "前から");
    EXPECT_EQ(Piece(2).m_strText, "");
    EXPECT_EQ(TextPage()->Sheets()->Caption()->Text(), QStringLiteral("1 / 1枚"));
    Redo();
    const SheetsState again = TakeSheets(kKindOrvanel);
    EXPECT_EQ(again.sheets, filled.sheets);
    EXPECT_EQ(again.shown, filled.shown);
    EXPECT_EQ(TextPage()->Edit()->toPlainText(), QString::fromStdString(cp932::ToUtf8(Piece(Current()).m_strText)));
}

namespace {

// "ファイルを開く…" looks where the user is likely to keep lists: the folder of the last list, at
// first the design folder, never the folder the program was started from.
TEST_F(FillDialogTest, OpeningAListStartsInTheFolderOfTheLastListElseTheDesignFolder)
{
    GoToTextPage(kOrvanelSheet);
    auto dialog = Open();
    const auto buttons = dialog->findChildren<QPushButton*>();
    const auto open = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* button) {
        return button->text() == QStringLiteral("ファイルを開く…");
    });
    ASSERT_NE(open, buttons.end());
    const auto shownFolder = [&] {
        QString folder;
        auto answer = ActOnNextModal([&folder](QDialog& shown) {
            if (auto* files = qobject_cast<QFileDialog*>(&shown))
                folder = files->directory().absolutePath();
            shown.reject();
        });
        (*open)->click();
        EXPECT_TRUE(answer->seen);
        return folder;
    };
    EXPECT_EQ(shownFolder(), ToQString(DesignFolder()));
    TempFolder lists;
    RememberListFolder(lists.path() / "名簿.csv");
    EXPECT_EQ(shownFolder(), ToQString(lists.path()));
}

}  // namespace
