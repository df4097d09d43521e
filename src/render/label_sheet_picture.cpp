#include "render/label_sheet_picture.h"

#include "format/label_sheet.h"
#include "render/print_page.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kPaper(244, 243, 237);
const QColor kLabelFill(228, 238, 250);
const QColor kOutline(150, 150, 150);
const QColor kDigit(85, 85, 85);

QSize CanvasOf(const CSealData2& sheet)
{
    const std::optional<PaperExtent> paper = LabelPaper(sheet);
    if (!paper)
        return PaperCanvas(false);
    return QSize(qRound(paper->width * kCanvasDpi / 2540.0), qRound(paper->height * kCanvasDpi / 2540.0));
}

QRectF ToPixels(const Rect& r)
{
    const double f = kCanvasDpi / 2540.0;
    return QRectF(r.left * f, r.top * f, (r.right - r.left) * f, (r.bottom - r.top) * f);
}

void DrawLabel(QPainter& painter, const QRectF& label, double corner)
{
    if (corner > 0)
        painter.drawRoundedRect(label, corner / 2, corner / 2);
    else
        painter.drawRect(label);
}

}  // namespace

QImage LabelPaperPicture(const CSealData2& sheet)
{
    QImage picture(CanvasOf(sheet), QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage LabelSheetMap(const CSealData2& sheet)
{
    QImage picture(CanvasOf(sheet), QImage::Format_RGB32);
    picture.fill(kPaper);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double corner = sheet.m_nOutlineRound * kCanvasDpi / 2540.0;
    painter.setPen(QPen(kOutline, 2.0));
    painter.setBrush(kLabelFill);
    for (const SealPiece& piece : sheet.m_pieces)
        DrawLabel(painter, ToPixels(piece.m_rcPiece), corner);
    painter.setPen(kDigit);
    QFont digits(QStringLiteral("DejaVu Sans"));
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i) {
        const QRectF label = ToPixels(sheet.m_pieces[i].m_rcPiece);
        digits.setPixelSize(std::max(6, static_cast<int>(std::min(label.height() * 0.5, label.width() * 0.3))));
        painter.setFont(digits);
        painter.drawText(label, Qt::AlignCenter, QString::number(i + 1));
    }
    return picture;
}
