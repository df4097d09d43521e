#include "controls/button_st.h"

#include "controls/picture_ops.h"
#include "res/artwork.h"
#include "res/look.h"

#include <QEvent>
#include <QPainter>

CButtonST::CButtonST(QWidget* parent) : QPushButton(parent)
{
    setFlat(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    m_overColour = m_idleColour = m_focusColour = PageColour();
}

void CButtonST::SetBitmaps(const QImage& picture, QRgb transparent, const QImage& disabled)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_darker = DarkerPicture(m_picture, transparent);
    m_maskedPicture = MaskedPicture(m_picture, transparent);
    m_maskedDarker = MaskedPicture(m_darker, transparent);
    m_disabled = disabled.isNull() ? GreyPicture(m_picture, transparent)
                                   : disabled.convertToFormat(QImage::Format_RGB32);
    update();
}

void CButtonST::SetBitmaps(int pictureId, QRgb transparent, int disabledId)
{
    SetBitmaps(Artwork(pictureId), transparent, disabledId ? Artwork(disabledId) : QImage());
}

void CButtonST::SetColours(const QColor& over, const QColor& idle, const QColor& focused)
{
    m_overColour = over;
    m_idleColour = idle;
    m_focusColour = focused;
    update();
}

void CButtonST::SetPressedOffset(int dx, int dy)
{
    m_pressedDx = dx;
    m_pressedDy = dy;
}

const QImage& CButtonST::CurrentPicture() const
{
    if (!isEnabled())
        return m_disabled;
    return (m_bMouseOver || isDown()) ? m_picture : m_darker;
}

void CButtonST::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor fill = (m_bMouseOver || isDown()) ? m_overColour : hasFocus() ? m_focusColour : m_idleColour;
    painter.fillRect(rect(), fill);
    if (m_picture.isNull())
        return;
    QRect area = rect();
    if (isDown())
        area.translate(m_pressedDx, m_pressedDy);
    if (!isEnabled())
        painter.drawImage(area, m_disabled);
    else
        painter.drawImage(area, (m_bMouseOver || isDown()) ? m_maskedPicture : m_maskedDarker);
}

void CButtonST::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    m_bMouseOver = true;
    update();
}

void CButtonST::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    EndMouseOver();
}

void CButtonST::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    EndMouseOver();
}

void CButtonST::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        EndMouseOver();
}

void CButtonST::EndMouseOver()
{
    if (!m_bMouseOver)
        return;
    m_bMouseOver = false;
    update();
}
