#include "controls/piece_moves.h"

#include <algorithm>

bool IsSameTextLayout(int layoutMode)
{
    return layoutMode == 144 || layoutMode == 146 || layoutMode == 148;
}

bool IsTwoTextLayout(int layoutMode)
{
    return layoutMode == 145 || layoutMode == 147 || layoutMode == 149;
}

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
    const int step = IsSameTextLayout(layoutMode) && current % 2 == 0 ? 2 : 1;
    const int target = current + (backwards ? -step : step);
    if (target > count - 1)
        return std::max(0, step == 2 ? count - 2 : count - 1);
    return std::max(target, 0);
}
