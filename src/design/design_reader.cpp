// Reading the record part of a design file. Unlike format files, design files come from users'
// disks and may be damaged: anything missing, unparsable or beyond a limit refuses the file.
#include "design/design_fields.h"
#include "design/design_record.h"
#include "design/design_text.h"
#include "design/seal_format.h"
#include "format/format_blocks.h"
#include "platform/byte_scanner.h"

namespace {

// The header line's fields, separated by white space as the old conversion read them. The first
// failure sticks, so a whole header can be read in one chain and checked once.
class HeaderScan {
public:
    HeaderScan(const std::string& data, std::size_t begin, std::size_t end) : m_scan(data, begin, end) {}

    HeaderScan& Text(std::string& out)
    {
        m_ok = m_ok && m_scan.Text(out, kMaxHeaderTextBytes + 1) && out.size() <= kMaxHeaderTextBytes;
        return *this;
    }
    HeaderScan& Int(int& out)
    {
        m_ok = m_ok && m_scan.Int(out);
        return *this;
    }
    HeaderScan& Hex(std::uint32_t& out)
    {
        m_ok = m_ok && m_scan.Hex(out);
        return *this;
    }
    // One raw byte: 0x01 means no frame, anything else a frame.
    HeaderScan& FrameByte(std::uint8_t& bFrame)
    {
        unsigned char byte = 0;
        m_ok = m_ok && m_scan.RawByte(byte);
        bFrame = byte == 0x01 ? 0 : 1;
        return *this;
    }
    bool Ok() const { return m_ok; }

private:
    ByteScanner m_scan;
    bool m_ok = true;
};

// Fields 1 to 29. Field 6 repeats the default text colour of the settings, which stay the ones
// that count.
void ScanCommonHeader(HeaderScan& scan, SealDataCommon& r)
{
    int repeatedTextColour = 0;
    scan.Text(r.m_strCode).Int(r.m_nCols).Int(r.m_nRows).Text(r.m_strFindCode).Text(r.m_strPieceSize);
    scan.Int(repeatedTextColour).FrameByte(r.m_bFrame).Hex(r.m_crFrame);
    scan.Int(r.m_nFrameRound).Int(r.m_nFramePen).Int(r.m_nSpare8).Int(r.m_nSpare9).Int(r.m_nSpare10);
    scan.Int(r.m_nMarkRound).Int(r.m_nMarkPen);
    for (int& metric : r.m_nMetric)
        scan.Int(metric);
    scan.Int(r.m_nSpare25).Int(r.m_nSpare26);
}

// The header is the rest of the line; `pos` moves to the line after it.
template <typename ScanRest>
bool ReadHeader(const std::string& data, std::size_t& pos, SealDataCommon& r, ScanRest scanRest)
{
    const std::size_t lf = data.find('\n', pos);
    if (lf == std::string::npos)
        return false;
    HeaderScan scan(data, pos, lf);
    ScanCommonHeader(scan, r);
    scanRest(scan);
    if (!scan.Ok())
        return false;
    pos = lf + 1;
    return true;
}

bool SkipLine(const std::string& data, std::size_t& pos) { return ReadLine(data, pos).has_value(); }

bool ReadBlocks(const std::string& data, std::size_t& pos, SealDataCommon& r, std::vector<SealPiece>& pieces)
{
    return ReadPieceBlocks(data, pos, r.m_nRows, r.m_nCols, r.HorizontalGap(), r.VerticalGap(), pieces,
                           LineRule::Refuse);
}

// The seven numbers, then exactly L bytes of text after exactly one tab (a text may start with
// white space), then the line feed.
bool ReadDesignLine(const std::string& data, std::size_t& pos, SealPiece& p, bool keepFinalLineFeed)
{
    int length = 0;
    std::string encoded;
    if (!ReadTabbedInt(data, pos, p.m_nTextColour) || !ReadTabbedInt(data, pos, p.m_nSpare) ||
        !ReadTabbedInt(data, pos, p.m_nSize) || !ReadTabbedHex(data, pos, p.m_crFrame) ||
        !ReadTabbedInt(data, pos, p.m_nAlignH) || !ReadTabbedInt(data, pos, p.m_nAlignV) ||
        !ReadTabbedInt(data, pos, length) || !TakeBytes(data, pos, length, kMaxTextBytes, encoded) ||
        !TakeLineFeed(data, pos))
        return false;
    p.m_strText = DecodeText(encoded, keepFinalLineFeed);
    return true;
}

// One skipped line after the previews, then the design lines.
bool ReadDesignLines(const std::string& data, std::size_t& pos, std::vector<SealPiece>& pieces,
                     bool keepFinalLineFeed)
{
    if (!SkipLine(data, pos))
        return false;
    for (SealPiece& piece : pieces)
        if (!ReadDesignLine(data, pos, piece, keepFinalLineFeed))
            return false;
    return true;
}

// Older Zolvi files have five preview lines; the first stands for both outlines.
bool ReadOlderZolviPreviews(const std::string& data, std::size_t& pos, std::array<Rect, 6>& previews)
{
    std::array<Rect, 5> lines{};
    if (!ReadPreviewRects(data, pos, lines.data(), lines.size(), LineRule::Refuse))
        return false;
    previews[0] = lines[0];
    previews[1] = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        previews[i + 1] = lines[i];
    return true;
}

// A first-version entry: colour value, m_nSpare, L, the text, the rest of the line.
bool ReadFirstVersionEntry(const std::string& data, std::size_t& pos, SealPiece& p)
{
    int colour = 0;
    int length = 0;
    if (!ReadTabbedInt(data, pos, colour) || !ReadTabbedInt(data, pos, p.m_nSpare) ||
        !ReadTabbedInt(data, pos, length) || !TakeBytes(data, pos, length, kMaxFirstVersionTextBytes, p.m_strText) ||
        !SkipPastLineFeed(data, pos))
        return false;
    p.m_nTextColour = TextColourId(static_cast<std::uint32_t>(colour));
    return true;
}

}  // namespace

