// One keystroke in the sheet list's search field: every row of the whole catalog (the bundled
// sheets and the installed label-template database) matched against the query typed so far. The
// goal is under 5 ms a keystroke.
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "labels/label_database.h"
#include "pages/sheet_list.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

const std::filesystem::path kInstalled = "/usr/share/libglabels-3.0/templates";

std::vector<SheetListItem> AllRows()
{
    ClearCatalog();
    LoadFormats(VELMARO_SOURCE_DIR);
    std::ostringstream errors;
    AppendLabelSheets(LoadLabelDatabase({{kInstalled}, {}}, errors).sheets, g_sealCatalog);
    std::vector<SheetListItem> rows;
    for (const CatalogEntry& entry : g_sealCatalog)
        rows.push_back(MakeSheetListItem(entry));
    return rows;
}

// The queries of typing "avery l7163" one key at a time, then a code and a part alone.
const char* const kQueries[] = {"a", "av", "ave", "aver", "avery", "avery ", "avery l", "avery l7",
                                "avery l71", "avery l716", "avery l7163", "OV-R10", "OP3003"};

void BM_SearchKeystroke(benchmark::State& state)
{
    if (!std::filesystem::exists(kInstalled / "paper-sizes.xml")) {
        state.SkipWithError("the label-template database is not installed (glabels-data)");
        return;
    }
    const std::vector<SheetListItem> rows = AllRows();
    const std::string query = kQueries[state.range(0)];
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<const SheetListItem*> shown;
        for (const SheetListItem& row : rows)
            if (RowMatches(row, query))
                shown.push_back(&row);
        found = shown.size();
        benchmark::DoNotOptimize(shown.data());
    }
    state.SetLabel(query);
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchKeystroke)->DenseRange(0, std::size(kQueries) - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
