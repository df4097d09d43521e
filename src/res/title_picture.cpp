#include "res/title_picture.h"

#include "res/art_text.h"
#include "res/look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The support button (323, 334 dialog units) sits on this black band.
constexpr double kBandTop = 486;

void DrawBackground(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kBandTop);
    sky.setColorAt(0, QColor(0xFF, 0xFA, 0xEA));
    sky.setColorAt(1, PageColour());
    p.fillRect(QRectF(0, 0, kTitleWidth, kBandTop), sky);
    p.setPen(Qt::NoPen);
    const QColor confetti[] = {QColor(0xF2, 0xC2, 0x30, 70), QColor(0xF0, 0x6C, 0x5B, 60),
                               QColor(0x8C, 0xD1, 0x6B, 70), QColor(0x4F, 0xB3, 0xBF, 60)};
    for (int i = 0; i < 26; ++i) {
        p.setBrush(confetti[i % 4]);
        const double x = (i * 137) % kTitleWidth, y = 20 + (i * 89) % 440;
        p.drawEllipse(QRectF(x, y, 10 + (i % 5) * 6, 10 + (i % 5) * 6));
    }
}

void DrawSheet(QPainter& p, const QPointF& at, double angle, const QColor& sticker,
               const QStringList& words, int columns)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    const QRectF paper(0, 0, 170, 236);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(paper.translated(5, 6), 4, 4);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0xB0, 0xA8, 0x90), 1));
    p.drawRoundedRect(paper, 4, 4);
    const int rows = 6;
    const double w = (paper.width() - 20 - (columns - 1) * 8) / columns, h = 30;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            QRectF cell(10 + c * (w + 8), 12 + r * (h + 6), w, h);
            p.setPen(QPen(sticker.darker(130), 1.2));
            p.setBrush(sticker.lighter(170));
            p.drawRoundedRect(cell, 6, 6);
            const QString word = words[(r * columns + c) % words.size()];
            DrawFittedText(p, cell.adjusted(3, 2, -3, -2), word, 15, sticker.darker(200), false);
        }
    p.restore();
}

void DrawTitle(QPainter& p)
{
    QFont big = CaptionFont(60);
    QPainterPath title;
    title.addText(0, 0, big, QStringLiteral("ZolviVER.2"));
    const QRectF bounds = title.boundingRect();
    title.translate(40 - bounds.left(), 120 - bounds.bottom());
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    QLinearGradient ink(0, 60, 0, 120);
    ink.setColorAt(0, QColor(0x3F, 0xA9, 0xB8));
    ink.setColorAt(1, QColor(0x1E, 0x6E, 0x7C));
    p.setPen(QPen(QColor(0x1E, 0x6E, 0x7C), 1.5));
    p.setBrush(ink);
    p.drawPath(title);

    DrawFittedText(p, QRectF(40, 136, 360, 34), QStringLiteral("ラベルシール かんたん作成ソフト"), 26,
                   QColor(0x6B, 0x3A, 0x10), false);
    p.setPen(QPen(QColor(0xE8, 0x82, 0x2A), 3));
    p.drawLine(QPointF(42, 178), QPointF(398, 178));
}

void DrawSteps(QPainter& p)
{
    const char* const steps[] = {"シートを選ぶ", "文字を入れる", "プリントする"};
    const QColor colours[] = {QColor(0x3F, 0xA3, 0x4D), QColor(0x2F, 0x7F, 0xC8), QColor(0xE8, 0x82, 0x2A)};
    for (int i = 0; i < 3; ++i) {
        const double y = 214 + i * 62;
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        p.drawEllipse(QRectF(44, y, 44, 44));
        DrawFittedText(p, QRectF(44, y, 44, 44), QString::number(i + 1), 28, Qt::white, false);
        DrawFittedText(p, QRectF(104, y + 4, 240, 36), QString::fromUtf8(steps[i]), 26,
                       QColor(0x4A, 0x3A, 0x2A), false, 900, Qt::AlignLeft | Qt::AlignVCenter);
    }
    DrawFittedText(p, QRectF(44, 404, 330, 60),
                   QStringLiteral("お手持ちのシールに合わせて、\n文字の並び・書体・色を自由に選べます。"), 17,
                   QColor(0x6B, 0x5A, 0x40), true, 700, Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawBand(QPainter& p)
{
    p.fillRect(QRectF(0, kBandTop, kTitleWidth, kTitleHeight - kBandTop), Qt::black);
    p.fillRect(QRectF(0, kBandTop, kTitleWidth, 3), QColor(0xE8, 0x82, 0x2A));
    DrawFittedText(p, QRectF(24, kBandTop + 12, 440, 40),
                   QStringLiteral("使い方・最新のシール情報はサポートページへ  ▶"), 18, Qt::white, false);
}

}  // namespace

QImage DrawTitlePicture()
{
    QImage image(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBackground(p);
    DrawSheet(p, QPointF(448, 40), 8, QColor(0x8C, 0xD1, 0x6B),
              {QStringLiteral("さくら"), QStringLiteral("Zolvi"), QStringLiteral("たなか"), QStringLiteral("ABC")},
              2);
    DrawSheet(p, QPointF(380, 190), -6, QColor(0xF0, 0x9C, 0x5B),
              {QStringLiteral("おなまえ"), QStringLiteral("1-2"), QStringLiteral("ノート"), QStringLiteral("Name")},
              2);
    DrawTitle(p);
    DrawSteps(p);
    DrawBand(p);
    return image;
}
