#pragma once
// CImageButton: a button showing one of three pictures by state, with a sticky chosen state.
#include <QImage>
#include <QPushButton>

class CImageButton : public QPushButton {
    Q_OBJECT
public:
    explicit CImageButton(QWidget* parent = nullptr);

    // Resource numbers; 0 for the chosen or disabled picture means the normal picture.
    void SetPictures(int normal, int chosen = 0, int disabled = 0);
    void SetStretch(bool on) { m_bStretch = on; }
    void SetChosen(bool on);
    bool IsChosen() const { return m_bChosen; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage PictureForState() const;

    int m_nNormal = 0, m_nChosen = 0, m_nDisabled = 0;
    bool m_bStretch = false;
    bool m_bChosen = false;
};
