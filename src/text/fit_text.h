#pragma once
// Fitting one sticker text into its text area: lines are cut, and both fonts are made smaller one
// listed size at a time until every line and the stack of lines fit.
#include "platform/rect.h"
#include "text/line_breaks.h"
#include "text/text_measurer.h"

#include <string>
#include <string_view>
#include <vector>

// Lays `text` (code page 932, lines separated by "\n") out in `box` (0.01 mm). Lines run along the
// axis of the Japanese font's rotation. Fills `lines` and `extents` (both cleared first) and
// `pitch`, the largest line width met, by which the lines are stacked. The size indices of both
// fonts come in as the size to start from and go out as the size used. `breaks` says where lines
// may be wrapped (plain or the kinsoku rules); line ends in the text always end a line.
//
// Returns 0 when the text fits. Returns -1, with both size indices at 0, when it does not fit even
// at the smallest size; the lists are then incomplete and not meant to be drawn.
int FitHorizontalText(TextMeasurer& measurer, const Rect& box, std::string_view text, std::vector<std::string>& lines,
                      std::vector<int>& extents, int& pitch, JapaneseFont& japanese, LatinFont& latin,
                      LineBreaks breaks);

// The same for vertical writing: double-byte characters and brackets run along the column,
// half-width katakana and other single bytes stand upright, one per cell. Under the kinsoku rules
// a column never breaks inside a word or number while a smaller size keeps it whole.
int FitVerticalText(TextMeasurer& measurer, const Rect& box, std::string_view text, std::vector<std::string>& lines,
                    std::vector<int>& extents, int& pitch, JapaneseFont& japanese, LatinFont& latin,
                    LineBreaks breaks);
