#include "text/layout_mode.h"

namespace {

struct Rotations {
    int japanese;
    int latin;
};

struct ModeRow {
    int mode;
    WritingFamily family;
    Rotations firstPart;
    Rotations secondPart;
    bool sameTextPairs;
    bool foldOver;
};

constexpr WritingFamily kH = WritingFamily::kHorizontal;
constexpr WritingFamily kV = WritingFamily::kVertical;

constexpr ModeRow kModes[] = {
    {187, kH, {2, 2}, {2, 2}, false, false},  // sticker upright, horizontal writing
    {182, kH, {3, 3}, {3, 3}, false, false},  // sticker sideways, rows turned a quarter turn back
    {188, kV, {1, 0}, {1, 0}, false, false},  // sticker upright, columns from right to left
    {186, kV, {2, 1}, {2, 1}, false, false},  // sticker sideways, columns become rows
    {144, kV, {2, 1}, {2, 1}, true, true},   // fold-over: both parts turned
    {145, kV, {2, 1}, {2, 1}, false, true},
    {146, kH, {2, 2}, {0, 0}, true, true},  // fold-over: first part upside down
    {147, kH, {2, 2}, {0, 0}, false, true},
    {148, kH, {0, 0}, {2, 2}, true, true},  // fold-over: second part upside down
    {149, kH, {0, 0}, {2, 2}, false, true},
};

const ModeRow* RowOf(int layoutMode)
{
    for (const ModeRow& row : kModes)
        if (row.mode == layoutMode)
            return &row;
    return nullptr;
}

}  // namespace

std::optional<LayoutModeInfo> ModeFor(int layoutMode, int partParity)
{
    const ModeRow* row = RowOf(layoutMode);
    if (!row)
        return std::nullopt;
    const Rotations rotations = (partParity & 1) == 0 ? row->firstPart : row->secondPart;
    LayoutModeInfo info;
    info.family = row->family;
    info.vertical = row->family == WritingFamily::kVertical;
    info.japaneseRotation = rotations.japanese;
    info.latinRotation = rotations.latin;
    info.axis = AxisOfRotation(rotations.japanese);
    info.sameTextPairs = row->sameTextPairs;
    return info;
}

bool SameTextPairs(int layoutMode)
{
    const ModeRow* row = RowOf(layoutMode);
    return row && row->sameTextPairs;
}

bool TwoTextPairs(int layoutMode)
{
    const ModeRow* row = RowOf(layoutMode);
    return row && row->foldOver && !row->sameTextPairs;
}
