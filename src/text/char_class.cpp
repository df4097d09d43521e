#include "text/char_class.h"

#include "platform/cp932.h"

namespace {

bool IsControlByte(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool IsBracket(unsigned char c)
{
    static constexpr std::string_view kBrackets = "()[]-=~<>{}";
    return kBrackets.find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

CharClass ClassifyChar(std::string_view text, std::size_t pos, WritingFamily family)
{
    const auto c = static_cast<unsigned char>(text[pos]);
    if (cp932::IsLeadByte(c) && pos + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[pos + 1])))
        return CharClass::kDoubleByte;
    if (cp932::IsHalfWidthKatakana(c))
        return CharClass::kHalfWidthKatakana;
    if (IsControlByte(c))
        return CharClass::kControl;
    if (family == WritingFamily::kVertical && IsBracket(c))
        return CharClass::kBracket;
    return CharClass::kSingleByte;
}

std::size_t CharBytes(CharClass charClass) { return charClass == CharClass::kDoubleByte ? 2 : 1; }

std::size_t LineEndLength(std::string_view text, std::size_t pos)
{
    return pos < text.size() && IsControlByte(static_cast<unsigned char>(text[pos])) ? 1 : 0;
}
