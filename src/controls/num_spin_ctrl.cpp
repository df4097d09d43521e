#include "controls/num_spin_ctrl.h"

#include <QToolButton>
#include <QBoxLayout>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>

namespace {

std::string Printf(const char* format, double value)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Trailing zeros and then a bare separator go; in exponent form only from the mantissa.
std::string TrimZeros(const std::string& text, char separator)
{
    const std::size_t exponent = text.find_first_of("eE");
    std::string mantissa = text.substr(0, exponent);
    const std::string rest = exponent == std::string::npos ? std::string() : text.substr(exponent);
    if (mantissa.find(separator) == std::string::npos)
        return text;
    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == separator)
        mantissa.pop_back();
    return mantissa + rest;
}

char DecimalSeparator()
{
    const lconv* conventions = std::localeconv();
    return conventions && conventions->decimal_point && *conventions->decimal_point ? *conventions->decimal_point
                                                                                     : '.';
}

}  // namespace

std::string FormatSpinValue(double value, int decimals, bool trim, const std::string& format)
{
    if (!format.empty())
        return Printf(format.c_str(), value);
    const std::string general = Printf("%g", value);
    if (decimals < 0)
        return general;
    const bool exponent = !general.empty() && general.find('e') != std::string::npos;
    const std::string fixed = "%." + std::to_string(decimals) + (exponent ? "e" : "f");
    const std::string text = Printf(fixed.c_str(), value);
    return trim ? TrimZeros(text, DecimalSeparator()) : text;
}

namespace {

struct Arrow {
    int delta;
    Qt::ArrowType type;
    const char* name;
};

// In the order they are laid out: top to bottom, or left to right.
constexpr Arrow kVerticalArrows[] = {{1, Qt::UpArrow, "up"}, {-1, Qt::DownArrow, "down"}};
constexpr Arrow kHorizontalArrows[] = {{-1, Qt::LeftArrow, "left"}, {1, Qt::RightArrow, "right"}};

}  // namespace

CNumSpinCtrl::CNumSpinCtrl(QWidget* parent, Qt::Orientation orientation) : QWidget(parent)
{
    auto* layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                                  this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const Arrow& kind : orientation == Qt::Horizontal ? kHorizontalArrows : kVerticalArrows) {
        auto* arrow = new QToolButton(this);
        arrow->setArrowType(kind.type);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        arrow->setObjectName(kind.name);
        connect(arrow, &QToolButton::clicked, this, [this, delta = kind.delta] { Step(delta); });
        layout->addWidget(arrow);
    }
}

void CNumSpinCtrl::SetBuddy(QLineEdit* buddy) { m_buddy = buddy; }

void CNumSpinCtrl::SetRange(double minimum, double maximum, double step)
{
    m_dMin = minimum;
    m_dMax = maximum;
    m_dStep = step;
    if (step == 0)
        return;
    const double positions = std::fabs((maximum - minimum) / step);
    m_nPositions = positions >= 0x7FFF ? 0x7FFF : static_cast<int>(positions);
    m_nPos = PositionOf(GetValue());
}

double CNumSpinCtrl::GetValue() const
{
    if (!m_buddy)
        return 0.0;
    bool ok = false;
    const double value = m_buddy->text().toDouble(&ok);
    return ok ? value : 0.0;
}

int CNumSpinCtrl::PositionOf(double x) const
{
    if (m_dMin == m_dMax)
        return m_nPos;
    if (x < m_dMin)
        return 0;
    if (x > m_dMax)
        return m_nPositions;
    return static_cast<int>((x - m_dMin) / (m_dMax - m_dMin) * m_nPositions + 0.5);
}

void CNumSpinCtrl::SetValue(double value)
{
    if (!m_buddy)
        return;
    m_buddy->setText(QString::fromStdString(FormatSpinValue(value, m_nDecimals, m_bTrim, m_strFormat)));
    m_nPos = PositionOf(value);
}

void CNumSpinCtrl::Step(int delta)
{
    double v = GetValue() + delta * m_dStep;
    if (delta < 0) {
        const double tolerance = std::max(std::fabs(std::max(v, m_dMin)) * 1e-9, 1e-9);
        if (m_dMin - v > tolerance)
            v = m_bWrap ? m_dMax : m_dMin;
    } else {
        const double tolerance = std::max(std::fabs(std::max(v, m_dMax)) * 1e-9, 1e-9);
        if (v - m_dMax > tolerance)
            v = m_bWrap ? m_dMin : m_dMax;
    }
    SetValue(v);
    emit deltaPos(delta);
}
