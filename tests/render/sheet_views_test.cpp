#include "render/sheet_views.h"

#include "platform/cp932.h"
#include "render/sticker_previews.h"
#include "render/zolvi_figures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(ViewScale, ExtentsFollowThePictureAndTheScaleFactor)
{
    // 592 pixels at 150 dpi are 1002 tenths of a millimetre.
    EXPECT_EQ(WindowExtent(QSize(592, 875), 1440), QSizeF(14428, 21340));
    EXPECT_EQ(WindowExtent(QSize(592, 875), 1000), QSizeF(10020, 14820));
    EXPECT_EQ(PreviewExtent(QSize(444, 330), -1), WindowExtent(QSize(444, 330), 2000));
    EXPECT_EQ(PreviewExtent(QSize(444, 330), -2), WindowExtent(QSize(444, 330), 1250));
    EXPECT_EQ(PreviewExtent(QSize(444, 330), 3), QSizeF(7520 / 3, 5590 / 3));
    EXPECT_EQ(PreviewExtent(QSize(444, 330), 0), QSizeF(7520, 5590));  // no division by zero
}

TEST(ZolviFigures, FoldDashesSpreadOverTheFold)
{
    // Family 137: 8 dashes; a first part 4000 wide gives dashes of 394 with gaps of 80.
    const ZolviCorners corners = *CornersFor(137);
    const QPainterPath path = FoldedOutline(Rect{0, 0, 4000, 1500}, Rect{0, 1500, 4000, 3000}, corners.outline,
                                            corners.foldDashes);
    std::vector<std::pair<double, double>> dashes;
    for (int i = 1; i < path.elementCount(); ++i)
        if (path.elementAt(i - 1).isMoveTo() && path.elementAt(i).isLineTo() && path.elementAt(i).y == 1500 &&
            path.elementAt(i - 1).y == 1500)
            dashes.emplace_back(path.elementAt(i - 1).x, path.elementAt(i).x);
    ASSERT_EQ(dashes.size(), 8u);
    EXPECT_EQ(dashes.front().first, 144);
    EXPECT_EQ(dashes.front().second, 144 + 394);
    EXPECT_EQ(dashes[1].first, 144 + 394 + 80);
    EXPECT_EQ(dashes.back().second, 4000 - 144);
    EXPECT_FALSE(CornersFor(141).has_value());
}

TEST(ZolviFigures, PartFramesAreSquareAtTheFoldSideOnly)
{
    const Corner corner{90, 50, 15};
    const Rect f{0, 0, 1000, 500};
    const QPainterPath first = PartFrame(f, true, corner);
    const QPainterPath second = PartFrame(f, false, corner);
    // A first part has its square corners on top: the top corners are on the outline, the bottom
    // ones are cut off by the curves.
    EXPECT_TRUE(first.contains(QPointF(1, 1)));
    EXPECT_FALSE(first.contains(QPointF(2, 498)));
    EXPECT_TRUE(second.contains(QPointF(2, 498)));
    EXPECT_FALSE(second.contains(QPointF(1, 1)));
}

class SheetViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_fontPool.Create(); }
    void SetUp() override { look.layoutMode = 187; }

    DesignLook look;

    // Two stickers side by side on a 10 x 10 cm picture; 1000 sheet units per 59 pixels at 1:1.
    static CSealData2 TwoStickers()
    {
        CSealData2 sheet;
        sheet.m_nFramePen = 40;
        sheet.m_nFrameRound = 200;
        sheet.m_nMarkPen = 40;
        sheet.m_nDefaultSize = 100;
        sheet.m_nPreviewScale = 1;
        for (int i = 0; i < 2; ++i) {
            SealPiece p;
            const int left = 1000 + i * 4000;
            p.m_rcPiece = Rect{left, 1000, left + 3500, 3000};
            p.m_rcFrame = Rect{left + 100, 1100, left + 3400, 2900};
            p.m_rcText = Rect{left + 300, 1300, left + 3200, 2700};
            p.m_rcMark = Rect{left - 50, 950, left + 3550, 3050};
            p.m_rcHit = Rect{left - 250, 750, left + 3750, 3250};
            sheet.m_pieces.push_back(p);
        }
        sheet.m_rcPreview = {Rect{200, 200, 3700, 2200}, Rect{300, 300, 3600, 2100}, Rect{500, 500, 3400, 1900}};
        return sheet;
    }

    static PictureFrame Frame(QSize picture) { return PictureFrame{picture, picture, picture, true}; }

    static QImage White(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    // The pixel of sheet point (x, y) under scale factor f.
    static QPoint Pixel(QSize picture, int f, int x, int y)
    {
        const QSizeF extent = WindowExtent(picture, f);
        return QPoint(static_cast<int>(x * picture.width() / extent.width()),
                      static_cast<int>(y * picture.height() / extent.height()));
    }
};

