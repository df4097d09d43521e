#include "controls/font_static.h"

#include <QPainter>

CFontStatic::CFontStatic(QWidget* parent) : QWidget(parent) {}

void CFontStatic::CreateFont(const QFont& font)
{
    m_font = font;
    update();
}

void CFontStatic::SetText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    update();
}

void CFontStatic::SetColours(const QColor& text, const QColor& background)
{
    m_textColour = text;
    m_background = background;
    update();
}

void CFontStatic::SetFormat(int flags)
{
    m_format = flags;
    update();
}

void CFontStatic::paintEvent(QPaintEvent*)
{
    if (!m_font)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setFont(*m_font);
    painter.setPen(m_textColour);
    painter.drawText(rect(), m_format, m_text);
}
