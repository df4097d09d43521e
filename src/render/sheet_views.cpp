#include "render/sheet_views.h"

#include "format/label_sheet.h"
#include "render/sheet_stickers.h"
#include "render/sticker_style.h"
#include "render/zolvi_figures.h"

#include <cmath>

namespace {

constexpr long long kPostcardWidth = 10000;  // 0.01 mm: the paper the whole-sheet views are made for
constexpr long long kPostcardHeight = 14800;

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

// A label sheet's paper (A4, Letter) is larger than the postcard the views are made for: it is
// shown smaller, so that the whole paper fits the same view as a postcard does.
int OrvanelSheetScale(const CSealData2& sheet)
{
    const std::optional<PaperExtent> paper = LabelPaper(sheet);
    if (!paper)
        return kScaleSheet;
    const long long byHeight = static_cast<long long>(kScaleSheet) * paper->height / kPostcardHeight;
    const long long byWidth = static_cast<long long>(kScaleSheet) * paper->width / kPostcardWidth;
    return static_cast<int>(std::max<long long>(kScaleSheet, std::max(byHeight, byWidth)));
}

void DrawOrvanelSheet(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet, const DesignLook& look,
                      const CFontPool& pool)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, OrvanelSheetScale(sheet)));
    DrawSheetStickers(painter, sheet, look, ScreenDrawing(), pool);
}

void DrawZolviSheet(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const DesignLook& look,
                    const CFontPool& pool)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, ZolviSheetScale(sheet)));
    DrawSheetStickers(painter, sheet, look, ScreenDrawing(), pool);
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
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, OrvanelSheetScale(sheet)));
    SetPen(painter, GeometricPen(Qt::black, 1));
    for (const SealPiece& piece : sheet.m_pieces)
        DrawRoundRect(painter, piece.m_rcPiece, sheet.m_nOutlineRound);
    DrawPaperEdge(painter, frame);
}

void DrawZolviSelection(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const DesignLook& look)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, ZolviSheetScale(sheet)));
    if (const std::optional<ZolviCorners> corners = CornersFor(look.sheetType))
        DrawZolviOutlines(painter, sheet, *corners);
    DrawPaperEdge(painter, frame);
}
