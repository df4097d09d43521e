#include "render/sheet_views.h"

#include "design/seal_format.h"
#include "render/sticker_style.h"
#include "render/zolvi_figures.h"

#include <cmath>
#include "text/layout_mode.h"

namespace {

constexpr int kMarkColour = 0xFF0000;  // blue, as stored
const QColor kOverflowGrey(192, 192, 192);

QRectF ToQRect(const Rect& r) { return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

QPen SolidPen(const QColor& colour, int width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPen GeometricPen(const QColor& colour, int width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void SetPen(QPainter& painter, QPen pen)
{
    const QTransform& t = painter.deviceTransform();
    const double scale = std::sqrt(std::abs(t.determinant()));
    if (pen.style() != Qt::NoPen && !pen.isCosmetic() && pen.widthF() * scale < 1.0) {
        pen.setCosmetic(true);
        pen.setWidthF(1.0);
    }
    painter.setPen(pen);
}

void DrawRoundRect(QPainter& painter, const Rect& r, int corner)
{
    painter.setBrush(Qt::NoBrush);
    if (corner > 0)
        painter.drawRoundedRect(ToQRect(r), corner / 2.0, corner / 2.0);
    else
        painter.drawRect(ToQRect(r));
}

void DrawOverflowBox(QPainter& painter, const Rect& r, int corner, const QPen& outline)
{
    SetPen(painter, outline);
    painter.setBrush(kOverflowGrey);
    if (corner > 0)
        painter.drawRoundedRect(ToQRect(r), corner / 2.0, corner / 2.0);
    else
        painter.drawRect(ToQRect(r));
    painter.setBrush(Qt::NoBrush);
}

int ZolviSheetScale(const CSealData3& sheet) { return sheet.m_nKind == 5 ? kScaleSheetKind5 : kScaleSheet; }

namespace {

// The stored lines of one sticker, in its style; `owner` holds the size and alignments.
void DrawStickerLines(QPainter& painter, const SealPiece& piece, const SealPiece& owner, const QColor& colour,
                      int defaultSize, int partParity, const CFontPool& pool)
{
    const std::optional<StickerStyle> style = StyleFor(owner, defaultSize, partParity);
    if (!style)
        return;
    painter.setPen(colour);
    DrawTextBlock(painter, style->family, piece.m_rcText, piece.m_lines, piece.m_lineExtents, piece.m_nPitch,
                  style->fonts, style->type, style->align, DeviceOffsets{}, pool);
}

}  // namespace

void DrawOrvanelSheet(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet, const CFontPool& pool)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, kScaleSheet));
    for (const SealPiece& piece : sheet.m_pieces) {
        const QPen framePen = SolidPen(StickerFrameColour(piece, sheet.m_crFrame), sheet.m_nFramePen);
        if (piece.m_bOverflow) {
            DrawOverflowBox(painter, piece.m_rcFrame, sheet.m_nFrameRound, sheet.m_bFrame ? framePen : QPen(Qt::NoPen));
        } else {
            DrawStickerLines(painter, piece, piece, StickerTextColour(piece), sheet.m_nDefaultSize, 0, pool);
            if (sheet.m_bFrame) {
                SetPen(painter, framePen);
                DrawRoundRect(painter, piece.m_rcFrame, sheet.m_nFrameRound);
            }
        }
        SetPen(painter, SolidPen(Qt::black, 0));
        DrawRoundRect(painter, piece.m_rcPiece, sheet.m_nOutlineRound);
    }
}

namespace {

// Folded outlines of every pair, and the grey bands of kind-5 sheets.
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

}  // namespace

void DrawZolviSheet(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const CFontPool& pool)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, ZolviSheetScale(sheet)));
    const std::optional<ZolviCorners> corners = CornersFor(CSealFormat::s_nOldSheetType);
    if (!corners)
        return;
    DrawZolviOutlines(painter, sheet, *corners);
    const bool sameText = SameTextPairs(CSealFormat::s_nLayoutMode);
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i) {
        const SealPiece& piece = sheet.m_pieces[i];
        const bool second = i % 2 == 1;
        const SealPiece& owner = sameText && second ? sheet.m_pieces[i - 1] : piece;
        const QColor frameColour = StickerFrameColour(owner, sheet.m_crFrame);
        if (piece.m_bOverflow) {
            const QPen outline = sheet.m_bFrame ? SolidPen(StickerFrameColour(piece, sheet.m_crFrame), sheet.m_nFramePen)
                                                : QPen(Qt::NoPen);
            DrawOverflowBox(painter, piece.m_rcFrame, sheet.m_nFrameRound, outline);
            continue;
        }
        DrawStickerLines(painter, piece, owner, StickerTextColour(owner), sheet.m_nDefaultSize, second ? 1 : 0, pool);
        if (sheet.m_bFrame) {
            SetPen(painter, GeometricPen(frameColour, sheet.m_nFramePen));
            painter.drawPath(PartFrame(piece.m_rcFrame, !second, corners->partFrame));
        }
    }
}

template <typename Record>
void DrawSheetMap(QPainter& painter, const PictureFrame& frame, const Record& sheet)
{
    UseMapMapping(painter, frame, WindowExtent(frame.picture, kScaleMap));
    if (sheet.m_nCurPiece < 0 || sheet.m_nCurPiece >= static_cast<int>(sheet.m_pieces.size()))
        return;
    SetPen(painter, SolidPen(FromColorRef(kMarkColour), sheet.m_nMarkPen));
    DrawRoundRect(painter, sheet.m_pieces[static_cast<std::size_t>(sheet.m_nCurPiece)].m_rcMark, sheet.m_nMarkRound);
}

template <typename Record>
int HitTest(const Record& sheet, const PictureFrame& frame, QPoint click)
{
    const QSizeF extent = WindowExtent(frame.picture, kScaleMap);
    if (frame.client.width() <= 0 || frame.client.height() <= 0)
        return -1;
    const int x = static_cast<int>(click.x() * extent.width() / frame.client.width());
    const int y = static_cast<int>(click.y() * extent.height() / frame.client.height());
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i)
        if (sheet.m_pieces[i].m_rcHit.Contains(x, y))
            return static_cast<int>(i);
    return -1;
}

template void DrawSheetMap(QPainter&, const PictureFrame&, const CSealData2&);
template void DrawSheetMap(QPainter&, const PictureFrame&, const CSealData3&);
template int HitTest(const CSealData2&, const PictureFrame&, QPoint);
template int HitTest(const CSealData3&, const PictureFrame&, QPoint);

namespace {
void DrawPaperEdge(QPainter& painter, const PictureFrame& frame)
{
    const QSizeF paper = WindowExtent(frame.picture, kScaleMap);
    SetPen(painter, SolidPen(Qt::black, 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, paper.width(), paper.height()));
}
}  // namespace

void DrawOrvanelSelection(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, kScaleSheet));
    SetPen(painter, GeometricPen(Qt::black, 1));
    for (const SealPiece& piece : sheet.m_pieces)
        DrawRoundRect(painter, piece.m_rcPiece, sheet.m_nOutlineRound);
    DrawPaperEdge(painter, frame);
}

void DrawZolviSelection(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, ZolviSheetScale(sheet)));
    if (const std::optional<ZolviCorners> corners = CornersFor(CSealFormat::s_nOldSheetType))
        DrawZolviOutlines(painter, sheet, *corners);
    DrawPaperEdge(painter, frame);
}
