#include "res/app_icon.h"

#include <QPainter>
#include <QPolygonF>

#include <vector>

namespace {

// A filled shape: a rounded rectangle when `points` is empty, else a closed polygon.
struct IconShape {
    QRectF rect;
    double radius = 0;
    std::vector<QPointF> points;
    QColor fill;
    QColor stroke;  // invalid: no outline
    double strokeWidth = 0;
};

struct StickerColours {
    QColor face;
    QColor edge;
};

const StickerColours kRows[] = {
    {QColor(0xBF, 0xE6, 0xEA), QColor(0x1E, 0x6E, 0x7C)},
    {QColor(0xF9, 0xD3, 0xB0), QColor(0xC8, 0x62, 0x1A)},
    {QColor(0xD6, 0xEF, 0xC8), QColor(0x3F, 0x83, 0x3D)},
};
const QColor kInk(0x3A, 0x2E, 0x24);

void AddSticker(std::vector<IconShape>& shapes, const QRectF& cell, const StickerColours& colours, int lines)
{
    shapes.push_back({cell, 10, {}, colours.face, colours.edge, 4});
    for (int line = 0; line < lines; ++line) {
        const double width = line == 0 ? cell.width() - 24 : cell.width() - 36;
        shapes.push_back({QRectF(cell.left() + 12, cell.top() + 14 + line * 14, width, 7), 3.5, {}, kInk, {}, 0});
    }
}

// Back to front: shadow, paper, stickers, and the curl of the last sticker.
std::vector<IconShape> IconShapes()
{
    std::vector<IconShape> shapes;
    shapes.push_back({QRectF(44, 26, 180, 222), 14, {}, QColor(0, 0, 0, 56), {}, 0});
    shapes.push_back({QRectF(34, 14, 180, 222), 14, {}, Qt::white, QColor(0x9A, 0x92, 0x80), 4});
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column) {
            const QRectF cell(52 + column * 76, 34 + row * 66, 68, 54);
            const bool peeling = row == 2 && column == 1;
            if (!peeling)
                AddSticker(shapes, cell, kRows[row], row == 1 && column == 0 ? 1 : 2);
        }
    // The peeling sticker: its lifted corner folds back over the face.
    const StickerColours& peel = kRows[2];
    shapes.push_back({{}, 0, {{128, 166}, {196, 166}, {196, 194}, {166, 220}, {128, 220}}, peel.face, peel.edge, 4});
    shapes.push_back({{}, 0, {{196, 194}, {166, 220}, {162, 188}}, QColor(0xA8, 0xD6, 0x92), peel.edge, 4});
    shapes.push_back({QRectF(140, 180, 34, 7), 3.5, {}, kInk, {}, 0});
    return shapes;
}

QString SvgColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

QString SvgPaint(const IconShape& shape)
{
    QString paint = QStringLiteral(" fill=\"%1\"").arg(SvgColour(shape.fill));
    if (shape.fill.alpha() != 255)
        paint += QStringLiteral(" fill-opacity=\"%1\"").arg(shape.fill.alphaF(), 0, 'f', 3);
    if (shape.stroke.isValid())
        paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                     .arg(SvgColour(shape.stroke))
                     .arg(shape.strokeWidth);
    return paint;
}

QString SvgElement(const IconShape& shape)
{
    if (shape.points.empty())
        return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
            .arg(shape.rect.x())
            .arg(shape.rect.y())
            .arg(shape.rect.width())
            .arg(shape.rect.height())
            .arg(shape.radius)
            .arg(SvgPaint(shape));
    QStringList points;
    for (const QPointF& point : shape.points)
        points << QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
    return QStringLiteral("  <polygon points=\"%1\"%2/>\n").arg(points.join(' '), SvgPaint(shape));
}

void PaintShape(QPainter& painter, const IconShape& shape)
{
    painter.setBrush(shape.fill);
    if (shape.stroke.isValid())
        painter.setPen(QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    if (shape.points.empty())
        painter.drawRoundedRect(shape.rect, shape.radius, shape.radius);
    else
        painter.drawPolygon(QPolygonF(QVector<QPointF>(shape.points.begin(), shape.points.end())));
}

}  // namespace

QString AppIconSvg()
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconUnits);
    for (const IconShape& shape : IconShapes())
        svg += SvgElement(shape);
    return svg + QStringLiteral("</svg>\n");
}

QImage DrawAppIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(pixels) / kIconUnits, double(pixels) / kIconUnits);
    for (const IconShape& shape : IconShapes())
        PaintShape(painter, shape);
    return image;
}
