#include "format/seal_piece.h"

void SealPiece::ClearDesign()
{
    m_nTextColour = kNoTextColour;
    m_nSpare = 0;
    m_nSize = -1;
    m_crFrame = kNoFrameColour;
    m_nAlignH = 0;
    m_nAlignV = 0;
    m_strText.clear();
    m_lines.clear();
    m_lineExtents.clear();
    m_nPitch = 0;
    m_bOverflow = 0;
    m_nReserved2 = 0;
}
