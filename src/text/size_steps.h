#pragma once
// Steps through the listed font sizes: where a sticker's size starts and how both fonts shrink.
#include "text/text_measurer.h"

// Size index a sticker size in tenths of a point starts from. A size the list lacks (older or
// edited designs) takes the nearest listed size below it, 3 points at least, so the layout always
// has a font to measure with.
int StartSizeIndex(int sizeTenths);

// Brings both size indices into the list's range.
void ClampSizeIndices(JapaneseFont& japanese, LatinFont& latin);

// Makes both fonts one listed size smaller; false, with both at the smallest size, when they
// cannot shrink any further.
bool ShrinkTogether(JapaneseFont& japanese, LatinFont& latin);
