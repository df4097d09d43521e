#include "render/line_renderer.h"

#include "ink.h"
#include "platform/cp932.h"
#include "render/pool_measurer.h"
#include "text/fit_text.h"

#include <gtest/gtest.h>

namespace {

class LineRendererTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_fontPool.Create(); }

    // Gothic and Arial at 24 points (index 13).
    static LineFonts Fonts(int type, int latinRotation, bool vertical)
    {
        LineFonts fonts;
        fonts.japanese = JapaneseFont{0, vertical, false, type, 13};
        fonts.latin = LatinFont{1, false, latinRotation, 13};
        return fonts;
    }

    static int Natural(const std::string& utf8)
    {
        return g_fontPool.Japanese(0, false)->Extent(cp932::FromUtf8(utf8), false, 24);
    }
};

TEST_F(LineRendererTest, HorizontalLineCoversExactlyItsAlignedStretch)
{
    const std::string line = cp932::FromUtf8("漢字かな");
    const int natural = Natural("漢字かな");  // about 3387 units
    struct Case {
        int extent;
        int align;
        int expectedLeft;
        int expectedRight;
    };
    // The box is 8000 units wide from x = 1000. A line 2000 units longer than its glyphs spreads
    // the difference: each of the four characters advances 500 more, the last one's glyph ends
    // 500 before the stretch's end.
    const Case cases[] = {{natural, -1, 1000, 1000 + natural},
                          {natural, 0, 5000 - natural / 2, 5000 + natural / 2},
                          {natural, 1, 9000 - natural, 9000},
                          {natural + 2000, -1, 1000, 1000 + natural + 1500}};
    for (const Case& c : cases) {
        QImage image = WhiteSheet(10000, 3000);
        QPainter painter(&image);
        UseSheetUnits(painter);
        DrawTextLine(painter, WritingFamily::kHorizontal, Rect{1000, 500, 9000, 2500}, line, c.extent, Fonts(0, 0, false),
                     0, c.align, DeviceOffsets{});
        painter.end();
        const QRect ink = InkBounds(image);
        ASSERT_FALSE(ink.isNull());
        // Glyphs sit inside their em boxes: ink starts a little after the stretch and ends a little before.
        EXPECT_NEAR(ink.left(), c.expectedLeft, 150) << c.extent;
        EXPECT_NEAR(ink.left() + ink.width(), c.expectedRight, 150) << c.extent;
        // The cell is centred across the line box.
        EXPECT_NEAR((ink.top() + ink.top() + ink.height()) / 2, 1500, 200);
    }
}

TEST_F(LineRendererTest, PrintOffsetsMoveTheLineOnlyOnAPrinter)
{
    const std::string line = "AB";
    auto draw = [&](bool printer) {
        QImage image = WhiteSheet(6000, 3000);
        QPainter painter(&image);
        UseSheetUnits(painter);
        DrawTextLine(painter, WritingFamily::kHorizontal, Rect{1000, 500, 5000, 2500}, line, 1200,
                     Fonts(0, 0, false), 0, -1, DeviceOffsets{printer, 300, 200});
        painter.end();
        return InkBounds(image);
    };
    const QRect screen = draw(false);
    const QRect printer = draw(true);
    EXPECT_EQ(printer.left() - screen.left(), 300);
    EXPECT_EQ(printer.top() - screen.top(), -200);  // dy moves the print up
}

TEST_F(LineRendererTest, VerticalWritingPutsTheFirstColumnOnTheRight)
{
    // Mode 188: type 1, three one-character lines stacked right to left with the stack centred.
    const std::vector<std::string> lines = {cp932::FromUtf8("一"), cp932::FromUtf8("二二"), cp932::FromUtf8("三三三")};
    const int em = Natural("漢");
    const std::vector<int> extents = {em, 2 * em, 3 * em};
    QImage image = WhiteSheet(6000, 6000);
    QPainter painter(&image);
    UseSheetUnits(painter);
    DrawTextBlock(painter, WritingFamily::kVertical, Rect{0, 0, 6000, 6000}, lines, extents, em, Fonts(1, 0, true), 1,
                  LineAlignment{-1, 0}, DeviceOffsets{});
    painter.end();
    // Three columns of 2000 units: "一" (1 char) right, "三三三" (3 chars) left.
    const QRect right = InkBounds(image, QRect(400, 0, 200, 600));
    const QRect left = InkBounds(image, QRect(0, 0, 200, 600));
    ASSERT_FALSE(right.isNull());
    ASSERT_FALSE(left.isNull());
    EXPECT_LT(right.height(), em + 100);      // one character down the right column
    EXPECT_GT(left.height(), 2 * em + 100);   // three characters down the left column
    EXPECT_NEAR(left.top(), 0, 300);         // columns start at the top (along alignment -1)
}

