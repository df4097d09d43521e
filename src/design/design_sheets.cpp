#include "design/design_sheets.h"

#include <algorithm>

namespace {

// Every sheet of a kind but the shown one, which lives in the current record.
struct SheetStore {
    std::vector<std::vector<PieceDesign>> sheets;  // index = sheet number; the shown one's slot is stale
    int shown = 0;
};

SheetStore& StoreOf(int kind)
{
    static SheetStore orvanel;
    static SheetStore zolvi;
    return kind == kKindZolvi ? zolvi : orvanel;
}

bool IsDesignKind(int kind)
{
    return kind == kKindOrvanel || kind == kKindZolvi;
}

// A fresh store holds the shown sheet's slot only.
void EnsureStarted(SheetStore& store)
{
    if (store.sheets.empty())
        store.sheets.resize(1);
}

std::vector<PieceDesign> CurrentPieces(int kind)
{
    std::vector<PieceDesign> out;
    if (const std::vector<SealPiece>* pieces = PiecesOf(kind)) {
        out.reserve(pieces->size());
        for (const SealPiece& piece : *pieces)
            out.push_back(PieceDesignOf(piece));
    }
    return out;
}

void PutPieces(int kind, const std::vector<PieceDesign>& designs)
{
    std::vector<SealPiece>* pieces = PiecesOf(kind);
    if (!pieces)
        return;
    // The layout of the sheet shown before is no layout of this one.
    for (std::size_t i = 0; i < pieces->size(); ++i) {
        (*pieces)[i].ClearDesign();
        if (i < designs.size())
            StorePieceDesign(designs[i], (*pieces)[i]);
    }
}

// An unused sticker: the design values a sticker has on a sheet just chosen.
std::vector<PieceDesign> EmptySheet(int kind)
{
    const std::vector<SealPiece>* pieces = PiecesOf(kind);
    return std::vector<PieceDesign>(pieces ? pieces->size() : 0, PieceDesignOf(SealPiece{}));
}

}  // namespace

int SheetCount(int kind)
{
    if (!IsDesignKind(kind))
        return 1;
    const SheetStore& store = StoreOf(kind);
    return std::max<int>(1, static_cast<int>(store.sheets.size()));
}

int ShownSheet(int kind)
{
    return IsDesignKind(kind) ? StoreOf(kind).shown : 0;
}

void ShowSheet(int kind, int sheet)
{
    if (!IsDesignKind(kind) || sheet < 0 || sheet >= SheetCount(kind))
        return;
    SheetStore& store = StoreOf(kind);
    if (sheet == store.shown)
        return;
    EnsureStarted(store);
    store.sheets[store.shown] = CurrentPieces(kind);
    PutPieces(kind, store.sheets[sheet]);
    store.sheets[sheet].clear();
    store.sheets[sheet].shrink_to_fit();
    store.shown = sheet;
}

void AddSheet(int kind)
{
    if (!IsDesignKind(kind))
        return;
    SheetStore& store = StoreOf(kind);
    EnsureStarted(store);
    store.sheets.push_back(EmptySheet(kind));
    SetModified(kind, true);
}

void RemoveSheet(int kind, int sheet)
{
    if (!IsDesignKind(kind) || SheetCount(kind) < 2 || sheet < 0 || sheet >= SheetCount(kind))
        return;
    SheetStore& store = StoreOf(kind);
    if (sheet == store.shown)
        ShowSheet(kind, sheet + 1 < SheetCount(kind) ? sheet + 1 : sheet - 1);
    store.sheets.erase(store.sheets.begin() + sheet);
    if (store.shown > sheet)
        --store.shown;
    SetModified(kind, true);
}

std::vector<PieceDesign> SheetDesign(int kind, int sheet)
{
    if (!IsDesignKind(kind) || sheet < 0 || sheet >= SheetCount(kind))
        return {};
    const SheetStore& store = StoreOf(kind);
    if (sheet == store.shown)
        return CurrentPieces(kind);
    return store.sheets[sheet];
}

bool SheetHasText(int kind, int sheet)
{
    const std::vector<PieceDesign> pieces = SheetDesign(kind, sheet);
    return std::any_of(pieces.begin(), pieces.end(), [](const PieceDesign& piece) { return !piece.text.empty(); });
}

bool DesignHasText(int kind)
{
    for (int sheet = 0; sheet < SheetCount(kind); ++sheet)
        if (SheetHasText(kind, sheet))
            return true;
    return false;
}

void StoreSheetDesign(int kind, int sheet, const std::vector<PieceDesign>& pieces)
{
    if (!IsDesignKind(kind) || sheet < 0 || sheet >= SheetCount(kind))
        return;
    SheetStore& store = StoreOf(kind);
    if (sheet == store.shown)
        PutPieces(kind, pieces);
    else
        store.sheets[sheet] = pieces;
}

void ResetSheets(int kind)
{
    if (!IsDesignKind(kind))
        return;
    SheetStore& store = StoreOf(kind);
    store.sheets.clear();
    store.shown = 0;
}
