// Code page 932 text on any bytes. Characters are one or two bytes and stepping back finds their
// starts; the table decoder and iconv agree on every text they can both decode; a conversion to
// UTF-8 is always valid UTF-8, and going there and back keeps every character.
#include "fuzz_check.h"
#include "platform/cp932.h"
#include "platform/utf8.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

bool IsValidUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

// Character starts, found by stepping forward.
std::vector<std::size_t> CharStarts(const std::string& text)
{
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < text.size();) {
        starts.push_back(pos);
        const std::size_t n = cp932::CharLength(text, pos);
        const bool lead = cp932::IsLeadByte(static_cast<unsigned char>(text[pos]));
        Require(n == (lead && pos + 1 < text.size() ? 2u : 1u), "a lead byte with a byte after it starts two bytes");
        pos += n;
    }
    return starts;
}

void CheckSteppingBack(const std::string& text, const std::vector<std::size_t>& starts)
{
    // The last few characters are enough: each step back scans from the start.
    const std::size_t first = starts.size() > 8 ? starts.size() - 8 : 0;
    for (std::size_t k = first; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        Require(cp932::PreviousCharStart(text, end) == starts[k], "stepping back lands on the character's start");
    }
}

void CheckDecoding(const std::string& text, const std::vector<std::size_t>& starts)
{
    const std::u32string points = cp932::ToCodePoints(text);
    Require(points.size() == starts.size(), "one code point per character");
    std::string utf8;
    bool decodable = true;
    for (char32_t c : points) {
        decodable = decodable && c != U'\uFFFD';
        utf8::Append(c, utf8);
    }
    const std::string converted = cp932::ToUtf8(text);
    Require(IsValidUtf8(converted), "conversion to UTF-8 gives valid UTF-8");
    if (!decodable)
        return;
    Require(converted == utf8, "the table decoder and iconv agree");
    Require(cp932::ToCodePoints(cp932::FromUtf8(converted)) == points, "there and back keeps every character");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::size_t> starts = CharStarts(text);
    CheckSteppingBack(text, starts);
    CheckDecoding(text, starts);
    cp932::FromUtf8(text);
    return 0;
}
