#include "fake_measurer.h"

#include "platform/cp932.h"
#include "text/char_class.h"

#include <gtest/gtest.h>

namespace {

void CheckFont(int face, int faces, int rotation, int sizeIndex, std::string_view run)
{
    EXPECT_FALSE(run.empty());
    EXPECT_TRUE(face >= 0 && face < faces) << "face " << face;
    EXPECT_TRUE(rotation >= 0 && rotation <= 3) << "rotation " << rotation;
    EXPECT_TRUE(sizeIndex >= 0 && sizeIndex <= 21) << "size index " << sizeIndex;
}

// A Japanese run is all double-byte characters or all half-width katakana.
void CheckJapaneseRun(std::string_view run)
{
    const bool katakana = !run.empty() && cp932::IsHalfWidthKatakana(static_cast<unsigned char>(run[0]));
    for (std::size_t i = 0; i < run.size(); i += katakana ? 1 : 2) {
        const CharClass c = ClassifyChar(run, i, WritingFamily::kHorizontal);
        EXPECT_EQ(c, katakana ? CharClass::kHalfWidthKatakana : CharClass::kDoubleByte) << "Japanese run mixes classes";
    }
}

// A Latin run holds no control byte, no katakana and no whole double-byte character.
void CheckLatinRun(std::string_view run)
{
    for (std::size_t i = 0; i < run.size(); ++i) {
        const auto c = static_cast<unsigned char>(run[i]);
        EXPECT_FALSE(c < 0x20 || c == 0x7F) << "control byte in a run";
        EXPECT_FALSE(cp932::IsHalfWidthKatakana(c)) << "katakana in a Latin run";
        EXPECT_FALSE(i + 1 < run.size() && cp932::IsLeadByte(c) && IsTrailByte(static_cast<unsigned char>(run[i + 1])))
            << "double-byte character in a Latin run";
    }
}

}  // namespace

TextExtent FakeMeasurer::MeasureJapanese(const JapaneseFont& font, std::string_view run)
{
    CheckFont(font.face, 3, font.rotation, font.sizeIndex, run);
    CheckJapaneseRun(run);
    log.push_back({true, font.vertical, font.bold, font.face, font.rotation, font.sizeIndex, std::string(run)});
    const int u = font.sizeIndex + 1;
    int cx = 0;
    for (std::size_t i = 0; i < run.size();) {
        const bool doubleByte = cp932::IsLeadByte(static_cast<unsigned char>(run[i])) && i + 1 < run.size();
        cx += doubleByte ? 10 * u : 6 * u;
        i += doubleByte ? 2 : 1;
    }
    return {cx, 12 * u};
}

TextExtent FakeMeasurer::MeasureLatin(const LatinFont& font, std::string_view run)
{
    CheckFont(font.face, 4, font.rotation, font.sizeIndex, run);
    CheckLatinRun(run);
    log.push_back({false, false, font.bold, font.face, font.rotation, font.sizeIndex, std::string(run)});
    const int u = font.sizeIndex + 1;
    return {5 * u * static_cast<int>(run.size()), 11 * u};
}
