#include "render/print_page.h"

#include "design/seal_format.h"
#include "render/design_layout.h"
#include "render/sheet_stickers.h"

#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>

namespace {

constexpr int kCanvasDpi = 150;

// Sheet units (0.01 mm from the paper's corner) onto the device, whose origin is the corner of
// its printable area.
void UsePaperUnits(QPainter& painter, const PrintDevice& device)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(device.dotsPerInch / 2540.0, device.dotsPerInch / 2540.0);
    painter.translate(-device.printableLeftMm * 100.0, -device.printableTopMm * 100.0);
}

}  // namespace

PrintDevice PrintDeviceFor(const QPageLayout& layout, int dotsPerInch)
{
    // The pixel rectangle, not the margins in millimetres: it is where the printer's painter
    // really begins (Qt keeps the margins in whole points there).
    const QPoint origin = layout.paintRectPixels(dotsPerInch).topLeft();
    return PrintDevice{static_cast<double>(dotsPerInch), origin.x() * 25.4 / dotsPerInch,
                       origin.y() * 25.4 / dotsPerInch};
}

void PaintOrvanelPage(QPainter& painter, const PrintDevice& device, const CSealData2& sheet, const DesignLook& look,
                      QPoint offsets, const CFontPool& pool)
{
    painter.save();
    UsePaperUnits(painter, device);
    DrawSheetStickers(painter, sheet, look, PaperDrawing(offsets), pool);
    painter.restore();
}

void PaintZolviPage(QPainter& painter, const PrintDevice& device, const CSealData3& sheet, const DesignLook& look,
                    QPoint offsets, const CFontPool& pool)
{
    painter.save();
    UsePaperUnits(painter, device);
    DrawSheetStickers(painter, sheet, look, PaperDrawing(offsets), pool);
    painter.restore();
}

QSize PaperCanvas(bool zolviKind5) { return zolviKind5 ? QSize(527, 751) : QSize(592, 875); }

QSizeF PaperSizeMm(bool zolviKind5) { return QSizeF(PaperCanvas(zolviKind5)) * 25.4 / kCanvasDpi; }

namespace {

void PaintKind(QPainter& painter, const PrintDevice& device, int kind, const DesignLook& look, QPoint offsets,
               const CFontPool& pool)
{
    if (kind == kKindZolvi)
        PaintZolviPage(painter, device, CSealFormat::Zolvi(), look, offsets, pool);
    else
        PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), look, offsets, pool);
}

}  // namespace

std::string ExportSheet(const std::string& path, int kind, const DesignLook& look, QPoint offsets, LineBreaks breaks,
                        const CFontPool& pool)
{
    if (kind != kKindOrvanel && kind != kKindZolvi)
        return "用紙が選ばれていないため、出力できません。";
    LayOutDesignOfKind(kind, look, breaks, nullptr, pool);
    const bool zolviKind5 = kind == kKindZolvi && CSealFormat::Zolvi().m_nKind == 5;
    const QSizeF paper = PaperSizeMm(zolviKind5);
    const QString file = QString::fromStdString(path);
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "pdf") {
        QPdfWriter writer(file);
        writer.setResolution(1200);
        // Exactly the canvas: a near standard size (postcard) would otherwise be taken instead.
        writer.setPageSize(QPageSize(paper, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer))
            return path + " に書き込めません。";
        PaintKind(painter, PrintDevice{1200, 0, 0}, kind, look, offsets, pool);
        painter.end();
        return {};
    }
    if (suffix == "png") {
        constexpr int kDpi = 300;
        QImage image(PaperCanvas(zolviKind5) * kDpi / kCanvasDpi, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kDpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintKind(painter, PrintDevice{kDpi, 0, 0}, kind, look, offsets, pool);
        painter.end();
        if (!image.save(file, "PNG"))
            return path + " に書き込めません。";
        return {};
    }
    return path + " : 出力ファイルの名前は .pdf か .png で終えてください。";
}
