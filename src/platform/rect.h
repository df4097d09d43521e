#pragma once
#include <cstdint>

// A rectangle in sheet units (0.01 mm), y growing downwards.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const Rect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
