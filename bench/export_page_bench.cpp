// The two costs of every page of a long export, apart: fitting one sticker's text with the real
// fonts, and drawing one laid-out sheet onto a PDF page. The bundled samples of 8 (horizontal) and
// 24 (vertical writing) stickers a sheet, filled with a numbered series as `--series` fills them.
#include "design/design_file.h"
#include "design/design_sheets.h"
#include "design/fill_entries.h"
#include "design/number_series.h"
#include "design/seal_format.h"
#include "format/load_formats.h"
#include "platform/cp932.h"
#include "render/design_layout.h"
#include "render/font_pool.h"
#include "render/pool_measurer.h"
#include "render/print_page.h"
#include "text/layout_mode.h"
#include "text/layout_sheet.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

const char* const kSamples[] = {"名札サンプル.zvd", "たて書きサンプル.zvd"};

// Opens sample `state.range(0)` and fills it with "No.000001" onwards, a sheet's worth over and
// over; returns its kind.
int OpenFilledSample(const benchmark::State& state, int sheets)
{
    ClearCatalog();
    if (!LoadFormats(VELMARO_SOURCE_DIR "/data"))
        throw std::runtime_error("no bundled data");
    const OpenDesignResult opened =
        OpenDesignFile(std::string(VELMARO_SOURCE_DIR "/data/data/") + kSamples[state.range(0)]);
    if (!opened.ok)
        throw std::runtime_error(opened.error);
    const int kind = HoldsOrvanel(opened.variant) ? kKindOrvanel : kKindZolvi;
    const int perSheet = static_cast<int>(PiecesOf(kind)->size());
    const std::string series = "No.,1,1," + std::to_string(perSheet * sheets) + ",6";
    const CheckedEntries checked = PrepareEntries(SeriesEntries(*ParseSeries(series, nullptr)), BadEntries::Replace);
    FillStickers(kind, checked.texts, 0, ZolviFill::Fronts);
    return kind;
}

// One sheet drawn onto a PDF page, as the export draws each one; the sheet is laid out before, and
// Qt's writing of the finished page is not timed.
void BM_DrawPdfPage(benchmark::State& state)
{
    const int kind = OpenFilledSample(state, 1);
    ShowSheet(kind, 0);
    LayOutDesignOfKind(kind, CurrentLook(), LineBreaks::kKinsoku);
    QFile nowhere("/dev/null");
    if (!nowhere.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write /dev/null");
    QPdfWriter writer(&nowhere);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(DesignPaperMm(kind), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    for (auto _ : state) {
        PaintDesignPage(painter, PrintDevice{1200, 0, 0}, kind, CurrentLook(), QPoint());
        state.PauseTiming();
        writer.newPage();
        state.ResumeTiming();
    }
    painter.end();
    state.counters["stickers"] = static_cast<double>(PiecesOf(kind)->size());
}
BENCHMARK(BM_DrawPdfPage)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// One sticker's text fitted into its box from the sheet's size, as the export lays each one out.
// Arguments: the sample, and the text: 0 the series entry, 1 a name and class on two lines,
// 2 a long text that needs several smaller sizes.
void BM_FitSticker(benchmark::State& state)
{
    const int kind = OpenFilledSample(state, 1);
    const SealPiece& piece = PiecesOf(kind)->front();
    const std::string texts[] = {piece.m_strText, cp932::FromUtf8("山田 太郎\n1年2組 No.12"),
                                 cp932::FromUtf8("山田太郎 Taro Yamada 1年2組 ﾃﾆｽ部 (No.12) 山田太郎 Taro Yamada")};
    const DesignLook look = CurrentLook();
    const int defaultSize = kind == kKindZolvi ? CSealFormat::Zolvi().m_nDefaultSize : CSealFormat::Orvanel().m_nDefaultSize;
    const LayoutInputs inputs{texts[state.range(1)],
                              piece.m_nSize == -1 ? defaultSize : piece.m_nSize,
                              piece.m_rcText,
                              *ModeFor(look.layoutMode, 0),
                              look.japaneseFace,
                              look.latinFace,
                              look.bold,
                              LineBreaks::kKinsoku,
                              0};
    FontPoolMeasurer measurer;
    LayoutResult result;
    for (auto _ : state) {
        result = LayoutPiece(measurer, inputs);
        benchmark::DoNotOptimize(result.lines.data());
    }
    state.counters["size"] = result.japaneseSizeIndex;
    state.counters["lines"] = static_cast<double>(result.lines.size());
}
BENCHMARK(BM_FitSticker)->ArgsProduct({{0, 1}, {0, 1, 2}});

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const FontPoolSession fonts;
    g_fontPool.Create();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
