#pragma once
// The classes the layout sorts code page 932 characters into. Consecutive characters of one class
// form a run, measured with one font.
#include "text/writing.h"

#include <cstddef>
#include <string_view>

enum class CharClass {
    kDoubleByte,          // lead byte and trail byte: Japanese font
    kHalfWidthKatakana,   // 0xA1-0xDF: Japanese font
    kBracket,             // one of "()[]-=~<>{}" in vertical writing: Latin font turned a quarter further
    kSingleByte,          // any other byte: Latin font
    kControl,             // 0x00-0x1F and 0x7F: ends the line
};

// Second byte of a double-byte character (0x40-0x7E, 0x80-0xFC).
bool IsTrailByte(unsigned char c);

// Class of the character at `pos` (< text.size()). A lead byte not followed by a trail byte is a
// single byte; brackets are a class of their own only in vertical writing.
CharClass ClassifyChar(std::string_view text, std::size_t pos, WritingFamily family);

// Bytes one character of the class takes.
std::size_t CharBytes(CharClass charClass);

// Bytes of the line end at `pos`: 1 for a control character, else 0. Every control character ends
// a line and goes with it, so a stray carriage return or tab can never hold the layout up.
std::size_t LineEndLength(std::string_view text, std::size_t pos);
