#pragma once
// The rectangle blocks that format files and design files share.
#include "format/seal_piece.h"

#include <cstddef>
#include <string>
#include <vector>

// What a reader makes of a rectangle line that is missing or does not hold four numbers.
enum class LineRule {
    ZeroWhenUnreadable,  // format files: the rectangle stays zero
    Refuse,              // design files: the whole file is refused
};

// More stickers than any sheet can hold; a grid beyond it is refused rather than allocated.
inline constexpr long long kMaxPieces = 4096;

// Number of stickers of a rows × cols grid (0 when either is not positive), or -1 beyond kMaxPieces.
long long PieceCount(int rows, int cols);

// A sticker's click area: its outline enlarged by half a gap on every side.
Rect HitRect(const Rect& piece, int hGap, int vGap);

// Reads grid blocks 1 to 4 from `pos`: one new sticker per line of block 1, then frames (with the
// click areas), text areas and markers, each block after one skipped line.
bool ReadPieceBlocks(const std::string& data, std::size_t& pos, int rows, int cols, int hGap, int vGap,
                     std::vector<SealPiece>& pieces, LineRule rule);

// For each of `count` rectangles: one skipped line, then one rectangle line.
bool ReadPreviewRects(const std::string& data, std::size_t& pos, Rect* rects, std::size_t count, LineRule rule);
