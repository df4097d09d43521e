#include "render/sticker_style.h"

#include "design/seal_format.h"
#include "text/size_steps.h"

std::optional<StickerStyle> StyleFor(const SealPiece& owner, int defaultSize, int partParity, const DesignLook& look)
{
    const std::optional<DrawModeInfo> mode = DrawModeFor(look.layoutMode, partParity);
    if (!mode)
        return std::nullopt;
    const int sizeIndex = StartSizeIndex(owner.m_nSize == -1 ? defaultSize : owner.m_nSize);
    const bool bold = look.bold;
    StickerStyle style;
    style.family = mode->family;
    style.type = mode->type;
    style.fonts.japanese = JapaneseFont{look.japaneseFace, mode->vertical, bold, mode->type, sizeIndex};
    style.fonts.latin = LatinFont{look.latinFace, bold, mode->latinRotation, sizeIndex};
    style.align = AlignmentsFor(*mode, owner.m_nAlignH, owner.m_nAlignV);
    return style;
}

QColor FromColorRef(std::uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QColor TextColour(int id)
{
    const long value = TextColourValue(id);
    return value < 0 ? QColor(Qt::black) : FromColorRef(static_cast<std::uint32_t>(value));
}

QColor StickerTextColour(const SealPiece& piece, const DesignLook& look)
{
    return TextColour(piece.m_nTextColour == kNoTextColour ? look.textColour : piece.m_nTextColour);
}

QColor StickerFrameColour(const SealPiece& piece, std::uint32_t sheetFrame)
{
    return FromColorRef(piece.m_crFrame == kNoFrameColour ? sheetFrame : piece.m_crFrame);
}
