#include "controls/every_edit.h"

#include "controls/storable_text.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace {

bool IsTabKey(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
           && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool IsEnterKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A key that types its text (not a shortcut and not a control character).
bool IsTypedText(const QKeyEvent& key)
{
    if (key.text().isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    // By code point: a character beyond the basic plane starts with a surrogate, never printable.
    return QChar::isPrint(key.text().toUcs4().front());
}

// Undo and redo belong to the design's history, which the window's shortcuts reach.
bool IsHistoryKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo)
           || key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
           || key.keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

CEveryEdit::CEveryEdit(int mode, bool back, QWidget* parent)
    : QPlainTextEdit(parent), m_nMode(mode), m_bBack(mode == kEditPairs && back)
{
    setTabChangesFocus(false);
    setUndoRedoEnabled(false);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_bShowing)
            Mirror();
    });
}

SealDataCommon& CEveryEdit::Sheet() const
{
    if (m_nMode == kEditSingle)
        return Orvanel();
    return Zolvi();
}

std::vector<SealPiece>& CEveryEdit::Pieces() const
{
    return m_nMode == kEditSingle ? Orvanel().m_pieces : Zolvi().m_pieces;
}

int CEveryEdit::BoundIndex() const
{
    const int current = Sheet().m_nCurPiece;
    int index = current;
    if (m_nMode == kEditPairs)
        index = m_bBack ? BackRecord(current) : FrontRecord(current);
    return index >= 0 && index < static_cast<int>(Pieces().size()) ? index : -1;
}

std::string CEveryEdit::BoundText() const
{
    const int index = BoundIndex();
    return index < 0 ? std::string() : Pieces()[static_cast<std::size_t>(index)].m_strText;
}

QString CEveryEdit::ShownText(const std::string& stored) const
{
    QString shown = ShownForm(stored);
    if (m_nMode == kEditSingle && shown.endsWith(QChar(u'\n')))
        shown.chop(1);
    return shown;
}

bool CEveryEdit::Shows(const std::string& stored) const
{
    const QString shown = toPlainText();
    return StoredForm(shown) == stored || shown == ShownText(stored);
}

void CEveryEdit::ShowText(const std::string& stored)
{
    m_bShowing = true;
    setPlainText(ShownText(stored));
    moveCursor(QTextCursor::End);
    m_bShowing = false;
}

void CEveryEdit::ReloadText()
{
    const std::string text = BoundText();
    if (!text.empty() && !Shows(text))
        ShowText(text);
}

void CEveryEdit::Mirror()
{
    m_bMirrored = true;
    const int index = BoundIndex();
    if (index < 0)
        return;
    std::string& text = Pieces()[static_cast<std::size_t>(index)].m_strText;
    text = StoredForm(toPlainText());
    if (!text.empty())
        Sheet().m_bModified = 1;
    if (m_page)
        m_page->RefreshSelection();
    emit TextStored(m_change);
}

QString CEveryEdit::Admit(const QString& insertion) const
{
    const QTextCursor cursor = textCursor();
    QString kept = toPlainText();
    kept.remove(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    return FittingStart(StorableText(insertion), m_nLimit - EditBytes(kept));
}

// Typed text goes in as far as it is admitted; false when nothing of it may.
bool CEveryEdit::InsertTyped(const QString& typed)
{
    const QString admitted = Admit(typed);
    if (admitted.isEmpty()) {
        QApplication::beep();
        return false;
    }
    insertPlainText(admitted);
    return true;
}

bool CEveryEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && IsHistoryKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsTabKey(*key)) {
            MoveWithTab(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void CEveryEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        // Stored and refreshed even when there is nothing to remove.
        m_bMirrored = false;
        QPlainTextEdit::keyPressEvent(event);
        if (!m_bMirrored)
            Mirror();
        return;
    }
    if (IsEnterKey(*event) && !(event->modifiers() & Qt::ControlModifier)) {
        InsertTyped(QStringLiteral("\n"));
        return;
    }
    if (IsTypedText(*event) && Admit(event->text()) != event->text()) {
        InsertTyped(event->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        m_change = EditChange::Cut;
        QPlainTextEdit::keyPressEvent(event);
        m_change = EditChange::Typing;
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CEveryEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = event->commitString();
    const QString admitted = committed.isEmpty() ? committed : Admit(committed);
    if (admitted == committed) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    if (admitted.isEmpty())
        QApplication::beep();
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(admitted, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void CEveryEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText() || source->text().isEmpty())
        return;
    m_change = EditChange::Paste;
    InsertTyped(source->text());
    m_change = EditChange::Typing;
}

void CEveryEdit::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (m_nMode == kEditPairs) {
        int& current = Sheet().m_nCurPiece;
        if (!m_bBack && current % 2 != 0)
            --current;
        else if (m_bBack && current % 2 == 0)
            ++current;
    }
    const std::string text = BoundText();
    if (m_page) {
        m_page->RepaintPictures();
        m_page->RefreshSelection();
    }
    if (!text.empty() && !Shows(text))
        ShowText(text);
}

void CEveryEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (m_nMode == kEditSingle && m_page)
        m_page->EraseAroundEdit(this);
}

void CEveryEdit::MoveWithTab(bool backwards)
{
    const int count = static_cast<int>(Pieces().size());
    if (count == 0)
        return;
    int& current = Sheet().m_nCurPiece;
    current = TabTarget(m_nMode, current, count, s_nLayoutMode, backwards);
    if (m_nMode == kEditSingle) {
        ShowText(BoundText());
        if (m_page)
            m_page->RefreshSelection();
        return;
    }
    ShowPair();
    if (m_page)
        m_page->RefreshSelection();
    CEveryEdit* front = m_bBack ? m_partner : this;
    CEveryEdit* back = m_bBack ? this : m_partner;
    CEveryEdit* next = current % 2 == 0 ? front : back;
    if (next)
        next->setFocus(Qt::TabFocusReason);
}

// Both edits of a pair show their parts of the current sticker, empty texts included.
void CEveryEdit::ShowPair()
{
    ShowText(BoundText());
    if (m_partner)
        m_partner->ShowText(m_partner->BoundText());
}
