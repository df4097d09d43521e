#include "controls/image_font_static.h"

#include "controls/picture_file.h"
#include "res/artwork.h"

#include <QPainter>

CImageFontStatic::CImageFontStatic(QWidget* parent) : QWidget(parent) {}

void CImageFontStatic::LoadResource(int id)
{
    m_nResource = id;
    m_strFile.clear();
    m_picture = id ? Artwork(id) : QImage();
    update();
}

bool CImageFontStatic::LoadFile(const QString& path)
{
    m_nResource = 0;
    m_strFile = path;
    m_picture = ReadPictureFile(path);
    update();
    return !m_picture.isNull();
}

void CImageFontStatic::SetDisplayFlag(bool on)
{
    m_bDisplay = on;
    update();
}

void CImageFontStatic::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_bDisplay) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_picture);
    } else {
        painter.drawImage(QPoint(0, 0), m_picture);
    }
}
