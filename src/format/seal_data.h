#pragma once
// Sheet-format records: what a "format.tsd" says about a sheet product, plus the design
// settings that belong to the whole sheet.
#include "format/label_geometry.h"
#include "format/seal_piece.h"
#include "platform/rect.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Members both sheet kinds share, in their stored order.
struct SealDataCommon {
    std::array<int, 3> m_nReserved{};
    std::string m_strCode;
    std::string m_strFindCode;
    std::string m_strPieceSize;
    int m_nCols = 0;
    int m_nRows = 0;
    std::uint8_t m_bModified = 0;
    int m_nCurPiece = 0;
    std::uint8_t m_bFrame = 0;
    std::uint32_t m_crFrame = kNoFrameColour;
    std::array<int, 12> m_nMetric{};  // [3] horizontal gap, [5] vertical gap
    int m_nFrameRound = 0;
    int m_nFramePen = 0;
    int m_nSpare9 = 0;
    int m_nSpare8 = 0;
    int m_nSpare10 = 0;
    int m_nMarkRound = 0;
    int m_nMarkPen = 0;
    int m_nSpare25 = 0;
    int m_nSpare26 = 0;

    int HorizontalGap() const { return m_nMetric[3]; }
    int VerticalGap() const { return m_nMetric[5]; }
};

// An Orvanel sheet: single stickers.
class CSealData2 : public SealDataCommon {
public:
    // A new record has the reset values.

    std::array<Rect, 3> m_rcPreview{};  // one-sticker preview: outline, frame, text area
    int m_nPreviewScale = 1;
    int m_nDefaultSize = 70;
    std::uint8_t m_nKind = 0;
    int m_nOutlineRound = 0;
    int m_nOutlinePen = 0;
    std::vector<SealPiece> m_pieces;
    // The template a label sheet was made from (brand, part, paper, shape); never stored in
    // design files, and absent for the maker's sheets.
    std::shared_ptr<const LabelGeometry> m_label;

    void Reset();
    void CopyFrom(const CSealData2& source);
    void ClearPieces();
    bool HasAnyText() const;
    // Reads a format file of kind 1 (bOutline false) or 3 (true). False when the file is
    // beyond what the reader accepts (see read_format.cpp); the record is then reset.
    bool ReadFormat(const std::string& fileBytes, bool bOutline);
};

// A Zolvi sheet: fold-over stickers, records 2k and 2k+1 being the two parts of one sticker.
class CSealData3 : public SealDataCommon {
public:
    // A new record has the reset values.

    std::array<Rect, 6> m_rcPreview{};  // outlines of both parts, their frames, their text areas
    int m_nPreviewScale = 1;
    int m_nDefaultSize = 70;
    std::uint8_t m_nKind = 0;  // 0 (format kind 2), 4 or 5
    int m_nSpare29 = 0;
    int m_nOutlinePen = 0;
    std::vector<SealPiece> m_pieces;

    void Reset();
    void CopyFrom(const CSealData3& source);
    void ClearPieces();
    bool HasAnyText() const;
    // Reads a format file of kind 2 (bExtended false) or 4 and 5 (true).
    bool ReadFormat(const std::string& fileBytes, bool bExtended);
};
