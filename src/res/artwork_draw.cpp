#include "res/arrangement_art.h"
#include "res/art_text.h"
#include "res/artwork.h"
#include "res/look.h"
#include "res/print_art.h"

#include <QLinearGradient>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <map>

namespace {

QColor Accent(const ArtworkEntry& art)
{
    return QColor::fromRgb(art.accent);
}

QString Wording(const ArtworkEntry& art)
{
    return QString::fromUtf8(art.wording);
}

void DrawHeader(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    QLinearGradient band(r.topLeft(), r.topRight());
    band.setColorAt(0, Accent(art).darker(115));
    band.setColorAt(1, Accent(art).lighter(135));
    p.fillRect(r, band);
    p.fillRect(QRectF(r.left(), r.bottom() - 4, r.width(), 4), QColor(0xE8, 0x82, 0x2A));
    // Three stickers as the product's mark.
    const QColor dots[] = {QColor(0xF2, 0xC2, 0x30), QColor(0xF0, 0x6C, 0x5B), QColor(0x8C, 0xD1, 0x6B)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(dots[i]);
        p.drawRoundedRect(QRectF(14 + i * 20, 12 + (i % 2) * 8, 24, 18), 5, 5);
    }
    DrawOutlinedText(p, QRectF(82, 2, 190, r.height() - 8), QStringLiteral("ZolviVER.2"), 28, Qt::white,
                     QColor(0, 0, 0, 90));
    DrawFittedText(p, QRectF(280, 6, r.width() - 292, r.height() - 14), Wording(art), 20, Qt::white, false);
}

void DrawFooter(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, PageColour());
    QRectF band = r.adjusted(6, 4, -6, -4);
    p.setPen(QPen(Accent(art), 2));
    p.setBrush(QColor(0xFD, 0xE6, 0xC4));
    p.drawRoundedRect(band, 10, 10);
    p.setBrush(Accent(art));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(band.left() + 10, band.center().y() - 8, 16, 16));
    DrawFittedText(p, band.adjusted(34, 2, -10, -2), Wording(art), 18, QColor(0x6B, 0x3A, 0x10), false);
}

void DrawCaption(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, PageColour());
    DrawFittedText(p, r.adjusted(1, 0, -1, 0), Wording(art), 16, Accent(art), true);
}

// Each line in its own row of equal height, so that the rows line up with a column of controls.
void DrawCaptionColumn(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, PageColour());
    const QStringList lines = Wording(art).split(QLatin1Char('\n'));
    const double row = r.height() / lines.size();
    for (int i = 0; i < lines.size(); ++i)
        DrawFittedText(p, QRectF(r.left() + 1, r.top() + i * row, r.width() - 2, row), lines[i], 14, Accent(art),
                       false, 900, Qt::AlignLeft | Qt::AlignVCenter);
}

QPainterPath ButtonShape(const QRectF& r)
{
    QPainterPath path;
    const double radius = std::min(r.height() / 2.5, 12.0);
    path.addRoundedRect(r.adjusted(1.5, 1.5, -1.5, -3.5), radius, radius);
    return path;
}

QPainterPath DrawFace(QPainter& p, const ArtworkEntry& art, const QRectF& r, const QColor& around)
{
    p.fillRect(r, around);
    const QPainterPath shape = ButtonShape(r);
    p.fillPath(shape.translated(0, 2), Accent(art).darker(160));
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, Accent(art).lighter(135));
    face.setColorAt(0.55, Accent(art));
    face.setColorAt(1, Accent(art).darker(112));
    p.fillPath(shape, face);
    p.setPen(QPen(Accent(art).darker(140), 1));
    p.drawPath(shape);
    return shape;
}

void DrawButtonFace(QPainter& p, const ArtworkEntry& art, const QRectF& r, const QColor& around,
                    const QColor& textColour)
{
    const QPainterPath shape = DrawFace(p, art, r, around);
    const QRectF textBox = shape.boundingRect().adjusted(6, 2, -6, -2);
    if (textColour == Qt::white)
        DrawOutlinedText(p, textBox, Wording(art), int(r.height() * 0.45), textColour,
                         Accent(art).darker(170));
    else
        DrawFittedText(p, textBox, Wording(art), int(r.height() * 0.45), textColour, false);
}

