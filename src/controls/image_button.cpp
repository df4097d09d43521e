#include "controls/image_button.h"

#include "controls/picture_ops.h"
#include "res/artwork.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {
constexpr int kBorder = 1;  // the system border width and height
}

CImageButton::CImageButton(QWidget* parent) : QPushButton(parent) {}

void CImageButton::SetPictures(int normal, int chosen, int disabled)
{
    m_nNormal = normal;
    m_nChosen = chosen;
    m_nDisabled = disabled;
    update();
}

void CImageButton::SetChosen(bool on)
{
    m_bChosen = on;
    update();
}

QImage CImageButton::PictureForState() const
{
    if (isDown() || m_bChosen)
        return Artwork(m_nChosen ? m_nChosen : m_nNormal);
    if (!isEnabled())
        return m_nDisabled ? Artwork(m_nDisabled) : ChequeredPicture(Artwork(m_nNormal), palette().color(QPalette::Button));
    return Artwork(m_nNormal);
}

void CImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool pushed = isDown() || m_bChosen;
    painter.fillRect(rect(), palette().color(QPalette::Button));
    qDrawShadePanel(&painter, rect(), palette(), pushed, 2);
    const QRect inner = rect().adjusted(2 * kBorder, 2 * kBorder, -2 * kBorder, -2 * kBorder);
    const QImage picture = PictureForState();
    QRect target;
    if (m_bStretch) {
        target = QRect(3 * kBorder, 3 * kBorder, inner.width(), inner.height()).intersected(inner);
    } else {
        target = QRect(QPoint(), picture.deviceIndependentSize().toSize());
        target.moveCenter(inner.center());
    }
    if (pushed)
        target.translate(kBorder, kBorder);
    painter.setClipRect(inner);
    painter.drawImage(target, picture);
    if (hasFocus() && !m_bChosen) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(target.adjusted(-1, -1, 0, 0));
    }
}

void CImageButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SetChosen(!m_bChosen);
    QPushButton::mousePressEvent(event);
}
