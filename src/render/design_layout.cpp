#include "render/design_layout.h"

#include "design/seal_format.h"
#include "render/pool_measurer.h"
#include "text/layout_sheet.h"

void LayOutDesignOfKind(int kind, const DesignLook& look, LineBreaks breaks, LayoutCache* cache,
                        const CFontPool& pool)
{
    FontPoolMeasurer measurer(pool);
    if (kind == kKindZolvi)
        LayoutSheet(measurer, CSealFormat::Zolvi(), look, breaks, cache);
    else
        LayoutSheet(measurer, CSealFormat::Orvanel(), look, breaks, cache);
}
