// The sticker text edit on its own: what each kind of change stores, the byte limit, the characters
// code page 932 cannot hold, Tab moves and the focus rules of the front and back edits.
#include "controls/every_edit.h"
#include "controls/storable_text.h"
#include "platform/cp932.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

// The page side of the edits: counts what they ask for.
class FakePage : public EveryEditPage {
public:
    void RefreshSelection() override { ++refreshes; }
    void RepaintPictures() override { ++repaints; }
    void EraseAroundEdit(CEveryEdit*) override { ++erases; }
    int refreshes = 0;
    int repaints = 0;
    int erases = 0;
};

std::string Cp932(const char* utf8)
{
    return cp932::FromUtf8(utf8);
}

void Commit(QWidget* edit, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void SendFocus(QWidget* edit, QEvent::Type type)
{
    QFocusEvent event(type, Qt::MouseFocusReason);
    QApplication::sendEvent(edit, &event);
}

class EveryEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSealFormat::ResetAll();
        CSealFormat::Orvanel().m_pieces.resize(4);
        CSealFormat::Zolvi().m_pieces.resize(8);
        m_single = std::make_unique<CEveryEdit>(kEditSingle, false);
        m_front = std::make_unique<CEveryEdit>(kEditPairs, false);
        m_back = std::make_unique<CEveryEdit>(kEditPairs, true);
        m_front->SetPartner(m_back.get());
        m_back->SetPartner(m_front.get());
        for (CEveryEdit* edit : {m_single.get(), m_front.get(), m_back.get()}) {
            edit->SetPage(&m_page);
            edit->SetLimitText(1000);
        }
    }
    void TearDown() override { CSealFormat::ResetAll(); }

    // The current Orvanel sticker holds `stored` and the single edit shows it.
    void Load(const std::string& stored)
    {
        Orvanel(CSealFormat::Orvanel().m_nCurPiece).m_strText = stored;
        m_single->ShowText(stored);
    }

    static SealPiece& Orvanel(int i) { return CSealFormat::Orvanel().m_pieces[static_cast<std::size_t>(i)]; }
    static SealPiece& Zolvi(int i) { return CSealFormat::Zolvi().m_pieces[static_cast<std::size_t>(i)]; }

    FakePage m_page;
    std::unique_ptr<CEveryEdit> m_single, m_front, m_back;
};

TEST_F(EveryEditTest, TypingOneLetterStoresItAndMarksTheDesignBackspaceLeavesTheMark)
{
    QTest::keyClick(m_single.get(), Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(Orvanel(0).m_strText, "a");
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1);
    EXPECT_GT(m_page.refreshes, 0);

    CSealFormat::Orvanel().m_bModified = 0;
    QTest::keyClick(m_single.get(), Qt::Key_Backspace);
    EXPECT_EQ(Orvanel(0).m_strText, "");
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 0) << "an empty result leaves the flag as it was";
}

TEST_F(EveryEditTest, EnterInTheMiddleOfALineStoresALineFeedThere)
{
    QTest::keyClicks(m_single.get(), "abcd");
    m_single->moveCursor(QTextCursor::Left);
    m_single->moveCursor(QTextCursor::Left);
    QTest::keyClick(m_single.get(), Qt::Key_Return);
    EXPECT_EQ(Orvanel(0).m_strText, "ab\ncd");
}

struct RemovalCase {
    const char* name;
    const char* stored;  // UTF-8, shown in the edit with the caret at the end
    int caretFromEnd;
    Qt::Key key;
    const char* expected;
};

TEST_F(EveryEditTest, BackspaceAndDeleteRemoveWholeCharactersAndLineBreaks)
{
    const RemovalCase cases[] = {
        {"backspace after a line break", "ab\ncd", 2, Qt::Key_Backspace, "abcd"},
        {"backspace after a double-byte character", "aあ", 0, Qt::Key_Backspace, "a"},
        {"delete before a line break", "ab\ncd", 3, Qt::Key_Delete, "abcd"},
        {"delete before a double-byte character", "漢字", 2, Qt::Key_Delete, "字"},
        {"backspace at the start", "ab", 2, Qt::Key_Backspace, "ab"},
        {"delete at the end", "ab", 0, Qt::Key_Delete, "ab"},
    };
    for (const RemovalCase& c : cases) {
        SCOPED_TRACE(c.name);
        CSealFormat::Orvanel().m_bModified = 0;
        Load(Cp932(c.stored));
        for (int i = 0; i < c.caretFromEnd; ++i)
            m_single->moveCursor(QTextCursor::Left);
        const int before = m_page.refreshes;
        QTest::keyClick(m_single.get(), c.key);
        EXPECT_EQ(Orvanel(0).m_strText, Cp932(c.expected));
        EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1) << "stored and marked even when nothing went";
        EXPECT_EQ(m_page.refreshes, before + 1);
    }
}

