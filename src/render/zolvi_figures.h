#pragma once
// The outlines of fold-over stickers: two parts with rounded corners meeting in a notch at the
// fold, the dashed fold line, the frame of one part, and the corner sizes of each sheet family.
#include "platform/rect.h"

#include <QPainterPath>

#include <optional>

struct Corner {
    int r = 0;  // where the curve meets the straight edge, from the corner
    int c = 0;  // the Bézier control points
    int k = 0;
};

struct ZolviCorners {
    Corner outline;
    int foldDashes = 0;
    Corner partFrame;
    int greyBand = 0;  // pen width of the grey band of kind-5 sheets
};

// By the sheet family (old sheet type 137..140); nothing for any other value.
std::optional<ZolviCorners> CornersFor(int oldSheetType);

// Outline of a folded sticker of parts `a` (upper) and `b` (lower), with the dashed fold line along
// a's bottom edge as separate subpaths.
QPainterPath FoldedOutline(const Rect& a, const Rect& b, const Corner& corner, int dashes);

// Frame of one part: a first part has square corners along its top edge and rounded ones along its
// bottom edge, a second part the mirror image. `diagonalControls` places both control points of
// each curve on the corner's diagonal, as the overflow box of the one-sticker preview does.
QPainterPath PartFrame(const Rect& f, bool firstPart, const Corner& corner, bool diagonalControls = false);
