#include "render/view_frame.h"

#include "platform/mul_div.h"

QSizeF WindowExtent(QSize picture, int f)
{
    return QSizeF(MulDiv(picture.width(), 254, 150) * f / 100, MulDiv(picture.height(), 254, 150) * f / 100);
}

QSizeF PreviewExtent(QSize picture, int previewScale)
{
    if (previewScale == -1)
        return WindowExtent(picture, 2000);
    if (previewScale == -2)
        return WindowExtent(picture, 1250);
    const QSizeF full = WindowExtent(picture, 1000);
    // A zero setting would divide by zero; it shows the sticker at its own size.
    const int n = previewScale == 0 ? 1 : previewScale;
    return QSizeF(static_cast<int>(full.width()) / n, static_cast<int>(full.height()) / n);
}

namespace {
void Apply(QPainter& painter, const PictureFrame& frame, QSizeF extent, double viewportWidth)
{
    if (extent.width() <= 0 || extent.height() <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(viewportWidth / extent.width(), frame.memory.height() / extent.height());
    if (frame.screen)
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
}
}  // namespace

namespace {
// The memory picture's height in the client's proportions.
int SheetViewportWidth(const PictureFrame& frame)
{
    const int clientHeight = frame.client.height() > 0 ? frame.client.height() : frame.memory.height();
    const int clientWidth = frame.client.width() > 0 ? frame.client.width() : frame.memory.width();
    return MulDiv(frame.memory.height(), clientWidth, clientHeight);
}
}  // namespace

void UseSheetMapping(QPainter& painter, const PictureFrame& frame, QSizeF extent)
{
    Apply(painter, frame, extent, SheetViewportWidth(frame));
}

void FitBackgroundToSheetMapping(QPainter& painter, const PictureFrame& frame, const QImage& background)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRect(QPoint(), frame.memory), Qt::white);
    painter.drawImage(QRectF(0, 0, SheetViewportWidth(frame), frame.memory.height()), background);
    painter.restore();
}

void UseMapMapping(QPainter& painter, const PictureFrame& frame, QSizeF extent)
{
    Apply(painter, frame, extent, frame.memory.width());
}
