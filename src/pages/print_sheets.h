#pragma once
// Printing every sheet of a design, or a range of them, one page each, and finding the sticker
// that keeps a design from being printed.
#include <QPoint>
#include <QString>

#include <optional>

class QPrinter;

// Sheets `first` to `last` (0-based, inclusive) of the design of `kind`.
struct SheetRange {
    int first = 0;
    int last = 0;
};

// A sticker whose text does not fit: the sheet and the sticker's number as the page shows it.
struct OverflowPlace {
    int sheet = 0;    // 0-based
    int sticker = 0;  // 1-based, as the sheet map numbers it
};

// Lays out each sheet of `range` and prints it on a page of its own on `printer` as it is set up,
// with the print offsets (0.01 mm). The shown sheet is shown again afterwards, laid out.
bool PrintSheetsOn(QPrinter& printer, int kind, QPoint offsets, SheetRange range);

// The first sticker of `range` whose text does not fit, laying each sheet out to find it.
std::optional<OverflowPlace> FindOverflow(int kind, SheetRange range);
// "シート2のシール5の文字が…": why the design cannot be printed yet.
QString OverflowMessage(const OverflowPlace& place);

// The sheets the print dialog chose on `printer`: its page range, or every sheet.
SheetRange ChosenSheets(const QPrinter& printer, int kind);
