#include "controls/font_button.h"

#include "controls/picture_ops.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

CFontButton::CFontButton(QWidget* parent) : QPushButton(parent) {}

void CFontButton::CreateFont(const QFont& font)
{
    m_font = font;
    update();
}

void CFontButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void CFontButton::SetColours(const QColor& text, const QColor& face)
{
    m_text = text;
    m_face = face;
    update();
}

void CFontButton::SetSecondColours(const QColor& text, const QColor& face)
{
    m_secondText = text;
    m_secondFace = face;
    update();
}

void CFontButton::SetTwoColourMode(bool on)
{
    m_bTwoColours = on;
    update();
}

void CFontButton::SetToggled(bool on)
{
    m_bToggled = on;
    update();
}

const QColor& CFontButton::CurrentFaceColour() const
{
    return (m_bTwoColours && !m_bToggled) ? m_secondFace : m_face;
}

void CFontButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QColor buttonFace = pal.color(QPalette::Button);
    QRect r = rect();
    painter.fillRect(r, buttonFace);
    if (hasFocus()) {
        painter.setPen(QPen(pal.color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    r.adjust(2, 2, -2, -2);
    painter.setPen(pal.color(QPalette::Shadow));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
    const bool pushed = isDown() || m_bToggled;
    qDrawShadePanel(&painter, r, pal, pushed, 2);
    const QRect face = r.adjusted(2, 2, -2, -2);
    // Disabled, face and caption turn grey, as the picture buttons' grey pictures do.
    const bool grey = !isEnabled();
    painter.fillRect(face, grey ? QColor(GreyColour(CurrentFaceColour().rgb())) : CurrentFaceColour());
    if (m_caption.isEmpty() || !m_font)
        return;
    painter.setFont(*m_font);
    QRect textRect = rect();
    if (pushed)
        textRect.adjust(0, 0, 2, 2);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    const QString shown = painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, face.width());
    const QColor text = (m_bTwoColours && !m_bToggled) ? m_secondText : m_text;
    painter.setPen(grey ? QColor(GreyColour(text.rgb())) : text);
    painter.drawText(textRect, flags, shown);
}

void CFontButton::mousePressEvent(QMouseEvent* event)
{
    if (m_bToggleMode && event->button() == Qt::LeftButton)
        SetToggled(!m_bToggled);
    QPushButton::mousePressEvent(event);
}
