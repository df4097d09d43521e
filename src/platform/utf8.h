#pragma once
// UTF-8, for text that comes from outside the program (lists, pasted lines) before it becomes code
// page 932.
#include <string>
#include <string_view>

namespace utf8 {

// Appends the UTF-8 bytes of code point `c`.
void Append(char32_t c, std::string& out);
// Length of the well-formed character at `pos` (no overlong forms, surrogates or values above
// U+10FFFF), or 0.
std::size_t CharLength(std::string_view s, std::size_t pos);
// Where the first byte that does not start a well-formed character is, or npos.
std::size_t FirstBad(std::string_view s);
// The code point at `pos` of well-formed text; `pos` moves past it, and never beyond the end.
char32_t Next(std::string_view s, std::size_t& pos);

}  // namespace utf8
