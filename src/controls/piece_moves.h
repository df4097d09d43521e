#pragma once
// Which sticker record the text edits work on, and where Tab and Shift+Tab take the selection.
// Fold-over (Zolvi) stickers are pairs of records: the even record is the front part, the odd
// record the back part.

// The edits' modes: one edit over single stickers, or a front and a back edit over pairs.
enum EditMode { kEditSingle = 0, kEditPairs = 1 };

int FrontRecord(int current);
int BackRecord(int current);

// The record Tab (or Shift+Tab, `backwards`) selects among `count` records. Single stickers move
// by one. Pairs move by a whole sticker from a front record in same-text layouts, else by one
// part; past the end they stop on the last record (the last front record for whole stickers),
// before the start on record 0.
int TabTarget(int mode, int current, int count, int layoutMode, bool backwards);
