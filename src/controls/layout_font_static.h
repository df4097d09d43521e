#pragma once
// CLayoutFontStatic: the picture control every sheet and sticker view is drawn on. It keeps the
// background picture scaled from 150 dots per inch to the screen and a memory picture of the
// same size, both at the screen's device pixel ratio; each paint draws the view of its control id
// into the memory picture and copies it to the window.
//
// The views map sheet units with the control's proportions (and stretched views stretch the
// picture over the control), so the control takes the proportions of its picture when one is
// loaded: it keeps its height and horizontal centre and gets the width that keeps every view
// isotropic.
#include "controls/layout_view.h"
#include "design/seal_format.h"

#include <QImage>
#include <QWidget>

#include <functional>

class CLayoutFontStatic : public QWidget, public CSealFormat {
    Q_OBJECT
public:
    CLayoutFontStatic(int controlId, QWidget* parent = nullptr);

    // Resource 0 leaves the control without pictures.
    void LoadPicture(int resourceId);
    // False when the file cannot be read as a picture; the control is then without pictures.
    bool LoadPicture(const QString& file);
    // A picture drawn by the program (a label sheet's paper or map).
    void LoadPicture(const QImage& picture);
    void SetDisplayFlag(bool on);
    bool HasPicture() const { return !m_background.isNull(); }
    const QImage& Background() const { return m_background; }
    QSize PictureSize() const { return m_pictureSize; }
    // The memory picture's size in device-independent pixels, as the views map onto it.
    QSize MemorySize() const;
    // Called with the client position of a left click.
    void SetHitTest(std::function<void(const QPoint&)> hitTest) { m_hitTest = std::move(hitTest); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildPictures(const QImage& picture);
    void DropPictures();
    void TakePictureProportions();


    int m_nControlId;
    QImage m_source;  // the loaded picture, kept to rebuild at another device pixel ratio
    QImage m_background;
    QImage m_memory;
    QSize m_pictureSize;
    QRect m_place;  // the place the control was given, before it took a picture's proportions
    bool m_bDisplay = false;
    std::function<void(const QPoint&)> m_hitTest;
};
