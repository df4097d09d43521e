#include "controls/piece_moves.h"

#include "text/layout_mode.h"

#include <algorithm>

int FrontRecord(int current)
{
    return current - current % 2;
}

int BackRecord(int current)
{
    return FrontRecord(current) + 1;
}

int TabTarget(int mode, int current, int count, int layoutMode, bool backwards)
{
    if (count <= 0)
        return 0;
    if (mode == kEditSingle)
        return std::clamp(current + (backwards ? -1 : 1), 0, count - 1);
    const int step = SameTextPairs(layoutMode) && current % 2 == 0 ? 2 : 1;
    const int target = current + (backwards ? -step : step);
    if (target > count - 1)
        return std::max(0, step == 2 ? count - 2 : count - 1);
    return std::max(target, 0);
}
