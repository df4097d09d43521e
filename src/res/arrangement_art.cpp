#include "res/arrangement_art.h"

#include "res/art_text.h"
#include "res/look.h"

#include <QPainterPath>

namespace {

const QColor kPaper(0xFF, 0xFD, 0xF3);
const QColor kOutline(0x6B, 0x6B, 0x6B);
const QColor kInk(0x1F, 0x3A, 0x60);
const QColor kSecondInk(0xB0, 0x3A, 0x2E);
const QColor kNote(0x6B, 0x3A, 0x10);

// Where the text of a single sticker reads from and how the sticker is held.
struct StickerChoice {
    int mode;
    bool verticalWriting;
    bool sideways;  // the sticker is turned a quarter turn to be read
};

constexpr StickerChoice kStickerChoices[] = {
    {187, false, false}, {182, false, true}, {188, true, false}, {186, true, true}};

enum class TabEdge { Top, Bottom, Side };

// A fold-over sticker: the page edge it is folded over and whether both halves repeat one text.
struct FoldChoice {
    int mode;
    TabEdge edge;
    bool sameText;
};

constexpr FoldChoice kFoldChoices[] = {{144, TabEdge::Side, true},  {145, TabEdge::Side, false},
                                       {146, TabEdge::Top, true},   {147, TabEdge::Top, false},
                                       {148, TabEdge::Bottom, true}, {149, TabEdge::Bottom, false}};

// The characters of `text` one per cell, the first centred on `first`, each next one `step`
// further on, every glyph turned by `angle` degrees (clockwise) about its own centre.
void DrawGlyphRun(QPainter& p, const QString& text, QPointF first, QPointF step, double angle, int pixels,
                  const QColor& ink)
{
    p.setFont(GothicFont(pixels, 700));
    p.setPen(ink);
    const QRectF cell(-pixels, -pixels, 2.0 * pixels, 2.0 * pixels);
    for (int i = 0; i < text.size(); ++i) {
        p.save();
        p.translate(first + step * i);
        p.rotate(angle);
        p.drawText(cell, Qt::AlignCenter, text.mid(i, 1));
        p.restore();
    }
}

// The panel every choice is drawn on; the chosen one is tinted, outlined and ticked.
void DrawPanel(QPainter& p, const QRectF& box, const QColor& accent, bool chosen)
{
    p.fillRect(box, PageColour());
    const QRectF panel = box.adjusted(1, 1, -1, -1);
    p.setPen(QPen(chosen ? accent : QColor(0xB8, 0xB0, 0xA0), chosen ? 2.5 : 1));
    p.setBrush(chosen ? QColor(0xFF, 0xE4, 0xBE) : QColor(Qt::white));
    p.drawRoundedRect(panel, 6, 6);
}

void DrawTick(QPainter& p, const QPointF& centre, const QColor& accent)
{
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(centre, 7.5, 7.5);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-4, 0));
    tick.lineTo(centre + QPointF(-1, 3.5));
    tick.lineTo(centre + QPointF(4.5, -3.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// A quarter-turn arrow: the sticker is turned before it is read.
void DrawTurnArrow(QPainter& p, const QPointF& centre, const QColor& accent)
{
    const QRectF circle(centre.x() - 8, centre.y() - 8, 16, 16);
    QPainterPath arc;
    arc.arcMoveTo(circle, 160);
    arc.arcTo(circle, 160, -250);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    const QPointF tip = arc.currentPosition();
    QPainterPath head;
    head.moveTo(tip + QPointF(-5, -3));
    head.lineTo(tip + QPointF(2, -1));
    head.lineTo(tip + QPointF(-1, 6));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPath(head);
}

void DrawSticker(QPainter& p, const QRectF& sticker)
{
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kPaper);
    p.drawRoundedRect(sticker, 6, 6);
}

void DrawStickerChoice(QPainter& p, const StickerChoice& choice, const QRectF& box, const QColor& accent)
{
    const QPointF centre(box.center().x(), box.top() + box.height() * 0.38);
    const QSizeF size = choice.sideways ? QSizeF(box.width() * 0.86, box.width() * 0.56)
                                        : QSizeF(box.width() * 0.58, box.height() * 0.56);
    DrawSticker(p, QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size));
    const int pixels = 14;
    const QString lines[] = {QStringLiteral("なまえ"), QStringLiteral("シール")};
    const QColor inks[] = {kInk, kSecondInk};
    for (int i = 0; i < 2; ++i) {
        if (choice.verticalWriting)  // columns from right to left
            DrawGlyphRun(p, lines[i], centre + QPointF((0.5 - i) * (pixels + 5), -pixels), QPointF(0, pixels), 0,
                         pixels, inks[i]);
        else
            DrawGlyphRun(p, lines[i], centre + QPointF(-pixels, (i - 0.5) * (pixels + 5)), QPointF(pixels, 0), 0,
                         pixels, inks[i]);
    }
    if (choice.sideways)
        DrawTurnArrow(p, QPointF(box.left() + 15, box.top() + 15), accent);
    const QRectF note(box.left() + 3, box.top() + box.height() * 0.76, box.width() - 6, box.height() * 0.11);
    const QString writing = QString::fromUtf8(choice.verticalWriting ? "縦書き" : "横書き");
    const QString placement = QString::fromUtf8(choice.sideways ? "横置き" : "縦置き");
    DrawFittedText(p, note, writing, 13, accent.darker(125), false);
    DrawFittedText(p, note.translated(0, note.height()), placement, 13, kNote, false);
}

