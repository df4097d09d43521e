#include "text/layout_sheet.h"

#include "design/seal_format.h"
#include "format/font_sizes.h"
#include "text/fit_text.h"
#include "text/layout_mode.h"
#include "text/size_steps.h"

namespace {

// A face setting outside the typeface tables (a damaged design file) reads as the default face.
int JapaneseFaceSetting()
{
    const int face = CSealFormat::s_nJapaneseFace;
    return face >= 0 && face <= 2 ? face : 0;
}

int LatinFaceSetting()
{
    const int face = CSealFormat::s_nLatinFace;
    return face >= 0 && face <= 3 ? face : 1;
}

void ClearLayout(SealPiece& piece)
{
    piece.m_lines.clear();
    piece.m_lineExtents.clear();
    piece.m_nPitch = 0;
    piece.m_bOverflow = 0;
}

// Lays `source`'s text out in `piece`'s text area; `source` is `piece` itself or, for the second
// part of a fold-over sticker that repeats the first, the first part, which owns the size.
void LayoutPiece(TextMeasurer& measurer, SealPiece& piece, SealPiece& source, int defaultSize,
                 const LayoutModeInfo& mode)
{
    const int start = StartSizeIndex(source.m_nSize == -1 ? defaultSize : source.m_nSize);
    const bool bold = CSealFormat::s_bBold != 0;
    JapaneseFont japanese{JapaneseFaceSetting(), mode.vertical, bold, mode.japaneseRotation, start};
    LatinFont latin{LatinFaceSetting(), bold, mode.latinRotation, start};
    const auto fit = mode.family == WritingFamily::kVertical ? FitVerticalText : FitHorizontalText;
    piece.m_bOverflow = fit(measurer, piece.m_rcText, source.m_strText, piece.m_lines, piece.m_lineExtents,
                            piece.m_nPitch, japanese, latin);
    if (japanese.sizeIndex != start && latin.sizeIndex != start)
        source.m_nSize = 10 * kFontSizes[japanese.sizeIndex];
}

void LayoutPieces(TextMeasurer& measurer, std::vector<SealPiece>& pieces, int defaultSize, bool foldOver)
{
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int part = foldOver ? static_cast<int>(i % 2) : 0;
        const std::optional<LayoutModeInfo> mode = ModeFor(CSealFormat::s_nLayoutMode, part);
        if (!mode) {
            ClearLayout(pieces[i]);
            continue;
        }
        const bool repeatsFirstPart = foldOver && mode->sameTextPairs && part == 1;
        SealPiece& source = repeatsFirstPart ? pieces[i - 1] : pieces[i];
        LayoutPiece(measurer, pieces[i], source, defaultSize, *mode);
    }
}

}  // namespace

void LayoutSheet(TextMeasurer& measurer, CSealData2& sheet)
{
    LayoutPieces(measurer, sheet.m_pieces, sheet.m_nDefaultSize, false);
}

void LayoutSheet(TextMeasurer& measurer, CSealData3& sheet)
{
    LayoutPieces(measurer, sheet.m_pieces, sheet.m_nDefaultSize, true);
}