TEST_F(EveryEditTest, PasteStopsAtTheByteLimitWithoutSplittingACharacter)
{
    const std::string text990(990, 'x');
    Load(text990);
    QApplication::clipboard()->setText(QStringLiteral("0123456789abcdefghij"));
    m_single->paste();
    EXPECT_EQ(Orvanel(0).m_strText, text990 + "0123456789");

    Load(std::string(999, 'x'));
    QApplication::clipboard()->setText(QStringLiteral("あい"));
    m_single->paste();
    EXPECT_EQ(Orvanel(0).m_strText.size(), 999u) << "a double-byte character does not fit in one byte";

    Load(std::string(998, 'x'));
    QTest::keyClick(m_single.get(), Qt::Key_Return);
    EXPECT_EQ(Orvanel(0).m_strText, std::string(998, 'x') + "\n") << "a line break takes two bytes";
    QTest::keyClick(m_single.get(), Qt::Key_A);
    EXPECT_EQ(Orvanel(0).m_strText.size(), 999u) << "nothing more fits";
}

TEST_F(EveryEditTest, PasteReplacesTheSelectionAndTakesItsRoomIntoAccount)
{
    Load(std::string(995, 'x') + "yyyyy");
    QTextCursor cursor = m_single->textCursor();
    cursor.setPosition(995);
    cursor.setPosition(1000, QTextCursor::KeepAnchor);
    m_single->setTextCursor(cursor);
    QApplication::clipboard()->setText(QStringLiteral("12345678"));
    m_single->paste();
    EXPECT_EQ(Orvanel(0).m_strText, std::string(995, 'x') + "12345");
}

TEST_F(EveryEditTest, InputMethodStringsAreStoredInCodePage932)
{
    Commit(m_single.get(), QStringLiteral("こんにちは"));
    EXPECT_EQ(Orvanel(0).m_strText, Cp932("こんにちは"));
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 1);
}

TEST_F(EveryEditTest, CharactersCodePage932CannotHoldAreRefusedAndOthersShownAsStored)
{
    Commit(m_single.get(), QStringLiteral("a😀b"));
    EXPECT_EQ(Orvanel(0).m_strText, "ab");
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("ab"));

    Load("");
    Commit(m_single.get(), QStringLiteral("〜"));
    EXPECT_EQ(Orvanel(0).m_strText, "\x81\x60");
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("～")) << "the edit shows what the design holds";

    Load("");
    QApplication::clipboard()->setText(QStringLiteral("é"));
    m_single->paste();
    EXPECT_EQ(Orvanel(0).m_strText, "");
    EXPECT_EQ(ShownForm(Orvanel(0).m_strText), m_single->toPlainText());

    // Typed keys, a character beyond the basic plane (two UTF-16 units) among them.
    Load("");
    for (const char32_t character : std::u32string(U"𠮷田健")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&character, 1));
        QApplication::sendEvent(m_single.get(), &key);
    }
    EXPECT_EQ(Orvanel(0).m_strText, Cp932("田健"));
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("田健"));
}

// The design's history undoes typing; the edit keeps none of its own, and leaves the undo keys
// to the window's shortcuts.
TEST_F(EveryEditTest, TheEditKeepsNoUndoOfItsOwn)
{
    QTest::keyClicks(m_single.get(), "ab");
    m_single->undo();
    QTest::keyClick(m_single.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Orvanel(0).m_strText, "ab");
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("ab"));
    for (const QKeyCombination keys : {QKeyCombination(Qt::ControlModifier, Qt::Key_Z),
                                       QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z),
                                       QKeyCombination(Qt::ControlModifier, Qt::Key_Y)}) {
        QKeyEvent override(QEvent::ShortcutOverride, keys.key(), keys.keyboardModifiers());
        QApplication::sendEvent(m_single.get(), &override);
        EXPECT_FALSE(override.isAccepted()) << keys.toCombined();
    }
}

TEST_F(EveryEditTest, ShowingAStickerStoresNothing)
{
    Orvanel(2).m_strText = "Z";
    CSealFormat::Orvanel().m_nCurPiece = 2;
    m_single->ShowText(Cp932("a\nb"));
    EXPECT_EQ(Orvanel(2).m_strText, "Z");
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(m_page.refreshes, 0);
}

TEST_F(EveryEditTest, TabMovesBetweenStickersAndStopsAtTheEnds)
{
    Orvanel(1).m_strText = "one";
    QTest::keyClick(m_single.get(), Qt::Key_Tab);
    EXPECT_EQ(CSealFormat::Orvanel().m_nCurPiece, 1);
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("one"));
    EXPECT_EQ(Orvanel(0).m_strText, "") << "Tab types nothing";

    CSealFormat::Orvanel().m_nCurPiece = 3;
    Orvanel(3).m_strText = "last";
    QTest::keyClick(m_single.get(), Qt::Key_Tab);
    EXPECT_EQ(CSealFormat::Orvanel().m_nCurPiece, 3);
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("last"));

    CSealFormat::Orvanel().m_nCurPiece = 0;
    QTest::keyClick(m_single.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(CSealFormat::Orvanel().m_nCurPiece, 0);
    EXPECT_EQ(m_single->toPlainText(), QString()) << "an empty sticker empties the edit";
}

