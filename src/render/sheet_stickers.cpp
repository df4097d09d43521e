#include "render/sheet_stickers.h"

#include "render/sheet_views.h"
#include "render/sticker_style.h"
#include "text/layout_mode.h"

namespace {

Rect Shifted(const Rect& r, QPoint offsets)
{
    return Rect{r.left + offsets.x(), r.top - offsets.y(), r.right + offsets.x(), r.bottom - offsets.y()};
}

void UseFramePen(QPainter& painter, const QPen& pen, const StickerDrawing& drawing)
{
    if (drawing.penFloor)
        SetPen(painter, pen);
    else
        painter.setPen(pen);
}

// The stored lines of one sticker, in its style; `owner` holds the size, alignments and colour.
void DrawStickerLines(QPainter& painter, const SealPiece& piece, const SealPiece& owner, int partParity,
                      int defaultSize, const DesignLook& look, const StickerDrawing& drawing, const CFontPool& pool)
{
    const std::optional<StickerStyle> style = StyleFor(owner, defaultSize, partParity, look);
    if (!style)
        return;
    painter.setPen(StickerTextColour(owner, look));
    DrawTextBlock(painter, style->family, piece.m_rcText, piece.m_lines, piece.m_lineExtents, piece.m_nPitch,
                  style->fonts, style->type, style->align,
                  DeviceOffsets{true, drawing.offsets.x(), drawing.offsets.y()}, pool);
}

}  // namespace

StickerDrawing ScreenDrawing() { return StickerDrawing{true, true, false, QPoint()}; }

StickerDrawing PaperDrawing(QPoint offsets) { return StickerDrawing{false, false, true, offsets}; }

void DrawSheetStickers(QPainter& painter, const CSealData2& sheet, const DesignLook& look,
                       const StickerDrawing& drawing, const CFontPool& pool)
{
    for (const SealPiece& piece : sheet.m_pieces) {
        const QPen framePen = SolidPen(StickerFrameColour(piece, sheet.m_crFrame), sheet.m_nFramePen);
        const Rect frame = Shifted(piece.m_rcFrame, drawing.offsets);
        if (piece.m_bOverflow) {
            DrawOverflowBox(painter, frame, sheet.m_nFrameRound, sheet.m_bFrame ? framePen : QPen(Qt::NoPen));
        } else {
            DrawStickerLines(painter, piece, piece, 0, sheet.m_nDefaultSize, look, drawing, pool);
            if (sheet.m_bFrame) {
                UseFramePen(painter, framePen, drawing);
                DrawRoundRect(painter, frame, sheet.m_nFrameRound);
            }
        }
        if (drawing.outlines) {
            SetPen(painter, SolidPen(Qt::black, 0));
            DrawRoundRect(painter, piece.m_rcPiece, sheet.m_nOutlineRound);
        }
    }
}

void DrawSheetStickers(QPainter& painter, const CSealData3& sheet, const DesignLook& look,
                       const StickerDrawing& drawing, const CFontPool& pool)
{
    const std::optional<ZolviCorners> corners = CornersFor(look.sheetType);
    if (drawing.outlines) {
        if (!corners)
            return;
        DrawZolviOutlines(painter, sheet, *corners);
    }
    const bool sameText = SameTextPairs(look.layoutMode);
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i) {
        const SealPiece& piece = sheet.m_pieces[i];
        const bool second = i % 2 == 1;
        const SealPiece& owner = sameText && second ? sheet.m_pieces[i - 1] : piece;
        const QPen framePen = GeometricPen(StickerFrameColour(owner, sheet.m_crFrame), sheet.m_nFramePen);
        const Rect frame = Shifted(piece.m_rcFrame, drawing.offsets);
        if (piece.m_bOverflow) {
            const QPen boxPen = drawing.overflowInFramePen
                                    ? framePen
                                    : SolidPen(StickerFrameColour(piece, sheet.m_crFrame), sheet.m_nFramePen);
            DrawOverflowBox(painter, frame, sheet.m_nFrameRound, sheet.m_bFrame ? boxPen : QPen(Qt::NoPen));
            continue;
        }
        DrawStickerLines(painter, piece, owner, second ? 1 : 0, sheet.m_nDefaultSize, look, drawing, pool);
        if (sheet.m_bFrame && corners) {
            UseFramePen(painter, framePen, drawing);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(PartFrame(frame, !second, corners->partFrame));
        }
    }
}

void DrawZolviOutlines(QPainter& painter, const CSealData3& sheet, const ZolviCorners& corners)
{
    SetPen(painter, GeometricPen(Qt::black, sheet.m_nOutlinePen));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i + 1 < sheet.m_pieces.size(); i += 2)
        painter.drawPath(FoldedOutline(sheet.m_pieces[i].m_rcPiece, sheet.m_pieces[i + 1].m_rcPiece, corners.outline,
                                       corners.foldDashes));
    if (sheet.m_nKind != 5)
        return;
    SetPen(painter, GeometricPen(QColor(0x7F, 0x7F, 0x7F), corners.greyBand));
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i)
        painter.drawPath(PartFrame(sheet.m_pieces[i].m_rcFrame, i % 2 == 0, corners.partFrame));
}
