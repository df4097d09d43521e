// The fill dialog with a list of 10,000 entries: a keystroke in the list (read again only once the
// typing pauses), the read and check after the pause (also with every entry listed as one a
// sticker cannot hold), a keystroke in the series tab (its first and
// last entries shown at once), and the fill of 10,000 entries with the snapshots its undo step
// keeps. Reports the median of each.
#include "busiest_sheet.h"
#include "design/design_sheets.h"
#include "design/fill_entries.h"
#include "format/load_formats.h"
#include "pages/fill_dialog.h"
#include "pages/sheet_steps.h"
#include "platform/cp932.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kEntries = 10000;

void UseBundledSheet()
{
    ClearCatalog();
    if (!LoadFormats(VELMARO_SOURCE_DIR "/data"))
        throw std::runtime_error("no bundled data");
    CSealFormat::ResetAll();
    g_strCurCode = BusiestOrvanelSheet();
    UseFormat(*FindFormat(g_strCurCode));
}

// `family`: "山田", or "𠮷田", which code page 932 cannot hold, so that every entry is listed.
QString Names(const QString& family = QStringLiteral("山田"))
{
    QStringList lines;
    for (int i = 1; i <= kEntries; ++i)
        lines << QStringLiteral("%1 花子 %2").arg(family).arg(i);
    return lines.join(QLatin1Char('\n'));
}

void Key(QWidget* widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

template <typename Step>
void Median(benchmark::State& state, Step step)
{
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    state.counters["median_ms"] = times[times.size() / 2];
}

void BM_ListKeystroke(benchmark::State& state)
{
    UseBundledSheet();
    FillDialog dialog(nullptr, kKindOrvanel, 0, false);
    dialog.ListText()->setPlainText(Names());
    dialog.RefreshNow();
    if (dialog.Texts().size() != kEntries)
        throw std::runtime_error("the list was not read");
    dialog.ListText()->moveCursor(QTextCursor::End);
    bool type = true;
    Median(state, [&] {
        if (type)
            Key(dialog.ListText(), Qt::Key_A, QStringLiteral("a"));
        else
            Key(dialog.ListText(), Qt::Key_Backspace, QString());
        type = !type;
    });
}
BENCHMARK(BM_ListKeystroke)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_ListReadAfterThePause(benchmark::State& state)
{
    UseBundledSheet();
    FillDialog dialog(nullptr, kKindOrvanel, 0, false);
    dialog.ListText()->setPlainText(Names());
    Median(state, [&] { dialog.RefreshNow(); });
    state.counters["entries"] = static_cast<double>(dialog.Texts().size());
}
BENCHMARK(BM_ListReadAfterThePause)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ListReadWithEveryEntryListed(benchmark::State& state)
{
    UseBundledSheet();
    FillDialog dialog(nullptr, kKindOrvanel, 0, false);
    dialog.ListText()->setPlainText(Names(QStringLiteral("𠮷田")));
    Median(state, [&] { dialog.RefreshNow(); });
    state.counters["issues"] = dialog.Issues()->count();
}
BENCHMARK(BM_ListReadWithEveryEntryListed)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SeriesKeystroke(benchmark::State& state)
{
    UseBundledSheet();
    FillDialog dialog(nullptr, kKindOrvanel, 0, false);
    dialog.Tabs()->setCurrentIndex(1);
    dialog.Count()->setValue(kEntries);
    dialog.RefreshNow();
    bool type = true;
    Median(state, [&] {
        if (type)
            Key(dialog.Prefix(), Qt::Key_A, QStringLiteral("a"));
        else
            Key(dialog.Prefix(), Qt::Key_Backspace, QString());
        type = !type;
    });
}
BENCHMARK(BM_SeriesKeystroke)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The fill as the page makes it: the sheets before, the fill, the sheets after (the undo step).
void BM_FillTenThousandWithItsUndoStep(benchmark::State& state)
{
    UseBundledSheet();
    std::vector<std::string> texts;
    for (int i = 1; i <= kEntries; ++i)
        texts.push_back(cp932::FromUtf8("山田 花子 ") + std::to_string(i));
    Median(state, [&] {
        ResetSheets(kKindOrvanel);
        const SheetsState before = TakeSheets(kKindOrvanel);
        FillStickers(kKindOrvanel, texts, 0, ZolviFill::Fronts);
        const SheetsState after = TakeSheets(kKindOrvanel);
        benchmark::DoNotOptimize(after.sheets.size() + before.sheets.size());
    });
    state.counters["sheets"] = SheetCount(kKindOrvanel);
}
BENCHMARK(BM_FillTenThousandWithItsUndoStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
