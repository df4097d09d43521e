#include "pages/print_sheet.h"

#include "design/design_sheets.h"
#include "design/seal_format.h"
#include "format/label_sheet.h"
#include "pages/design_commands.h"
#include "pages/print_sheets.h"
#include "res/artwork.h"
#include "render/label_sheet_picture.h"
#include "render/print_page.h"
#include "res/resource_ids.h"

#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

int SheetCanvas(int kind)
{
    return kind == kKindZolvi && CSealFormat::Zolvi().m_nKind == 5 ? kBmpCanvasPaperSmall : kBmpCanvasPaper;
}

QImage SheetCanvasPicture(int kind)
{
    if (kind == kKindOrvanel && LabelPaper(CSealFormat::Orvanel()))
        return LabelPaperPicture(CSealFormat::Orvanel());
    return Artwork(SheetCanvas(kind));
}

QPageSize SheetPaper(int kind)
{
    if (kind == kKindOrvanel && LabelPaper(CSealFormat::Orvanel()))
        return QPageSize(DesignPaperMm(kind), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    // Given in whole points, not as the standard size defined in millimetres: a PDF page is whole
    // points, and a size in millimetres is rounded to them otherwise than the drawing is, which
    // moves the print by a fraction of a millimetre.
    const int canvasId = SheetCanvas(kind);
    const ArtworkEntry* canvas = FindArtwork(canvasId);
    const auto points = [](int pixels) { return qRound(std::round(pixels * 25.4 / 150) * 72 / 25.4); };
    const QString name = canvasId == kBmpCanvasPaperSmall ? QStringLiteral("L判") : QStringLiteral("はがき");
    return QPageSize(QSize(points(canvas->width), points(canvas->height)), name, QPageSize::ExactMatch);
}

namespace {

constexpr double kPaperTolerance = 0.5;  // mm: papers and sheets are measured to the whole millimetre

// The paper as it lies for printing (orientation applied), in millimetres.
QSizeF PaperAsLaid(const QPageLayout& layout)
{
    return layout.fullRect(QPageLayout::Millimeter).size();
}

bool IsSheetPaper(const QPageLayout& layout, int kind)
{
    const QSizeF paper = PaperAsLaid(layout), sheet = SheetPaper(kind).size(QPageSize::Millimeter);
    return layout.orientation() == QPageLayout::Portrait && std::abs(paper.width() - sheet.width()) <= kPaperTolerance
           && std::abs(paper.height() - sheet.height()) <= kPaperTolerance;
}

bool SmallerThanSheet(const QPageLayout& layout, int kind)
{
    const QSizeF paper = PaperAsLaid(layout), sheet = SheetPaper(kind).size(QPageSize::Millimeter);
    return paper.width() < sheet.width() - kPaperTolerance || paper.height() < sheet.height() - kPaperTolerance;
}

QString Millimetres(const QSizeF& size)
{
    return QStringLiteral("%1×%2mm").arg(std::round(size.width())).arg(std::round(size.height()));
}

// Whether the user wants to print on a paper smaller than the sheet all the same.
bool PrintOnSmallPaper(QWidget* parent, const QPageLayout& layout, int kind)
{
    const QString text = QStringLiteral("選ばれた用紙（%1）はシート（%2）より小さく、シートの一部がプリントされません。\n"
                                        "このままプリントしますか？")
                             .arg(Millimetres(PaperAsLaid(layout)),
                                  Millimetres(SheetPaper(kind).size(QPageSize::Millimeter)));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmaro"), text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("プリントする"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("やめる"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

bool PrintSheet(QWidget* parent, QPrinter& printer, bool& ownPaper, int kind, QPoint offsets)
{
    if (kind != kKindOrvanel && kind != kKindZolvi)
        return false;
    // The dialog edits a copy, so Cancel leaves the kept printer as it was.
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setPrinterName(printer.printerName());
    chosen.setPageLayout(printer.pageLayout());
    chosen.setColorMode(printer.colorMode());
    chosen.setDuplex(printer.duplex());
    chosen.setOutputFileName(printer.outputFileName());
    if (!ownPaper) {
        chosen.setPageSize(SheetPaper(kind));
        chosen.setPageOrientation(QPageLayout::Portrait);
    }
    QPrintDialog dialog(&chosen, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    // A page a sheet: the range picks sheets.
    const int sheetCount = SheetCount(kind);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, sheetCount > 1);
    dialog.setMinMax(1, sheetCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setPrinterName(chosen.printerName());
    printer.setPageLayout(chosen.pageLayout());
    printer.setColorMode(chosen.colorMode());
    printer.setDuplex(chosen.duplex());
    printer.setCopyCount(chosen.copyCount());
    printer.setCollateCopies(chosen.collateCopies());
    printer.setOutputFileName(chosen.outputFileName());
    ownPaper = !IsSheetPaper(printer.pageLayout(), kind);
    if (SmallerThanSheet(printer.pageLayout(), kind) && !PrintOnSmallPaper(parent, printer.pageLayout(), kind))
        return false;
    const SheetList sheets = ChosenSheets(chosen, kind);
    if (sheets.empty())
        return false;
    if (const std::optional<OverflowPlace> over = FindOverflow(kind, sheets)) {
        QMessageBox::warning(parent, QStringLiteral("Velmaro"), OverflowMessage(*over));
        return false;
    }
    printer.setDocName(PrintJobTitle());
    return PrintSheetsOn(printer, kind, offsets, sheets);
}

QString PrintJobTitle()
{
    const std::filesystem::path& file = CurrentDesignFile();
    return file.empty() ? QStringLiteral("Velmaro") : QString::fromStdString(file.stem().u8string());
}
