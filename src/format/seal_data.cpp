#include "format/seal_data.h"

namespace {

// Everything but the first two reserved values, which only first-version design files use.
template <typename Record>
void CopyRecord(Record& target, const Record& source)
{
    const int reserved0 = target.m_nReserved[0];
    const int reserved1 = target.m_nReserved[1];
    target = source;
    target.m_nReserved[0] = reserved0;
    target.m_nReserved[1] = reserved1;
}

template <typename Record>
void ClearRecordPieces(Record& record)
{
    for (SealPiece& piece : record.m_pieces)
        piece.ClearDesign();
}

template <typename Record>
bool AnyPieceHasText(const Record& record)
{
    for (const SealPiece& piece : record.m_pieces)
        if (!piece.m_strText.empty())
            return true;
    return false;
}

}  // namespace

void CSealData2::Reset() { *this = CSealData2(); }
void CSealData3::Reset() { *this = CSealData3(); }

void CSealData2::CopyFrom(const CSealData2& source) { CopyRecord(*this, source); }
void CSealData3::CopyFrom(const CSealData3& source) { CopyRecord(*this, source); }

void CSealData2::ClearPieces() { ClearRecordPieces(*this); }
void CSealData3::ClearPieces() { ClearRecordPieces(*this); }

bool CSealData2::HasAnyText() const { return AnyPieceHasText(*this); }
bool CSealData3::HasAnyText() const { return AnyPieceHasText(*this); }
