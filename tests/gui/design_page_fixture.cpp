#include "design_page_fixture.h"

#include "res/resource_ids.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

PaintCounter::PaintCounter(QWidget* widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++m_nCount;
    return false;
}

void DesignPageTest::SetUp()
{
    WizardTest::SetUp();
    StartWizard();
}

void DesignPageTest::OpenPage(const std::string& code, int steps)
{
    NewDesign();
    ClickSheet(code);
    for (int i = 0; i < steps; ++i)
        PressNext();
}

void DesignPageTest::BackToStart()
{
    for (int i = 0; i < 8 && ActiveId() != kIddStart; ++i)
        PressBack();
    ASSERT_EQ(ActiveId(), kIddStart);
}

QWidget* DesignPageTest::PageControl(int id) const
{
    CWizardPageDlg* page = Wizard()->GetActivePage();
    return page ? page->Control(id) : nullptr;
}

void DesignPageTest::ClickOnPage(int id)
{
    ClickControl(PageControl(id));
    QApplication::processEvents();
}

QImage DesignPageTest::Shown(int id) const
{
    QApplication::processEvents();
    return PageControl(id)->grab().toImage();
}

int DesignPageTest::CountNear(const QImage& image, QColor colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= tolerance
                && std::abs(pixel.green() - colour.green()) <= tolerance
                && std::abs(pixel.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}
