#include "wizard/design_history.h"

#include "design/design_sheets.h"
#include "design/sticker_number.h"
#include "wizard/wizard_sheet.h"

namespace {

constexpr int kTypingId = 1;

// One step: what it changed, and where it was made.
class DesignStepCommand : public DoneStep {
public:
    DesignStepCommand(DesignHistory& history, DesignChange change, const QString& text, int page, int sticker,
                      int typingRun)
        : DoneStep(text), m_history(history), m_change(std::move(change)), m_nPage(page), m_nSticker(sticker),
          m_nSheet(ShownSheet(history.Base().kind)), m_nTypingRun(typingRun)
    {
    }

    int Sheet() const { return m_nSheet; }
    bool Empty() const { return m_change.Empty(); }

    int id() const override { return m_nTypingRun ? kTypingId : -1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* later = static_cast<const DesignStepCommand*>(other);
        if (later->m_nTypingRun != m_nTypingRun || later->m_nSticker != m_nSticker)
            return false;
        MergeChange(m_change, later->m_change);
        // Typing that came back to where it began (a letter and its backspace) is no step.
        setObsolete(m_change.Empty());
        return true;
    }

    void undo() override
    {
        ShowOwnSheet();
        ApplyBefore(m_change, m_history.Base());
        m_history.ShowStep(m_nPage, m_nSticker);
    }

    void RedoStep() override
    {
        ShowOwnSheet();
        ApplyAfter(m_change, m_history.Base());
        m_history.ShowStep(m_nPage, m_nSticker);
    }

    void Absorb(const DesignChange& later) { MergeChange(m_change, later); }

private:
    // The step's stickers are those of the sheet it was made on.
    void ShowOwnSheet()
    {
        const int kind = m_history.Base().kind;
        if (ShownSheet(kind) == m_nSheet)
            return;
        ShowSheet(kind, m_nSheet);
        m_history.Base() = TakeSnapshot(kind);
    }

    DesignHistory& m_history;
    DesignChange m_change;
    int m_nPage;
    int m_nSticker;
    int m_nSheet;
    int m_nTypingRun;
};

int CurrentSticker(int kind)
{
    const SealDataCommon* record = RecordOf(kind);
    return record ? record->m_nCurPiece : -1;
}

}  // namespace

DesignHistory::DesignHistory(CWizardSheetDlg* wizard) : QObject(wizard), m_pWizard(wizard)
{
    m_stack.setUndoLimit(kStepLimit);
}

void DesignHistory::Reset(int kind)
{
    m_stack.clear();
    m_base = TakeSnapshot(kind);
    BreakTyping();
    emit Changed();
}

void DesignHistory::MarkSaved()
{
    m_stack.setClean();
    emit Changed();
}

void DesignHistory::MarkRestored()
{
    m_stack.resetClean();
    emit Changed();
}

bool DesignHistory::Record(const QString& what, bool sticker)
{
    return Push(what, sticker, 0);
}

void DesignHistory::RecordTyping(const QString& what)
{
    Push(what, true, m_nTypingRun);
}

bool DesignHistory::Push(const QString& what, bool sticker, int typingRun)
{
    const int kind = m_pWizard->m_nKind;
    if (kind != m_base.kind) {
        Reset(kind);
        return false;
    }
    DesignChange change = TakeChange(m_base);
    if (change.Empty())
        return false;
    const CWizardPageDlg* page = m_pWizard->GetActivePage();
    const int current = CurrentSticker(kind);
    QString text = what;
    if (sticker && current >= 0)
        text += QStringLiteral(" (シール%1)").arg(StickerNumber(kind, current));
    if (!typingRun)
        BreakTyping();
    m_stack.push(new DesignStepCommand(*this, std::move(change), text, page ? page->m_nTemplateId : 0, current,
                                       typingRun));
    // Typing merged back to nothing has gone again, perhaps back to the state last saved.
    if (m_stack.isClean())
        SetModified(kind, false);
    emit Changed();
    return true;
}

void DesignHistory::AbsorbIntoTop()
{
    if (m_base.kind != m_pWizard->m_nKind)
        return;
    const DesignChange drift = TakeChange(m_base);
    if (drift.Empty() || m_stack.index() == 0)
        return;
    // A step of whole sheets puts every sheet back as a whole: it needs nothing absorbed; nor does
    // a step made on another sheet, whose stickers these are not.
    auto* step = dynamic_cast<DesignStepCommand*>(const_cast<QUndoCommand*>(m_stack.command(m_stack.index() - 1)));
    if (!step || step->Sheet() != ShownSheet(m_base.kind))
        return;
    step->Absorb(drift);
    if (step->Empty())
        DropTop();
}

// The top step came to change nothing (a size the layout took back at once): it goes, and with
// it the design's modification when that leaves the state last saved.
void DesignHistory::DropTop()
{
    const_cast<QUndoCommand*>(m_stack.command(m_stack.index() - 1))->setObsolete(true);
    m_stack.undo();
    if (m_stack.isClean())
        SetModified(m_base.kind, false);
    emit Changed();
}

void DesignHistory::Settle()
{
    AbsorbIntoTop();
    BreakTyping();
}

void DesignHistory::Undo()
{
    if (!m_stack.canUndo() || m_base.kind != m_pWizard->m_nKind)
        return;
    AbsorbIntoTop();
    BreakTyping();
    m_stack.undo();
    SetModified(m_base.kind, !m_stack.isClean());
    emit Changed();
}

void DesignHistory::Redo()
{
    if (!m_stack.canRedo() || m_base.kind != m_pWizard->m_nKind)
        return;
    // What the layout changed since the undo goes, the step's own state comes back.
    TakeChange(m_base);
    BreakTyping();
    m_stack.redo();
    SetModified(m_base.kind, !m_stack.isClean());
    emit Changed();
}

void DesignHistory::ShowStep(int page, int sticker)
{
    m_pWizard->ShowDesignStep(page, sticker);
}
