#pragma once
// A measurer with round numbers, so every break and shrink can be worked out by hand. At size index
// s, with u = s + 1:
//   Japanese font: a double-byte character is 10u long, a half-width katakana 6u; height 12u.
//   Latin font: every byte is 5u long; height 11u.
// At index 9 (16 points) that is 100, 60 and 120; 50 and 110.
// It logs every run and fails the test when the layout breaks the measuring contract.
#include "text/text_measurer.h"

#include <string>
#include <string_view>
#include <vector>

struct MeasuredRun {
    bool japanese = false;
    bool vertical = false;
    bool bold = false;
    int face = 0;
    int rotation = 0;
    int sizeIndex = 0;
    std::string text;
};

class FakeMeasurer : public TextMeasurer {
public:
    TextExtent MeasureJapanese(const JapaneseFont& font, std::string_view run) override;
    TextExtent MeasureLatin(const LatinFont& font, std::string_view run) override;

    std::vector<MeasuredRun> log;
};
