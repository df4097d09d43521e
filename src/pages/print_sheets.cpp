#include "pages/print_sheets.h"

#include "design/design_sheets.h"
#include "design/sticker_number.h"
#include "pages/design_of_kind.h"
#include "render/print_page.h"

#include <QPageRanges>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// Shows each of `sheets` laid out in turn, then the one shown before; `visit` returns false to
// stop.
template <typename Visit>
bool EachSheet(int kind, const SheetList& sheets, Visit visit)
{
    const int shown = ShownSheet(kind);
    bool completed = true;
    for (std::size_t i = 0; i < sheets.size() && completed; ++i) {
        ShowSheet(kind, sheets[i]);
        LayOutDesign(kind);
        completed = visit(i, sheets[i]);
    }
    ShowSheet(kind, shown);
    LayOutDesign(kind);
    return completed;
}

}  // namespace

bool PrintSheetsOn(QPrinter& printer, int kind, QPoint offsets, const SheetList& sheets)
{
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintDevice device = PrintDeviceFor(printer.pageLayout(), printer.resolution());
    const bool printed = EachSheet(kind, sheets, [&](std::size_t page, int) {
        if (page > 0 && !printer.newPage())
            return false;
        PaintDesignPage(painter, device, kind, CurrentLook(), offsets);
        return true;
    });
    return painter.end() && printed;
}

std::optional<OverflowPlace> FindOverflow(int kind, const SheetList& sheets)
{
    std::optional<OverflowPlace> found;
    EachSheet(kind, sheets, [&](std::size_t, int sheet) {
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

SheetList ChosenSheets(const QPrinter& printer, int kind)
{
    const int count = SheetCount(kind);
    const QPageRanges ranges = printer.pageRanges();
    const bool all = printer.printRange() != QPrinter::PageRange || ranges.isEmpty();
    SheetList sheets;
    for (int sheet = 0; sheet < count; ++sheet)
        if (all || ranges.contains(sheet + 1))
            sheets.push_back(sheet);
    return sheets;
}