TEST_F(SheetViewTest, OverflowShowsAGreyBoxAndOutlinesAreDrawnWithFramesOff)
{
    CSealData2 sheet = TwoStickers();
    sheet.m_pieces[1].m_bOverflow = -1;
    const QSize picture(1000, 1000);
    QImage image = White(picture);
    QPainter painter(&image);
    DrawOrvanelSheet(painter, Frame(picture), sheet, look);
    painter.end();
    const QColor inside = image.pixelColor(Pixel(picture, kScaleSheet, 6750, 2000));
    EXPECT_EQ(inside, QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(Pixel(picture, kScaleSheet, 2750, 2000)), QColor(Qt::white));
    // The outline's top edge of the first sticker is dark.
    int dark = 0;
    for (int dy = -1; dy <= 1; ++dy)
        dark += qGray(image.pixel(Pixel(picture, kScaleSheet, 2750, 1000) + QPoint(0, dy))) < 128;
    EXPECT_GT(dark, 0);
}

TEST_F(SheetViewTest, ClickSelectsTheStickerWhoseAreaHoldsIt)
{
    const CSealData2 sheet = TwoStickers();
    const QSize picture(591, 591);  // 10 cm at 150 dpi
    PictureFrame frame = Frame(picture);
    frame.client = QSize(300, 300);  // shown at half size
    auto click = [&](int x, int y) {
        const QSizeF extent = WindowExtent(picture, kScaleMap);
        return HitTest(sheet, frame, QPoint(static_cast<int>(x * 300 / extent.width()),
                                            static_cast<int>(y * 300 / extent.height())));
    };
    EXPECT_EQ(click(2000, 2000), 0);
    EXPECT_EQ(click(6000, 2000), 1);
    EXPECT_EQ(click(900, 800), 0);    // in the half gap around the first sticker
    EXPECT_EQ(click(9500, 9000), -1);  // outside every sticker
}

TEST_F(SheetViewTest, PreviewReducesTheSizeFirstThenDrawsTheText)
{
    CSealData2 sheet = TwoStickers();
    sheet.m_pieces[0].m_strText = cp932::FromUtf8("あいうえおかきくけこさしすせそ");
    sheet.m_pieces[0].m_nSize = 720;
    const QSize picture(444, 330);
    QImage image = White(picture);
    QPainter painter(&image);
    const ReducedSize reduced = DrawOrvanelPreview(painter, Frame(picture), sheet, look, LineBreaks::kPlain);
    painter.end();
    ASSERT_TRUE(reduced.has_value());
    EXPECT_LT(*reduced, 21);
    EXPECT_EQ(sheet.m_pieces[0].m_nSize, 10 * g_fontPool.PointsAt(*reduced));

    QImage again = White(picture);
    QPainter second(&again);
    EXPECT_FALSE(DrawOrvanelPreview(second, Frame(picture), sheet, look, LineBreaks::kPlain).has_value());
    second.end();
    EXPECT_EQ(sheet.m_pieces[0].m_bOverflow, 0);
    // Text now shows inside the preview's text area.
    bool ink = false;
    const QPoint from = Pixel(picture, 1000, 500, 500), to = Pixel(picture, 1000, 3400, 1900);
    for (int y = from.y(); y < to.y() && !ink; ++y)
        for (int x = from.x(); x < to.x() && !ink; ++x)
            ink = qGray(again.pixel(x, y)) < 100;
    EXPECT_TRUE(ink);
}

TEST_F(SheetViewTest, HairlinePensStayVisibleOnAReducedPicture)
{
    // The selection picture draws outlines with a pen one sheet unit wide; at this scale that is
    // far below a pixel, yet the outline must show.
    const CSealData2 sheet = TwoStickers();
    const QSize picture(378, 559);
    QImage image = White(picture);
    QPainter painter(&image);
    DrawOrvanelSelection(painter, Frame(picture), sheet);
    painter.end();
    const QPoint onTopEdge = Pixel(picture, kScaleSheet, 2750, 1000);
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
        darkest = std::min(darkest, qGray(image.pixel(onTopEdge + QPoint(0, dy))));
    EXPECT_LT(darkest, 160);
}

}  // namespace
