#pragma once
// Cutting the next line off the front of a sticker's text.
#include "platform/rect.h"
#include "text/line_breaks.h"
#include "text/text_measurer.h"
#include "text/writing.h"

#include <string>
#include <string_view>

enum class LineEnd {
    kLastLine,  // the line holds the rest of the text
    kMoreText,  // more text follows the line (after its line end, if it has one)
    kTooSmall,  // one character does not fit the box even at the smallest size
};

// Takes the next line from the front of `rest`. Lines run along the axis of the Japanese font's
// rotation; L is the box's length along it. A line ends before a control character, or before the
// first character that would make it reach L, so its extent stays below L. With plain `breaks`
// that is where it ends. Under the kinsoku rules it ends at the last opportunity inside the line
// instead, without the spaces before it, and between characters only when the line has no
// opportunity at all. `line` is a prefix of `rest` and `extent` its length along the line (0.01 mm).
//
// `pitch` grows to the largest line width met: the height of a single character, or the width of
// one standing upright in vertical writing. A single character as long as the box's width or as
// high as its height shrinks both fonts until it fits; lines already taken keep their lengths.
LineEnd TakeLine(TextMeasurer& measurer, const Rect& box, std::string_view rest, std::string& line, int& extent,
                 int& pitch, JapaneseFont& japanese, LatinFont& latin, WritingFamily family,
                 RestBreaks breaks = {});
