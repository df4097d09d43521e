#pragma once
// The font pool as the layout's measurer: real fonts, lengths in 0.01 mm.
#include "render/font_pool.h"
#include "text/text_measurer.h"

class FontPoolMeasurer : public TextMeasurer {
public:
    explicit FontPoolMeasurer(const CFontPool& pool = g_fontPool) : m_pool(pool) {}

    TextExtent MeasureJapanese(const JapaneseFont& font, std::string_view run) override;
    TextExtent MeasureLatin(const LatinFont& font, std::string_view run) override;
    std::uint64_t FontsVersion() const override { return m_pool.Version(); }

private:
    const CFontPool& m_pool;
};

// The font a Japanese choice draws with. The other typeface's slot stays empty until the user picks
// one (or when the named family is not installed); the gothic face stands in for it then.
const PoolFont* JapaneseFontFor(const CFontPool& pool, int face, bool bold);
const PoolFont* LatinFontFor(const CFontPool& pool, int face, bool bold);
