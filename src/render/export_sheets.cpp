#include "render/export_sheets.h"

#include "design/design_sheets.h"
#include "design/seal_format.h"
#include "render/pool_measurer.h"
#include "text/layout_sheet.h"

#include <QFileInfo>
#include <QPdfWriter>

namespace {

void CollectOverflow(int kind, int sheet, std::vector<StickerPlace>& overflowing)
{
    const std::vector<SealPiece>* pieces = PiecesOf(kind);
    for (std::size_t i = 0; pieces && i < pieces->size(); ++i)
        if ((*pieces)[i].m_bOverflow)
            overflowing.emplace_back(sheet, static_cast<int>(i));
}

void LayOut(int kind, LineBreaks breaks, const CFontPool& pool)
{
    FontPoolMeasurer measurer(pool);
    if (kind == kKindZolvi)
        LayoutSheet(measurer, CSealFormat::Zolvi(), breaks);
    else
        LayoutSheet(measurer, CSealFormat::Orvanel(), breaks);
}

// One page per sheet on the sheet's paper, all of it printable, as ExportSheet writes one.
std::string WritePdf(const std::string& path, int kind, QPoint offsets, LineBreaks breaks,
                     std::vector<StickerPlace>& overflowing, const CFontPool& pool)
{
    const bool zolviKind5 = kind == kKindZolvi && CSealFormat::Zolvi().m_nKind == 5;
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(PaperSizeMm(zolviKind5), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return path + " に書き込めません。";
    const PrintDevice device{1200, 0, 0};
    for (int sheet = 0; sheet < SheetCount(kind); ++sheet) {
        ShowSheet(kind, sheet);
        LayOut(kind, breaks, pool);
        CollectOverflow(kind, sheet, overflowing);
        if (sheet > 0)
            writer.newPage();
        if (kind == kKindZolvi)
            PaintZolviPage(painter, device, CSealFormat::Zolvi(), offsets, pool);
        else
            PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), offsets, pool);
    }
    painter.end();
    return {};
}

std::string WritePictures(const std::string& path, int kind, QPoint offsets, LineBreaks breaks,
                          std::vector<StickerPlace>& overflowing, const CFontPool& pool)
{
    for (int sheet = 0; sheet < SheetCount(kind); ++sheet) {
        ShowSheet(kind, sheet);
        const std::string error = ExportSheet(NumberedPicturePath(path, sheet), kind, offsets, breaks, pool);
        if (!error.empty())
            return error;
        CollectOverflow(kind, sheet, overflowing);
    }
    return {};
}

}  // namespace

std::string NumberedPicturePath(const std::string& path, int sheet)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    const std::size_t cut = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
    return path.substr(0, cut) + "-" + std::to_string(sheet + 1) + path.substr(cut);
}

std::string ExportSheets(const std::string& path, int kind, QPoint offsets, LineBreaks breaks,
                         std::vector<StickerPlace>& overflowing, const CFontPool& pool)
{
    if (SheetCount(kind) < 2) {
        std::string error = ExportSheet(path, kind, offsets, breaks, pool);
        if (error.empty())
            CollectOverflow(kind, 0, overflowing);
        return error;
    }
    const int shown = ShownSheet(kind);
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    std::string error;
    if (suffix == "pdf")
        error = WritePdf(path, kind, offsets, breaks, overflowing, pool);
    else if (suffix == "png")
        error = WritePictures(path, kind, offsets, breaks, overflowing, pool);
    else
        error = ExportSheet(path, kind, offsets, breaks, pool);  // the message for a wrong name
    ShowSheet(kind, shown);
    return error;
}
