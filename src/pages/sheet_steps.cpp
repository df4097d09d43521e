#include "pages/sheet_steps.h"

#include "wizard/design_history.h"
#include "design/design_sheets.h"
#include "pages/design_of_kind.h"

namespace {

// The shown sheet's stickers take `pieces`.
void StorePieces(int kind, const std::vector<PieceDesign>& pieces)
{
    std::vector<SealPiece>& shown = CurrentDesign(kind).pieces;
    for (std::size_t i = 0; i < pieces.size() && i < shown.size(); ++i)
        StorePieceDesign(pieces[i], shown[i]);
}

// The history compares what follows with the design as the step left it.
void Rebase(DesignHistory& history, int kind)
{
    history.Base() = TakeSnapshot(kind);
}

class SheetsCommand : public DoneStep {
public:
    SheetsCommand(DesignHistory& history, int kind, const QString& what, SheetsState before, SheetsState after,
                  int page)
        : DoneStep(what), m_history(history), m_nKind(kind), m_before(std::move(before)),
          m_after(std::move(after)), m_nPage(page)
    {
    }

    void undo() override { Put(m_before); }
    void RedoStep() override
    {
        Put(m_after);
    }

private:
    void Put(const SheetsState& state)
    {
        PutSheets(m_nKind, state);
        Rebase(m_history, m_nKind);
        m_history.ShowStep(m_nPage, state.current);
    }

    DesignHistory& m_history;
    int m_nKind;
    SheetsState m_before;
    SheetsState m_after;
    int m_nPage;
};

}  // namespace

SheetsState TakeSheets(int kind)
{
    SheetsState state;
    const int count = SheetCount(kind);
    state.sheets.reserve(static_cast<std::size_t>(count));
    for (int sheet = 0; sheet < count; ++sheet)
        state.sheets.push_back(SheetDesign(kind, sheet));
    state.shown = ShownSheet(kind);
    state.current = CurrentDesign(kind).sheet.m_nCurPiece;
    return state;
}

void PutSheets(int kind, const SheetsState& state)
{
    ShowSheet(kind, 0);
    ResetSheets(kind);
    StorePieces(kind, state.sheets.front());
    for (std::size_t sheet = 1; sheet < state.sheets.size(); ++sheet) {
        AddSheet(kind);
        StoreSheetDesign(kind, static_cast<int>(sheet), state.sheets[sheet]);
    }
    ShowSheet(kind, state.shown);
    CurrentDesign(kind).sheet.m_nCurPiece = state.current;
}

void RecordSheetsStep(DesignHistory& history, int kind, int page, const QString& what, SheetsState before)
{
    SheetsState after = TakeSheets(kind);
    history.Stack().push(new SheetsCommand(history, kind, what, std::move(before), std::move(after), page));
    Rebase(history, kind);
    history.BreakTyping();
    emit history.Changed();
}

void MoveToSheet(DesignHistory& history, int kind, int sheet)
{
    if (sheet == ShownSheet(kind) || sheet < 0 || sheet >= SheetCount(kind))
        return;
    history.Settle();
    ShowSheet(kind, sheet);
    Rebase(history, kind);
}
