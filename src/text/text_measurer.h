#pragma once
// What the text layout asks of the fonts: how long and how high a run of text is in one font of
// the pool. The layout never touches a font itself, so it runs with real fonts in the program and
// with round numbers in the tests.
#include <cstdint>
#include <string_view>

// Rotations count quarter turns clockwise on the sheet: 0 left to right, 1 downwards, 2 right to
// left upside down, 3 upwards. Size indices point into kFontSizes.

struct JapaneseFont {
    int face = 0;           // 0 "ＭＳ ゴシック", 1 "ＭＳ 明朝", 2 the other typeface
    bool vertical = false;  // the vertical-writing ("@") variant of the face
    bool bold = false;
    int rotation = 0;   // 0..3
    int sizeIndex = 0;  // 0..21
};

struct LatinFont {
    int face = 0;  // 0 "Times New Roman", 1 "Arial", 2 "Courier New", 3 "Impact"
    bool bold = false;
    int rotation = 0;   // 0..3
    int sizeIndex = 0;  // 0..21
};

// Both in 0.01 mm.
struct TextExtent {
    int cx = 0;  // advance of the whole run along its baseline
    int cy = 0;  // the font's ascent + descent
};

// Measures runs of code page 932 bytes. A run is never empty, holds characters of one class only
// and is measured as one string, so kerning inside it counts. The layout passes every field of a
// font in the ranges above.
//
// Japanese runs hold double-byte characters (lead and trail byte) or half-width katakana
// (0xA1-0xDF). Latin runs hold any other bytes except control bytes, including bytes that are not
// valid code page 932 (a lone lead byte, 0x80, 0xA0, 0xFD-0xFF); an implementation must accept
// them, for example by measuring a replacement character.
//
// The layout measures a run again each time it grows by one character, so an implementation
// should make that cheap (cached advances per font and character). Lengths must not depend on the
// rotation; it is passed because the pool keeps one font per rotation.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual TextExtent MeasureJapanese(const JapaneseFont& font, std::string_view run) = 0;
    virtual TextExtent MeasureLatin(const LatinFont& font, std::string_view run) = 0;
    // Changes whenever the fonts behind the measurements change, so cached layouts are redone.
    virtual std::uint64_t FontsVersion() const { return 0; }
};
