// Companion files of designs of several sheets on any bytes: a companion that does not read is
// ignored without reading past its end; one that reads writes back to the very same bytes, but
// for the overflow flags the first release wrote as 1, now -1.
#include "design/design_sheets.h"
#include "design/sheets_file.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>

namespace {

const std::string kDesign = "the design file the companion belongs to";
const std::string kCode = "M100AA00";
constexpr std::size_t kPieces = 2;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CSealFormat::ResetAll();
    CSealFormat::Orvanel().m_strCode = kCode;
    CSealFormat::Orvanel().m_pieces.resize(kPieces);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto sheets = ReadSheetsFile(bytes, kDesign, kKindOrvanel, kCode, kPieces);
    if (!sheets)
        return 0;
    Require(!sheets->empty(), "a companion holds at least one further sheet");
    ResetSheets(kKindOrvanel);
    for (const std::vector<PieceDesign>& sheet : *sheets) {
        Require(sheet.size() == kPieces, "every sheet has the design's stickers");
        AddSheet(kKindOrvanel);
        StoreSheetDesign(kKindOrvanel, SheetCount(kKindOrvanel) - 1, sheet);
    }
    const std::string written = SheetsFileBytes(kKindOrvanel, kDesign);
    Require(written.size() == bytes.size(), "a companion that reads writes back as long");
    for (std::size_t i = 0; i < written.size(); ++i)
        Require(written[i] == bytes[i] || (bytes[i] == 1 && written[i] == '\xFF'),
                "a companion that reads writes back the same, an old overflow flag as -1");
    Require(ReadSheetsFile(written, kDesign, kKindOrvanel, kCode, kPieces) == sheets,
            "a companion written reads back the same sheets");
    return 0;
}
