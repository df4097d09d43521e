#pragma once
#include <array>

// The point sizes every size setting indexes: the format's default size, the size lists of the
// pages and the font pool.
inline constexpr std::array<int, 22> kFontSizes = {3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18,
                                                   20, 22, 24, 28, 32, 36, 40, 46, 50, 60, 72};

// Index of `points` in kFontSizes, or -1.
inline int IndexOfSize(int points)
{
    for (int i = 0; i < static_cast<int>(kFontSizes.size()); ++i)
        if (kFontSizes[i] == points)
            return i;
    return -1;
}
