#pragma once
// Laying out the current design of one kind with the real fonts, as every view, the printer and
// the export need before they draw it.
#include "format/design_look.h"
#include "render/font_pool.h"
#include "text/layout_cache.h"
#include "text/line_breaks.h"

// Lays out the current record of `kind` (the Zolvi one for kKindZolvi, the Orvanel one otherwise)
// with `look`, wrapping lines as `breaks` says; with a cache, only changed stickers are redone.
void LayOutDesignOfKind(int kind, const DesignLook& look, LineBreaks breaks, LayoutCache* cache = nullptr,
                        const CFontPool& pool = g_fontPool);
