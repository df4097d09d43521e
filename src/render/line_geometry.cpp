#include "render/line_geometry.h"

#include <cstdlib>
#include <numeric>

std::vector<Rect> LineBoxes(const Rect& area, int n, int pitch, int type, int stackAlign)
{
    std::vector<Rect> boxes;
    if (n <= 0)
        return boxes;
    const bool down = StacksDownwards(type);
    const int lo = down ? area.top : area.left;
    const int hi = down ? area.bottom : area.right;
    int first = lo;
    int last = hi;  // end of the first box
    int step = pitch;
    switch (stackAlign) {
    case -1:
        last = lo + pitch;
        break;
    case 0:
        step = (hi - lo) / n;
        if (n > 1)
            last = lo + step;
        break;
    case 1:
        first = hi - n * pitch;
        last = hi - (n - 1) * pitch;
        break;
    default:
        break;
    }
    for (int i = 0; i < n; ++i) {
        Rect box = area;
        (down ? box.top : box.left) = first + i * step;
        (down ? box.bottom : box.right) = last + i * step;
        boxes.push_back(box);
    }
    return boxes;
}

Stretch AlignStretch(const Rect& box, int type, int extent, int align)
{
    const bool alongX = type == 0 || type == 2;
    int start = alongX ? box.left : box.top;
    int end = alongX ? box.right : box.bottom;
    if (align == -1) {
        end = start + extent;
    } else if (align == 0) {
        const int inset = (end - start - extent) / 2;
        start += inset;
        end -= inset;
    } else if (align == 1) {
        start = end - extent;
    }
    return {start, end};
}

Rect NarrowAcross(const Rect& box, int type, int cell)
{
    Rect narrowed = box;
    if (type == 1 || type == 3) {
        const int inset = (box.right - box.left - cell) / 2;
        narrowed.left += inset;
        narrowed.right -= inset;
    }
    return narrowed;
}

void FitAdvances(std::vector<int>& advances, int target)
{
    const int n = static_cast<int>(advances.size());
    if (n == 0)
        return;
    const int diff = std::accumulate(advances.begin(), advances.end(), 0) - target;
    const int sign = diff > 0 ? -1 : 1;
    const int q = std::abs(diff) / n;
    const int r = std::abs(diff) % n;
    for (int i = 0; i < n; ++i)
        advances[i] += sign * (q + (i < r ? 1 : 0));
}
