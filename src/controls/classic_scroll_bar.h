#pragma once
// A scroll bar look where the thumb stands out: a grey thumb on a pale track, its length the share
// of the rows in view. Qt's own look on these pages draws a pale thumb on a grey track, which
// reads the wrong way round (the track's remainder looks like a small thumb at the far end).
#include <QProxyStyle>

class QScrollBar;

class ClassicScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

// Gives `bar` the look above.
void UseClassicLook(QScrollBar* bar);

// The colours of the look, for checking what is drawn.
QColor ClassicTrackColour();
QColor ClassicThumbColour();
