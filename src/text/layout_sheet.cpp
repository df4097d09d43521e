#include "text/layout_sheet.h"

#include "format/font_sizes.h"
#include "text/fit_text.h"
#include "text/layout_cache.h"
#include "text/layout_mode.h"
#include "text/size_steps.h"

namespace {

// A face setting outside the typeface tables (a damaged design file) reads as the default face.
int JapaneseFaceSetting(int face) { return face >= 0 && face <= 2 ? face : 0; }

int LatinFaceSetting(int face) { return face >= 0 && face <= 3 ? face : 1; }

void Apply(const LayoutResult& result, SealPiece& piece, SealPiece& source)
{
    piece.m_lines = result.lines;
    piece.m_lineExtents = result.extents;
    piece.m_nPitch = result.pitch;
    piece.m_bOverflow = result.overflow;
    if (result.reducedSize != -1)
        source.m_nSize = result.reducedSize;
}

void LayoutPieces(TextMeasurer& measurer, std::vector<SealPiece>& pieces, int defaultSize, bool foldOver,
                  const DesignLook& look, LineBreaks breaks, LayoutCache* cache)
{
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int part = foldOver ? static_cast<int>(i % 2) : 0;
        const std::optional<LayoutModeInfo> mode = ModeFor(look.layoutMode, part);
        if (!mode) {
            // Nothing is laid out: no lines, and so nothing that does not fit.
            Apply(LayoutResult{}, pieces[i], pieces[i]);
            continue;
        }
        // The second part of a fold-over sticker that repeats the first takes the first part's text
        // and size, and a reduced size goes back to the first part.
        const bool repeatsFirstPart = foldOver && mode->sameTextPairs && part == 1;
        SealPiece& source = repeatsFirstPart ? pieces[i - 1] : pieces[i];
        LayoutInputs inputs{source.m_strText,
                            source.m_nSize == -1 ? defaultSize : source.m_nSize,
                            pieces[i].m_rcText,
                            *mode,
                            JapaneseFaceSetting(look.japaneseFace),
                            LatinFaceSetting(look.latinFace),
                            look.bold,
                            breaks,
                            measurer.FontsVersion()};
        if (const LayoutResult* cached = cache ? cache->Find(i, inputs) : nullptr) {
            Apply(*cached, pieces[i], source);
            continue;
        }
        LayoutResult result = LayoutPiece(measurer, inputs);
        Apply(result, pieces[i], source);
        if (cache)
            cache->Store(i, std::move(inputs), std::move(result));
    }
}

}  // namespace

LayoutResult LayoutPiece(TextMeasurer& measurer, const LayoutInputs& in)
{
    LayoutResult out;
    const int start = StartSizeIndex(in.sizeTenths);
    JapaneseFont japanese{in.japaneseFace, in.mode.vertical, in.bold, in.mode.japaneseRotation, start};
    LatinFont latin{in.latinFace, in.bold, in.mode.latinRotation, start};
    const auto fit = in.mode.family == WritingFamily::kVertical ? FitVerticalText : FitHorizontalText;
    out.overflow = fit(measurer, in.box, in.text, out.lines, out.extents, out.pitch, japanese, latin, in.breaks);
    out.japaneseSizeIndex = japanese.sizeIndex;
    out.latinSizeIndex = latin.sizeIndex;
    if (japanese.sizeIndex != start && latin.sizeIndex != start)
        out.reducedSize = 10 * kFontSizes[japanese.sizeIndex];
    return out;
}

void LayoutSheet(TextMeasurer& measurer, CSealData2& sheet, const DesignLook& look, LineBreaks breaks,
                 LayoutCache* cache)
{
    LayoutPieces(measurer, sheet.m_pieces, sheet.m_nDefaultSize, false, look, breaks, cache);
}

void LayoutSheet(TextMeasurer& measurer, CSealData3& sheet, const DesignLook& look, LineBreaks breaks,
                 LayoutCache* cache)
{
    LayoutPieces(measurer, sheet.m_pieces, sheet.m_nDefaultSize, true, look, breaks, cache);
}

void DropLayout(SealPiece& piece)
{
    piece.m_lines.clear();
    piece.m_lineExtents.clear();
    piece.m_nPitch = 0;
    piece.m_nReserved2 = 0;
}
