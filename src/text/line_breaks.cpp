#include "text/line_breaks.h"

#include "platform/cp932.h"
#include "text/char_class.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

namespace {

// One iterator per thread, made once: making one loads the rules (milliseconds), reusing it costs
// nothing. Null when the ICU data cannot be loaded; the text then breaks plainly.
icu::BreakIterator* StrictJapaneseLines()
{
    thread_local const std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createLineInstance(icu::Locale::createFromName("ja@lb=strict"), status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return iterator.get();
}

// The text as UTF-16 for the analysis, with the byte offset each UTF-16 unit starts at (and the
// end). Characters are cut exactly as the layout cuts them.
struct Utf16Text {
    icu::UnicodeString units;
    std::vector<std::size_t> byteOffsets;
};

Utf16Text ToUtf16(std::string_view text)
{
    Utf16Text out;
    out.byteOffsets.reserve(text.size() + 1);
    std::string character;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t bytes = CharBytes(ClassifyChar(text, pos, WritingFamily::kHorizontal));
        character.assign(text.substr(pos, bytes));
        const auto codePoint = static_cast<UChar32>(cp932::DecodeChar(character, 0, nullptr));
        out.units.append(codePoint);
        out.byteOffsets.insert(out.byteOffsets.end(), U16_LENGTH(codePoint), pos);
        pos += bytes;
    }
    out.byteOffsets.push_back(text.size());
    return out;
}

std::vector<bool> Analyse(std::string_view text)
{
    icu::BreakIterator* iterator = StrictJapaneseLines();
    if (!iterator)
        return {};
    const Utf16Text utf16 = ToUtf16(text);
    iterator->setText(utf16.units);
    std::vector<bool> allowed(text.size() + 1, false);
    for (int32_t at = iterator->first(); at != icu::BreakIterator::DONE; at = iterator->next())
        allowed[utf16.byteOffsets[static_cast<std::size_t>(at)]] = true;
    return allowed;
}

// Spaces hang at the end of a line: ending before them is as good as ending after them.
void AllowBeforeSpaces(std::string_view text, std::vector<bool>& allowed)
{
    for (std::size_t pos = text.size(); pos-- > 0;)
        if (text[pos] == ' ' && allowed[pos + 1])
            allowed[pos] = true;
}

}  // namespace

BreakOpportunities::BreakOpportunities(std::string_view text, LineBreaks breaks)
    : m_kinsoku(breaks == LineBreaks::kKinsoku)
{
    if (!m_kinsoku)
        return;
    m_allowed = Analyse(text);
    if (!m_allowed.empty())
        AllowBeforeSpaces(text, m_allowed);
}

std::size_t LeadingSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? text.size() : first;
}
