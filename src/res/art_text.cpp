#include "res/art_text.h"

#include "res/look.h"

#include <QFontMetricsF>
#include <QTextOption>

namespace {

int TextFlags(bool wrap, int alignment = Qt::AlignCenter)
{
    return alignment | (wrap ? Qt::TextWrapAnywhere : Qt::TextSingleLine);
}

QFont FittingFont(const QRectF& box, const QString& text, int maxPixels, bool wrap, int weight)
{
    for (int pixels = maxPixels; pixels > 6; --pixels) {
        QFont font = CaptionFont(pixels, weight);
        QRectF need = QFontMetricsF(font).boundingRect(box, TextFlags(wrap), text);
        if (need.width() <= box.width() && need.height() <= box.height())
            return font;
    }
    return CaptionFont(6, weight);
}

}  // namespace

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, int maxPixels,
                    const QColor& colour, bool wrap, int weight, int alignment)
{
    painter.setFont(FittingFont(box, text, maxPixels, wrap, weight));
    painter.setPen(colour);
    painter.drawText(box, TextFlags(wrap, alignment), text);
}

void DrawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, int maxPixels,
                      const QColor& colour, const QColor& outline)
{
    painter.setFont(FittingFont(box.adjusted(1, 1, -1, -1), text, maxPixels, false, 900));
    painter.setPen(outline);
    painter.drawText(box.translated(1, 1), TextFlags(false), text);
    painter.setPen(colour);
    painter.drawText(box, TextFlags(false), text);
}
