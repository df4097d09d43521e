#pragma once
// The text colours offered as buttons: each button stands for a string-table id whose text is
// the colour value in hexadecimal. The font page shows the first sixteen; the colour dialog all
// seventeen, the last being the near-white "no frame" value.
#include <array>
#include <cstdint>

class CFontButton;

struct PaletteEntry {
    int buttonId;
    int stringId;
};

inline constexpr std::array<PaletteEntry, 17> kPalette = {{{1039, 102}, {1040, 103}, {1044, 104}, {1041, 105},
                                                           {1042, 106}, {1043, 107}, {1046, 115}, {1047, 116},
                                                           {1051, 117}, {1048, 114}, {1049, 113}, {1050, 112},
                                                           {1053, 108}, {1052, 109}, {1055, 110}, {1054, 111},
                                                           {1056, 118}}};
inline constexpr std::size_t kTextPaletteSize = 16;

// The colour value (red in the low byte) of a string id's text; a text the table lacks or that
// is no hexadecimal number counts as black.
std::uint32_t PaletteColour(int stringId);

// Gives a palette button its colour face. The chosen button (toggled on) shows pushed in and
// ticked.
void SetUpColourButton(CFontButton& button, std::uint32_t colour);
