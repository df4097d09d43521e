#pragma once
// The current design of one kind (Orvanel or Zolvi) as the text and print pages use it: its sheet
// record, its stickers and its layout, which is kept per kind so that laying out again after a
// change only redoes the stickers that changed.
#include "design/seal_format.h"

#include <vector>

struct DesignOfKind {
    SealDataCommon& sheet;
    std::vector<SealPiece>& pieces;
    int& defaultSize;
};

// The current record of `kind` (kKindZolvi for Zolvi, the Orvanel record otherwise).
DesignOfKind CurrentDesign(int kind);

// Lays out every sticker of the current design of `kind` for drawing and printing.
void LayOutDesign(int kind);
// Whether some sticker of the current design of `kind` has text that does not fit.
bool AnyOverflow(int kind);
