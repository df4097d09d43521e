#include "controls/layout_font_static.h"

#include "controls/picture_file.h"
#include "res/artwork.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "platform/mul_div.h"

CLayoutFontStatic::CLayoutFontStatic(int controlId, QWidget* parent) : QWidget(parent), m_nControlId(controlId)
{
    setObjectName(QString::number(controlId));
}

void CLayoutFontStatic::LoadPicture(int resourceId)
{
    DropPictures();
    if (resourceId)
        BuildPictures(Artwork(resourceId));
    update();
}

bool CLayoutFontStatic::LoadPicture(const QString& file)
{
    DropPictures();
    const QImage picture = ReadPictureFile(file);
    BuildPictures(picture);
    update();
    return !picture.isNull();
}

void CLayoutFontStatic::LoadPicture(const QImage& picture)
{
    DropPictures();
    BuildPictures(picture);
    update();
}

void CLayoutFontStatic::SetDisplayFlag(bool on)
{
    m_bDisplay = on;
    update();
}

void CLayoutFontStatic::DropPictures()
{
    m_source = QImage();
    m_background = QImage();
    m_memory = QImage();
    m_pictureSize = QSize();
}

QSize CLayoutFontStatic::MemorySize() const { return m_memory.deviceIndependentSize().toSize(); }

// The pictures are kept at the device's resolution, so views stay sharp on dense screens.
void CLayoutFontStatic::BuildPictures(const QImage& picture)
{
    if (picture.isNull())
        return;
    m_source = picture;
    m_pictureSize = picture.size();
    const qreal ratio = devicePixelRatioF();
    const QSize logical(MulDiv(picture.width(), logicalDpiX(), 150), MulDiv(picture.height(), logicalDpiY(), 150));
    const QSize device = (QSizeF(logical) * ratio).toSize();
    m_background = picture.convertToFormat(QImage::Format_RGB32)
                       .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_background.setDevicePixelRatio(ratio);
    m_memory = QImage(device, QImage::Format_RGB32);
    m_memory.setDevicePixelRatio(ratio);
    TakePictureProportions();
}

void CLayoutFontStatic::TakePictureProportions()
{
    if (m_place.isNull())
        m_place = geometry();
    const int width = static_cast<int>(std::lround(double(m_place.height()) * m_pictureSize.width() / m_pictureSize.height()));
    setGeometry(m_place.x() + (m_place.width() - width) / 2, m_place.y(), width, m_place.height());
}

void CLayoutFontStatic::paintEvent(QPaintEvent*)
{
    if (m_background.isNull())
        return;
    if (!qFuzzyCompare(m_memory.devicePixelRatio(), devicePixelRatioF()))
        BuildPictures(QImage(m_source));
    const LayoutView view = FindLayoutView(m_nControlId);
    m_memory.fill(Qt::white);
    {
        QPainter memory(&m_memory);
        memory.drawImage(0, 0, m_background);
        if (view.draw)
            view.draw(memory, ViewFrame{m_nControlId, m_pictureSize, MemorySize(), size(), m_bDisplay});
    }
    QPainter window(this);
    if (view.copy == ViewCopy::StretchWhenFlagged && m_bDisplay) {
        window.setRenderHint(QPainter::SmoothPixmapTransform);
        window.drawImage(rect(), m_memory);
        return;
    }
    window.fillRect(rect(), Qt::white);
    window.drawImage(0, 0, m_memory);
    if (view.copy == ViewCopy::BorderWhenFlagged && m_bDisplay) {
        window.setPen(QPen(Qt::black, 1));
        window.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CLayoutFontStatic::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_hitTest)
        m_hitTest(event->position().toPoint());
    QWidget::mousePressEvent(event);
}