TEST_F(LineRendererTest, UpsideDownLineRunsFromTheRightEnd)
{
    const std::string line = cp932::FromUtf8("漢字");
    const int natural = Natural("漢字");
    QImage image = WhiteSheet(8000, 3000);
    QPainter painter(&image);
    UseSheetUnits(painter);
    // Type 2 with alignment -1 keeps the left edge: the stretch is [1000, 1000 + natural].
    DrawTextLine(painter, WritingFamily::kHorizontal, Rect{1000, 500, 7000, 2500}, line, natural, Fonts(2, 2, false), 2,
                 -1, DeviceOffsets{});
    painter.end();
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), 1000, 150);
    EXPECT_NEAR(ink.left() + ink.width(), 1000 + natural, 150);
}

TEST_F(LineRendererTest, LaidOutTextIsDrawnWithinItsArea)
{
    FontPoolMeasurer measurer;
    const Rect box{500, 500, 4500, 2500};
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch = 0;
    JapaneseFont japanese{0, false, false, 0, 13};
    LatinFont latin{1, false, 0, 13};
    const std::string text = cp932::FromUtf8("あいうえおかきくけこABCさしすせそ");
    ASSERT_EQ(FitHorizontalText(measurer, box, text, lines, extents, pitch, japanese, latin, LineBreaks::kPlain), 0);
    ASSERT_GE(lines.size(), 2u);
    QImage image = WhiteSheet(5000, 3000);
    QPainter painter(&image);
    UseSheetUnits(painter);
    LineFonts fonts{japanese, latin};
    DrawTextBlock(painter, WritingFamily::kHorizontal, box, lines, extents, pitch, fonts, 0, LineAlignment{0, 0},
                  DeviceOffsets{});
    painter.end();
    const QRect ink = InkBounds(image);
    EXPECT_GE(ink.left(), box.left - 50);
    EXPECT_LE(ink.left() + ink.width(), box.right + 50);
    EXPECT_GE(ink.top(), box.top - 50);
    EXPECT_LE(ink.top() + ink.height(), box.bottom + 50);
}

TEST_F(LineRendererTest, StackAlignmentPlacesDrawnLines)
{
    // One small character per line (8 points), so each line's ink sits at the middle of its box.
    LineFonts fonts = Fonts(0, 0, false);
    fonts.japanese.sizeIndex = 5;
    fonts.latin.sizeIndex = 5;
    const std::string dot = cp932::FromUtf8("■");
    const int em = g_fontPool.Japanese(0, false)->Extent(dot, false, 8);
    struct Case {
        int lines;
        int pitch;
        int align;
        std::vector<int> centres;  // expected middle of each line box, top to bottom
    };
    const Case cases[] = {{3, 400, 0, {500, 1500, 2500}}, {2, 500, 1, {2250, 2750}}, {2, 500, -1, {250, 750}}};
    for (const Case& c : cases) {
        QImage image = WhiteSheet(2000, 3000);
        QPainter painter(&image);
        UseSheetUnits(painter);
        DrawTextBlock(painter, WritingFamily::kHorizontal, Rect{0, 0, 2000, 3000},
                      std::vector<std::string>(static_cast<std::size_t>(c.lines), dot),
                      std::vector<int>(static_cast<std::size_t>(c.lines), em), c.pitch, fonts, 0, LineAlignment{0, c.align},
                      DeviceOffsets{});
        painter.end();
        for (int centre : c.centres) {
            const QRect ink = InkBounds(image, QRect(0, (centre - 200) / kUnitsPerPixel, 200, 400 / kUnitsPerPixel));
            ASSERT_FALSE(ink.isNull()) << c.align << " " << centre;
            EXPECT_NEAR(ink.top() + ink.height() / 2, centre, 40) << c.align << " " << centre;
        }
    }
}

}  // namespace
