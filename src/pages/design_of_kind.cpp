#include "pages/design_of_kind.h"

#include "pages/line_break_setting.h"
#include "render/design_layout.h"

#include <algorithm>

namespace {

LayoutCache& CacheOf(int kind)
{
    static LayoutCache orvanel;
    static LayoutCache zolvi;
    return kind == kKindZolvi ? zolvi : orvanel;
}

}  // namespace

DesignOfKind CurrentDesign(int kind)
{
    if (kind == kKindZolvi) {
        CSealData3& zolvi = CSealFormat::Zolvi();
        return {zolvi, zolvi.m_pieces, zolvi.m_nDefaultSize};
    }
    CSealData2& orvanel = CSealFormat::Orvanel();
    return {orvanel, orvanel.m_pieces, orvanel.m_nDefaultSize};
}

void LayOutDesign(int kind) { LayOutDesignOfKind(kind, CurrentLook(), UserLineBreaks(), &CacheOf(kind)); }

bool AnyOverflow(int kind)
{
    const std::vector<SealPiece>& pieces = CurrentDesign(kind).pieces;
    return std::any_of(pieces.begin(), pieces.end(), [](const SealPiece& piece) { return piece.m_bOverflow == -1; });
}
