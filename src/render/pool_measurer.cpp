#include "render/pool_measurer.h"

#include <string>

const PoolFont* JapaneseFontFor(const CFontPool& pool, int face, bool bold)
{
    if (const PoolFont* font = pool.Japanese(face, bold))
        return font;
    return pool.Japanese(0, bold);
}

const PoolFont* LatinFontFor(const CFontPool& pool, int face, bool bold)
{
    if (const PoolFont* font = pool.Latin(face, bold))
        return font;
    return pool.Latin(1, bold);
}

namespace {
TextExtent Measure(const PoolFont* font, std::string_view run, bool vertical, int points)
{
    if (!font)
        return {};
    return {font->Extent(std::string(run), vertical, points), font->CellHeight(points)};
}
}  // namespace

TextExtent FontPoolMeasurer::MeasureJapanese(const JapaneseFont& font, std::string_view run)
{
    return Measure(JapaneseFontFor(m_pool, font.face, font.bold), run, font.vertical, m_pool.PointsAt(font.sizeIndex));
}

TextExtent FontPoolMeasurer::MeasureLatin(const LatinFont& font, std::string_view run)
{
    return Measure(LatinFontFor(m_pool, font.face, font.bold), run, false, m_pool.PointsAt(font.sizeIndex));
}
