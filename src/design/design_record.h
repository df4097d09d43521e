#pragma once
// The sheet record of a design file: the header line, the rectangle blocks, the preview
// rectangles and one design line per sticker.
#include "format/seal_data.h"

#include <cstddef>
#include <string>

// Longest encoded sticker text a design file may hold (readers have always kept texts in a
// 1100-byte buffer with its terminating zero).
inline constexpr int kMaxTextBytes = 1099;
// Longest sticker text the text page and the fills take, in code page 932 bytes (a file may hold
// longer ones, up to kMaxTextBytes).
inline constexpr int kMaxStickerTextBytes = 1000;
// Longest sticker text of the first version.
inline constexpr int kMaxFirstVersionTextBytes = 999;
// Longest code, find code or piece size in the header.
inline constexpr std::size_t kMaxHeaderTextBytes = 255;

// Header (33 fields for Orvanel, 49 for Zolvi), blocks, previews and design lines of `record`.
// Field 6 repeats the design's default text colour.
void WriteDesign(const CSealData2& record, std::string& out);
void WriteDesign(const CSealData3& record, std::string& out);

// True when every sticker text fits a design line.
bool TextsFit(const CSealData2& record);
bool TextsFit(const CSealData3& record);
// True when the code, find code and piece size can stand as header fields: not empty, no white
// space, at most kMaxHeaderTextBytes.
bool SheetTextsFit(const SealDataCommon& record);

// Reads what WriteDesign wrote into a reset `record`. bOutline false: the older header of 31
// fields. bExtended false: the older header of 47 fields with five preview lines, the first
// standing for previews 0 and 1. False when anything is missing or not a number where a number
// must be; the record then holds a partial read and is to be dropped.
bool ReadDesign(const std::string& data, std::size_t& pos, CSealData2& record, bool bOutline);
bool ReadDesign(const std::string& data, std::size_t& pos, CSealData3& record, bool bExtended);

// The sticker part of a first-version file into `record`, which already holds its sheet: two
// numbers for m_nReserved, then per sticker a colour value, m_nSpare and the text. The part may
// end early at a line end; the stickers after it keep their new values.
bool ReadFirstVersion(const std::string& data, std::size_t& pos, CSealData3& record);
