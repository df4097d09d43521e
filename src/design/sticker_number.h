#pragma once
// Sticker numbers as pages and messages show them, from 1, and the sticker records they stand for:
// a Zolvi sticker folds over and keeps two records, its front and its back.
#include "design/seal_format.h"

// The number of the sticker that record `record` (0-based) belongs to.
inline int StickerNumber(int kind, int record)
{
    return kind == kKindZolvi ? record / 2 + 1 : record + 1;
}

// The first record (0-based) of the sticker numbered `sticker`.
inline int FirstRecordOf(int kind, int sticker)
{
    return kind == kKindZolvi ? 2 * (sticker - 1) : sticker - 1;
}
