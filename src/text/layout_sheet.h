#pragma once
// Laying out the text of every sticker of a sheet before it is drawn or printed.
#include "format/design_look.h"
#include "format/seal_data.h"
#include "text/layout_cache.h"
#include "text/line_breaks.h"
#include "text/text_measurer.h"

// Lays out every sticker of `sheet` with the layout mode, typefaces and boldness of `look`,
// wrapping lines as `breaks` says (the user's choice, not the design's): each gets its lines,
// line extents, pitch and overflow flag (-1 when its text does not fit even at 3 points). A size
// the layout had to reduce is written back into m_nSize, so the size setting shows it and the
// next layout starts from it. Under a number that is no layout mode every sticker is left without
// lines (and without overflow). Run it after every change of text, size, typeface, boldness,
// layout mode or sheet, before drawing.
//
// With a cache, stickers whose inputs are unchanged since the last layout take the stored result.
void LayoutSheet(TextMeasurer& measurer, CSealData2& sheet, const DesignLook& look, LineBreaks breaks,
                 LayoutCache* cache = nullptr);

// Fold-over stickers: records 2k and 2k+1 are the two parts of one sticker. In the modes that
// repeat the text, the second part is laid out with the first part's text and size, and a reduced
// size goes into the first part's m_nSize.
void LayoutSheet(TextMeasurer& measurer, CSealData3& sheet, const DesignLook& look, LineBreaks breaks,
                 LayoutCache* cache = nullptr);

// One text laid out in one box, with the size to write back when it had to shrink; the sheet
// layout and the one-sticker views share it.
LayoutResult LayoutPiece(TextMeasurer& measurer, const LayoutInputs& in);

// Drops a sticker's laid-out lines when nothing shows them any more. The overflow flag stays: it
// is the verdict on the text, which printing, saving and the text page's warning go by, and the
// text has not changed.
void DropLayout(SealPiece& piece);