struct PairTabCase {
    int layout;
    int from;
    bool backwards;
    int to;
};

TEST_F(EveryEditTest, TabOverPairsStepsWholeStickersInSameTextLayouts)
{
    const PairTabCase cases[] = {{144, 2, false, 4}, {144, 2, true, 0}, {145, 2, false, 3}, {145, 3, true, 2},
                                 {144, 6, false, 6}, {145, 7, false, 7}, {146, 0, true, 0}};
    for (const PairTabCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "layout " << c.layout << " from " << c.from);
        CSealFormat::s_nLayoutMode = c.layout;
        CSealFormat::Zolvi().m_nCurPiece = c.from;
        CEveryEdit* edit = c.from % 2 ? m_back.get() : m_front.get();
        QTest::keyClick(edit, c.backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        c.backwards ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(CSealFormat::Zolvi().m_nCurPiece, c.to);
    }
}

TEST_F(EveryEditTest, TabOverPairsShowsBothPartsOfTheNewSticker)
{
    CSealFormat::s_nLayoutMode = 145;
    Zolvi(2).m_strText = "front";
    Zolvi(3).m_strText = "";
    m_back->ShowText("old");
    CSealFormat::Zolvi().m_nCurPiece = 1;
    QTest::keyClick(m_back.get(), Qt::Key_Tab);
    EXPECT_EQ(CSealFormat::Zolvi().m_nCurPiece, 2);
    EXPECT_EQ(m_front->toPlainText(), QStringLiteral("front"));
    EXPECT_EQ(m_back->toPlainText(), QString());
}

TEST_F(EveryEditTest, FocusMovesTheSelectionToThePartOfTheEdit)
{
    Zolvi(3).m_strText = "back";
    CSealFormat::Zolvi().m_nCurPiece = 2;
    SendFocus(m_back.get(), QEvent::FocusIn);
    EXPECT_EQ(CSealFormat::Zolvi().m_nCurPiece, 3) << "the back edit moves to the odd record first";
    EXPECT_EQ(m_back->toPlainText(), QStringLiteral("back"));
    EXPECT_EQ(m_page.repaints, 1);

    SendFocus(m_front.get(), QEvent::FocusIn);
    EXPECT_EQ(CSealFormat::Zolvi().m_nCurPiece, 2);
    EXPECT_EQ(m_front->toPlainText(), QString()) << "an empty text leaves the content";

    m_single->ShowText("keep");
    SendFocus(m_single.get(), QEvent::FocusIn);
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("keep"));
    SendFocus(m_single.get(), QEvent::FocusOut);
    EXPECT_EQ(m_page.erases, 1);
    SendFocus(m_front.get(), QEvent::FocusOut);
    EXPECT_EQ(m_page.erases, 1) << "only the single edit has its surroundings redrawn";
}

TEST_F(EveryEditTest, TypingIntoTheBackEditStoresTheOddRecord)
{
    CSealFormat::s_nLayoutMode = 145;
    CSealFormat::Zolvi().m_nCurPiece = 4;
    QTest::keyClicks(m_back.get(), "B");
    QTest::keyClicks(m_front.get(), "F");
    EXPECT_EQ(Zolvi(5).m_strText, "B");
    EXPECT_EQ(Zolvi(4).m_strText, "F");
    EXPECT_EQ(CSealFormat::Zolvi().m_bModified, 1);
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 0);
}

TEST_F(EveryEditTest, ReloadTextKeepsTheContentForAnEmptyPart)
{
    CSealFormat::Zolvi().m_nCurPiece = 0;
    Zolvi(0).m_strText = "F";
    m_front->ReloadText();
    m_back->ShowText("kept");
    m_back->ReloadText();
    EXPECT_EQ(m_front->toPlainText(), QStringLiteral("F"));
    EXPECT_EQ(m_back->toPlainText(), QStringLiteral("kept"));
    m_single->ShowText("single");
    m_single->ReloadText();
    EXPECT_EQ(m_single->toPlainText(), QStringLiteral("single"));
}

TEST_F(EveryEditTest, ASheetWithoutStickersStoresNothing)
{
    CSealFormat::Orvanel().m_pieces.clear();
    QTest::keyClicks(m_single.get(), "a");
    QTest::keyClick(m_single.get(), Qt::Key_Tab);
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 0);
    EXPECT_EQ(CSealFormat::Orvanel().m_nCurPiece, 0);
}

}  // namespace
