#pragma once
// The product's look: the cream page colour and the caption typeface.
#include <QColor>
#include <QFont>

#include <cstdint>

// Colour values keep red in the low byte.
QColor ColourFromRef(std::uint32_t colourRef);
std::uint32_t RefFromColour(const QColor& colour);

inline constexpr std::uint32_t kPageColourRef = 0xD0ECEF;
QColor PageColour();

// "ＭＳ Ｐゴシック" at a pixel height for 96 dots per inch; weight in the 100..900 scale.
QFont CaptionFont(int pixelSize, int weight = 900);
// "ＭＳ ゴシック", the fixed-pitch Japanese face of list cells.
QFont GothicFont(int pixelSize, int weight = 400);
