#pragma once
// What a layout mode means for drawing the stored lines: the writing family, the drawing type, the
// fonts' vertical variant and Latin rotation, and which of the sticker's alignments (turned into
// sheet directions) places a line along itself and the stack of lines.
#include "text/writing.h"

#include <optional>

struct DrawModeInfo {
    WritingFamily family = WritingFamily::kHorizontal;
    int type = 0;  // 0 left to right, 1 top to bottom, 2 right to left upside down, 3 bottom to top
    bool vertical = false;
    int latinRotation = 0;
    // Each alignment comes from the sticker's horizontal (H) or vertical (V) one, possibly negated.
    bool alongFromH = true;
    int alongSign = 1;
    bool stackFromH = false;
    int stackSign = 1;
};

// The drawing of one part of a sticker (partParity 0 for single stickers and first parts).
std::optional<DrawModeInfo> DrawModeFor(int layoutMode, int partParity);

struct LineAlignment {
    int along = 0;  // -1 start, 0 centre, 1 end of the line's direction
    int stack = 0;  // the same for the stack of lines
};
LineAlignment AlignmentsFor(const DrawModeInfo& mode, int alignH, int alignV);
