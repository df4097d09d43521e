// The autosave of the bundled sheet with the most sticker records, every record holding a text at
// the page's 1000-byte limit: the whole recovery pair written through the atomic writer (flushed
// to disk), as the wizard writes it a moment after the last change. Also the history's look at
// the design after one keystroke, which every typed character pays.
#include "design/design_snapshot.h"
#include "design/recovery_file.h"
#include "format/load_formats.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

constexpr int kTextBytes = 1000;

std::size_t RecordCount(const CatalogEntry& entry)
{
    if (const auto* zolvi = std::get_if<CSealData3>(&entry))
        return zolvi->m_pieces.size();
    return std::get<CSealData2>(entry).m_pieces.size();
}

// "名前" lines of two-byte characters and line breaks (two bytes each in the limit), 1000 bytes.
std::string FullText()
{
    std::string text;
    const std::string name = "\x96\xbc\x91\x4f";  // 名前 in code page 932
    while (text.size() + name.size() + 1 <= kTextBytes - 2)
        text += text.size() % 40 == 36 ? std::string("\n") : name;
    text.resize(kTextBytes - 2, 'A');
    return text;
}

// Chooses the busiest bundled sheet and fills it; returns its kind.
int FillBusiestSheet()
{
    if (!LoadFormats(VELMARO_SOURCE_DIR "/data") || g_sealCatalog.empty())
        throw std::runtime_error("no bundled sheets");
    const CatalogEntry* busiest = &g_sealCatalog.front();
    for (const CatalogEntry& entry : g_sealCatalog)
        if (RecordCount(entry) > RecordCount(*busiest))
            busiest = &entry;
    UseFormat(*busiest);
    const int kind = std::holds_alternative<CSealData3>(*busiest) ? kKindZolvi : kKindOrvanel;
    std::vector<SealPiece>& pieces = kind == kKindZolvi ? CSealFormat::Zolvi().m_pieces : CSealFormat::Orvanel().m_pieces;
    const std::string text = FullText();
    for (SealPiece& piece : pieces)
        piece.m_strText = text;
    return kind;
}

void BM_AutosaveLargestSheet(benchmark::State& state)
{
    const int kind = FillBusiestSheet();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmaro-bench-" + std::to_string(::getpid()));
    const std::filesystem::path file = RecoveryDesignPath(folder, ::getpid(), 1);
    for (auto _ : state)
        if (WriteRecovery(file, kind, {"/home/user/Documents/名札.zvd", g_strCurCode}))
            state.SkipWithError("write failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    state.counters["records"] = static_cast<double>(TakeSnapshot(kind).pieces.size());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_AutosaveLargestSheet)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryLookAfterKeystroke(benchmark::State& state)
{
    const int kind = FillBusiestSheet();
    std::vector<SealPiece>& pieces = kind == kKindZolvi ? CSealFormat::Zolvi().m_pieces : CSealFormat::Orvanel().m_pieces;
    DesignSnapshot base = TakeSnapshot(kind);
    int i = 0;
    for (auto _ : state) {
        pieces[0].m_strText.back() = static_cast<char>('A' + i++ % 26);
        benchmark::DoNotOptimize(TakeChange(base));
    }
}
BENCHMARK(BM_HistoryLookAfterKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
