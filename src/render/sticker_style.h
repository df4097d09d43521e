#pragma once
// How one sticker's text is drawn under the design's settings: family, drawing type, fonts,
// alignments and colours.
#include "format/design_look.h"
#include "format/seal_piece.h"
#include "render/draw_mode.h"
#include "render/line_renderer.h"

#include <QColor>

#include <optional>

struct StickerStyle {
    WritingFamily family = WritingFamily::kHorizontal;
    int type = 0;
    LineFonts fonts;
    LineAlignment align;
};

// `owner` gives the size and the alignments: the sticker itself, or the first part of a fold-over
// sticker whose second part repeats it. Nothing under a number that is no layout mode.
std::optional<StickerStyle> StyleFor(const SealPiece& owner, int defaultSize, int partParity, const DesignLook& look);

// A colour value as stored (red in the low byte).
QColor FromColorRef(std::uint32_t colorRef);
// A text colour id 102..118 (black for anything else).
QColor TextColour(int id);
// The sticker's text colour: its own, or the look's when it has none.
QColor StickerTextColour(const SealPiece& piece, const DesignLook& look);
// The sticker's frame colour: its own, or the sheet's when it has none.
QColor StickerFrameColour(const SealPiece& piece, std::uint32_t sheetFrame);
