#pragma once
// Printing every sheet of a design, or a range of them, one page each, and finding the sticker
// that keeps a design from being printed.
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

class QPrinter;

// Sheets of the design (0-based), in the order they print.
using SheetList = std::vector<int>;

// A sticker whose text does not fit: the sheet and the sticker's number as the page shows it.
struct OverflowPlace {
    int sheet = 0;    // 0-based
    int sticker = 0;  // 1-based, as the sheet map numbers it
};

// Lays out each of `sheets` and prints it on a page of its own on `printer` as it is set up, with
// the print offsets (0.01 mm). The shown sheet is shown again afterwards, laid out.
bool PrintSheetsOn(QPrinter& printer, int kind, QPoint offsets, const SheetList& sheets);

// The first sticker of `sheets` whose text does not fit, laying each sheet out to find it.
std::optional<OverflowPlace> FindOverflow(int kind, const SheetList& sheets);
// "シート2のシール5の文字が…": why the design cannot be printed yet.
QString OverflowMessage(const OverflowPlace& place);

// The sheets the print dialog chose on `printer`: those of its page ranges ("1-2,4"), or every
// sheet.
SheetList ChosenSheets(const QPrinter& printer, int kind);
