// One keystroke on the text entry page of the bundled sheet with the most stickers, every sticker
// filled, with the whole-sheet preview window open: the key goes into the real edit, the page
// mirrors and refreshes, and the edit, the sheet map, the sticker preview and the whole-sheet
// preview are painted, as one frame on the screen would be. Reports the median keystroke.
#include "app/quillet_app.h"
#include "busiest_sheet.h"
#include "controls/layout_font_static.h"
#include "format/load_formats.h"
#include "pages/preview_windows.h"
#include "pages/program_folder.h"
#include "pages/text_page.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {

// The wizard on the text page of the busiest sheet, every sticker with a name on two lines, and the
// whole-sheet preview open.
struct TextPageRun {
    CQuilletApp app;
    CTextEntryPage* page = nullptr;
    CLayoutFontStatic* map = nullptr;
    CLayoutFontStatic* preview = nullptr;
    QWidget* whole = nullptr;

    TextPageRun()
    {
        g_fontPool.Create();
        SetProgramFolder(VELMARO_SOURCE_DIR "/data");
        ClearCatalog();
        if (!LoadFormats(VELMARO_SOURCE_DIR "/data"))
            throw std::runtime_error("no bundled data");
        CSealFormat::ResetAll();
        app.CreateWizard();
        app.Wizard()->OnInitDialog();
        app.Wizard()->show();
        g_strCurCode = BusiestOrvanelSheet();
        UseFormat(*FindFormat(g_strCurCode));
        CSealFormat::s_nLayoutMode = 187;
        app.Wizard()->m_nKind = kKindOrvanel;
        std::vector<SealPiece>& pieces = CSealFormat::Orvanel().m_pieces;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            pieces[i].m_strText = cp932::FromUtf8("山田 花子\n3年2組 ") + std::to_string(i + 1);
        page = static_cast<CTextEntryPage*>(app.Page(kIddOrvanelText));
        app.Wizard()->ActivatePage(page);
        map = page->ControlAs<CLayoutFontStatic>(kIdcOrvanelMap);
        preview = page->ControlAs<CLayoutFontStatic>(kIdcOrvanelPreview);
        page->ControlAs<QPushButton>(kIdcWholePreview)->click();
        if (!page->WholePreview())
            throw std::runtime_error("the whole-sheet preview did not open");
        whole = page->WholePreview()->findChild<CLayoutFontStatic*>(QString::number(kIdcOrvanelSheet));
        QCoreApplication::processEvents();
    }
};

void Paint(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

void Key(QWidget* edit, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &release);
}

void BM_KeystrokeWithWholePreview(benchmark::State& state)
{
    TextPageRun run;
    const std::string before = CSealFormat::Orvanel().m_pieces[0].m_strText;
    Key(run.page->Edit(), Qt::Key_A, QStringLiteral("a"));
    if (CSealFormat::Orvanel().m_pieces[0].m_strText != before + "a")
        throw std::runtime_error("the keystroke did not reach the sticker");
    Key(run.page->Edit(), Qt::Key_Backspace, QString());
    std::vector<double> times;
    bool type = true;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (type)
            Key(run.page->Edit(), Qt::Key_A, QStringLiteral("a"));
        else
            Key(run.page->Edit(), Qt::Key_Backspace, QString());
        type = !type;
        Paint(run.page->Edit()->viewport());
        Paint(run.map);
        Paint(run.preview);
        Paint(run.whole);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["stickers"] = static_cast<double>(CSealFormat::Orvanel().m_pieces.size());
}
BENCHMARK(BM_KeystrokeWithWholePreview)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const FontPoolSession fonts;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
