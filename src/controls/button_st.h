#pragma once
// CButtonST: a flat picture button. The full picture shows while the pointer is over the button
// or it is held down, a darker copy otherwise, a grey copy (or a given picture) while disabled.
#include <QColor>
#include <QImage>
#include <QPushButton>

#include <optional>

class CButtonST : public QPushButton {
    Q_OBJECT
public:
    explicit CButtonST(QWidget* parent = nullptr);

    // Pixels of `transparent` let the background show; a null `disabled` picture means the
    // grey copy of `picture`.
    void SetBitmaps(const QImage& picture, QRgb transparent, const QImage& disabled = QImage());
    void SetBitmaps(int pictureId, QRgb transparent, int disabledId = 0);
    // Fill colours for: pointer over or pressed, idle, focused.
    void SetColours(const QColor& over, const QColor& idle, const QColor& focused);
    void SetPressedOffset(int dx, int dy);

    bool IsMouseOver() const { return m_bMouseOver; }
    // The picture the button would draw now (for tests of its states).
    const QImage& CurrentPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void EndMouseOver();

    QImage m_picture, m_darker, m_disabled;
    QImage m_maskedPicture, m_maskedDarker;
    QColor m_overColour, m_idleColour, m_focusColour;
    int m_pressedDx = 0, m_pressedDy = 2;
    bool m_bMouseOver = false;
};
