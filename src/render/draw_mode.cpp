#include "render/draw_mode.h"

namespace {

constexpr WritingFamily H = WritingFamily::kHorizontal;
constexpr WritingFamily V = WritingFamily::kVertical;

DrawModeInfo Mode(WritingFamily family, int type, bool vertical, int latinRotation, bool alongFromH, int alongSign,
                  bool stackFromH, int stackSign)
{
    return {family, type, vertical, latinRotation, alongFromH, alongSign, stackFromH, stackSign};
}

// Upright text reads in the sticker's own frame; upside-down parts turn both alignments round.
const DrawModeInfo kUpright = Mode(H, 0, false, 0, true, 1, false, 1);
const DrawModeInfo kUpsideDown = Mode(H, 2, false, 2, true, -1, false, -1);

}  // namespace

std::optional<DrawModeInfo> DrawModeFor(int layoutMode, int partParity)
{
    const bool second = partParity % 2 != 0;
    switch (layoutMode) {
    case 187:
        return kUpright;
    case 182:
        return Mode(H, 3, false, 3, true, -1, false, 1);
    case 188:
        return Mode(V, 1, true, 0, false, 1, true, 1);
    case 186:
        return Mode(V, 0, true, 3, false, 1, true, -1);
    case 144:
    case 145:
        return Mode(V, 2, true, 1, false, -1, true, 1);
    case 146:
    case 147:
        return second ? kUpright : kUpsideDown;
    case 148:
    case 149:
        return second ? kUpsideDown : kUpright;
    default:
        return std::nullopt;
    }
}

LineAlignment AlignmentsFor(const DrawModeInfo& mode, int alignH, int alignV)
{
    return {mode.alongSign * (mode.alongFromH ? alignH : alignV), mode.stackSign * (mode.stackFromH ? alignH : alignV)};
}
