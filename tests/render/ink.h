#pragma once
// Renders into a white picture in sheet units and finds where ink landed.
#include <QImage>
#include <QPainter>
#include <QRect>

// 10 sheet units (0.1 mm) per pixel.
inline constexpr int kUnitsPerPixel = 10;

inline QImage WhiteSheet(int widthUnits, int heightUnits)
{
    QImage image(widthUnits / kUnitsPerPixel, heightUnits / kUnitsPerPixel, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline void UseSheetUnits(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1.0 / kUnitsPerPixel, 1.0 / kUnitsPerPixel);
    painter.setPen(Qt::black);
}

// Bounding box of the dark pixels of `area` (in pixels), in sheet units; empty when there is none.
inline QRect InkBounds(const QImage& image, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (left == INT_MAX)
        return QRect();
    return QRect(QPoint(left * kUnitsPerPixel, top * kUnitsPerPixel),
                 QPoint((right + 1) * kUnitsPerPixel, (bottom + 1) * kUnitsPerPixel));
}
