#include "platform/utf8.h"

#include <algorithm>

namespace utf8 {

void Append(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t CharLength(std::string_view s, std::size_t pos)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(pos);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + n > s.size())
        return 0;
    char32_t value = c & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(pos + i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (b(pos + i) & 0x3F);
    }
    if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return n;
}

std::size_t FirstBad(std::string_view s)
{
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t n = CharLength(s, pos);
        if (n == 0)
            return pos;
        pos += n;
    }
    return std::string_view::npos;
}

char32_t Next(std::string_view s, std::size_t& pos)
{
    const auto c = static_cast<unsigned char>(s[pos]);
    const std::size_t claimed = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    // A character cut short at the end stops there, never past it.
    const std::size_t n = std::min(claimed, s.size() - pos);
    char32_t value = claimed == 1 ? c : c & (0x7F >> claimed);
    for (std::size_t i = 1; i < n; ++i)
        value = (value << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    pos += n;
    return value;
}

}  // namespace utf8
