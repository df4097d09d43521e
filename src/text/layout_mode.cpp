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
};

constexpr WritingFamily kH = WritingFamily::kHorizontal;
constexpr WritingFamily kV = WritingFamily::kVertical;

constexpr ModeRow kModes[] = {
    {187, kH, {2, 2}, {2, 2}, false},  // sticker upright, horizontal writing
    {182, kH, {3, 3}, {3, 3}, false},  // sticker sideways, rows turned a quarter turn back
    {188, kV, {1, 0}, {1, 0}, false},  // sticker upright, columns from right to left
    {186, kV, {2, 1}, {2, 1}, false},  // sticker sideways, columns become rows
    {144, kV, {2, 1}, {2, 1}, true},   // fold-over: both parts turned
    {145, kV, {2, 1}, {2, 1}, false},
    {146, kH, {2, 2}, {0, 0}, true},  // fold-over: first part upside down
    {147, kH, {2, 2}, {0, 0}, false},
    {148, kH, {0, 0}, {2, 2}, true},  // fold-over: second part upside down
    {149, kH, {0, 0}, {2, 2}, false},
};

}  // namespace

std::optional<LayoutModeInfo> ModeFor(int layoutMode, int partParity)
{
    for (const ModeRow& row : kModes) {
        if (row.mode != layoutMode)
            continue;
        const Rotations rotations = (partParity & 1) == 0 ? row.firstPart : row.secondPart;
        LayoutModeInfo info;
        info.family = row.family;
        info.vertical = row.family == WritingFamily::kVertical;
        info.japaneseRotation = rotations.japanese;
        info.latinRotation = rotations.latin;
        info.axis = AxisOfRotation(rotations.japanese);
        info.sameTextPairs = row.sameTextPairs;
        return info;
    }
    return std::nullopt;
}

bool SameTextPairs(int layoutMode)
{
    const std::optional<LayoutModeInfo> mode = ModeFor(layoutMode, 1);
    return mode && mode->sameTextPairs;
}