// An arc over the top of the face ending in a head: turning left for "back", right for "on".
void DrawTurnButton(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    const QRectF face = DrawFace(p, art, r, PageColour()).boundingRect();
    p.save();
    if (Wording(art) != QLatin1String("back")) {
        p.translate(face.center().x() * 2, 0);
        p.scale(-1, 1);
    }
    const double size = std::min(face.width(), face.height());
    const QRectF arc(face.center().x() - size * 0.25, face.center().y() - size * 0.22, size * 0.55, size * 0.5);
    QPainterPath turn;
    turn.arcMoveTo(arc, -60);
    turn.arcTo(arc, -60, 240);
    p.setPen(QPen(Qt::white, std::max(1.5, size * 0.12), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(turn);
    // The arc ends on its left going down: the head points down there.
    const QPointF tip = turn.currentPosition();
    const double head = size * 0.24;
    const QPolygonF arrowHead({tip + QPointF(-head, 0), tip + QPointF(head, 0), tip + QPointF(0, head * 1.1)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(arrowHead);
    p.restore();
}

void DrawArrow(QPainter& p, const ArtworkEntry& art, const QRectF& r, bool down)
{
    p.fillRect(r, PageColour());
    p.save();
    if (down) {
        p.translate(r.width(), 0);
        p.rotate(90);
    }
    const double w = down ? r.height() : r.width();
    const double h = down ? r.width() : r.height();
    QPainterPath arrow;
    arrow.moveTo(0, h * 0.3);
    arrow.lineTo(w * 0.45, h * 0.3);
    arrow.lineTo(w * 0.45, h * 0.05);
    arrow.lineTo(w, h * 0.5);
    arrow.lineTo(w * 0.45, h * 0.95);
    arrow.lineTo(w * 0.45, h * 0.7);
    arrow.lineTo(0, h * 0.7);
    arrow.closeSubpath();
    p.fillPath(arrow, Accent(art));
    p.restore();
}

const char* const kStepNames[] = {"シート選択", "文字並び", "書体と色", "文字入力", "印刷・保存"};

void DrawStep(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, PageColour());
    const int lit = QString::fromUtf8(art.wording).toInt();
    const double cell = r.width() / 5.0;
    const double top = 6, height = r.height() - 12, tip = 9;
    for (int i = 0; i < 5; ++i) {
        const double left = i * cell;
        QPainterPath chevron;
        chevron.moveTo(left + (i ? tip : 0), top + height / 2);
        chevron.lineTo(left, top);
        chevron.lineTo(left + cell - tip, top);
        chevron.lineTo(left + cell, top + height / 2);
        chevron.lineTo(left + cell - tip, top + height);
        chevron.lineTo(left, top + height);
        chevron.closeSubpath();
        const bool current = i + 1 == lit;
        const bool done = i + 1 < lit;
        QColor fill = current ? Accent(art) : done ? QColor(0x9C, 0xCF, 0xD6) : QColor(0xE4, 0xE1, 0xCF);
        p.fillPath(chevron.translated(0, 1.5), fill.darker(130));
        p.fillPath(chevron, fill);
        const QColor ink = current ? Qt::white : done ? QColor(0x1E, 0x5E, 0x68) : QColor(0x8A, 0x86, 0x70);
        const QRectF text(left + tip, top + 3, cell - 2 * tip, height - 6);
        DrawFittedText(p, QRectF(text.left(), text.top(), text.width(), text.height() * 0.48),
                       QString::number(i + 1), 20, ink, false);
        DrawFittedText(p, QRectF(text.left() - 3, text.center().y(), text.width() + 6, text.height() * 0.5),
                       QString::fromUtf8(kStepNames[i]), 12, ink, false);
    }
}

// One 24 x 24 sheet image of the list strip; white is the strip's mask colour.
void DrawSheetImage(QPainter& p, int index, const QColor& ink)
{
    const QRectF paper(4.5, 1.5, 15, 21);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(QColor(0xFF, 0xFB, 0xE8));
    p.drawRect(paper);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (index) {
    case 0:  // two columns of fold-over stickers
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 2; ++col)
                p.drawRect(QRectF(6.5 + col * 6.5, 3.5 + row * 4.8, 5, 3.6));
        break;
    case 4:  // a striped sheet of single stickers
        for (int row = 0; row < 6; ++row)
            p.drawRect(QRectF(6.5, 3.5 + row * 3.2, 11, 2));
        break;
    default:  // further sheet images of the strip: round, large and mixed stickers
        for (int k = 0; k < 2 + index; ++k)
            p.drawEllipse(QRectF(6.5 + (k % 2) * 6, 3.5 + (k / 2) * 5, 4.5, 4.5));
        break;
    }
}

void DrawListImages(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, Qt::white);
    const QColor inks[] = {QColor(0x2F, 0x7F, 0xC8), QColor(0x3F, 0xA3, 0x4D), QColor(0x9B, 0x59, 0xB6),
                           QColor(0xC8, 0x55, 0x3D), QColor(0xE8, 0x82, 0x2A), QColor(0x5B, 0x7F, 0xA6)};
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(i * 24, 0);
        DrawSheetImage(p, i, i == 0 ? Accent(art) : inks[i]);
        p.restore();
    }
}

