#pragma once
// CNumSpinCtrl: a pair of arrow buttons that step a decimal value shown in a buddy edit, with a
// range, a step, a number of decimals and optional wrapping at the ends. Vertical: ▲ over ▼;
// horizontal: ◀ beside ▶. ▲ and ▶ step up, ▼ and ◀ down.
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <string>

// The text a value shows: with `format` when set, otherwise "%g" (decimals -1) or fixed or
// exponent form with `decimals` digits; `trim` drops trailing zeros (and a bare separator).
std::string FormatSpinValue(double value, int decimals, bool trim, const std::string& format);

class CNumSpinCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CNumSpinCtrl(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return m_buddy; }
    void SetRange(double minimum, double maximum, double step);
    void SetDecimals(int decimals) { m_nDecimals = decimals; }
    void SetTrimTrailingZeros(bool trim) { m_bTrim = trim; }
    void SetFormatString(const std::string& format) { m_strFormat = format; }
    void SetWrap(bool wrap) { m_bWrap = wrap; }

    // The buddy's text as a number; 0.0 without a buddy.
    double GetValue() const;
    // Writes the value's text into the buddy and moves the position.
    void SetValue(double value);
    int Position() const { return m_nPos; }
    int Positions() const { return m_nPositions; }

    // An arrow click: delta +1 up (or right), -1 down (or left).
    void Step(int delta);

signals:
    // After an arrow click has written the new value into the buddy: the parent reads it.
    void deltaPos(int delta);

private:
    int PositionOf(double value) const;

    QPointer<QLineEdit> m_buddy;
    double m_dMin = 0.0;
    double m_dMax = 100.0;
    double m_dStep = 1.0;
    int m_nPositions = 100;
    int m_nPos = 0;
    int m_nDecimals = -1;
    bool m_bTrim = true;
    bool m_bWrap = false;
    std::string m_strFormat;
};
