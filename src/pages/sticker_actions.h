#pragma once
// What the text pages' bulk buttons and size list do to the stickers, apart from the widgets.
#include "format/seal_piece.h"

#include <QStringList>

#include <vector>

// Every record other than `current` takes the current record's text, size, text colour, spare
// value, frame colour, alignments and overflow flag.
void CopyPieceToAll(std::vector<SealPiece>& pieces, int current);
// Fold-over stickers with a text per part: every front (even) record takes those values from the
// current sticker's front record, every back (odd) record from its back record.
void CopyPairToAll(std::vector<SealPiece>& pieces, int current);
// The copy of the Zolvi text page under `layoutMode`; layouts outside 144..149 copy nothing.
void CopyZolviToAll(std::vector<SealPiece>& pieces, int current, int layoutMode);

// The size list's texts: the first 22 point sizes of the font pool, in decimal.
QStringList SizeListTexts();
// The entry a size (tenths of a point; -1 meaning `defaultSize`) selects: the first entry that
// begins with its whole points in decimal, or -1.
int SizeListIndex(const QStringList& entries, int sizeTenths, int defaultSize);
