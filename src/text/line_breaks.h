#pragma once
// Where a line of sticker text may end. Plain breaks fall between any two characters. The kinsoku
// rules are Unicode line breaking (UAX #14) with the strict Japanese tailoring: words and numbers
// stay whole, closing marks, small kana and "ー" never start a line, opening marks never end one.
#include <cstddef>
#include <string_view>
#include <vector>

enum class LineBreaks {
    kPlain,    // between any two characters, as designs always printed
    kKinsoku,  // at the break opportunities of the text only, where the line has one
};

// The break opportunities of one code page 932 text, by byte offset. A run of spaces before an
// opportunity counts as one too: a line may end before the spaces, which then belong to no line.
class BreakOpportunities {
public:
    // Plain breaks: every character boundary.
    BreakOpportunities() = default;
    BreakOpportunities(std::string_view text, LineBreaks breaks);

    bool Kinsoku() const { return m_kinsoku; }
    // Whether a line may end before byte `pos` of the text, a character boundary inside it.
    bool Allows(std::size_t pos) const { return m_allowed.empty() || m_allowed[pos]; }

private:
    bool m_kinsoku = false;
    std::vector<bool> m_allowed;  // one per byte offset and the end; empty: every boundary
};

// The opportunities of what is left of a text once `offset` bytes have gone into earlier lines.
struct RestBreaks {
    const BreakOpportunities* text = nullptr;  // nullptr: plain breaks
    std::size_t offset = 0;

    bool Kinsoku() const { return text && text->Kinsoku(); }
    bool Allows(std::size_t pos) const { return !text || text->Allows(offset + pos); }
};

// Bytes of the spaces at the start of `text`.
std::size_t LeadingSpaces(std::string_view text);
