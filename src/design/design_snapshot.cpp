#include "design/design_snapshot.h"

#include <algorithm>
#include <tuple>

namespace {

SheetLook CurrentLook(int kind)
{
    SheetLook look;
    look.settings = CurrentSettings();
    look.otherFace = CSealFormat::OtherFace();
    if (const SealDataCommon* sheet = RecordOf(kind)) {
        look.frame = sheet->m_bFrame;
        look.crFrame = sheet->m_crFrame;
    }
    look.offsets = g_printOffsets;
    return look;
}

void StoreLook(const SheetLook& look, int kind)
{
    ApplySettings(look.settings);
    CSealFormat::OtherFace() = look.otherFace;
    if (SealDataCommon* sheet = RecordOf(kind)) {
        sheet->m_bFrame = look.frame;
        sheet->m_crFrame = look.crFrame;
    }
    g_printOffsets = look.offsets;
}

void Apply(const DesignChange& change, DesignSnapshot& base, bool after)
{
    if (change.look) {
        base.look = after ? change.look->after : change.look->before;
        StoreLook(base.look, base.kind);
    }
    std::vector<SealPiece>* pieces = PiecesOf(base.kind);
    if (!pieces)
        return;
    for (const PieceChange& piece : change.pieces) {
        const auto index = static_cast<std::size_t>(piece.index);
        if (index >= pieces->size() || index >= base.pieces.size())
            continue;
        base.pieces[index] = after ? piece.after : piece.before;
        StorePieceDesign(base.pieces[index], (*pieces)[index]);
    }
}

}  // namespace

PieceDesign PieceDesignOf(const SealPiece& piece)
{
    return {piece.m_strText,  piece.m_nSize,   piece.m_nTextColour, piece.m_nSpare,
            piece.m_crFrame,  piece.m_nAlignH, piece.m_nAlignV,     piece.m_bOverflow};
}

void StorePieceDesign(const PieceDesign& design, SealPiece& piece)
{
    piece.m_strText = design.text;
    piece.m_nSize = design.size;
    piece.m_nTextColour = design.textColour;
    piece.m_nSpare = design.spare;
    piece.m_crFrame = design.crFrame;
    piece.m_nAlignH = design.alignH;
    piece.m_nAlignV = design.alignV;
    piece.m_bOverflow = design.overflow;
}

bool PieceDesign::operator==(const PieceDesign& other) const
{
    return std::tie(text, size, textColour, spare, crFrame, alignH, alignV, overflow)
           == std::tie(other.text, other.size, other.textColour, other.spare, other.crFrame, other.alignH,
                       other.alignV, other.overflow);
}

bool SheetLook::operator==(const SheetLook& other) const
{
    return std::tie(settings, otherFace, frame, crFrame, offsets.dx, offsets.dy)
           == std::tie(other.settings, other.otherFace, other.frame, other.crFrame, other.offsets.dx,
                       other.offsets.dy);
}

DesignSnapshot TakeSnapshot(int kind)
{
    DesignSnapshot snapshot;
    snapshot.kind = kind;
    snapshot.look = CurrentLook(kind);
    if (const std::vector<SealPiece>* pieces = PiecesOf(kind))
        for (const SealPiece& piece : *pieces)
            snapshot.pieces.push_back(PieceDesignOf(piece));
    return snapshot;
}

DesignChange TakeChange(DesignSnapshot& base)
{
    DesignChange change;
    SheetLook look = CurrentLook(base.kind);
    if (look != base.look) {
        change.look = LookChange{base.look, look};
        base.look = std::move(look);
    }
    const std::vector<SealPiece>* pieces = PiecesOf(base.kind);
    if (!pieces)
        return change;
    // A record read anew (another sheet) has other stickers: the base follows it.
    base.pieces.resize(pieces->size());
    for (std::size_t i = 0; i < pieces->size(); ++i) {
        PieceDesign now = PieceDesignOf((*pieces)[i]);
        if (now == base.pieces[i])
            continue;
        change.pieces.push_back({static_cast<int>(i), base.pieces[i], now});
        base.pieces[i] = std::move(now);
    }
    return change;
}

void ApplyBefore(const DesignChange& change, DesignSnapshot& base)
{
    Apply(change, base, false);
}

void ApplyAfter(const DesignChange& change, DesignSnapshot& base)
{
    Apply(change, base, true);
}

void MergeChange(DesignChange& earlier, const DesignChange& later)
{
    if (later.look) {
        if (earlier.look)
            earlier.look->after = later.look->after;
        else
            earlier.look = later.look;
    }
    for (const PieceChange& piece : later.pieces) {
        auto found = std::lower_bound(earlier.pieces.begin(), earlier.pieces.end(), piece.index,
                                      [](const PieceChange& held, int index) { return held.index < index; });
        if (found != earlier.pieces.end() && found->index == piece.index)
            found->after = piece.after;
        else
            earlier.pieces.insert(found, piece);
    }
    // What the later change took back is no change at all.
    if (earlier.look && earlier.look->before == earlier.look->after)
        earlier.look.reset();
    earlier.pieces.erase(std::remove_if(earlier.pieces.begin(), earlier.pieces.end(),
                                        [](const PieceChange& piece) { return piece.before == piece.after; }),
                         earlier.pieces.end());
}
