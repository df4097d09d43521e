#pragma once
// The stickers of a sheet as the screen and the paper show them: each sticker's stored lines, or a
// grey box where its text did not fit, and its frame when frames are on. The views, the printed
// page and the export all draw through here; what differs between screen and paper is spelled out
// in StickerDrawing. The painter already works in sheet units (0.01 mm from the paper's corner).
#include "format/design_look.h"
#include "format/seal_data.h"
#include "render/font_pool.h"
#include "render/zolvi_figures.h"

#include <QPainter>
#include <QPoint>

struct StickerDrawing {
    // Every sticker's outline: round rectangles on Orvanel sheets, the folded pairs (and the grey
    // bands of kind 5) on Zolvi sheets.
    bool outlines = false;
    // Frame pens never thinner than one device pixel, so frames stay visible on a reduced picture.
    bool penFloor = false;
    // A Zolvi grey box is outlined with the part's frame pen (the first part's colour in same-text
    // layouts, geometric), instead of a solid pen in the record's own frame colour.
    bool overflowInFramePen = false;
    // The user's print-position adjustment, 0.01 mm (dx right, dy up).
    QPoint offsets;
};

// The screen's whole-sheet view and the paper.
StickerDrawing ScreenDrawing();
StickerDrawing PaperDrawing(QPoint offsets);

void DrawSheetStickers(QPainter& painter, const CSealData2& sheet, const DesignLook& look,
                       const StickerDrawing& drawing, const CFontPool& pool = g_fontPool);
// Without corner figures for the look's sheet type a drawing with outlines shows nothing; the
// paper still prints the texts, without frames.
void DrawSheetStickers(QPainter& painter, const CSealData3& sheet, const DesignLook& look,
                       const StickerDrawing& drawing, const CFontPool& pool = g_fontPool);

// Folded outlines of every pair, and the grey bands of kind-5 sheets.
void DrawZolviOutlines(QPainter& painter, const CSealData3& sheet, const ZolviCorners& corners);
