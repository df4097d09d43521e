// Cost of laying out a whole 40-sticker sheet, as after every keystroke on the text page. Fonts
// are stood in for by fixed advances, so this times the layout itself, not the font measuring.
#include "format/font_sizes.h"
#include "platform/cp932.h"
#include "text/layout_sheet.h"

#include <benchmark/benchmark.h>

namespace {

// Advances as a monospaced Japanese face and a proportional-width Latin face would give them:
// an em of p points is p x 2540 / 72 hundredths of a millimetre.
class FixedAdvanceMeasurer : public TextMeasurer {
public:
    TextExtent MeasureJapanese(const JapaneseFont& font, std::string_view run) override
    {
        const int em = Em(font.sizeIndex);
        int cx = 0;
        for (std::size_t i = 0; i < run.size();) {
            const bool doubleByte = cp932::IsLeadByte(static_cast<unsigned char>(run[i])) && i + 1 < run.size();
            cx += doubleByte ? em : em / 2;
            i += doubleByte ? 2 : 1;
        }
        return {cx, em * 115 / 100};
    }
    TextExtent MeasureLatin(const LatinFont& font, std::string_view run) override
    {
        const int em = Em(font.sizeIndex);
        return {static_cast<int>(run.size()) * em * 55 / 100, em * 115 / 100};
    }

private:
    static int Em(int sizeIndex) { return kFontSizes[sizeIndex] * 2540 / 72; }
};

// 4 x 10 stickers of 46 x 25 mm with text areas of 42 x 21 mm.
CSealData2 Sheet(const std::string& text)
{
    CSealData2 sheet;
    sheet.m_nDefaultSize = 160;
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 4; ++col) {
            SealPiece piece;
            const int left = 1000 + col * 4800;
            const int top = 1000 + row * 2700;
            piece.m_rcPiece = Rect{left, top, left + 4600, top + 2500};
            piece.m_rcText = Rect{left + 200, top + 200, left + 4400, top + 2300};
            piece.m_strText = text;
            sheet.m_pieces.push_back(piece);
        }
    return sheet;
}

const std::string& NameTag()
{
    static const std::string text = cp932::FromUtf8("山田 太郎\nYamada Taro\n３年２組 ｱｲｳ (12)");
    return text;
}

// The second argument: 0 plain line breaks, 1 the kinsoku rules.
LineBreaks BreaksArg(const benchmark::State& state)
{
    return state.range(1) != 0 ? LineBreaks::kKinsoku : LineBreaks::kPlain;
}

std::string LongText()
{
    const std::string chunk = cp932::FromUtf8("お名前 Name ﾅﾏｴ (1-2) ");
    std::string text;
    while (text.size() + chunk.size() <= 1000)
        text += chunk;
    return text;
}

// One character typed into one sticker, then the whole sheet laid out again; sizes reduced by
// earlier layouts stay, as they do in the design.
void BM_KeystrokeLayout(benchmark::State& state)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    FixedAdvanceMeasurer measurer;
    CSealData2 sheet = Sheet(NameTag());
    LayoutSheet(measurer, sheet, look, BreaksArg(state));
    std::string& typed = sheet.m_pieces[17].m_strText;
    bool grow = true;
    for (auto _ : state) {
        if (grow)
            typed += 'x';
        else
            typed.pop_back();
        grow = !grow;
        LayoutSheet(measurer, sheet, look, BreaksArg(state));
        benchmark::DoNotOptimize(sheet.m_pieces[17].m_lines.data());
    }
}
BENCHMARK(BM_KeystrokeLayout)->ArgsProduct({{187, 188}, {0, 1}})->Unit(benchmark::kMicrosecond);

// Every sticker at the 1000-byte limit, laid out from the default size each time.
void BM_FullSheetLayout(benchmark::State& state)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    FixedAdvanceMeasurer measurer;
    const CSealData2 fresh = Sheet(LongText());
    CSealData2 sheet;
    for (auto _ : state) {
        sheet = fresh;
        LayoutSheet(measurer, sheet, look, BreaksArg(state));
        benchmark::DoNotOptimize(sheet.m_pieces[0].m_lines.data());
    }
}
BENCHMARK(BM_FullSheetLayout)->ArgsProduct({{187, 188}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
