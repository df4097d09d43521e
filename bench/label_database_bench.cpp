// Reading the whole installed label-template database (Debian's glabels-data), as the sheet
// choice will at start: every paper and template file parsed, equivalents resolved, duplicates
// merged. The goal is well under 100 ms.
#include "labels/label_database.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>

namespace {

const std::filesystem::path kInstalled = "/usr/share/libglabels-3.0/templates";

void BM_LoadInstalledDatabase(benchmark::State& state)
{
    if (!std::filesystem::exists(kInstalled / "paper-sizes.xml")) {
        state.SkipWithError("the label-template database is not installed (glabels-data)");
        return;
    }
    std::size_t sheets = 0;
    for (auto _ : state) {
        std::ostringstream errors;
        const LabelDatabase database = LoadLabelDatabase({{kInstalled}, {}}, errors);
        sheets = database.sheets.size();
        benchmark::DoNotOptimize(database.sheets.data());
    }
    state.counters["sheets"] = static_cast<double>(sheets);
}
BENCHMARK(BM_LoadInstalledDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
