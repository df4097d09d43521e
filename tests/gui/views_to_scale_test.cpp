// Every view of a sheet or sticker is drawn to scale: shapes measured on the rendered controls keep
// the proportions they have on the sheet (a square stays square, a round sticker round), on the
// text page's preview and map, the layout and font samples, the whole-sheet window, the print
// page and the selection picture.
//
// The whole-sheet view also shows what the paper will: every frame and text line lands where the
// exported page puts it, within one screen pixel.
#include "controls/layout_font_static.h"
#include "pages/layout_page.h"
#include "pages/line_break_setting.h"
#include "pages/preview_windows.h"
#include "pages2_fixture.h"
#include "platform/cp932.h"
#include "render/export_sheets.h"
#include "render/print_page.h"
#include "render/sheet_views.h"
#include "render/view_frame.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QPointer>
#include <QTest>

#include <algorithm>
#include <deque>

namespace {

// Thin outlines are drawn smoothed: any clearly grey pixel on the white paper is ink.
bool Dark(QRgb p) { return qGray(p) < 200; }
bool MarkBlue(QRgb p) { return qBlue(p) - std::max(qRed(p), qGreen(p)) > 40; }

// Bounding boxes of the 8-connected groups of pixels `ink` accepts, leaving out those that touch
// the picture's edge (the control's border, the paper edge of the selection picture).
template <typename Ink>
std::vector<QRect> InkGroups(const QImage& image, Ink ink)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    std::vector<QRect> groups;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[static_cast<std::size_t>(y0 * w + x0)] || !ink(image.pixel(x0, y0)))
                continue;
            QRect box(x0, y0, 1, 1);
            std::deque<QPoint> todo{QPoint(x0, y0)};
            seen[static_cast<std::size_t>(y0 * w + x0)] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.front();
                todo.pop_front();
                box = box.united(QRect(p, QSize(1, 1)));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx;
                        const int y = p.y() + dy;
                        if (x < 0 || y < 0 || x >= w || y >= h || seen[static_cast<std::size_t>(y * w + x)])
                            continue;
                        if (!ink(image.pixel(x, y)))
                            continue;
                        seen[static_cast<std::size_t>(y * w + x)] = 1;
                        todo.emplace_back(x, y);
                    }
            }
            const bool edge = box.left() <= 2 || box.top() <= 2 || box.right() >= w - 3 || box.bottom() >= h - 3;
            if (!edge && box.width() >= 4 && box.height() >= 4)
                groups.push_back(box);
        }
    return groups;
}

