#include "render/export_sheets.h"

#include "design/design_sheets.h"
#include "design/seal_format.h"
#include "render/design_layout.h"
#include "render/print_page.h"

#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>

namespace {

constexpr int kPictureDpi = 300;

// What every page of one export shares.
struct ExportJob {
    int kind;
    const DesignLook& look;
    QPoint offsets;
    LineBreaks breaks;
    const CFontPool& pool;
    std::vector<StickerPlace>& overflowing;
    const ExportProgress& progress;
};

const ExportProgress kNoProgress;

void TellProgress(const ExportJob& job, int sheet, int first, int last)
{
    if (job.progress)
        job.progress(sheet - first + 1, last - first + 1);
}

// Shows `sheet`, lays it out and notes the stickers whose text did not fit.
void PrepareSheet(const ExportJob& job, int sheet)
{
    ShowSheet(job.kind, sheet);
    LayOutDesignOfKind(job.kind, job.look, job.breaks, nullptr, job.pool);
    const std::vector<SealPiece>* pieces = PiecesOf(job.kind);
    for (std::size_t i = 0; pieces && i < pieces->size(); ++i)
        if ((*pieces)[i].m_bOverflow)
            job.overflowing.emplace_back(sheet, static_cast<int>(i));
}

std::string WritePdf(const std::string& path, const ExportJob& job, int first, int last)
{
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(1200);
    // Exactly the canvas: a near standard size (postcard) would otherwise be taken instead.
    writer.setPageSize(
        QPageSize(DesignPaperMm(job.kind), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return path + " に書き込めません。";
    for (int sheet = first; sheet <= last; ++sheet) {
        PrepareSheet(job, sheet);
        if (sheet > first)
            writer.newPage();
        PaintDesignPage(painter, PrintDevice{1200, 0, 0}, job.kind, job.look, job.offsets, job.pool);
        TellProgress(job, sheet, first, last);
    }
    painter.end();
    return {};
}

std::string WritePicture(const std::string& path, const ExportJob& job, int sheet)
{
    PrepareSheet(job, sheet);
    QImage image(DesignPaperCanvas(job.kind) * kPictureDpi / kCanvasDpi, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kPictureDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kPictureDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintDesignPage(painter, PrintDevice{kPictureDpi, 0, 0}, job.kind, job.look, job.offsets, job.pool);
    painter.end();
    if (!image.save(QString::fromStdString(path), "PNG"))
        return path + " に書き込めません。";
    return {};
}

// Sheets `first` to `last` (0-based) of the design, one PDF page or one picture each.
std::string ExportRange(const std::string& path, const ExportJob& job, int first, int last)
{
    if (job.kind != kKindOrvanel && job.kind != kKindZolvi)
        return "用紙が選ばれていないため、出力できません。";
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix != "pdf" && suffix != "png")
        return path + " : 出力ファイルの名前は .pdf か .png で終えてください。";
    const int shown = ShownSheet(job.kind);
    std::string error;
    if (suffix == "pdf")
        error = WritePdf(path, job, first, last);
    for (int sheet = first; suffix == "png" && sheet <= last && error.empty(); ++sheet) {
        error = WritePicture(first == last ? path : NumberedPicturePath(path, sheet), job, sheet);
        TellProgress(job, sheet, first, last);
    }
    ShowSheet(job.kind, shown);
    return error;
}

}  // namespace

std::string ExportSheet(const std::string& path, int kind, const DesignLook& look, QPoint offsets, LineBreaks breaks,
                        const CFontPool& pool)
{
    std::vector<StickerPlace> overflowing;
    const int shown = ShownSheet(kind);
    return ExportRange(path, ExportJob{kind, look, offsets, breaks, pool, overflowing, kNoProgress}, shown, shown);
}

std::string ExportSheets(const std::string& path, int kind, const DesignLook& look, QPoint offsets,
                         LineBreaks breaks, std::vector<StickerPlace>& overflowing, const CFontPool& pool,
                         const ExportProgress& progress)
{
    return ExportRange(path, ExportJob{kind, look, offsets, breaks, pool, overflowing, progress}, 0,
                       std::max(SheetCount(kind), 1) - 1);
}

std::string NumberedPicturePath(const std::string& path, int sheet)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    const std::size_t cut = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
    return path.substr(0, cut) + "-" + std::to_string(sheet + 1) + path.substr(cut);
}
