#include "pages/control_frame.h"

#include "res/look.h"

#include <QPainter>

#include <cstdint>

namespace {
constexpr std::uint32_t kFrameRef = 0xFF0000;
}

void DrawControlFrame(QPainter& painter, const QRectF& rect)
{
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.setPen(QPen(ColourFromRef(kFrameRef), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}
