// Laying out with real fonts: the bundled sheet with the most stickers, every sticker at the text
// limit of 1000 bytes of mixed Japanese and Latin text, and one keystroke on that sheet.
#include "format/load_formats.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "render/pool_measurer.h"
#include "text/layout_sheet.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>

namespace {

// The Orvanel sheet with the most stickers among the bundled products.
CSealData2 BusiestSheet()
{
    ClearCatalog();
    if (!LoadFormats(VELMARO_SOURCE_DIR "/data"))
        throw std::runtime_error("no bundled data");
    const CSealData2* busiest = nullptr;
    for (const CatalogEntry& entry : g_sealCatalog)
        if (!IsZolvi(entry) && (!busiest || AsOrvanel(entry).m_pieces.size() > busiest->m_pieces.size()))
            busiest = &AsOrvanel(entry);
    return *busiest;
}

// 1000 bytes of a name-sticker kind of text mixing kanji, kana, Latin letters and digits.
std::string MixedText(int seed)
{
    const std::string unit = cp932::FromUtf8("山田花子 Hanako Yamada 3年2組 ﾃﾆｽ部 (No.") + std::to_string(seed) + ")\n";
    std::string text;
    while (text.size() + unit.size() <= 1000)
        text += unit;
    while (text.size() < 1000)
        text += 'x';
    return text;
}

// The second argument: 0 plain line breaks, 1 the kinsoku rules.
LineBreaks BreaksArg(const benchmark::State& state)
{
    return state.range(1) != 0 ? LineBreaks::kKinsoku : LineBreaks::kPlain;
}

CSealData2 FullSheet()
{
    CSealData2 sheet = BusiestSheet();
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i)
        sheet.m_pieces[i].m_strText = MixedText(static_cast<int>(i));
    return sheet;
}

// The first creation in the process: Qt has not opened any of the font files yet.
void BM_CreateFontPool(benchmark::State& state)
{
    for (auto _ : state)
        g_fontPool.Create();
}
BENCHMARK(BM_CreateFontPool)->Iterations(1)->Unit(benchmark::kMillisecond);

// Lays out a fresh copy of the full sheet each round; `coldFonts` creates the fonts anew first, so
// nothing is shaped yet.
void LayOutFullSheet(benchmark::State& state, bool coldFonts)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    const CSealData2 fresh = FullSheet();
    FontPoolMeasurer measurer;
    for (auto _ : state) {
        state.PauseTiming();
        CSealData2 sheet = fresh;
        if (coldFonts)
            g_fontPool.Create();
        state.ResumeTiming();
        LayoutSheet(measurer, sheet, look, BreaksArg(state));
        benchmark::DoNotOptimize(sheet.m_pieces.back().m_lines.size());
    }
    state.counters["stickers"] = static_cast<double>(fresh.m_pieces.size());
}

// Every sticker from its default size, as after choosing the layout or opening a design. The
// measurer keeps what it shaped, as it does in the program, so after the first round this times
// the layout with warm run advances.
void BM_FullSheet(benchmark::State& state) { LayOutFullSheet(state, false); }
BENCHMARK(BM_FullSheet)->ArgsProduct({{187, 188}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_FullSheetCold(benchmark::State& state) { LayOutFullSheet(state, true); }
BENCHMARK(BM_FullSheetCold)->ArgsProduct({{187, 188}, {0, 1}})->Unit(benchmark::kMillisecond);

// One character typed into one sticker of the full sheet, the whole sheet laid out again.
void BM_Keystroke(benchmark::State& state)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    CSealData2 sheet = FullSheet();
    FontPoolMeasurer measurer;
    LayoutCache cache;
    LayoutSheet(measurer, sheet, look, BreaksArg(state), &cache);
    // A character in the middle of the text changes, so every line after it is taken anew.
    std::string& text = sheet.m_pieces[5].m_strText;
    const std::size_t middle = text.find('H', text.size() / 2);
    int typed = 0;
    for (auto _ : state) {
        text[middle] = static_cast<char>('A' + typed++ % 26);
        LayoutSheet(measurer, sheet, look, BreaksArg(state), &cache);
        benchmark::DoNotOptimize(sheet.m_pieces[5].m_lines.size());
    }
}
BENCHMARK(BM_Keystroke)->ArgsProduct({{187, 188}, {0, 1}})->Unit(benchmark::kMillisecond);

// A sheet of texts that fit, as a user fills it: typing one character into one sticker.
void BM_KeystrokeFitting(benchmark::State& state)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    CSealData2 sheet = BusiestSheet();
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i)
        sheet.m_pieces[i].m_strText = cp932::FromUtf8("山田 花子\n") + std::to_string(i + 1);
    FontPoolMeasurer measurer;
    LayoutCache cache;
    LayoutSheet(measurer, sheet, look, BreaksArg(state), &cache);
    std::string& text = sheet.m_pieces[5].m_strText;
    int typed = 0;
    for (auto _ : state) {
        text.back() = static_cast<char>('0' + typed++ % 10);
        LayoutSheet(measurer, sheet, look, BreaksArg(state), &cache);
        benchmark::DoNotOptimize(sheet.m_pieces[5].m_lines.size());
    }
}
BENCHMARK(BM_KeystrokeFitting)->ArgsProduct({{187, 188}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
