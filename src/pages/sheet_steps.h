#pragma once
// Steps of the design history that change which sheets a design has or which one is shown: a
// fill, adding or removing a sheet, moving to another sheet.
//
// The history's other steps hold changes of the shown sheet only, by sticker. They stay right
// because every change of the shown sheet is itself a step: undoing back past a text step first
// undoes every later move, so that step is undone on the sheet it was made on.
#include "design/design_snapshot.h"

#include <QString>

#include <vector>

class DesignHistory;

// Every sheet of a design of one kind and which one is shown.
struct SheetsState {
    std::vector<std::vector<PieceDesign>> sheets;
    int shown = 0;
    int current = 0;  // the current sticker record
};

SheetsState TakeSheets(int kind);
// Puts the sheets of `state` back: as many, with their stickers' design values, `shown` shown.
void PutSheets(int kind, const SheetsState& state);

// The design changed from `before` (taken after DesignHistory::Settle) by a fill, an added or a
// removed sheet: one step named
// `what`, whose undo puts back every sheet as it was. Undo and redo show the page `page` (a
// template id).
void RecordSheetsStep(DesignHistory& history, int kind, int page, const QString& what, SheetsState before);
// Shows sheet `sheet` (0-based) as one step of the history.
void ShowSheetStep(DesignHistory& history, int kind, int page, int sheet);
