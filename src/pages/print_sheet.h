#pragma once
// Printing the current design on one page through the print dialog.
#include <QImage>
#include <QPageSize>
#include <QPoint>
#include <QString>

class QPrinter;
class QWidget;

// The white canvas the sheet of `kind` (1 Orvanel, -2 Zolvi) is drawn on: the paper picture
// 285 for Zolvi sheets of format kind 5, otherwise 284.
int SheetCanvas(int kind);
// That canvas as a picture; a label sheet's is white paper of its own size.
QImage SheetCanvasPicture(int kind);
// The paper of that canvas (150 dots per inch) to the whole millimetre: a postcard, 100 x 148 mm,
// or for the small canvas the L size, 89 x 127 mm (each to the nearest point); a label sheet's
// own paper, as the standard size it is when it is one (A4, Letter).
QPageSize SheetPaper(int kind);

// The name print queues show for the job: the design file's, or the program's for a new design.
QString PrintJobTitle();

// Shows the print dialog on `printer` (kept by the wizard, so the next print opens on this one's
// printer and settings) and, when confirmed, prints the sheets of the design of `kind` (1
// Orvanel, -2 Zolvi) it chose, every sheet unless a range, a page each, with the print offsets
// (0.01 mm, dx right, dy up). A sticker whose text does not fit stops the print with a message
// naming its sheet and number.
// Unless `ownPaper` (the user chose another paper before), the dialog proposes the sheet's paper,
// upright; `ownPaper` then records whether the user took another one. A paper smaller than the
// sheet is printed on only after the user confirms it. Cancel prints nothing and leaves the
// printer's settings as they were. Returns whether a page was printed.

bool PrintSheet(QWidget* parent, QPrinter& printer, bool& ownPaper, int kind, QPoint offsets);

