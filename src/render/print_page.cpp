#include "render/print_page.h"

#include "design/seal_format.h"
#include "format/label_sheet.h"
#include "render/sheet_stickers.h"

namespace {

// Sheet units (0.01 mm from the paper's corner) onto the device, whose origin is the corner of
// its printable area.
void UsePaperUnits(QPainter& painter, const PrintDevice& device)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(device.dotsPerInch / 2540.0, device.dotsPerInch / 2540.0);
    painter.translate(-device.printableLeftMm * 100.0, -device.printableTopMm * 100.0);
}

template <typename Record>
void PaintPage(QPainter& painter, const PrintDevice& device, const Record& sheet, const DesignLook& look,
               QPoint offsets, const CFontPool& pool)
{
    painter.save();
    UsePaperUnits(painter, device);
    DrawSheetStickers(painter, sheet, look, PaperDrawing(offsets), pool);
    painter.restore();
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
    PaintPage(painter, device, sheet, look, offsets, pool);
}

void PaintZolviPage(QPainter& painter, const PrintDevice& device, const CSealData3& sheet, const DesignLook& look,
                    QPoint offsets, const CFontPool& pool)
{
    PaintPage(painter, device, sheet, look, offsets, pool);
}

QSize PaperCanvas(bool zolviKind5) { return zolviKind5 ? QSize(527, 751) : QSize(592, 875); }

QSizeF PaperSizeMm(bool zolviKind5) { return QSizeF(PaperCanvas(zolviKind5)) * 25.4 / kCanvasDpi; }

namespace {

std::optional<PaperExtent> DesignLabelPaper(int kind)
{
    return kind == kKindOrvanel ? LabelPaper(CSealFormat::Orvanel()) : std::nullopt;
}

bool ZolviKind5(int kind) { return kind == kKindZolvi && CSealFormat::Zolvi().m_nKind == 5; }

}  // namespace

QSize DesignPaperCanvas(int kind)
{
    if (const std::optional<PaperExtent> paper = DesignLabelPaper(kind))
        return QSize(qRound(paper->width * kCanvasDpi / 2540.0), qRound(paper->height * kCanvasDpi / 2540.0));
    return PaperCanvas(ZolviKind5(kind));
}

QSizeF DesignPaperMm(int kind)
{
    if (const std::optional<PaperExtent> paper = DesignLabelPaper(kind))
        return QSizeF(paper->width / 100.0, paper->height / 100.0);
    return PaperSizeMm(ZolviKind5(kind));
}

void PaintDesignPage(QPainter& painter, const PrintDevice& device, int kind, const DesignLook& look, QPoint offsets,
                     const CFontPool& pool)
{
    if (kind == kKindZolvi)
        PaintZolviPage(painter, device, CSealFormat::Zolvi(), look, offsets, pool);
    else
        PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), look, offsets, pool);
}
