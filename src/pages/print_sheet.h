#pragma once
// Printing the current design on one page through the print dialog.
#include <QPoint>

class QPrinter;
class QWidget;

// Shows the print dialog on `printer` (kept by the wizard, so the next print opens on this one's
// printer and settings) and, when confirmed, prints the design of `kind` (1 Orvanel, -2 Zolvi)
// with the print offsets (0.01 mm, dx right, dy up). The sheet must already be laid out.
// Cancel prints nothing and leaves the printer's settings as they were. Returns whether a page
// was printed.
bool PrintSheet(QWidget* parent, QPrinter& printer, int kind, QPoint offsets);

// Prints one page on `printer` as it is set up, without a dialog (the dialog's second half).
bool PrintDesignOn(QPrinter& printer, int kind, QPoint offsets);
