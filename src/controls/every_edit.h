#pragma once
// CEveryEdit: the multi-line edit in which a sticker's text is typed. Every change of its text
// (typing, Enter, input-method strings, cut, paste, Backspace, Delete) goes at once into
// the bound sticker's m_strText, marks the design changed and has the page refresh, so the design
// always equals what the user sees. Tab and Shift+Tab move to the next or previous sticker
// instead of leaving the edit. Only text that code page 932 stores unchanged, within the byte
// limit, is let in.
#include "controls/piece_moves.h"
#include "design/seal_format.h"

#include <QPlainTextEdit>

class CEveryEdit;

// What an edit asks of the page it sits on.
class EveryEditPage {
public:
    virtual ~EveryEditPage() = default;
    virtual void RefreshSelection() = 0;
    // Repaints the sheet map and the sticker preview.
    virtual void RepaintPictures() = 0;
    // Redraws the page around an edit that lost the focus.
    virtual void EraseAroundEdit(CEveryEdit* edit) = 0;
};

// How a change of the text came about, for the design history to name it.
enum class EditChange { Typing, Paste, Cut };

class CEveryEdit : public QPlainTextEdit, public CSealFormat {
    Q_OBJECT
public:
    // `mode` kEditSingle binds the current Orvanel sticker; kEditPairs binds a part of the current
    // Zolvi sticker: the front part, or the back part when `back` is set.
    CEveryEdit(int mode, bool back, QWidget* parent = nullptr);

    void SetPage(EveryEditPage* page) { m_page = page; }
    // Pairs: the edit of the other part, which Tab fills too.
    void SetPartner(CEveryEdit* partner) { m_partner = partner; }
    // The most bytes the text may take (code page 932, a line break counting two).
    void SetLimitText(int bytes) { m_nLimit = bytes; }
    int GetLimitText() const { return m_nLimit; }

    int Mode() const { return m_nMode; }
    bool IsBack() const { return m_bBack; }
    // The record this edit shows and edits, or -1 when the sheet has none there.
    int BoundIndex() const;

    // Shows a stored text without storing it back, the caret at its end. A single sticker's text
    // is shown without a final line feed: design files keep none for it, and their reader ends
    // every such text with one, so it is never the user's.
    void ShowText(const std::string& stored);
    void Empty() { ShowText({}); }
    // Shows the bound record's text, unless that text is empty (the edit then keeps its content).
    void ReloadText();

signals:
    // The edited text went into the design and the page was refreshed.
    void TextStored(EditChange how);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SealDataCommon& Sheet() const;
    std::vector<SealPiece>& Pieces() const;
    std::string BoundText() const;
    QString ShownText(const std::string& stored) const;
    // Whether the edit shows `stored` already (a single sticker's final line feed aside).
    bool Shows(const std::string& stored) const;

    void Mirror();
    void MoveWithTab(bool backwards);
    void ShowPair();
    // What of `insertion` may replace the selection: what code page 932 stores of it, cut to the
    // room the limit leaves.
    QString Admit(const QString& insertion) const;
    bool InsertTyped(const QString& typed);

    int m_nMode;
    bool m_bBack;
    int m_nLimit = 30000;
    EveryEditPage* m_page = nullptr;
    CEveryEdit* m_partner = nullptr;
    bool m_bShowing = false;
    bool m_bMirrored = false;
    EditChange m_change = EditChange::Typing;
};
