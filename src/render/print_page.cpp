#include "render/print_page.h"

#include "design/seal_format.h"
#include "render/pool_measurer.h"
#include "render/sheet_views.h"
#include "render/sticker_style.h"
#include "render/zolvi_figures.h"
#include "text/layout_mode.h"
#include "text/layout_sheet.h"

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

Rect Shifted(const Rect& r, QPoint offsets)
{
    return Rect{r.left + offsets.x(), r.top - offsets.y(), r.right + offsets.x(), r.bottom - offsets.y()};
}

void PaintLines(QPainter& painter, const SealPiece& piece, const SealPiece& owner, int defaultSize, int part,
                QPoint offsets, const CFontPool& pool)
{
    const std::optional<StickerStyle> style = StyleFor(owner, defaultSize, part);
    if (!style)
        return;
    painter.setPen(StickerTextColour(owner));
    DrawTextBlock(painter, style->family, piece.m_rcText, piece.m_lines, piece.m_lineExtents, piece.m_nPitch,
                  style->fonts, style->type, style->align, DeviceOffsets{true, offsets.x(), offsets.y()}, pool);
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

void PaintOrvanelPage(QPainter& painter, const PrintDevice& device, const CSealData2& sheet, QPoint offsets,
                      const CFontPool& pool)
{
    painter.save();
    UsePaperUnits(painter, device);
    for (const SealPiece& piece : sheet.m_pieces) {
        const QPen framePen = SolidPen(StickerFrameColour(piece, sheet.m_crFrame), sheet.m_nFramePen);
        const Rect frame = Shifted(piece.m_rcFrame, offsets);
        if (piece.m_bOverflow) {
            DrawOverflowBox(painter, frame, sheet.m_nFrameRound, sheet.m_bFrame ? framePen : QPen(Qt::NoPen));
            continue;
        }
        PaintLines(painter, piece, piece, sheet.m_nDefaultSize, 0, offsets, pool);
        if (sheet.m_bFrame) {
            painter.setPen(framePen);
            DrawRoundRect(painter, frame, sheet.m_nFrameRound);
        }
    }
    painter.restore();
}

void PaintZolviPage(QPainter& painter, const PrintDevice& device, const CSealData3& sheet, QPoint offsets,
                    const CFontPool& pool)
{
    painter.save();
    UsePaperUnits(painter, device);
    const std::optional<ZolviCorners> corners = CornersFor(CSealFormat::s_nOldSheetType);
    const bool sameText = SameTextPairs(CSealFormat::s_nLayoutMode);
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i) {
        const SealPiece& piece = sheet.m_pieces[i];
        const bool second = i % 2 == 1;
        const SealPiece& owner = sameText && second ? sheet.m_pieces[i - 1] : piece;
        const QPen framePen = GeometricPen(StickerFrameColour(owner, sheet.m_crFrame), sheet.m_nFramePen);
        const Rect frame = Shifted(piece.m_rcFrame, offsets);
        if (piece.m_bOverflow) {
            DrawOverflowBox(painter, frame, sheet.m_nFrameRound, sheet.m_bFrame ? framePen : QPen(Qt::NoPen));
            continue;
        }
        PaintLines(painter, piece, owner, sheet.m_nDefaultSize, second ? 1 : 0, offsets, pool);
        if (sheet.m_bFrame && corners) {
            painter.setPen(framePen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(PartFrame(frame, !second, corners->partFrame));
        }
    }
    painter.restore();
}

QSize PaperCanvas(bool zolviKind5) { return zolviKind5 ? QSize(527, 751) : QSize(592, 875); }

QSizeF PaperSizeMm(bool zolviKind5) { return QSizeF(PaperCanvas(zolviKind5)) * 25.4 / kCanvasDpi; }

namespace {

void PaintKind(QPainter& painter, const PrintDevice& device, int kind, QPoint offsets, const CFontPool& pool)
{
    if (kind == kKindZolvi)
        PaintZolviPage(painter, device, CSealFormat::Zolvi(), offsets, pool);
    else
        PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), offsets, pool);
}

}  // namespace

std::string ExportSheet(const std::string& path, int kind, QPoint offsets, LineBreaks breaks, const CFontPool& pool)
{
    if (kind != kKindOrvanel && kind != kKindZolvi)
        return "用紙が選ばれていないため、出力できません。";
    FontPoolMeasurer measurer(pool);
    if (kind == kKindZolvi)
        LayoutSheet(measurer, CSealFormat::Zolvi(), breaks);
    else
        LayoutSheet(measurer, CSealFormat::Orvanel(), breaks);
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
        PaintKind(painter, PrintDevice{1200, 0, 0}, kind, offsets, pool);
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
        PaintKind(painter, PrintDevice{kDpi, 0, 0}, kind, offsets, pool);
        painter.end();
        if (!image.save(file, "PNG"))
            return path + " に書き込めません。";
        return {};
    }
    return path + " : 出力ファイルの名前は .pdf か .png で終えてください。";
}
