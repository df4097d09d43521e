#pragma once
// Code page 932 (Windows Shift_JIS) text. The core keeps texts as the bytes the files hold;
// conversion happens only at the edges (screen, fonts, JSON).
#include <cstddef>
#include <string>

namespace cp932 {

// First byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char c);
// Half-width katakana and their punctuation (0xA1-0xDF), one byte each.
bool IsHalfWidthKatakana(unsigned char c);
// Byte length (1 or 2) of the character that starts at `pos`; a lead byte at the very end counts 1.
std::size_t CharLength(const std::string& text, std::size_t pos);
// Start of the character that ends just before `pos` (for Backspace), scanning from the start
// because a trail byte can look like a lead byte.
std::size_t PreviousCharStart(const std::string& text, std::size_t pos);

// The Unicode code point of the character at `pos` (U+FFFD for a byte sequence code page 932
// does not define); `length` receives its byte length. Table-driven, for shaping on every keystroke.
char32_t DecodeChar(const std::string& text, std::size_t pos, std::size_t* length);
// One code point per character, in order.
std::u32string ToCodePoints(const std::string& cp932Text);

// Conversions through iconv "CP932". Bytes that cannot be converted become U+FFFD / '?'.
std::string ToUtf8(const std::string& cp932Text);
std::string FromUtf8(const std::string& utf8Text);

}  // namespace cp932
