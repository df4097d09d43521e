#include "pages/print_sheet.h"

#include "design/seal_format.h"
#include "render/print_page.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

bool PrintSheet(QWidget* parent, QPrinter& printer, int kind, QPoint offsets)
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
    QPrintDialog dialog(&chosen, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setPrinterName(chosen.printerName());
    printer.setPageLayout(chosen.pageLayout());
    printer.setColorMode(chosen.colorMode());
    printer.setDuplex(chosen.duplex());
    printer.setCopyCount(chosen.copyCount());
    printer.setCollateCopies(chosen.collateCopies());
    printer.setOutputFileName(chosen.outputFileName());
    return PrintDesignOn(printer, kind, offsets);
}

bool PrintDesignOn(QPrinter& printer, int kind, QPoint offsets)
{
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintDevice device = PrintDeviceFor(printer.pageLayout(), printer.resolution());
    if (kind == kKindZolvi)
        PaintZolviPage(painter, device, CSealFormat::Zolvi(), offsets);
    else
        PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), offsets);
    return painter.end();
}
