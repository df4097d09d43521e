#include "res/print_art.h"

#include "res/art_text.h"
#include "res/look.h"

#include <QPainterPath>

namespace {

QColor Accent(const ArtworkEntry& art)
{
    return QColor::fromRgb(art.accent);
}

void DrawRightArrow(QPainter& p, const QRectF& r, const QColor& colour)
{
    QPainterPath arrow;
    const double shaft = r.height() * 0.22;
    const double mid = r.center().y();
    const double head = r.right() - r.height() * 0.9;
    arrow.moveTo(r.left(), mid - shaft);
    arrow.lineTo(head, mid - shaft);
    arrow.lineTo(head, r.top());
    arrow.lineTo(r.right(), mid);
    arrow.lineTo(head, r.bottom());
    arrow.lineTo(head, mid + shaft);
    arrow.lineTo(r.left(), mid + shaft);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(arrow);
}

void DrawCup(QPainter& p, const QRectF& r, const QColor& ink)
{
    const QRectF cup(r.left() + r.width() * 0.22, r.top() + r.height() * 0.38, r.width() * 0.46, r.height() * 0.5);
    p.setPen(QPen(ink, 2.5));
    p.setBrush(QColor(0xFF, 0xFB, 0xE8));
    p.drawEllipse(QRectF(cup.right() - cup.width() * 0.08, cup.top() + cup.height() * 0.15, cup.width() * 0.34,
                         cup.height() * 0.42));
    QPainterPath body;
    body.moveTo(cup.topLeft());
    body.lineTo(cup.topRight());
    body.cubicTo(cup.right(), cup.bottom() - cup.height() * 0.1, cup.right() - cup.width() * 0.15, cup.bottom(),
                 cup.center().x(), cup.bottom());
    body.cubicTo(cup.left() + cup.width() * 0.15, cup.bottom(), cup.left(), cup.bottom() - cup.height() * 0.1,
                 cup.left(), cup.top());
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0x7A, 0x4A, 0x20));
    p.drawEllipse(QRectF(cup.left(), cup.top() - cup.height() * 0.09, cup.width(), cup.height() * 0.18));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(cup.left() - cup.width() * 0.2, cup.bottom() - cup.height() * 0.1, cup.width() * 1.4,
                         cup.height() * 0.2));
    p.setPen(QPen(QColor(0xB0, 0xA0, 0x90), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double x = cup.left() + cup.width() * (0.25 + 0.25 * i);
        QPainterPath steam;
        steam.moveTo(x, cup.top() - cup.height() * 0.2);
        steam.cubicTo(x - 6, cup.top() - cup.height() * 0.35, x + 6, cup.top() - cup.height() * 0.5, x,
                      cup.top() - cup.height() * 0.65);
        p.drawPath(steam);
    }
}

}  // namespace

void DrawPointerCaption(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, PageColour());
    const QRectF text(r.left() + 2, r.top(), r.width() - 4, r.height() * 0.55);
    DrawFittedText(p, text, QString::fromUtf8(art.wording), 16, QColor(0x6B, 0x3A, 0x10), true);
    DrawRightArrow(p, QRectF(r.left() + r.width() * 0.35, r.top() + r.height() * 0.6, r.width() * 0.62,
                             r.height() * 0.36),
                   Accent(art));
}

void DrawCupCaption(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, PageColour());
    DrawFittedText(p, QRectF(r.left() + 2, r.top(), r.width() - 4, r.height() * 0.3), QString::fromUtf8(art.wording),
                   18, Accent(art), false);
    DrawCup(p, QRectF(r.left(), r.top() + r.height() * 0.25, r.width(), r.height() * 0.75),
            QColor(0x6B, 0x3A, 0x10));
}
