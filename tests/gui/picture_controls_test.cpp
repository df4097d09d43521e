// Picture buttons and picture controls: the automatic pictures, states and scaling.
#include "controls/button_st.h"
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "controls/layout_font_static.h"
#include "platform/mul_div.h"
#include "controls/picture_ops.h"
#include "res/look.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QRgb kCream = PageColour().rgb();

struct PixelCase {
    QRgb in;
    QRgb darker;
    QRgb grey;
};

TEST(PictureButton, DarkerAndGreyPicturesFollowTheirFormulasAndKeepTransparentPixels)
{
    const PixelCase cases[] = {
        {qRgb(200, 100, 50), qRgb(184, 92, 46), qRgb(124, 124, 124)},
        {qRgb(100, 150, 255), qRgb(92, 138, 234), qRgb(147, 147, 147)},  // int() truncates 234.6 and 147.1
        {qRgb(1, 2, 3), qRgb(0, 1, 2), qRgb(1, 1, 1)},
        {qRgb(0, 0, 255), qRgb(0, 0, 234), qRgb(29, 29, 29)},
        {kCream, kCream, kCream},
    };
    QImage picture(static_cast<int>(std::size(cases)), 1, QImage::Format_RGB32);
    for (int x = 0; x < picture.width(); ++x)
        picture.setPixel(x, 0, cases[x].in);
    const QImage darker = DarkerPicture(picture, kCream);
    const QImage grey = GreyPicture(picture, kCream);
    for (int x = 0; x < picture.width(); ++x) {
        EXPECT_EQ(darker.pixel(x, 0) & 0xFFFFFF, cases[x].darker & 0xFFFFFF) << x;
        EXPECT_EQ(grey.pixel(x, 0) & 0xFFFFFF, cases[x].grey & 0xFFFFFF) << x;
    }
}

QImage Filled(QRgb colour)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, 0, kCream);
    return image;
}

TEST(PictureButton, ShowsTheDarkerPictureIdleTheFullOneUnderThePointerAndGreyWhenDisabled)
{
    CButtonST button;
    button.resize(40, 20);
    button.SetBitmaps(Filled(qRgb(200, 100, 50)), kCream);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QEvent away(QEvent::Leave);
    QApplication::sendEvent(&button, &away);
    EXPECT_EQ(button.CurrentPicture().pixel(5, 5) & 0xFFFFFF, qRgb(184, 92, 46) & 0xFFFFFF);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.IsMouseOver());
    EXPECT_EQ(button.CurrentPicture().pixel(5, 5) & 0xFFFFFF, qRgb(200, 100, 50) & 0xFFFFFF);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.IsMouseOver());

    button.setEnabled(false);
    EXPECT_EQ(button.CurrentPicture().pixel(5, 5) & 0xFFFFFF, qRgb(124, 124, 124) & 0xFFFFFF);
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixel(20, 10) & 0xFFFFFF, qRgb(124, 124, 124) & 0xFFFFFF) << "stretched over the button";
}

TEST(PictureButton, TransparentPixelsShowTheBackgroundColour)
{
    CButtonST button;
    button.resize(20, 10);
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(kCream);
    picture.setPixel(3, 3, qRgb(0, 0, 0));
    button.SetBitmaps(picture, kCream);
    button.SetColours(Qt::black, Qt::red, Qt::red);
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixel(10, 8) & 0xFFFFFF, QColor(Qt::red).rgb() & 0xFFFFFF);
}

TEST(FontButton, ToggleKeepsItsStateAndChoosesTheColourPair)
{
    CFontButton button;
    button.resize(60, 30);
    button.SetColours(Qt::black, Qt::yellow);
    button.SetSecondColours(Qt::white, Qt::blue);
    button.SetTwoColourMode(true);
    button.SetToggleMode(true);
    EXPECT_EQ(button.CurrentFaceColour(), QColor(Qt::blue));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.IsToggled());
    EXPECT_EQ(button.CurrentFaceColour(), QColor(Qt::yellow));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.IsToggled());
    EXPECT_EQ(button.CurrentFaceColour(), QColor(Qt::blue));
}

