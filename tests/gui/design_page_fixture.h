#pragma once
// The wizard walked to the layout and font pages, with helpers to act on the dialogs they open
// and to see what their samples paint.
#include "wizard_fixture.h"

#include <QImage>

class QDialog;


// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    int count() const { return m_nCount; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_nCount = 0;
};

class DesignPageTest : public WizardTest {
protected:
    void SetUp() override;
    // A new design on the sheet `code`, then Next `steps` times (1: the layout page, 2: the
    // font page).
    void OpenPage(const std::string& code, int steps);
    // Back until the start page shows.
    void BackToStart();
    QWidget* PageControl(int id) const;
    template <class T>
    T* PageControlAs(int id) const
    {
        return qobject_cast<T*>(PageControl(id));
    }
    // Clicks a control of the active page and lets the repaints happen.
    void ClickOnPage(int id);
    // What a picture control shows once pending repaints are done.
    QImage Shown(int id) const;
    // The number of pixels of `image` within `tolerance` of `colour` in each channel.
    static int CountNear(const QImage& image, QColor colour, int tolerance = 40);
};
