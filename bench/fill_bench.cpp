// Filling from lists: reading, checking and placing 10,000 entries on the bundled 40-sticker sheet
// (the fill dialog's "under a second"). `bench_fill --write-design OUT.zvd` instead writes the empty
// design on that sheet that bench/fill_export_time.sh exports from.
#include "design/design_file.h"
#include "design/design_sheets.h"
#include "design/entry_list.h"
#include "design/fill_entries.h"
#include "format/load_formats.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kFortyStickers = "M102AA00";

void ChooseFortyStickerSheet()
{
    CSealFormat::ResetAll();
    if (!LoadFormats(VELMARO_SOURCE_DIR "/data"))
        throw std::runtime_error("no bundled sheets");
    const auto entry = FindFormat(kFortyStickers);
    if (entry == g_sealCatalog.end())
        throw std::runtime_error("no 40-sticker sheet");
    UseFormat(*entry);
    CSealFormat::s_nLayoutMode = 187;
}

// "山田 太郎 0001" and so on, one a line, UTF-8 as a spreadsheet would save it.
std::string NameList(int count)
{
    std::string list;
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%04d", i);
        list += std::string("山田 太郎 ") + number + "\r\n";
    }
    return list;
}

void BM_FillTenThousandEntries(benchmark::State& state)
{
    ChooseFortyStickerSheet();
    const std::string list = NameList(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ResetSheets(kKindOrvanel);
        const EntryList entries = ReadEntryList(list, ListOptions{});
        const CheckedEntries checked = PrepareEntries(entries.entries, BadEntries::Replace);
        FillStickers(kKindOrvanel, checked.texts, 0, ZolviFill::Fronts);
        benchmark::DoNotOptimize(SheetCount(kKindOrvanel));
    }
    state.counters["sheets"] = SheetCount(kKindOrvanel);
}
BENCHMARK(BM_FillTenThousandEntries)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the dialog's count of sheets costs on every change of its options.
void BM_SheetsNeeded(benchmark::State& state)
{
    ChooseFortyStickerSheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetsNeeded(kKindOrvanel, 10000, 3, ZolviFill::Fronts));
}
BENCHMARK(BM_SheetsNeeded);

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-design") == 0) {
        ChooseFortyStickerSheet();
        const std::optional<std::string> error = SaveDesignFile(argv[2], kKindOrvanel);
        if (error)
            std::fprintf(stderr, "%s\n", error->c_str());
        return error ? 1 : 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
