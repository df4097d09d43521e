#include "format/format_blocks.h"

#include "platform/byte_scanner.h"

#include <algorithm>
#include <cstdint>

long long PieceCount(int rows, int cols)
{
    if (rows <= 0 || cols <= 0)
        return 0;
    long long count = static_cast<long long>(rows) * cols;
    return count > kMaxPieces ? -1 : count;
}

namespace {

bool ReadRectLine(const std::string& data, std::size_t& pos, Rect& rect, LineRule rule)
{
    std::optional<std::string> line = ReadLine(data, pos);
    if (line && ParseRect(*line, rect))
        return true;
    rect = Rect{};
    return rule == LineRule::ZeroWhenUnreadable;
}

bool SkipLine(const std::string& data, std::size_t& pos, LineRule rule)
{
    return ReadLine(data, pos).has_value() || rule == LineRule::ZeroWhenUnreadable;
}

// Edges and gaps come from files: a hit area beyond the coordinate range stops at its end.
std::int32_t Moved(std::int32_t edge, int by)
{
    return static_cast<std::int32_t>(std::clamp<long long>(static_cast<long long>(edge) + by, INT32_MIN, INT32_MAX));
}

}  // namespace

Rect HitRect(const Rect& piece, int hGap, int vGap)
{
    return Rect{Moved(piece.left, -(hGap / 2)), Moved(piece.top, -(vGap / 2)), Moved(piece.right, hGap / 2),
                Moved(piece.bottom, vGap / 2)};
}

bool ReadPieceBlocks(const std::string& data, std::size_t& pos, int rows, int cols, int hGap, int vGap,
                     std::vector<SealPiece>& pieces, LineRule rule)
{
    long long count = PieceCount(rows, cols);
    if (count < 0)
        return false;
    pieces.assign(static_cast<std::size_t>(count), SealPiece{});
    for (SealPiece& piece : pieces)
        if (!ReadRectLine(data, pos, piece.m_rcPiece, rule))
            return false;
    Rect SealPiece::*const later[] = {&SealPiece::m_rcFrame, &SealPiece::m_rcText, &SealPiece::m_rcMark};
    for (Rect SealPiece::*member : later) {
        if (!SkipLine(data, pos, rule))
            return false;
        for (SealPiece& piece : pieces) {
            if (!ReadRectLine(data, pos, piece.*member, rule))
                return false;
            if (member == &SealPiece::m_rcFrame)
                piece.m_rcHit = HitRect(piece.m_rcPiece, hGap, vGap);
        }
    }
    return true;
}

bool ReadPreviewRects(const std::string& data, std::size_t& pos, Rect* rects, std::size_t count, LineRule rule)
{
    for (std::size_t i = 0; i < count; ++i)
        if (!SkipLine(data, pos, rule) || !ReadRectLine(data, pos, rects[i], rule))
            return false;
    return true;
}
