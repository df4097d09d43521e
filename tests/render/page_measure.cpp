#include "page_measure.h"

#include "ink.h"

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kReachPixels = 6;      // how far from the expected place a stroke is looked for
constexpr int kMinDarkPerLine = 200;  // a stroke's darkness summed across it: more than a stray pixel

int Darkness(const QImage& page, int x, int y) { return 255 - qGray(page.pixel(x, y)); }

// Centre, in sheet units, of the stroke that runs near `expected` (a vertical stroke near x, or a
// horizontal one near y), weighed by darkness over the stretch `from`..`to` along it.
std::optional<double> StrokeCentre(const QImage& page, bool vertical, int expected, int from, int to)
{
    const int centre = expected / kUnitsPerPixel;
    const int first = from / kUnitsPerPixel;
    const int last = to / kUnitsPerPixel;
    const int lengthLimit = vertical ? page.height() : page.width();
    const int acrossLimit = vertical ? page.width() : page.height();
    double weighted = 0;
    long total = 0;
    for (int along = std::max(first, 0); along < std::min(last, lengthLimit); ++along) {
        for (int across = std::max(centre - kReachPixels, 0); across <= std::min(centre + kReachPixels, acrossLimit - 1);
             ++across) {
            const int dark = vertical ? Darkness(page, across, along) : Darkness(page, along, across);
            weighted += (across + 0.5) * dark;
            total += dark;
        }
    }
    if (last <= first || total < static_cast<long>(kMinDarkPerLine) * (last - first))
        return std::nullopt;
    return weighted / total * kUnitsPerPixel;
}

}  // namespace

QImage RasterisePdf(const std::string& pdf, std::string& error, int pageNumber)
{
    const QString number = QString::number(pageNumber);
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-r", "254", "-gray", "-singlefile", "-f", number, "-l", number,
                                QString::fromStdString(pdf), prefix});
    if (!pdftoppm.waitForFinished(20000) || pdftoppm.exitStatus() != QProcess::NormalExit ||
        pdftoppm.exitCode() != 0) {
        error = "pdftoppm (poppler-utils) could not rasterise " + pdf + ": " +
                pdftoppm.errorString().toStdString() + " " + pdftoppm.readAllStandardError().toStdString();
        return QImage();
    }
    QImage page(prefix + ".pgm");
    if (page.isNull())
        error = "pdftoppm wrote no picture for " + pdf;
    return page;
}

std::optional<MeasuredFrame> MeasureFrame(const QImage& page, const Rect& expected)
{
    const int quarterWidth = (expected.right - expected.left) / 4;
    const int quarterHeight = (expected.bottom - expected.top) / 4;
    const int rowsFrom = expected.top + quarterHeight;
    const int rowsTo = expected.bottom - quarterHeight;
    const int colsFrom = expected.left + quarterWidth;
    const int colsTo = expected.right - quarterWidth;
    const std::optional<double> left = StrokeCentre(page, true, expected.left, rowsFrom, rowsTo);
    const std::optional<double> right = StrokeCentre(page, true, expected.right, rowsFrom, rowsTo);
    const std::optional<double> top = StrokeCentre(page, false, expected.top, colsFrom, colsTo);
    const std::optional<double> bottom = StrokeCentre(page, false, expected.bottom, colsFrom, colsTo);
    if (!left || !right || !top || !bottom)
        return std::nullopt;
    return MeasuredFrame{*left, *top, *right, *bottom};
}

double LargestError(const MeasuredFrame& measured, const Rect& expected)
{
    return std::max({std::abs(measured.left - expected.left), std::abs(measured.top - expected.top),
                     std::abs(measured.right - expected.right), std::abs(measured.bottom - expected.bottom)});
}

QRect InkInside(const QImage& page, const Rect& frame)
{
    constexpr int kInset = 50;
    const QRect area(QPoint((frame.left + kInset) / kUnitsPerPixel, (frame.top + kInset) / kUnitsPerPixel),
                     QPoint((frame.right - kInset) / kUnitsPerPixel - 1, (frame.bottom - kInset) / kUnitsPerPixel - 1));
    const QRect onPage = area.intersected(page.rect());
    return onPage.isEmpty() ? QRect() : InkBounds(page, onPage);
}

Rect Moved(const Rect& r, int dx, int dy) { return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
