#pragma once
// Wording drawn into artwork: the largest size up to a limit that fits the box.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// Draws `text` in `box` (centred unless told otherwise), shrinking from `maxPixels` one pixel at a time until it fits
// (wrapping at word or character boundaries when `wrap`).
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, int maxPixels,
                    const QColor& colour, bool wrap, int weight = 900, int alignment = Qt::AlignCenter);
// The same with a soft dark outline under the text, for light text on bright faces.
void DrawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, int maxPixels,
                      const QColor& colour, const QColor& outline);
