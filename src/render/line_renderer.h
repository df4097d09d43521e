#pragma once
// Paints a sticker's stored lines into its text area, each line stretched or squeezed to exactly the
// extent the layout measured, so the screen and the paper break and place lines alike. The painter
// works in sheet units (0.01 mm, y down); the caller sets its transform and the text colour (pen).
#include "platform/rect.h"
#include "render/draw_mode.h"
#include "render/font_pool.h"
#include "text/text_measurer.h"
#include "text/writing.h"

#include <QPainter>

#include <string>
#include <vector>

// The fonts of one sticker's text. The Japanese rotation is the drawing type; the Latin font
// carries the mode's Latin rotation.
struct LineFonts {
    JapaneseFont japanese;
    LatinFont latin;
};

// The print-position adjustment: added only when drawing on a printer, dx to the right and dy
// upwards on the sheet, in 0.01 mm.
struct DeviceOffsets {
    bool printer = false;
    int dx = 0;
    int dy = 0;
};

// Draws lines 0..extents.size()-1 in `area` stacked with `pitch`; a type outside 0..3 (and type 3
// in vertical writing) draws nothing.
void DrawTextBlock(QPainter& painter, WritingFamily family, const Rect& area, const std::vector<std::string>& lines,
                   const std::vector<int>& extents, int pitch, const LineFonts& fonts, int type, LineAlignment align,
                   const DeviceOffsets& device, const CFontPool& pool = g_fontPool);

// Draws one line in its line box.
void DrawTextLine(QPainter& painter, WritingFamily family, const Rect& lineBox, const std::string& line, int extent,
                  const LineFonts& fonts, int type, int alignAlong, const DeviceOffsets& device,
                  const CFontPool& pool = g_fontPool);