void DrawIcon(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    p.fillRect(r, Qt::transparent);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(QColor(0xFF, 0xFB, 0xE8));
    p.drawRoundedRect(r.adjusted(8, 3, -8, -3), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent(art));
    for (int row = 0; row < 4; ++row)
        p.drawRoundedRect(QRectF(15, 9 + row * 12, 34, 8), 3, 3);
}

void DrawInto(QPainter& p, const ArtworkEntry& art, const QRectF& r)
{
    switch (art.kind) {
    case ArtKind::Header: DrawHeader(p, art, r); break;
    case ArtKind::Footer: DrawFooter(p, art, r); break;
    case ArtKind::Caption: DrawCaption(p, art, r); break;
    case ArtKind::Button: DrawButtonFace(p, art, r, PageColour(), Qt::white); break;
    case ArtKind::DarkButton: DrawButtonFace(p, art, r, Qt::black, QColor(0x3A, 0x2A, 0x00)); break;
    case ArtKind::Arrow: DrawArrow(p, art, r, false); break;
    case ArtKind::DownArrow: DrawArrow(p, art, r, true); break;
    case ArtKind::Canvas: p.fillRect(r, Qt::white); break;
    case ArtKind::Step: DrawStep(p, art, r); break;
    case ArtKind::ListImages: DrawListImages(p, art, r); break;
    case ArtKind::Icon: DrawIcon(p, art, r); break;
    case ArtKind::Arrangement: DrawArrangement(p, art, r, false); break;
    case ArtKind::ArrangementChosen: DrawArrangement(p, art, r, true); break;
    case ArtKind::TabPlace: DrawTabPlace(p, art, r); break;
    case ArtKind::CaptionColumn: DrawCaptionColumn(p, art, r); break;
    case ArtKind::CaptionPointer: DrawPointerCaption(p, art, r); break;
    case ArtKind::CaptionCup: DrawCupCaption(p, art, r); break;
    case ArtKind::TurnButton: DrawTurnButton(p, art, r); break;
    }
}

}  // namespace

QImage DrawArtwork(const ArtworkEntry& art, qreal ratio)
{
    QImage image(qRound(art.width * ratio), qRound(art.height * ratio),
                 art.kind == ArtKind::Icon ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawInto(painter, art, QRectF(0, 0, art.width, art.height));
    return image;
}

const QImage& Artwork(int id)
{
    static std::map<int, QImage> drawn;
    auto found = drawn.find(id);
    if (found != drawn.end())
        return found->second;
    const ArtworkEntry* art = FindArtwork(id);
    if (!art)
        return drawn.emplace(id, QImage()).first->second;
    // Drawn for the densest screen, so the pictures stay sharp there; a canvas is plain paper
    // whose size the views read as 150-dpi pixels.
    const qreal ratio = art->kind == ArtKind::Canvas || !qGuiApp ? 1.0 : qGuiApp->devicePixelRatio();
    return drawn.emplace(id, DrawArtwork(*art, ratio)).first->second;
}
