#pragma once
// Where lines go inside a text area: the stack of line boxes, the aligned stretch of one line, and
// the spreading of a measured-versus-drawn difference over the characters, so that every drawn line
// covers exactly the length the layout measured. Pure arithmetic in 0.01 mm.
#include "platform/rect.h"

#include <vector>

// Drawing types: 0 left to right, 1 top to bottom, 2 right to left upside down, 3 bottom to top.
inline bool StacksDownwards(int type) { return type == 0 || type == 2; }
// Types 1 and 2 put the last line first in the stack.
inline bool LastLineFirst(int type) { return type == 1 || type == 2; }

// The box of each of `n` stacked lines (sheet coordinates, y down), in stacking order. Stack
// alignment -1 packs at the start with pitch p, 1 at the end, 0 spreads the lines evenly.
std::vector<Rect> LineBoxes(const Rect& area, int n, int pitch, int type, int stackAlign);

// The stretch of length `extent` along the line inside `box`: [start, end] along x for types 0
// and 2, along y for types 1 and 3.
struct Stretch {
    int start;
    int end;
};
Stretch AlignStretch(const Rect& box, int type, int extent, int align);

// Narrows `box` across the line to a cell of `cell` units, centred (types 1 and 3).
Rect NarrowAcross(const Rect& box, int type, int cell);

// Makes the advances add up to `target`: the difference is spread evenly, and the remainder taken
// from (or given to) the first characters.
void FitAdvances(std::vector<int>& advances, int target);
