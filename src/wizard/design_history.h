#pragma once
// DesignHistory: the one undo history of the design, owned by the wizard. A page changes the
// design as it always has and then names the step with Record; the history keeps what changed
// since the step before, so undo puts back exactly the earlier state, including sizes the layout
// reduced in between, and shows the page and sticker where the change was made.
#include "design/design_snapshot.h"

#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

class CWizardSheetDlg;

// A step pushed after its change was made: the push's own redo finds the design already holding
// it, so only later redos apply it.
class DoneStep : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    void redo() final
    {
        if (m_bPushed)
            RedoStep();
        m_bPushed = true;
    }

protected:
    virtual void RedoStep() = 0;

private:
    bool m_bPushed = false;
};

class DesignHistory : public QObject {
    Q_OBJECT
public:
    // Enough for a long session; a step keeps only what it changed.
    static constexpr int kStepLimit = 5000;

    explicit DesignHistory(CWizardSheetDlg* wizard);
    // The stack's last signals would reach a wizard already torn down.
    ~DesignHistory() override { m_stack.blockSignals(true); }

    QUndoStack& Stack() { return m_stack; }
    const QUndoStack& Stack() const { return m_stack; }

    // A new history on the current design of `kind` (a new sheet, an opened file).
    void Reset(int kind);
    int Kind() const { return m_base.kind; }

    // What changed since the last step becomes one step named `what` (nothing when nothing
    // changed; then false). `sticker`: the step belongs to the current sticker and names it.
    bool Record(const QString& what, bool sticker = true);
    // Typing in the current sticker: keystrokes in one sticker merge into one step until
    // BreakTyping.
    void RecordTyping(const QString& what);
    // The next typing starts a step of its own (another sticker, a click, an undo).
    void BreakTyping() { ++m_nTypingRun; }
    // Before the user acts again (a click, a Tab, another page): what the layout changed since
    // the last step belongs to that step, and typing starts a new one.
    void Settle();

    void Undo();
    void Redo();
    // The design was saved: the history marks this state as the saved one.
    void MarkSaved();
    // The design came back from a recovery file: no state of this history is the saved one.
    void MarkRestored();

    // The design of the step put back: shows `page` (a template id) with `sticker` current.
    void ShowStep(int page, int sticker);
    DesignSnapshot& Base() { return m_base; }

signals:
    // A step was recorded, undone or redone; the history began anew or was saved.
    void Changed();

private:
    bool Push(const QString& what, bool sticker, int typingRun);
    // Changes made since the last step without one of their own (the layout reducing a size)
    // belong to that step; with no step yet, to the design the history started from.
    void AbsorbIntoTop();
    void DropTop();

    CWizardSheetDlg* m_pWizard;
    QUndoStack m_stack;
    DesignSnapshot m_base;
    int m_nTypingRun = 1;
};
