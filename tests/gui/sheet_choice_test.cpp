// Going back to the sheet list with texts written: the texts stay unless the user agrees to
// lose them for another sheet.
#include "pages2_fixture.h"

#include "controls/every_edit.h"
#include "controls/quick_list.h"
#include "design/design_sheets.h"
#include "pages/text_page.h"
#include "res/resource_ids.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

class SheetChoiceTest : public TextPrintTest {
protected:
    // Texts typed on the text page of `code`, then Back until the sheet list shows.
    void WriteAndGoBack(const std::string& code)
    {
        GoToTextPage(code);
        QTest::keyClicks(TextPage()->Edit(), "abc");
        ASSERT_EQ(Piece(0).m_strText, "abc");
        while (ActiveId() != kIddSelection)
            PressBack();
    }
    void ExpectTextsKept(int kind)
    {
        EXPECT_EQ(Wizard()->m_nKind, kind);
        EXPECT_TRUE(DesignHasText(kind));
        EXPECT_EQ(Piece(0).m_strText, "abc");
    }
    // Presses Next until the text page and checks the typed text is there.
    void ExpectTextOnTextPage()
    {
        for (int step = 0; step < 3 && ActiveId() != kIddOrvanelText; ++step)
            PressNext();
        ASSERT_EQ(ActiveId(), kIddOrvanelText);
        EXPECT_EQ(TextPage()->Edit()->toPlainText(), QStringLiteral("abc"));
    }
};

TEST_F(SheetChoiceTest, ComingBackShowsTheDesignsSheetChosenAndNextGoesOnWithTheTexts)
{
    WriteAndGoBack("M100AA00");
    EXPECT_EQ(Selection()->List()->SelectedRow(), RowOf("M100AA00"));
    EXPECT_TRUE(NextEnabled());
    ExpectTextsKept(kKindOrvanel);
    ExpectTextOnTextPage();
}

TEST_F(SheetChoiceTest, ClickingTheSameSheetAgainKeepsTheTextsWithoutAQuestion)
{
    WriteAndGoBack("M100AA00");
    const auto answer = AnswerNextModal(QMessageBox::Ok);
    ClickSheet("M100AA00");
    EXPECT_FALSE(answer->seen);
    ExpectTextsKept(kKindOrvanel);
    ExpectTextOnTextPage();
}

TEST_F(SheetChoiceTest, AnotherSheetAsksFirstAndCancelKeepsEverything)
{
    WriteAndGoBack("M100AA00");
    const auto answer = AnswerNextModal(QMessageBox::Cancel);
    ClickSheet("M011AA00");
    ASSERT_TRUE(answer->seen);
    QCoreApplication::processEvents();
    EXPECT_EQ(answer->text, QStringLiteral("入力した文字は消えます。よろしいですか？"));
    EXPECT_EQ(Selection()->List()->SelectedRow(), RowOf("M100AA00"));
    ExpectTextsKept(kKindOrvanel);
    ExpectTextOnTextPage();
}

TEST_F(SheetChoiceTest, AnotherSheetAgreedToStartsAnEmptyDesignOnIt)
{
    WriteAndGoBack("M100AA00");
    const auto answer = AnswerNextModal(QMessageBox::Ok);
    ClickSheet("M011AA00");
    ASSERT_TRUE(answer->seen);
    EXPECT_EQ(Wizard()->m_nKind, kKindZolvi);
    EXPECT_EQ(g_strCurCode, "M011AA00");
    EXPECT_FALSE(DesignHasText(kKindZolvi));
    EXPECT_FALSE(DesignHasText(kKindOrvanel));
    EXPECT_TRUE(NextEnabled());
}

TEST_F(SheetChoiceTest, TheArrowKeysAskTooAndAnEmptyDesignFollowsThemFreely)
{
    WriteAndGoBack("M100AA00");
    CQuickList* list = Selection()->List();
    list->setFocus();
    const int held = RowOf("M100AA00");
    const Qt::Key away = held == 0 ? Qt::Key_Down : Qt::Key_Up;
    {
        const auto answer = AnswerNextModal(QMessageBox::Cancel);
        QTest::keyClick(list, away);
        ASSERT_TRUE(answer->seen);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(list->SelectedRow(), held);
    ExpectTextsKept(kKindOrvanel);
    {
        const auto answer = AnswerNextModal(QMessageBox::Ok);
        QTest::keyClick(list, away);
        ASSERT_TRUE(answer->seen);
    }
    EXPECT_NE(list->SelectedRow(), held);
    EXPECT_TRUE(NextEnabled()) << "a row chosen by keys is chosen";
    const auto none = AnswerNextModal(QMessageBox::Ok);
    QTest::keyClick(list, away == Qt::Key_Down ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_FALSE(none->seen) << "an empty design is no loss";
    EXPECT_EQ(list->SelectedRow(), held);
}

TEST_F(SheetChoiceTest, ASearchHidingTheDesignsSheetKeepsNextAndIsClearedWhenComingBack)
{
    WriteAndGoBack("M100AA00");
    Selection()->Search()->setText(QStringLiteral("no such sheet"));
    EXPECT_EQ(Selection()->Rows().size(), 0u);
    EXPECT_TRUE(NextEnabled());
    PressNext();
    ASSERT_NE(ActiveId(), kIddSelection);
    PressBack();
    ASSERT_EQ(ActiveId(), kIddSelection);
    EXPECT_TRUE(Selection()->Search()->text().isEmpty());
    EXPECT_EQ(Selection()->List()->SelectedRow(), RowOf("M100AA00"));
    ExpectTextOnTextPage();
}

}  // namespace
