#include "pages/colour_palette.h"

#include "controls/font_button.h"
#include "res/look.h"
#include "res/string_table.h"

#include <cstdlib>

namespace {
constexpr int kTickPixels = 16;

// A tick that stands out on the face: white on dark colours, black on light ones.
QColor TickColour(const QColor& face)
{
    return face.lightness() < 140 ? QColor(Qt::white) : QColor(Qt::black);
}
}  // namespace

std::uint32_t PaletteColour(int stringId)
{
    const std::optional<std::string> text = LoadResString(stringId);
    if (!text)
        return 0;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text->c_str(), &end, 16);
    return end == text->c_str() ? 0 : static_cast<std::uint32_t>(value & 0xFFFFFF);
}

// The tick is the caption in the tick colour while chosen, in the face colour (unseen) otherwise.
void SetUpColourButton(CFontButton& button, std::uint32_t colour)
{
    const QColor face = ColourFromRef(colour);
    button.CreateFont(CaptionFont(kTickPixels));
    button.SetCaption(QStringLiteral("✔"));
    button.SetColours(TickColour(face), face);
    button.SetSecondColours(face, face);
    button.SetTwoColourMode(true);
}