TEST(FontButton, DisabledFaceAndCaptionTurnGrey)
{
    CFontButton button;
    button.resize(60, 30);
    button.CreateFont(CaptionFont(20, 900));
    button.SetCaption(QStringLiteral("I"));
    button.SetColours(QColor(200, 40, 40), QColor(40, 160, 60));
    button.setEnabled(false);
    const QImage shown = button.grab().toImage();
    const QRgb face = GreyColour(qRgb(40, 160, 60)) & 0xFFFFFF, caption = GreyColour(qRgb(200, 40, 40)) & 0xFFFFFF;
    // Side by side on the face, away from the caption: one grey, no chequer of the button face.
    for (int x = 8; x < 14; ++x)
        EXPECT_EQ(shown.pixel(x, 8) & 0xFFFFFF, face) << x;
    bool captionShown = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor pixel(shown.pixel(x, y));
            const int spread = std::max({pixel.red(), pixel.green(), pixel.blue()})
                               - std::min({pixel.red(), pixel.green(), pixel.blue()});
            EXPECT_LE(spread, 2) << "a coloured pixel at " << x << "," << y;
            captionShown = captionShown || (pixel.rgb() & 0xFFFFFF) == caption;
        }
    EXPECT_TRUE(captionShown);
}

TEST(FontStatic, PaintsNothingUntilItHasAFont)
{
    QWidget parent;
    parent.resize(100, 30);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::green);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    CFontStatic label(&parent);
    label.resize(100, 30);
    label.SetText(QStringLiteral("文字"));
    label.SetColours(Qt::black, Qt::white);
    EXPECT_EQ(parent.grab().toImage().pixel(2, 2) & 0xFFFFFF, QColor(Qt::green).rgb() & 0xFFFFFF);
    label.CreateFont(CaptionFont(16));
    EXPECT_EQ(parent.grab().toImage().pixel(2, 2) & 0xFFFFFF, QColor(Qt::white).rgb() & 0xFFFFFF);
}

TEST(LayoutPicture, ScalesPicturesFrom150DotsPerInchToTheScreen)
{
    CLayoutFontStatic control(1081);
    const QString file = QDir::temp().filePath(QStringLiteral("velmaro-layout-picture.bmp"));
    QImage picture(300, 450, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(file));
    ASSERT_TRUE(control.LoadPicture(file));
    const int dpiX = control.logicalDpiX(), dpiY = control.logicalDpiY();
    EXPECT_EQ(control.Background().size(), QSize(MulDiv(300, dpiX, 150), MulDiv(450, dpiY, 150)));
    EXPECT_EQ(control.PictureSize(), QSize(300, 450));
    control.LoadPicture(0);
    EXPECT_FALSE(control.HasPicture());
    EXPECT_FALSE(control.LoadPicture(QStringLiteral("/nonexistent/whiteseal.bmp")));
    EXPECT_FALSE(control.HasPicture());
    QFile::remove(file);
}

TEST(LayoutPicture, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(300, 96, 150), 192);
    EXPECT_EQ(MulDiv(591, 96, 150), 378);  // 378.24
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(450, 120, 150), 360);
}

TEST(LayoutPicture, DrawsItsRegisteredViewAndTheBorderWhenFlagged)
{
    bool drawn = false;
    RegisterLayoutView(4242, {[&drawn](QPainter& painter, const ViewFrame& frame) {
                                  drawn = true;
                                  EXPECT_EQ(frame.controlId, 4242);
                                  painter.fillRect(QRect(10, 10, 5, 5), Qt::red);
                              },
                              ViewCopy::BorderWhenFlagged});
    CLayoutFontStatic control(4242);
    control.resize(60, 60);
    control.SetDisplayFlag(true);
    control.LoadPicture(284);
    const QImage shown = control.grab().toImage();
    EXPECT_TRUE(drawn);
    EXPECT_EQ(shown.pixel(12, 12) & 0xFFFFFF, QColor(Qt::red).rgb() & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(0, 30) & 0xFFFFFF, 0u);
    EXPECT_EQ(shown.pixel(30, 30) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
