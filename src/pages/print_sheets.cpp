#include "pages/print_sheets.h"

#include "design/design_sheets.h"
#include "pages/design_of_kind.h"
#include "render/print_page.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

void PaintShownSheet(QPainter& painter, const PrintDevice& device, int kind, QPoint offsets)
{
    if (kind == kKindZolvi)
        PaintZolviPage(painter, device, CSealFormat::Zolvi(), offsets);
    else
        PaintOrvanelPage(painter, device, CSealFormat::Orvanel(), offsets);
}

// Shows each sheet of `range` laid out in turn, then the one shown before; `visit` returns
// false to stop.
template <typename Visit>
bool EachSheet(int kind, SheetRange range, Visit visit)
{
    const int shown = ShownSheet(kind);
    bool completed = true;
    for (int sheet = range.first; sheet <= range.last && completed; ++sheet) {
        ShowSheet(kind, sheet);
        LayOutDesign(kind);
        completed = visit(sheet);
    }
    ShowSheet(kind, shown);
    LayOutDesign(kind);
    return completed;
}

int StickerNumber(int kind, int record)
{
    return kind == kKindZolvi ? record / 2 + 1 : record + 1;
}

}  // namespace

bool PrintSheetsOn(QPrinter& printer, int kind, QPoint offsets, SheetRange range)
{
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintDevice device = PrintDeviceFor(printer.pageLayout(), printer.resolution());
    const bool printed = EachSheet(kind, range, [&](int sheet) {
        if (sheet > range.first && !printer.newPage())
            return false;
        PaintShownSheet(painter, device, kind, offsets);
        return true;
    });
    return painter.end() && printed;
}

std::optional<OverflowPlace> FindOverflow(int kind, SheetRange range)
{
    std::optional<OverflowPlace> found;
    EachSheet(kind, range, [&](int sheet) {
        const std::vector<SealPiece>& pieces = CurrentDesign(kind).pieces;
        const auto over = std::find_if(pieces.begin(), pieces.end(),
                                       [](const SealPiece& piece) { return piece.m_bOverflow == -1; });
        if (over == pieces.end())
            return true;
        found = OverflowPlace{sheet, StickerNumber(kind, static_cast<int>(over - pieces.begin()))};
        return false;
    });
    return found;
}

QString OverflowMessage(const OverflowPlace& place)
{
    return QStringLiteral("シート%1のシール%2の文字がはみ出しています。文字数を減らしてからプリントしてください。")
        .arg(place.sheet + 1)
        .arg(place.sticker);
}

SheetRange ChosenSheets(const QPrinter& printer, int kind)
{
    const int count = SheetCount(kind);
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() < 1)
        return {0, count - 1};
    const int first = std::clamp(printer.fromPage(), 1, count) - 1;
    const int last = std::clamp(printer.toPage() < 1 ? count : printer.toPage(), first + 1, count) - 1;
    return {first, last};
}
