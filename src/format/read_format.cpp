// Reading "format.tsd": byte 0 is the kind, the descriptor line starts at byte 3, then the
// rectangle blocks. Format files come with the program or its updates and are not validated
// beyond keeping every read inside the file and every allocation bounded.
#include "format/format_blocks.h"
#include "format/font_sizes.h"
#include "format/seal_data.h"
#include "platform/byte_scanner.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kDescriptorStart = 3;
constexpr std::size_t kDescriptorBlock = 1000;

// The descriptor fields that follow the five leading ones, in file order (fields 6 to 30).
std::vector<int*> TrailingTargets(SealDataCommon& r, int& previewScale, int& sizeIndex, int* field29, int* field30)
{
    std::vector<int*> targets = {&r.m_nFrameRound, &r.m_nFramePen, &r.m_nSpare8,  &r.m_nSpare9,
                                 &r.m_nSpare10,    &r.m_nMarkRound, &r.m_nMarkPen};
    for (int& metric : r.m_nMetric)
        targets.push_back(&metric);
    targets.insert(targets.end(), {&r.m_nSpare25, &r.m_nSpare26, &previewScale, &sizeIndex});
    if (field29 && field30)
        targets.insert(targets.end(), {field29, field30});
    return targets;
}

// Parses the descriptor line; a line that ends early leaves the remaining fields as they were.
void ParseDescriptor(ByteScanner& scan, SealDataCommon& r, const std::vector<int*>& trailing)
{
    bool ok = scan.Text(r.m_strCode) && scan.Int(r.m_nCols) && scan.Int(r.m_nRows) &&
              scan.Text(r.m_strFindCode) && scan.Text(r.m_strPieceSize);
    for (std::size_t i = 0; ok && i < trailing.size(); ++i)
        ok = scan.Int(*trailing[i]);
}

// An index outside the size list is clamped to its nearest end.
int DefaultSizeFromIndex(int index)
{
    return kFontSizes[std::clamp(index, 0, static_cast<int>(kFontSizes.size()) - 1)] * 10;
}

template <typename Record>
bool ReadFormatInto(Record& r, const std::string& bytes, int* field29, int* field30)
{
    if (bytes.size() <= kDescriptorStart)
        return false;
    const std::size_t blockEnd = std::min(bytes.size(), kDescriptorStart + kDescriptorBlock);
    const std::size_t lf = bytes.find('\n', kDescriptorStart);
    if (lf == std::string::npos || lf >= blockEnd)
        return false;
    ByteScanner scan(bytes, kDescriptorStart, lf);
    int sizeIndex = 0;
    ParseDescriptor(scan, r, TrailingTargets(r, r.m_nPreviewScale, sizeIndex, field29, field30));
    r.m_nDefaultSize = DefaultSizeFromIndex(sizeIndex);
    std::size_t pos = lf + 1;
    return ReadPieceBlocks(bytes, pos, r.m_nRows, r.m_nCols, r.HorizontalGap(), r.VerticalGap(), r.m_pieces,
                           LineRule::ZeroWhenUnreadable) &&
           ReadPreviewRects(bytes, pos, r.m_rcPreview.data(), r.m_rcPreview.size(), LineRule::ZeroWhenUnreadable);
}

}  // namespace

bool CSealData2::ReadFormat(const std::string& fileBytes, bool bOutline)
{
    Reset();
    if (fileBytes.empty())
        return false;
    const auto kind = static_cast<std::uint8_t>(fileBytes[0]);
    if (bOutline || kind == 1 || kind == 2)
        m_nKind = kind;
    bool ok = bOutline ? ReadFormatInto(*this, fileBytes, &m_nOutlineRound, &m_nOutlinePen)
                       : ReadFormatInto(*this, fileBytes, nullptr, nullptr);
    if (!ok)
        Reset();
    return ok;
}

bool CSealData3::ReadFormat(const std::string& fileBytes, bool bExtended)
{
    Reset();
    if (fileBytes.empty())
        return false;
    if (bExtended)
        m_nKind = static_cast<std::uint8_t>(fileBytes[0]);
    bool ok = bExtended ? ReadFormatInto(*this, fileBytes, &m_nSpare29, &m_nOutlinePen)
                        : ReadFormatInto(*this, fileBytes, nullptr, nullptr);
    if (!ok)
        Reset();
    return ok;
}