// One half of a fold-over sticker with its text, turned as it is printed.
void DrawFoldHalf(QPainter& p, const QRectF& half, const QString& text, double angle, const QColor& ink)
{
    const int pixels = 13;
    const QPointF centre = half.center();
    const bool upright = angle == 0;
    // Glyphs turned clockwise run from right to left, as the line does after the turn.
    const QPointF step = upright ? QPointF(pixels, 0) : QPointF(-pixels, 0);
    DrawGlyphRun(p, text, centre - step, step, angle, pixels, ink);
}

void DrawFoldChoice(QPainter& p, const FoldChoice& choice, const QRectF& box, const QColor& accent)
{
    const double width = box.width() * 0.74, half = box.height() * 0.29;
    const QPointF topLeft(box.center().x() - width / 2, box.top() + 10);
    const QRectF first(topLeft, QSizeF(width, half));
    const QRectF second = first.translated(0, half);
    DrawSticker(p, first);
    DrawSticker(p, second);
    p.setPen(QPen(QColor(0x8A, 0x8A, 0x8A), 1, Qt::DashLine));
    p.drawLine(QPointF(first.left() + 5, first.bottom()), QPointF(first.right() - 5, first.bottom()));

    double firstAngle = 0, secondAngle = 0;
    if (choice.edge == TabEdge::Top)
        firstAngle = 180;
    else if (choice.edge == TabEdge::Bottom)
        secondAngle = 180;
    else
        firstAngle = secondAngle = 90;
    const QString text = QStringLiteral("あいう");
    DrawFoldHalf(p, first, text, firstAngle, kInk);
    DrawFoldHalf(p, second, choice.sameText ? text : QStringLiteral("かきく"), secondAngle,
                 choice.sameText ? kInk : kSecondInk);

    const char* edge = choice.edge == TabEdge::Top      ? "上の端に貼る"
                       : choice.edge == TabEdge::Bottom ? "下の端に貼る"
                                                        : "横の端に貼る";
    const QString texts = QString::fromUtf8(choice.sameText ? "両面同じ" : "両面別々");
    const QRectF note(box.left() + 3, second.bottom() + 4, box.width() - 6, box.height() * 0.13);
    DrawFittedText(p, note, QString::fromUtf8(edge), 12, accent.darker(125), false);
    DrawFittedText(p, note.translated(0, note.height()), texts, 12, kNote, false);
}

}  // namespace

void DrawArrangement(QPainter& p, const ArtworkEntry& art, const QRectF& box, bool chosen)
{
    const QColor accent = QColor::fromRgb(art.accent);
    const int mode = QString::fromUtf8(art.wording).toInt();
    DrawPanel(p, box, accent, chosen);
    for (const StickerChoice& choice : kStickerChoices)
        if (choice.mode == mode)
            DrawStickerChoice(p, choice, box, accent);
    for (const FoldChoice& choice : kFoldChoices)
        if (choice.mode == mode)
            DrawFoldChoice(p, choice, box, accent);
    if (chosen)
        DrawTick(p, QPointF(box.right() - 10, box.top() + 10), accent);
}

namespace {

void DrawPage(QPainter& p, const QRectF& page)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 2));
    for (double y = page.top() + 10; y < page.bottom() - 6; y += 8)
        p.drawLine(QPointF(page.left() + 9, y), QPointF(page.right() - 9, y));
}

void DrawTab(QPainter& p, const QRectF& tab, const QColor& colour)
{
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(colour);
    p.drawRoundedRect(tab, 3, 3);
}

}  // namespace

void DrawTabPlace(QPainter& p, const ArtworkEntry& art, const QRectF& box)
{
    p.fillRect(box, PageColour());
    const QString where = QString::fromUtf8(art.wording);
    const QColor colours[] = {QColor::fromRgb(art.accent), QColor(0x2F, 0x7F, 0xC8), QColor(0x3F, 0xA3, 0x4D)};
    const QString marks[] = {QStringLiteral("あい"), QStringLiteral("かき"), QStringLiteral("さし")};
    const int pixels = 11;
    if (where == QLatin1String("side")) {
        const QRectF page(box.left() + 14, box.top() + 5, box.width() - 44, box.height() - 10);
        DrawPage(p, page);
        for (int i = 0; i < 3; ++i) {
            const QRectF tab(page.right() - 2, page.top() + 6 + i * 28, 20, 25);
            DrawTab(p, tab, colours[i]);
            DrawGlyphRun(p, marks[i], QPointF(tab.center().x(), tab.center().y() - pixels / 2.0), QPointF(0, pixels), 0,
                         pixels, Qt::white);
        }
        return;
    }
    const bool top = where == QLatin1String("top");
    const QRectF page(box.left() + 10, box.top() + (top ? 22 : 4), box.width() - 20, box.height() - 26);
    DrawPage(p, page);
    for (int i = 0; i < 3; ++i) {
        const QRectF tab(page.left() + 10 + i * 34, top ? page.top() - 18 : page.bottom() - 2, 28, 20);
        DrawTab(p, tab, colours[i]);
        DrawGlyphRun(p, marks[i], QPointF(tab.center().x() - pixels / 2.0, tab.center().y()), QPointF(pixels, 0), 0,
                     pixels, Qt::white);
    }
}
