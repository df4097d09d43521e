#include "wizard/design_history.h"

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
          m_nTypingRun(typingRun)
    {
    }

    int id() const override { return m_nTypingRun ? kTypingId : -1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* later = static_cast<const DesignStepCommand*>(other);
        if (later->m_nTypingRun != m_nTypingRun || later->m_nSticker != m_nSticker)
            return false;
        MergeChange(m_change, later->m_change);
        return true;
    }

    void undo() override
    {
        ApplyBefore(m_change, m_history.Base());
        m_history.ShowStep(m_nPage, m_nSticker);
    }

    void RedoStep() override
    {
        ApplyAfter(m_change, m_history.Base());
        m_history.ShowStep(m_nPage, m_nSticker);
    }

    void Absorb(const DesignChange& later) { MergeChange(m_change, later); }

private:
    DesignHistory& m_history;
    DesignChange m_change;
    int m_nPage;
    int m_nSticker;
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

void DesignHistory::Record(const QString& what, bool sticker)
{
    Push(what, sticker, 0);
}

void DesignHistory::RecordTyping(const QString& what)
{
    Push(what, true, m_nTypingRun);
}

void DesignHistory::Push(const QString& what, bool sticker, int typingRun)
{
    const int kind = m_pWizard->m_nKind;
    if (kind != m_base.kind) {
        Reset(kind);
        return;
    }
    DesignChange change = TakeChange(m_base);
    if (change.Empty())
        return;
    const CWizardPageDlg* page = m_pWizard->GetActivePage();
    const int current = CurrentSticker(kind);
    QString text = what;
    if (sticker && current >= 0)
        text += QStringLiteral(" (シール%1)").arg(StickerNumber(kind, current));
    if (!typingRun)
        BreakTyping();
    m_stack.push(new DesignStepCommand(*this, std::move(change), text, page ? page->m_nTemplateId : 0, current,
                                       typingRun));
    emit Changed();
}

void DesignHistory::AbsorbIntoTop()
{
    if (m_base.kind != m_pWizard->m_nKind)
        return;
    const DesignChange drift = TakeChange(m_base);
    if (drift.Empty() || m_stack.index() == 0)
        return;
    // A step of whole sheets puts every sheet back as a whole: it needs nothing absorbed.
    const QUndoCommand* top = m_stack.command(m_stack.index() - 1);
    if (const auto* step = dynamic_cast<const DesignStepCommand*>(top))
        const_cast<DesignStepCommand*>(step)->Absorb(drift);
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
