#pragma once
// What one step of the design history changed: the sheet-wide look and the design values of the
// stickers it touched, each before and after. A step keeps nothing it did not change, so the
// history stays small however large the sheet.
#include "design/print_offsets.h"
#include "design/seal_format.h"

#include <optional>
#include <string>
#include <vector>

// A sticker's design values (its place on the sheet never changes with the design).
struct PieceDesign {
    std::string text;
    int size = -1;
    int textColour = kNoTextColour;
    int spare = 0;
    std::uint32_t crFrame = kNoFrameColour;
    int alignH = 0;
    int alignV = 0;
    int overflow = 0;

    bool operator==(const PieceDesign& other) const;
    bool operator!=(const PieceDesign& other) const { return !(*this == other); }
};

PieceDesign PieceDesignOf(const SealPiece& piece);
// Sets the design values of `piece`; its place and its last layout stay.
void StorePieceDesign(const PieceDesign& design, SealPiece& piece);

// What applies to the whole sheet: the nine settings, the other typeface, the sheet's frame and
// the print offsets.
struct SheetLook {
    SettingValues settings{};
    std::string otherFace;
    std::uint8_t frame = 0;
    std::uint32_t crFrame = kNoFrameColour;
    PrintOffsets offsets;

    bool operator==(const SheetLook& other) const;
    bool operator!=(const SheetLook& other) const { return !(*this == other); }
};

// The whole design of one kind, as the history compares it.
struct DesignSnapshot {
    int kind = kKindNone;
    SheetLook look;
    std::vector<PieceDesign> pieces;
};

struct PieceChange {
    int index = 0;
    PieceDesign before;
    PieceDesign after;
};

struct LookChange {
    SheetLook before;
    SheetLook after;
};

struct DesignChange {
    std::optional<LookChange> look;
    std::vector<PieceChange> pieces;  // in index order

    bool Empty() const { return !look && pieces.empty(); }
};

// The current design of `kind` (kKindOrvanel or kKindZolvi; no stickers for other kinds).
DesignSnapshot TakeSnapshot(int kind);

// How the current design differs from `base`; `base` then equals the current design.
DesignChange TakeChange(DesignSnapshot& base);

// Puts the design of base.kind back to the state before (or after) `change`, and `base` with it.
void ApplyBefore(const DesignChange& change, DesignSnapshot& base);
void ApplyAfter(const DesignChange& change, DesignSnapshot& base);

// `later` followed `earlier` at once: `earlier` becomes the one change from its before to
// later's after, keeping only what differs between the two.
void MergeChange(DesignChange& earlier, const DesignChange& later);
