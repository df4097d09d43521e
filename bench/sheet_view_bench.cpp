// Repainting the whole-sheet view of the print page and the preview window: the bundled sheet with
// the most stickers, every sticker filled with text and laid out, drawn into the memory picture of
// the paper canvas as a 96-dpi screen shows it, the way the picture control repaints.
#include "format/load_formats.h"
#include "platform/cp932.h"
#include "platform/mul_div.h"
#include "render/font_pool.h"
#include "render/pool_measurer.h"
#include "render/sheet_views.h"
#include "text/layout_sheet.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>

namespace {

constexpr int kScreenDpi = 96;

// The paper canvases, in pixels at 150 dots per inch.
const QSize kPaperCanvas(592, 875);
const QSize kSmallPaperCanvas(527, 751);

void LoadBundledCatalog()
{
    ClearCatalog();
    if (!LoadFormats(VELMARO_SOURCE_DIR "/data"))
        throw std::runtime_error("no bundled data");
}

template <typename Record>
Record BusiestSheet(bool zolvi)
{
    LoadBundledCatalog();
    const Record* busiest = nullptr;
    for (const CatalogEntry& entry : g_sealCatalog) {
        if (IsZolvi(entry) != zolvi)
            continue;
        const Record& record = std::get<Record>(entry);
        if (!busiest || record.m_pieces.size() > busiest->m_pieces.size())
            busiest = &record;
    }
    if (!busiest)
        throw std::runtime_error("no bundled sheet of that kind");
    return *busiest;
}

// Texts a user fills a sheet with: 0 a name and a class on two lines, 1 a longer mixed text that
// the layout shrinks to fit.
std::string StickerText(int kind, std::size_t index)
{
    const std::string number = std::to_string(index + 1);
    if (kind == 0)
        return cp932::FromUtf8("山田 花子\r\n3年2組 ") + number;
    return cp932::FromUtf8("山田花子 Hanako Yamada\r\n3年2組 ﾃﾆｽ部 No.") + number +
           cp932::FromUtf8("\r\n東京都千代田区1-2-3");
}

template <typename Record>
Record FilledSheet(bool zolvi, int textKind, const DesignLook& look)
{
    Record sheet = BusiestSheet<Record>(zolvi);
    sheet.m_bFrame = 1;
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i)
        sheet.m_pieces[i].m_strText = StickerText(textKind, i);
    FontPoolMeasurer measurer;
    LayoutSheet(measurer, sheet, look, LineBreaks::kPlain);
    return sheet;
}

QSize OnScreen(QSize canvas)
{
    return QSize(MulDiv(canvas.width(), kScreenDpi, 150), MulDiv(canvas.height(), kScreenDpi, 150));
}

template <typename Record>
int Overflowing(const Record& sheet)
{
    int count = 0;
    for (const SealPiece& piece : sheet.m_pieces)
        count += piece.m_bOverflow ? 1 : 0;
    return count;
}

// One repaint: the memory picture filled white, the background copied in, the sheet drawn.
template <typename Record, typename Draw>
void Repaint(benchmark::State& state, const Record& sheet, QSize canvas, Draw draw)
{
    const QSize memory = OnScreen(canvas);
    QImage background(memory, QImage::Format_RGB32);
    background.fill(Qt::white);
    QImage picture(memory, QImage::Format_RGB32);
    const PictureFrame frame{canvas, memory, memory, true};
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawImage(0, 0, background);
        draw(painter, frame, sheet);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetLabel(sheet.m_strCode);
    state.counters["stickers"] = static_cast<double>(sheet.m_pieces.size());
    state.counters["overflowing"] = Overflowing(sheet);
}

void BM_OrvanelSheet(benchmark::State& state)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    const CSealData2 sheet = FilledSheet<CSealData2>(false, static_cast<int>(state.range(1)), look);
    Repaint(state, sheet, kPaperCanvas, [&look](QPainter& painter, const PictureFrame& frame, const CSealData2& s) {
        DrawOrvanelSheet(painter, frame, s, look);
    });
}
BENCHMARK(BM_OrvanelSheet)
    ->ArgNames({"mode", "text"})
    ->ArgsProduct({{187, 188}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_ZolviSheet(benchmark::State& state)
{
    DesignLook look;
    look.layoutMode = static_cast<int>(state.range(0));
    look.sheetType = 138;  // a family with a corner table, as choosing a sheet sets one
    const CSealData3 sheet = FilledSheet<CSealData3>(true, static_cast<int>(state.range(1)), look);
    const QSize canvas = sheet.m_nKind == 5 ? kSmallPaperCanvas : kPaperCanvas;
    Repaint(state, sheet, canvas, [&look](QPainter& painter, const PictureFrame& frame, const CSealData3& s) {
        DrawZolviSheet(painter, frame, s, look);
    });
}
BENCHMARK(BM_ZolviSheet)
    ->ArgNames({"mode", "text"})
    ->ArgsProduct({{145, 146}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    FontPoolSession fonts;
    g_fontPool.Create();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
