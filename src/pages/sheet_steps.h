#pragma once
// Steps of the design history that change which sheets a design has (a fill, adding or removing a
// sheet), and moving to another sheet, which is no step: the history's other steps know the sheet
// they were made on and show it again when undone.
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
// Shows sheet `sheet` (0-based); the history goes on from there without a step.
void MoveToSheet(DesignHistory& history, int kind, int sheet);
