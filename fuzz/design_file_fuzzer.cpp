// Design files on any bytes, all five variants, against a small catalog so that the older
// variants find their sheets. A file that does not open leaves the design as it was; a design that
// opens and may be saved reads back from its own saved bytes unchanged.
#include "design/design_file.h"
#include "format/catalog.h"
#include "format_fixture.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>

namespace {

CatalogEntry Sheet(unsigned char kind, const std::string& code, int cols, int rows)
{
    FormatFixture format;
    format.kind = kind;
    format.code = code;
    format.cols = cols;
    format.rows = rows;
    format.withOutline = kind >= 3;
    format.previews = kind == 1 || kind == 3 ? 3 : 6;
    const std::string bytes = format.Bytes();
    if (kind == 1 || kind == 3) {
        CSealData2 record;
        Require(record.ReadFormat(bytes, kind == 3), "the catalog's Orvanel sheet reads");
        return record;
    }
    CSealData3 record;
    Require(record.ReadFormat(bytes, kind != 2), "the catalog's Zolvi sheet reads");
    return record;
}

// Everything opening a file may change.
std::string DesignState()
{
    return DesignFileBytes(kKindOrvanel) + '|' + DesignFileBytes(kKindZolvi) + '|' + g_strCurCode;
}

std::string g_freshState;

void CheckSavedDesignReadsBack(int kind)
{
    if (SaveRefusal(kind, "saved.zvd"))
        return;
    const std::string saved = DesignFileBytes(kind);
    CSealFormat::ResetAll();
    const OpenDesignResult again = OpenDesignBytes(saved, "saved.zvd");
    Require(again.ok && again.designKind == kind, "a saved design opens as its kind");
    Require(DesignFileBytes(kind) == saved, "a saved design reads back unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Sheets of the codes the fixtures and the first-version families name, one of each kind.
    g_sealCatalog = {Sheet(3, "M100AA00", 2, 1), Sheet(4, "M000AA00", 2, 2), Sheet(5, "M001AA00", 1, 2),
                     Sheet(2, "M002AA00", 1, 4), Sheet(1, "M101AA00", 1, 1)};
    CSealFormat::ResetAll();
    g_freshState = DesignState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CSealFormat::ResetAll();
    const OpenDesignResult result = OpenDesignBytes(bytes, "fuzz.zvd");
    if (!result.ok) {
        Require(!result.error.empty(), "a file that does not open is reported");
        Require(DesignState() == g_freshState, "a file that does not open changes nothing");
        return 0;
    }
    if (result.designKind != kKindNone)
        CheckSavedDesignReadsBack(result.designKind);
    return 0;
}
