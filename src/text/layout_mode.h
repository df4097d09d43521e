#pragma once
// What a layout mode (the design's s_nLayoutMode, the number of the picture the layout page shows
// for it) means for laying text out: the writing family, the fonts' vertical variant and
// rotations, and the axis the lines run along. The drawing of the lines shares the family, the
// vertical flag and the pairing of fold-over stickers.
#include "text/writing.h"

#include <optional>

struct LayoutModeInfo {
    WritingFamily family = WritingFamily::kHorizontal;
    bool vertical = false;     // Japanese text in the vertical-writing variant of its face
    int japaneseRotation = 0;  // quarter turns of the fonts used to measure
    int latinRotation = 0;
    LineAxis axis = LineAxis::kX;
    bool sameTextPairs = false;  // the second part of a fold-over sticker repeats the first part
};

// The mode's meaning for one part of a fold-over sticker (partParity 0: the first part, an even
// record; 1: the second part). Single-sticker modes read the same for both. No value for a number
// that is no layout mode.
std::optional<LayoutModeInfo> ModeFor(int layoutMode, int partParity);

// Whether both parts of a fold-over sticker carry the first part's text and settings (144, 146, 148).
bool SameTextPairs(int layoutMode);
// Whether each part of a fold-over sticker carries a text of its own (145, 147, 149).
bool TwoTextPairs(int layoutMode);
