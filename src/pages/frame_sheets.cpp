#include "pages/frame_sheets.h"

#include <algorithm>
#include <iterator>

namespace {
const char* const kFrameSheetCodes[] = {"M013AA00", "M012AA00", "M011AA00", "M010AA00"};
}

bool SheetOffersFrames(const std::string& code)
{
    return std::any_of(std::begin(kFrameSheetCodes), std::end(kFrameSheetCodes),
                       [&code](const char* frameCode) { return code == frameCode; });
}
