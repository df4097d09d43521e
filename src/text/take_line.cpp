#include "text/take_line.h"

#include "text/char_class.h"
#include "text/size_steps.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Consecutive characters of one class at the front of the line being taken.
struct Run {
    std::size_t start = 0;
    std::size_t bytes = 0;
    int chars = 0;
    CharClass charClass = CharClass::kSingleByte;
};

// A run the line has gone past, with its measurement.
struct ClosedRun {
    Run run;
    TextExtent measured;
};

int Saturated(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

class LineTaker {
public:
    LineTaker(TextMeasurer& measurer, const Rect& box, std::string_view rest, int& pitch, JapaneseFont& japanese,
              LatinFont& latin, WritingFamily family, RestBreaks breaks)
        : m_measurer(measurer),
          m_width(static_cast<long long>(box.right) - box.left),
          m_height(static_cast<long long>(box.bottom) - box.top),
          m_limit(AxisOfRotation(japanese.rotation) == LineAxis::kX ? m_width : m_height),
          m_rest(rest),
          m_pitch(pitch),
          m_japanese(japanese),
          m_latin(latin),
          m_family(family),
          m_breaks(breaks)
    {
    }

    LineEnd Take(std::string& line, int& extent);

private:
    // In vertical writing katakana and plain single bytes stand upright, one per cell.
    bool IsUpright(CharClass charClass) const
    {
        return m_family == WritingFamily::kVertical &&
               (charClass == CharClass::kHalfWidthKatakana || charClass == CharClass::kSingleByte);
    }
    TextExtent Measure(const Run& run) const;
    long long Along(const Run& run, const TextExtent& measured) const
    {
        return IsUpright(run.charClass) ? static_cast<long long>(run.chars) * measured.cy : measured.cx;
    }
    int Across(const Run& run, const TextExtent& measured) const
    {
        return IsUpright(run.charClass) ? measured.cx : measured.cy;
    }
    bool MeasureGrowingRun(const Run& run, TextExtent& measured);
    bool EndsInside(long long sum, const Run& run, const TextExtent& measured) const
    {
        return sum < m_limit && sum + Along(run, measured) >= m_limit;
    }
    LineEnd EndInside(long long sum, const Run& run, const TextExtent& measured, std::string& line, int& extent) const;
    std::size_t KinsokuEnd(const Run& run, std::size_t cut) const;
    long long PartAlong(const Run& run, const TextExtent& measured, std::size_t end) const;
    long long ClosedAlongTo(std::size_t end) const;
    void Close(const Run& run, const TextExtent& measured, long long& sum);

    TextMeasurer& m_measurer;
    const long long m_width;
    const long long m_height;
    const long long m_limit;
    const std::string_view m_rest;
    int& m_pitch;
    JapaneseFont& m_japanese;
    LatinFont& m_latin;
    const WritingFamily m_family;
    const RestBreaks m_breaks;
    std::vector<ClosedRun> m_closed;
};

TextExtent LineTaker::Measure(const Run& run) const
{
    const std::string_view text = m_rest.substr(run.start, run.bytes);
    const bool vertical = m_family == WritingFamily::kVertical;
    switch (run.charClass) {
    case CharClass::kDoubleByte:
        return m_measurer.MeasureJapanese(m_japanese, text);
    case CharClass::kHalfWidthKatakana: {
        JapaneseFont font = m_japanese;
        if (vertical)
            font.rotation = (font.rotation + 3) % 4;  // a quarter turn back, so the cells stand upright
        return m_measurer.MeasureJapanese(font, text);
    }
    case CharClass::kBracket: {
        LatinFont font = m_latin;
        font.rotation = (font.rotation + 1) % 4;  // turned to run along the column
        return m_measurer.MeasureLatin(font, text);
    }
    default:
        return m_measurer.MeasureLatin(m_latin, text);
    }
}

// Measures the run; a lone character also sets the pitch and, while it does not fit the box, makes
// both fonts smaller. False when it does not fit at the smallest size.
bool LineTaker::MeasureGrowingRun(const Run& run, TextExtent& measured)
{
    measured = Measure(run);
    if (run.chars != 1)
        return true;
    m_pitch = std::max(m_pitch, Across(run, measured));
    while (measured.cx >= m_width || measured.cy >= m_height) {
        if (!ShrinkTogether(m_japanese, m_latin))
            return false;
        measured = Measure(run);
        m_pitch = std::max(m_pitch, Across(run, measured));
    }
    return true;
}

// The run's last character would make the line reach the limit: the line ends before it, or under
// the kinsoku rules at the last opportunity before that. `sum` is the length of the closed runs.
LineEnd LineTaker::EndInside(long long sum, const Run& run, const TextExtent& measured, std::string& line,
                             int& extent) const
{
    const std::size_t cut = run.start + run.bytes - CharBytes(run.charClass);
    const std::size_t end = m_breaks.Kinsoku() ? KinsokuEnd(run, cut) : cut;
    line.assign(m_rest.substr(0, end));
    extent = Saturated(end >= run.start ? sum + PartAlong(run, measured, end) : ClosedAlongTo(end));
    return LineEnd::kMoreText;
}

// The last opportunity at or before `cut`, without the spaces before it; `cut` itself when the
// line has none.
std::size_t LineTaker::KinsokuEnd(const Run& run, std::size_t cut) const
{
    std::size_t end = 0;
    const auto latestIn = [&](const Run& part) {
        const std::size_t step = CharBytes(part.charClass);
        for (std::size_t pos = part.start; pos < part.start + part.bytes && pos <= cut; pos += step)
            if (pos > 0 && m_breaks.Allows(pos))
                end = pos;
    };
    for (const ClosedRun& closed : m_closed)
        latestIn(closed.run);
    latestIn(run);
    if (end == 0)
        return cut;
    std::size_t trimmed = end;
    while (trimmed > 0 && m_rest[trimmed - 1] == ' ')
        --trimmed;
    return trimmed > 0 ? trimmed : end;
}

// The length along the line of the part of `run` before byte `end`.
long long LineTaker::PartAlong(const Run& run, const TextExtent& measured, std::size_t end) const
{
    if (run.start >= end)
        return 0;
    if (run.start + run.bytes <= end)
        return Along(run, measured);
    Run part = run;
    part.bytes = end - run.start;
    part.chars = static_cast<int>(part.bytes / CharBytes(run.charClass));
    return IsUpright(part.charClass) ? static_cast<long long>(part.chars) * measured.cy : Measure(part).cx;
}

// The length of the line's first `end` bytes when they end among the closed runs.
long long LineTaker::ClosedAlongTo(std::size_t end) const
{
    long long along = 0;
    for (const ClosedRun& closed : m_closed)
        along += PartAlong(closed.run, closed.measured, end);
    return along;
}

// Adds a finished run to the line; the kinsoku rules may take the line back into it.
void LineTaker::Close(const Run& run, const TextExtent& measured, long long& sum)
{
    if (run.chars == 0)
        return;
    sum += Along(run, measured);
    if (m_breaks.Kinsoku())
        m_closed.push_back({run, measured});
}

LineEnd LineTaker::Take(std::string& line, int& extent)
{
    long long sum = 0;  // extent of the runs closed so far
    Run run;
    TextExtent measured;
    std::size_t pos = 0;
    while (pos < m_rest.size()) {
        measured = TextExtent{};
        if (run.chars > 0) {
            if (!MeasureGrowingRun(run, measured))
                return LineEnd::kTooSmall;
            if (EndsInside(sum, run, measured))
                return EndInside(sum, run, measured, line, extent);
        }
        const CharClass charClass = ClassifyChar(m_rest, pos, m_family);
        if (charClass == CharClass::kControl) {
            Close(run, measured, sum);
            line.assign(m_rest.substr(0, pos));
            extent = Saturated(sum);
            return LineEnd::kMoreText;
        }
        if (run.chars == 0 || charClass != run.charClass) {
            Close(run, measured, sum);
            run = Run{pos, 0, 0, charClass};
        }
        run.bytes += CharBytes(charClass);
        ++run.chars;
        pos += CharBytes(charClass);
    }
    if (run.chars > 0) {
        if (!MeasureGrowingRun(run, measured))
            return LineEnd::kTooSmall;
        if (EndsInside(sum, run, measured))
            return EndInside(sum, run, measured, line, extent);
        sum += Along(run, measured);
    }
    line.assign(m_rest);
    extent = Saturated(sum);
    return LineEnd::kLastLine;
}

}  // namespace

LineEnd TakeLine(TextMeasurer& measurer, const Rect& box, std::string_view rest, std::string& line, int& extent,
                 int& pitch, JapaneseFont& japanese, LatinFont& latin, WritingFamily family, RestBreaks breaks)
{
    ClampSizeIndices(japanese, latin);
    return LineTaker(measurer, box, rest, pitch, japanese, latin, family, breaks).Take(line, extent);
}
