#include "text/size_steps.h"

#include "format/font_sizes.h"

#include <algorithm>

namespace {

constexpr int kLastSizeIndex = static_cast<int>(kFontSizes.size()) - 1;

int ClampSizeIndex(int index) { return std::clamp(index, 0, kLastSizeIndex); }

}  // namespace

int StartSizeIndex(int sizeTenths)
{
    const int points = sizeTenths / 10;
    int index = 0;
    for (int i = 0; i <= kLastSizeIndex; ++i)
        if (kFontSizes[i] <= points)
            index = i;
    return index;
}

void ClampSizeIndices(JapaneseFont& japanese, LatinFont& latin)
{
    japanese.sizeIndex = ClampSizeIndex(japanese.sizeIndex);
    latin.sizeIndex = ClampSizeIndex(latin.sizeIndex);
}

bool ShrinkTogether(JapaneseFont& japanese, LatinFont& latin)
{
    ClampSizeIndices(japanese, latin);
    if (japanese.sizeIndex == 0 && latin.sizeIndex == 0)
        return false;
    japanese.sizeIndex = ClampSizeIndex(japanese.sizeIndex - 1);
    latin.sizeIndex = ClampSizeIndex(latin.sizeIndex - 1);
    return true;
}