// The box around every pixel `ink` accepts.
template <typename Ink>
QRect InkBox(const QImage& image, Ink ink)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixel(x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

template <typename Box>
Box Union(const std::vector<Box>& boxes)
{
    Box all;
    for (const Box& box : boxes)
        all = all.united(box);
    return all;
}

// The group that starts highest (then leftmost): a sticker's outline above the text inside it.
QRect Topmost(const std::vector<QRect>& boxes)
{
    if (boxes.empty())
        return QRect();
    return *std::min_element(boxes.begin(), boxes.end(), [](const QRect& a, const QRect& b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
}

Rect UnionOf(const std::vector<Rect>& rects)
{
    Rect all = rects.front();
    for (const Rect& r : rects) {
        all.left = std::min(all.left, r.left);
        all.top = std::min(all.top, r.top);
        all.right = std::max(all.right, r.right);
        all.bottom = std::max(all.bottom, r.bottom);
    }
    return all;
}

QImage Rendered(QWidget* control)
{
    control->repaint();
    return control->grab().toImage();
}

// Width over height on screen against width over height on the sheet, from outline boxes whose
// strokes add their width to both sides; a stroke of up to two pixels is allowed for.
void ExpectSameProportions(const QRect& ink, const Rect& sheet, const char* view)
{
    ASSERT_FALSE(ink.isNull()) << view << ": nothing drawn";
    const double sheetRatio = double(sheet.right - sheet.left) / (sheet.bottom - sheet.top);
    const double screenRatio = double(ink.width() - 1) / (ink.height() - 1);
    const double slack = 0.01 + 2.0 / std::min(ink.width(), ink.height());
    EXPECT_NEAR(screenRatio / sheetRatio, 1.0, slack)
        << view << ": " << ink.width() << " x " << ink.height() << " px for " << sheet.right - sheet.left << " x "
        << sheet.bottom - sheet.top;
}

struct SheetCase {
    const char* code;
    bool zolvi;
};

class ViewProportionsTest : public TextPrintTest, public ::testing::WithParamInterface<SheetCase> {
protected:
    std::vector<Rect> PreviewOutline() const
    {
        if (GetParam().zolvi)
            return {CSealFormat::Zolvi().m_rcPreview[0], CSealFormat::Zolvi().m_rcPreview[1]};
        return {CSealFormat::Orvanel().m_rcPreview[0]};
    }
    std::vector<Rect> StickerOutlines() const
    {
        std::vector<Rect> all;
        for (const SealPiece& piece : Design().pieces)
            all.push_back(piece.m_rcPiece);
        return all;
    }
    CLayoutFontStatic* Picture(QWidget* page, int id) const
    {
        return page->findChild<CLayoutFontStatic*>(QString::number(id));
    }
};

TEST_P(ViewProportionsTest, ShapesKeepTheirProportionsInEveryView)
{
    GoToTextPage(GetParam().code);
    const bool zolvi = GetParam().zolvi;
    Design().sheet.m_bFrame = 0;

    CLayoutFontStatic* preview = Picture(TextPage(), zolvi ? kIdcZolviPreview : kIdcOrvanelPreview);
    ASSERT_NE(preview, nullptr);
    ExpectSameProportions(Topmost(InkGroups(Rendered(preview), Dark)), UnionOf(PreviewOutline()), "sticker preview");

    // The map: the mark moves from the first sticker to the last by the sheet's distances.
    CLayoutFontStatic* map = Picture(TextPage(), zolvi ? kIdcZolviMap : kIdcOrvanelMap);
    ASSERT_NE(map, nullptr);
    const int last = static_cast<int>(Design().pieces.size()) - 1;
    Design().sheet.m_nCurPiece = 0;
    const QRect first = InkBox(Rendered(map), MarkBlue);
    Design().sheet.m_nCurPiece = last;
    const QRect lastMark = InkBox(Rendered(map), MarkBlue);
    Design().sheet.m_nCurPiece = 0;
    const Rect& a = Design().pieces.front().m_rcMark;
    const Rect& b = Design().pieces.back().m_rcMark;
    ExpectSameProportions(QRect(first.center(), lastMark.center()).normalized().adjusted(0, 0, 1, 1),
                          Rect{a.left, a.top, b.right - (a.right - a.left), b.bottom - (a.bottom - a.top)},
                          "sheet map");

    ClickOnChild(TextPage(), kIdcWholePreview);
    QPointer<CModelessPreviewDlg> window = TextPage()->WholePreview();
    ASSERT_NE(window, nullptr);
    CLayoutFontStatic* whole = Picture(window, zolvi ? kIdcZolviSheet : kIdcOrvanelSheet);
    ASSERT_NE(whole, nullptr);
    ExpectSameProportions(Union(InkGroups(Rendered(whole), Dark)), UnionOf(StickerOutlines()), "whole-sheet window");
    window->close();
    QCoreApplication::processEvents();

    // Some text, so that the print page can be reached; it lies inside its sticker's outline.
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    CLayoutFontStatic* printed = Picture(PrintPage(), zolvi ? kIdcZolviSheet : kIdcOrvanelSheet);
    ASSERT_NE(printed, nullptr);
    ExpectSameProportions(Union(InkGroups(Rendered(printed), Dark)), UnionOf(StickerOutlines()), "print page");
}

TEST_P(ViewProportionsTest, LayoutAndFontSamplesAndTheSelectionPicture)
{
    GoToTextPage(GetParam().code);
    const bool zolvi = GetParam().zolvi;
    Design().sheet.m_bFrame = 0;
    PressBack();
    PressBack();
    CWizardPageDlg* font = Page(zolvi ? kIddZolviFont : kIddOrvanelFont);
    CLayoutFontStatic* fontSample = Picture(font, zolvi ? kIdcZolviFontSample : kIdcSample);
    ASSERT_NE(fontSample, nullptr);
    ExpectSameProportions(Topmost(InkGroups(Rendered(fontSample), Dark)), UnionOf(PreviewOutline()), "font sample");
    PressBack();
    CWizardPageDlg* layout = Page(zolvi ? kIddZolviLayout : kIddOrvanelLayout);
    CLayoutFontStatic* layoutSample = Picture(layout, zolvi ? kIdcZolviLayoutSample : kIdcSample);
    ASSERT_NE(layoutSample, nullptr);
    ExpectSameProportions(Topmost(InkGroups(Rendered(layoutSample), Dark)), UnionOf(PreviewOutline()),
                          "layout sample");
    PressBack();
    ClickSheet(GetParam().code);
    CLayoutFontStatic* selection = Picture(Selection(), kIdcSheetPicture);
    ASSERT_NE(selection, nullptr);
    ExpectSameProportions(Union(InkGroups(Rendered(selection), Dark)), UnionOf(StickerOutlines()), "selection picture");
}

// Round stickers of 28 mm, rectangles of 43 x 30 mm, Zolvi pairs of kind 4 and of kind 5 (the
// smaller canvas).
INSTANTIATE_TEST_SUITE_P(Sheets, ViewProportionsTest,
                         ::testing::Values(SheetCase{"L102AA00", false}, SheetCase{"M100AA00", false},
                                           SheetCase{"M000AA00", true}, SheetCase{"M010AA00", true}),
                         [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.code); });

// Ink on a picture whose pixels are `unitsPerPixel` sheet units wide, measured in sheet units.
struct InkPicture {
    QImage image;
    double unitsPerPixel;
};

// By hue, not brightness: on screen a kind-5 sheet's grey bands darken the frames drawn over them.
bool FrameRed(QRgb p) { return qRed(p) > 90 && qRed(p) > 2 * std::max(qGreen(p), qBlue(p)); }
bool TextBlue(QRgb p) { return qBlue(p) > 90 && qBlue(p) > 2 * std::max(qRed(p), qGreen(p)); }

// The pixels of `area` (sheet units) that `ink` accepts, as one box per band of rows with ink:
// the lines of a horizontally written text, or one box for a frame.
template <typename Ink>
std::vector<QRectF> InkBands(const InkPicture& picture, const Rect& area, Ink ink)
{
    const double u = picture.unitsPerPixel;
    const int x0 = std::max(0, static_cast<int>(area.left / u));
    const int x1 = std::min(picture.image.width() - 1, static_cast<int>(area.right / u));
    const int y0 = std::max(0, static_cast<int>(area.top / u));
    const int y1 = std::min(picture.image.height() - 1, static_cast<int>(area.bottom / u));
    std::vector<QRectF> bands;
    QRect band;
    for (int y = y0; y <= y1 + 1; ++y) {
        QRect row;
        for (int x = x0; y <= y1 && x <= x1; ++x)
            if (ink(picture.image.pixel(x, y)))
                row = row.united(QRect(x, y, 1, 1));
        if (!row.isNull()) {
            band = band.united(row);
            continue;
        }
        if (!band.isNull())
            bands.emplace_back(band.left() * u, band.top() * u, band.width() * u, band.height() * u);
        band = QRect();
    }
    return bands;
}

void ExpectSameBox(const QRectF& screen, const QRectF& paper, double tolerance, const std::string& what)
{
    ASSERT_FALSE(paper.isNull()) << what << ": no ink on paper";
    ASSERT_FALSE(screen.isNull()) << what << ": no ink on screen";
    EXPECT_NEAR(screen.left(), paper.left(), tolerance) << what << " left";
    EXPECT_NEAR(screen.top(), paper.top(), tolerance) << what << " top";
    EXPECT_NEAR(screen.right(), paper.right(), tolerance) << what << " right";
    EXPECT_NEAR(screen.bottom(), paper.bottom(), tolerance) << what << " bottom";
}

Rect Grown(const Rect& r, int by) { return Rect{r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// The laid-out design of `kind` as the print page paints it for a printer at 300 dots per inch
// whose printable area begins 4 mm from the left and 5 mm from the top of the paper.
QImage PrintedPage(int kind)
{
    const bool kind5 = kind == kKindZolvi && CSealFormat::Zolvi().m_nKind == 5;
    QImage page(PaperCanvas(kind5) * 2, QImage::Format_RGB32);
    page.fill(Qt::white);
    const PrintDevice device{300, 4, 5};
    QPainter painter(&page);
    painter.translate(device.printableLeftMm * 300 / 25.4, device.printableTopMm * 300 / 25.4);
    if (kind == kKindZolvi)
        PaintZolviPage(painter, device, CSealFormat::Zolvi(), CurrentLook(), QPoint());
    else
        PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), CurrentLook(), QPoint());
    painter.end();
    return page;
}

class ScreenAndPaperTest : public ViewProportionsTest {
protected:
    // The frames and the text lines of the `written` stickers have the same ink boxes, in sheet
    // units, on the screen and on the paper.
    void ExpectSameInk(const InkPicture& screen, const InkPicture& paper, const std::vector<int>& written,
                       double tolerance, const char* path)
    {
        SCOPED_TRACE(path);
        for (int i : written) {
            const SealPiece& piece = Piece(i);
            const Rect frameArea = Grown(piece.m_rcFrame, 90);
            ExpectSameBox(Union(InkBands(screen, frameArea, FrameRed)), Union(InkBands(paper, frameArea, FrameRed)),
                          tolerance, "frame of sticker " + std::to_string(i + 1));
            const std::vector<QRectF> paperLines = InkBands(paper, Grown(piece.m_rcText, 90), TextBlue);
            const std::vector<QRectF> screenLines = InkBands(screen, Grown(piece.m_rcText, 90), TextBlue);
            ASSERT_EQ(screenLines.size(), paperLines.size()) << "lines of sticker " << i + 1;
            for (std::size_t line = 0; line < paperLines.size(); ++line)
                ExpectSameBox(screenLines[line], paperLines[line], tolerance,
                              "line " + std::to_string(line + 1) + " of sticker " + std::to_string(i + 1));
        }
    }
};

TEST_P(ScreenAndPaperTest, WholeSheetViewShowsWhatThePagePrints)
{
    GoToTextPage(GetParam().code);
    const bool zolvi = GetParam().zolvi;
    const int blue = TextColourId(0xff0000);
    ASSERT_NE(blue, kNoTextColour);
    Design().sheet.m_bFrame = 1;
    Design().sheet.m_crFrame = 0x0000ff;
    const std::vector<int> written = {0, 1, static_cast<int>(Design().pieces.size()) - 1};
    for (int i : written) {
        Piece(i).m_strText = cp932::FromUtf8(i == 0 ? "山田 花子\n3年2組" : "Velmaro\nありがとう");
        Piece(i).m_nTextColour = blue;
    }

    ClickOnChild(TextPage(), kIdcWholePreview);
    QPointer<CModelessPreviewDlg> window = TextPage()->WholePreview();
    ASSERT_NE(window, nullptr);
    CLayoutFontStatic* view = Picture(window, zolvi ? kIdcZolviSheet : kIdcOrvanelSheet);
    ASSERT_NE(view, nullptr);
    const QImage shown = Rendered(view);
    const int scale = zolvi ? ZolviSheetScale(CSealFormat::Zolvi()) : kScaleSheet;
    const double viewScale = view->MemorySize().height() / WindowExtent(view->PictureSize(), scale).height();
    const double screenPixel = 1.0 / viewScale;
    const InkPicture screen{shown, screenPixel / shown.devicePixelRatio()};
    window->close();

    const std::string png = (m_folder.path() / "page.png").string();
    ASSERT_EQ(ExportSheet(png, Wizard()->m_nKind, CurrentLook(), QPoint(0, 0), UserLineBreaks()), "");
    const InkPicture exported{QImage(QString::fromStdString(png)), 2540.0 / 300};
    ASSERT_FALSE(exported.image.isNull());
    // The export laid the sheet out; the printer's page is painted from that layout.
    const InkPicture printed{PrintedPage(Wizard()->m_nKind), 2540.0 / 300};

    for (const auto& [paper, path] : {std::pair{&exported, "export"}, std::pair{&printed, "printer"}})
        ExpectSameInk(screen, *paper, written, screenPixel + paper->unitsPerPixel, path);
}

INSTANTIATE_TEST_SUITE_P(Sheets, ScreenAndPaperTest,
                         ::testing::Values(SheetCase{"M100AA00", false}, SheetCase{"L101AA00", false},
                                           SheetCase{"M000AA00", true}, SheetCase{"M010AA00", true}),
                         [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.code); });

}  // namespace
