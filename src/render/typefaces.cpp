#include "render/typefaces.h"

namespace {
const char* const kJapaneseNames[] = {"ＭＳ ゴシック", "ＭＳ 明朝"};
const char* const kLatinNames[] = {"Times New Roman", "Arial", "Courier New", "Impact"};
}  // namespace

std::string JapaneseFaceName(int face, const std::string& otherFaceUtf8)
{
    if (face == 0 || face == 1)
        return kJapaneseNames[face];
    return otherFaceUtf8;
}

std::string LatinFaceName(int face) { return face >= 0 && face < kLatinFaces ? kLatinNames[face] : ""; }

std::vector<FamilyChoice> JapaneseFamilies(int face, const QString& otherFace)
{
    switch (face) {
    case 0:
        return {{"IPAGothic"}, {"Noto Sans CJK JP"}};
    case 1:
        return {{"IPAMincho"}, {"Noto Serif CJK JP"}, {"IPAGothic"}};
    default:
        if (otherFace.isEmpty())
            return {};
        return {{otherFace}};
    }
}

std::vector<FamilyChoice> LatinFamilies(int face)
{
    switch (face) {
    case 0:
        return {{"Liberation Serif"}, {"DejaVu Serif"}};
    case 1:
        return {{"Liberation Sans"}, {"DejaVu Sans"}};
    case 2:
        return {{"Liberation Mono"}, {"DejaVu Sans Mono"}};
    case 3:
        // No metric-compatible Impact exists in Debian; a condensed heavy sans comes closest.
        return {{"DejaVu Sans", QFont::Condensed, true}, {"Liberation Sans Narrow", QFont::Unstretched, true},
                {"Liberation Sans", QFont::Unstretched, true}};
    default:
        return {};
    }
}
