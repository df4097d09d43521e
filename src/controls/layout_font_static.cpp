#include "controls/layout_font_static.h"

#include "res/artwork.h"

#include <QMouseEvent>
#include <QPainter>

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
    const QImage picture(file);
    BuildPictures(picture);
    update();
    return !picture.isNull();
}

void CLayoutFontStatic::SetDisplayFlag(bool on)
{
    m_bDisplay = on;
    update();
}

void CLayoutFontStatic::DropPictures()
{
    m_background = QImage();
    m_memory = QImage();
    m_pictureSize = QSize();
}

void CLayoutFontStatic::BuildPictures(const QImage& picture)
{
    if (picture.isNull())
        return;
    m_pictureSize = picture.size();
    const int width = MulDiv(picture.width(), logicalDpiX(), 150);
    const int height = MulDiv(picture.height(), logicalDpiY(), 150);
    m_background = picture.convertToFormat(QImage::Format_RGB32)
                       .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_memory = QImage(width, height, QImage::Format_RGB32);
}

void CLayoutFontStatic::paintEvent(QPaintEvent*)
{
    if (m_background.isNull())
        return;
    const LayoutView view = FindLayoutView(m_nControlId);
    m_memory.fill(Qt::white);
    {
        QPainter memory(&m_memory);
        memory.drawImage(0, 0, m_background);
        if (view.draw)
            view.draw(memory,
                      ViewFrame{m_nControlId, m_pictureSize, m_memory.size(), size(), m_bDisplay, &m_background});
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
