#include "res/look.h"

QColor ColourFromRef(std::uint32_t colourRef)
{
    return QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF);
}

std::uint32_t RefFromColour(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8)
           | (static_cast<std::uint32_t>(colour.blue()) << 16);
}

QColor PageColour()
{
    return ColourFromRef(kPageColourRef);
}

namespace {
QFont JapaneseFont(const char* family, int pixelSize, int weight)
{
    QFont font(QString::fromLatin1(family));
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}
}  // namespace

QFont CaptionFont(int pixelSize, int weight)
{
    return JapaneseFont("IPAPGothic", pixelSize, weight);
}

QFont GothicFont(int pixelSize, int weight)
{
    return JapaneseFont("IPAGothic", pixelSize, weight);
}
