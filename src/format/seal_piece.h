#pragma once
#include "platform/rect.h"

#include <cstdint>
#include <string>
#include <vector>

// "Not set" markers: the design's or the sheet's value applies.
inline constexpr int kNoTextColour = 0x636363;
inline constexpr std::uint32_t kNoFrameColour = 0xFFFFFF;

// One sticker: its place on the sheet (from the format file), its design values and the
// results of the last text layout.
struct SealPiece {
    int m_nTextColour = kNoTextColour;  // string-table id 102..118
    int m_nSpare = 0;
    Rect m_rcPiece;  // outline on the sheet
    Rect m_rcFrame;  // where the frame is printed
    Rect m_rcText;   // the text area
    Rect m_rcMark;   // selection marker on the sheet map
    Rect m_rcHit;    // click area: the outline enlarged by half a gap
    int m_nSize = -1;  // tenths of a point; -1: the sheet's default
    std::uint32_t m_crFrame = kNoFrameColour;
    int m_nAlignH = 0;  // -1 left, 0 centre, 1 right
    int m_nAlignV = 0;  // -1 top, 0 centre, 1 bottom
    std::string m_strText;  // code page 932, lines separated by line feeds

    std::vector<std::string> m_lines;
    std::vector<int> m_lineExtents;
    int m_nPitch = 0;
    int m_bOverflow = 0;
    int m_nReserved2 = 0;

    // Design and layout members back to a new sticker's values; the rectangles stay.
    void ClearDesign();
};