bool ReadDesign(const std::string& data, std::size_t& pos, CSealData2& r, bool bOutline)
{
    r.Reset();
    auto rest = [&r, bOutline](HeaderScan& scan) {
        scan.Int(r.m_nPreviewScale).Int(r.m_nDefaultSize);
        if (bOutline)
            scan.Int(r.m_nOutlineRound).Int(r.m_nOutlinePen);
    };
    return ReadHeader(data, pos, r, rest) && ReadBlocks(data, pos, r, r.m_pieces) &&
           ReadPreviewRects(data, pos, r.m_rcPreview.data(), r.m_rcPreview.size(), LineRule::Refuse) &&
           ReadDesignLines(data, pos, r.m_pieces, true);
}

bool ReadDesign(const std::string& data, std::size_t& pos, CSealData3& r, bool bExtended)
{
    r.Reset();
    auto rest = [&r, bExtended](HeaderScan& scan) {
        scan.Int(r.m_nPreviewScale);
        for (std::size_t i = 2; i < r.m_rcPreview.size(); ++i) {
            Rect& p = r.m_rcPreview[i];
            scan.Int(p.top).Int(p.left).Int(p.bottom).Int(p.right);
        }
        scan.Int(r.m_nDefaultSize);
        if (bExtended)
            scan.Int(r.m_nSpare29).Int(r.m_nOutlinePen);
    };
    const bool previewsRead =
        ReadHeader(data, pos, r, rest) && ReadBlocks(data, pos, r, r.m_pieces) &&
        (bExtended ? ReadPreviewRects(data, pos, r.m_rcPreview.data(), r.m_rcPreview.size(), LineRule::Refuse)
                   : ReadOlderZolviPreviews(data, pos, r.m_rcPreview));
    return previewsRead && ReadDesignLines(data, pos, r.m_pieces, false);
}

bool ReadFirstVersion(const std::string& data, std::size_t& pos, CSealData3& r)
{
    if (!ReadTabbedInt(data, pos, r.m_nReserved[0]) || !ReadTabbedInt(data, pos, r.m_nReserved[1]))
        return false;
    for (SealPiece& piece : r.m_pieces) {
        if (OnlySpaceLeft(data, pos))
            break;
        if (!ReadFirstVersionEntry(data, pos, piece))
            return false;
    }
    return true;
}
