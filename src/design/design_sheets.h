#pragma once
// Designs of several sheets of one product. The current record (CSealFormat::Orvanel()/Zolvi())
// always holds the SHOWN sheet; the other sheets are kept here as the design values of their
// stickers. Sheet numbers are 0-based.
#include "design/design_snapshot.h"

#include <vector>

int SheetCount(int kind);
int ShownSheet(int kind);
// Swaps the design values of the shown sheet out of the current record and those of `sheet` in.
void ShowSheet(int kind, int sheet);
// An empty sheet after the last, with the same look; marks the design modified.
void AddSheet(int kind);
// Removes `sheet` (never the last remaining one); the sheet after it, or the one before when it
// was the last, is shown when it was the shown one. Marks the design modified.
void RemoveSheet(int kind, int sheet);
// The design values of the stickers of any sheet, shown or not.
std::vector<PieceDesign> SheetDesign(int kind, int sheet);
// Whether any sticker of `sheet`, or of any sheet of the design, holds text.
bool SheetHasText(int kind, int sheet);
bool DesignHasText(int kind);
// Replaces the design values of a sheet that is not shown (files and the history); marks nothing.
void StoreSheetDesign(int kind, int sheet, const std::vector<PieceDesign>& pieces);
// Back to one sheet: the shown one (a new design, ResetDesign, opening a file).
void ResetSheets(int kind);
