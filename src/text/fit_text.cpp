#include "text/fit_text.h"

#include "text/char_class.h"
#include "text/size_steps.h"
#include "text/take_line.h"
#include "text/writing.h"

#include <optional>
#include <utility>

namespace {

enum class Attempt { kFits, kShrink, kTooSmall };

struct Limits {
    long long along;   // L: length a line must stay below
    long long across;  // S: room for the stacked lines
};

Limits LimitsOf(const Rect& box, int japaneseRotation)
{
    const long long width = static_cast<long long>(box.right) - box.left;
    const long long height = static_cast<long long>(box.bottom) - box.top;
    if (AxisOfRotation(japaneseRotation) == LineAxis::kX)
        return {width, height};
    return {height, width};
}

// Bytes of `rest` that a line that is not the last one uses up: its text, and the line end after it,
// or under the kinsoku rules the spaces where it was wrapped.
std::size_t TakenWith(std::string_view rest, const std::string& line, bool kinsoku)
{
    const std::size_t lineEnd = LineEndLength(rest, line.size());
    if (lineEnd > 0 || !kinsoku || line.empty())
        return line.size() + lineEnd;
    return line.size() + LeadingSpaces(rest.substr(line.size()));
}

// Whether a line wrapped before `end` (a byte offset of the text) under the kinsoku rules broke
// inside a word or number, having had no opportunity to break at.
bool BrokeInsideWord(const BreakOpportunities& breaks, std::string_view rest, const std::string& line,
                     std::size_t end)
{
    return breaks.Kinsoku() && !line.empty() && LineEndLength(rest, line.size()) == 0 && !breaks.Allows(end);
}

// One pass over the text at the current sizes; `wordBroken` tells whether a line broke inside a
// word.
Attempt TryFit(TextMeasurer& measurer, const Rect& box, std::string_view text, std::vector<std::string>& lines,
               std::vector<int>& extents, int& pitch, JapaneseFont& japanese, LatinFont& latin, WritingFamily family,
               const BreakOpportunities& breaks, bool& wordBroken)
{
    wordBroken = false;
    lines.clear();
    extents.clear();
    pitch = 0;
    const Limits limits = LimitsOf(box, japanese.rotation);
    long long count = 0;
    std::string_view rest = text;
    for (;;) {
        std::string line;
        int extent = 0;
        const RestBreaks restBreaks{&breaks, text.size() - rest.size()};
        const LineEnd end = TakeLine(measurer, box, rest, line, extent, pitch, japanese, latin, family, restBreaks);
        if (end == LineEnd::kTooSmall)
            return Attempt::kTooSmall;
        if (end == LineEnd::kLastLine && extent == 0)
            return Attempt::kFits;  // no empty last line after a final "\n"

        ++count;
        const bool overflows = pitch * count > limits.across || extent > limits.along;
        if (end == LineEnd::kLastLine) {
            if (overflows)
                return Attempt::kShrink;
            lines.push_back(std::move(line));
            extents.push_back(extent);
            return Attempt::kFits;
        }
        const std::size_t taken = TakenWith(rest, line, breaks.Kinsoku());
        wordBroken = wordBroken || BrokeInsideWord(breaks, rest, line, text.size() - rest.size() + line.size());
        lines.push_back(std::move(line));
        extents.push_back(extent);
        // Not even one character fits along the line at this size: the same line would come again.
        if (overflows || taken == 0)
            return Attempt::kShrink;
        rest.remove_prefix(taken);
    }
}

// A layout that fits, kept while smaller sizes are tried.
struct FittedLayout {
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch = 0;
    JapaneseFont japanese;
    LatinFont latin;
};

int FitText(TextMeasurer& measurer, const Rect& box, std::string_view text, std::vector<std::string>& lines,
            std::vector<int>& extents, int& pitch, JapaneseFont& japanese, LatinFont& latin, WritingFamily family,
            LineBreaks breaks)
{
    ClampSizeIndices(japanese, latin);
    const BreakOpportunities opportunities(text, breaks);
    // A narrow column would break a word or number inside it: a smaller size that keeps it whole
    // reads better. When none does, the largest size that fits stands, broken as it was.
    const bool preferWhole = family == WritingFamily::kVertical && opportunities.Kinsoku();
    std::optional<FittedLayout> broken;
    const auto useBroken = [&] {
        lines = std::move(broken->lines);
        extents = std::move(broken->extents);
        pitch = broken->pitch;
        japanese = broken->japanese;
        latin = broken->latin;
        return 0;
    };
    for (;;) {
        bool wordBroken = false;
        const Attempt attempt =
            TryFit(measurer, box, text, lines, extents, pitch, japanese, latin, family, opportunities, wordBroken);
        if (attempt == Attempt::kFits) {
            if (!wordBroken || !preferWhole)
                return 0;
            if (!broken)
                broken = FittedLayout{lines, extents, pitch, japanese, latin};
            if (!ShrinkTogether(japanese, latin))
                return useBroken();
            continue;
        }
        if (attempt == Attempt::kTooSmall || !ShrinkTogether(japanese, latin)) {
            if (broken)
                return useBroken();
            japanese.sizeIndex = 0;
            latin.sizeIndex = 0;
            return -1;
        }
    }
}

}  // namespace

int FitHorizontalText(TextMeasurer& measurer, const Rect& box, std::string_view text, std::vector<std::string>& lines,
                      std::vector<int>& extents, int& pitch, JapaneseFont& japanese, LatinFont& latin,
                      LineBreaks breaks)
{
    return FitText(measurer, box, text, lines, extents, pitch, japanese, latin, WritingFamily::kHorizontal, breaks);
}

int FitVerticalText(TextMeasurer& measurer, const Rect& box, std::string_view text, std::vector<std::string>& lines,
                    std::vector<int>& extents, int& pitch, JapaneseFont& japanese, LatinFont& latin,
                    LineBreaks breaks)
{
    return FitText(measurer, box, text, lines, extents, pitch, japanese, latin, WritingFamily::kVertical, breaks);
}
