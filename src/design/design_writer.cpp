// Writing the record part of a design file: numbers in decimal, colours as six hexadecimal
// digits, lines ended by a single line feed.
#include "design/design_record.h"
#include "design/design_text.h"
#include "design/seal_format.h"
#include "platform/byte_scanner.h"

#include <cstdio>
#include <vector>

namespace {

std::string Hex6(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(value));
    return text;
}

void AppendLine(const std::vector<std::string>& fields, std::string& out)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += fields[i];
    }
    out += '\n';
}

void AppendRectLine(const Rect& r, std::string& out)
{
    AppendLine({std::to_string(r.left), std::to_string(r.top), std::to_string(r.right), std::to_string(r.bottom)},
               out);
}

// Fields 1 to 29, which both kinds share.
std::vector<std::string> CommonHeader(const SealDataCommon& r)
{
    // The frame switch travels as one raw byte: 0x01 off, 0x02 on.
    const char frameByte = r.m_bFrame != 0 ? '\x02' : '\x01';
    std::vector<std::string> fields = {r.m_strCode,
                                       std::to_string(r.m_nCols),
                                       std::to_string(r.m_nRows),
                                       r.m_strFindCode,
                                       r.m_strPieceSize,
                                       std::to_string(CSealFormat::s_nTextColour),
                                       std::string(1, frameByte),
                                       Hex6(r.m_crFrame)};
    for (int value : {r.m_nFrameRound, r.m_nFramePen, r.m_nSpare8, r.m_nSpare9, r.m_nSpare10, r.m_nMarkRound,
                      r.m_nMarkPen})
        fields.push_back(std::to_string(value));
    for (int metric : r.m_nMetric)
        fields.push_back(std::to_string(metric));
    fields.push_back(std::to_string(r.m_nSpare25));
    fields.push_back(std::to_string(r.m_nSpare26));
    return fields;
}

void AppendInts(std::vector<std::string>& fields, std::initializer_list<int> values)
{
    for (int value : values)
        fields.push_back(std::to_string(value));
}

// Blocks 1 to 4, each followed by an empty line.
void AppendPieceBlocks(const std::vector<SealPiece>& pieces, std::string& out)
{
    for (Rect SealPiece::*member : {&SealPiece::m_rcPiece, &SealPiece::m_rcFrame, &SealPiece::m_rcText,
                                    &SealPiece::m_rcMark}) {
        for (const SealPiece& piece : pieces)
            AppendRectLine(piece.*member, out);
        out += '\n';
    }
}

template <std::size_t N>
void AppendPreviews(const std::array<Rect, N>& previews, std::string& out)
{
    for (const Rect& rect : previews) {
        AppendRectLine(rect, out);
        out += '\n';
    }
}

// The line breaks of the texts travel as each kind's reader restores them.
constexpr bool kOrvanelDropsFinalBreak = true;
constexpr bool kZolviDropsFinalBreak = false;

void AppendDesignLines(const std::vector<SealPiece>& pieces, bool dropFinalBreak, std::string& out)
{
    for (const SealPiece& p : pieces) {
        const std::string text = EncodeText(p.m_strText, dropFinalBreak);
        for (const std::string& field :
             {std::to_string(p.m_nTextColour), std::to_string(p.m_nSpare), std::to_string(p.m_nSize), Hex6(p.m_crFrame),
              std::to_string(p.m_nAlignH), std::to_string(p.m_nAlignV), std::to_string(text.size())})
            out += field + '\t';
        out += text;
        out += '\n';
    }
}

// A header text is read back as one white-space delimited word.
bool FitsHeaderField(const std::string& text)
{
    if (text.empty() || text.size() > kMaxHeaderTextBytes)
        return false;
    for (char c : text)
        if (IsScanSpace(static_cast<unsigned char>(c)))
            return false;
    return true;
}

}  // namespace

void WriteDesign(const CSealData2& r, std::string& out)
{
    std::vector<std::string> header = CommonHeader(r);
    AppendInts(header, {r.m_nPreviewScale, r.m_nDefaultSize, r.m_nOutlineRound, r.m_nOutlinePen});
    AppendLine(header, out);
    AppendPieceBlocks(r.m_pieces, out);
    AppendPreviews(r.m_rcPreview, out);
    AppendDesignLines(r.m_pieces, kOrvanelDropsFinalBreak, out);
}

void WriteDesign(const CSealData3& r, std::string& out)
{
    std::vector<std::string> header = CommonHeader(r);
    AppendInts(header, {r.m_nPreviewScale});
    // Previews 2 to 5 once more, each as top, left, bottom, right.
    for (std::size_t i = 2; i < r.m_rcPreview.size(); ++i) {
        const Rect& p = r.m_rcPreview[i];
        AppendInts(header, {p.top, p.left, p.bottom, p.right});
    }
    AppendInts(header, {r.m_nDefaultSize, r.m_nSpare29, r.m_nOutlinePen});
    AppendLine(header, out);
    AppendPieceBlocks(r.m_pieces, out);
    AppendPreviews(r.m_rcPreview, out);
    AppendDesignLines(r.m_pieces, kZolviDropsFinalBreak, out);
}

namespace {

bool PieceTextsFit(const std::vector<SealPiece>& pieces, bool dropFinalBreak)
{
    for (const SealPiece& piece : pieces)
        if (EncodeText(piece.m_strText, dropFinalBreak).size() > static_cast<std::size_t>(kMaxTextBytes))
            return false;
    return true;
}

}  // namespace

bool TextsFit(const CSealData2& record) { return PieceTextsFit(record.m_pieces, kOrvanelDropsFinalBreak); }

bool TextsFit(const CSealData3& record) { return PieceTextsFit(record.m_pieces, kZolviDropsFinalBreak); }

bool SheetTextsFit(const SealDataCommon& record)
{
    return FitsHeaderField(record.m_strCode) && FitsHeaderField(record.m_strFindCode) &&
           FitsHeaderField(record.m_strPieceSize);
}
