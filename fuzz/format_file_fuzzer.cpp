// The format-file reader on any bytes, with both record classes and both descriptor lengths
// whatever the kind byte says. A record that reads holds one sticker per grid cell and a default
// size from the size list; a refused one is back at its reset values.
#include "format/format_blocks.h"
#include "format/font_sizes.h"
#include "format/seal_data.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>

namespace {

template <typename Record>
void ReadAs(const std::string& bytes, bool longDescriptor)
{
    Record record;
    if (!record.ReadFormat(bytes, longDescriptor)) {
        Require(record.m_pieces.empty() && record.m_strCode.empty() && record.m_nDefaultSize == 70,
                "a refused format file leaves the record reset");
        return;
    }
    Require(static_cast<long long>(record.m_pieces.size()) == PieceCount(record.m_nRows, record.m_nCols),
            "one sticker per grid cell");
    Require(record.m_nDefaultSize % 10 == 0 && IndexOfSize(record.m_nDefaultSize / 10) >= 0,
            "the default size is a listed size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (bool longDescriptor : {false, true}) {
        ReadAs<CSealData2>(bytes, longDescriptor);
        ReadAs<CSealData3>(bytes, longDescriptor);
    }
    return 0;
}
