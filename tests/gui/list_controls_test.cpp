// The owner-data list and the keyboard-deaf list box.
#include "controls/classic_scroll_bar.h"
#include "controls/quick_list.h"
#include "controls/scroll_lb.h"
#include "res/look.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The horizontal extent of dark pixels in a row band of the image.
int InkWidth(const QImage& image, const QRect& band)
{
    int left = band.right(), right = band.left() - 1;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}

class OwnerDataList : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.resize(300, 200);
        list.InsertColumn(0, QStringLiteral("text"), 280);
        list.SetCellHandler([this](QuickListCell& cell) {
            ++requests;
            cell.text = texts[cell.row];
            cell.bold = true;
        });
        list.SetClickHandler([this](const QuickListHit& hit) { clicks.push_back(hit.row); });
        list.SetItemCount(static_cast<int>(texts.size()));
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    std::vector<QString> texts{QStringLiteral("ab"), QStringLiteral("a&b"), QStringLiteral("x")};
    std::vector<int> clicks;
    int requests = 0;
    CQuickList list;
};

TEST_F(OwnerDataList, AsksItsOwnerForEveryCellItDraws)
{
    requests = 0;
    list.grab();
    EXPECT_GE(requests, static_cast<int>(texts.size()));
    EXPECT_EQ(list.model()->data(list.model()->index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("a&b"));
}

TEST_F(OwnerDataList, AnAmpersandInACellIsShownLiterally)
{
    const QImage shown = list.viewport()->grab().toImage();
    const QRect plain = list.visualRect(list.model()->index(0, 0));
    const QRect withAmpersand = list.visualRect(list.model()->index(1, 0));
    const int ampersand = QFontMetrics(GothicFont(16, 700)).horizontalAdvance(QLatin1Char('&'));
    EXPECT_GE(InkWidth(shown, withAmpersand) - InkWidth(shown, plain), ampersand - 2);
}

TEST_F(OwnerDataList, ClicksOnRowsAreReportedAndClicksBelowThemAreNot)
{
    const QRect row = list.visualRect(list.model()->index(2, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, list.viewport()->height() - 3));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(clicks, std::vector<int>{2});
    EXPECT_EQ(list.SelectedRow(), 2);
}

TEST_F(OwnerDataList, DoubleClicksAndDragsDoNothing)
{
    const QRect row = list.visualRect(list.model()->index(0, 0));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(clicks.empty());
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseMove(list.viewport(), list.visualRect(list.model()->index(2, 0)).center());
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(2, 0)).center());
    EXPECT_EQ(list.SelectedRow(), 0);
}

// A list longer than its window: most rows in view, a few below.
class LongList : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.resize(300, 360);
        list.InsertColumn(0, QStringLiteral("text"), 260);
        list.SetCellHandler([](QuickListCell& cell) { cell.text = QString::number(cell.row); });
        list.SetItemCount(15);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
    QScrollBar* Bar() const { return list.verticalScrollBar(); }
    QRect Part(QStyle::SubControl part) const
    {
        QStyleOptionSlider option;
        option.initFrom(Bar());
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Vertical;
        option.minimum = Bar()->minimum();
        option.maximum = Bar()->maximum();
        option.sliderPosition = option.sliderValue = Bar()->value();
        option.singleStep = Bar()->singleStep();
        option.pageStep = Bar()->pageStep();
        return Bar()->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, Bar());
    }
    // The rows of the bar's middle column drawn in the thumb's colour.
    std::pair<int, int> DrawnThumb() const
    {
        const QImage shown = Bar()->grab().toImage();
        const int x = shown.width() / 2;
        int first = -1, last = -1;
        for (int y = 0; y < shown.height(); ++y)
            if (QColor(shown.pixel(x, y)) == ClassicThumbColour()) {
                first = first < 0 ? y : first;
                last = y;
            }
        return {first, last};
    }
    CQuickList list;
};

TEST_F(LongList, TheThumbStartsAtTheTopAndIsAsLongAsTheShareOfRowsInView)
{
    ASSERT_GT(Bar()->maximum(), 0);
    ASSERT_GE(Bar()->pageStep(), 10);
    EXPECT_EQ(Bar()->value(), 0);
    const QRect groove = Part(QStyle::SC_ScrollBarGroove);
    const auto [top, bottom] = DrawnThumb();
    ASSERT_GE(top, 0) << "no thumb drawn";
    EXPECT_LE(top - groove.top(), 2);
    const double share = double(Bar()->pageStep()) / (Bar()->maximum() + Bar()->pageStep());
    EXPECT_NEAR(bottom - top + 1, share * groove.height(), 4);
    // The track below the thumb is pale, so the thumb is what stands out.
    const QImage shown = Bar()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, (bottom + groove.bottom()) / 2)), ClassicTrackColour());
}

TEST_F(LongList, TheArrowsAndTheThumbMoveTheRowsTheWayTheyPoint)
{
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, Part(QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(Bar()->value(), 0) << "up at the first row stays there";
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, Part(QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(Bar()->value(), 1);
    EXPECT_EQ(list.indexAt(QPoint(5, 5)).row(), 1);
    const int thumbTop = DrawnThumb().first;
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, Part(QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_LT(DrawnThumb().first, thumbTop);

    Bar()->setValue(Bar()->maximum());
    EXPECT_GE(DrawnThumb().second, Part(QStyle::SC_ScrollBarGroove).bottom() - 2);
    const QPoint grip = Part(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(Bar(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(Bar(), grip - QPoint(0, 200));
    QTest::mouseRelease(Bar(), Qt::LeftButton, {}, grip - QPoint(0, 200));
    EXPECT_EQ(Bar()->value(), 0) << "dragging the thumb up shows the first rows";
}

TEST(QuickListColours, FollowTheSelectionFocusAndHotState)
{
    QPalette palette;
    QuickListCell cell;
    EXPECT_EQ(QuickListBackground(cell, true, palette), palette.color(QPalette::Base));
    cell.selected = true;
    EXPECT_EQ(QuickListBackground(cell, true, palette), palette.color(QPalette::Highlight));
    EXPECT_EQ(QuickListBackground(cell, false, palette), palette.color(QPalette::Button));
    EXPECT_EQ(QuickListTextColour(cell, true, palette), palette.color(QPalette::HighlightedText));
    EXPECT_EQ(QuickListTextColour(cell, false, palette), palette.color(QPalette::WindowText));
}

class SizeList : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.resize(80, 60);
        for (int i = 0; i < 30; ++i)
            list.addItem(QString::number(i));
        list.setCurrentRow(5);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.setFocus();
    }
    CScrollLB list;
};

TEST_F(SizeList, ArrowKeysDoNothing)
{
    QSignalSpy commands(&list, &CScrollLB::command);
    const int top = list.verticalScrollBar()->value();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home})
        QTest::keyClick(&list, key);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.currentRow(), 5);
    EXPECT_EQ(list.verticalScrollBar()->value(), top);
    EXPECT_EQ(commands.count(), 0);
}

TEST_F(SizeList, EachScrollStepPostsTheNewTopIndex)
{
    QSignalSpy commands(&list, &CScrollLB::command);
    const int top = list.verticalScrollBar()->value();
    list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_TRUE(commands.wait(1000) || commands.count() == 2);
    QCoreApplication::processEvents();
    ASSERT_EQ(commands.count(), 2);
    EXPECT_EQ(commands[0][0].toInt(), kCmdScrolled);
    EXPECT_EQ(commands[0][1].toInt(), top + 1);
    EXPECT_EQ(commands[1][1].toInt(), top + 2);
    EXPECT_EQ(list.LastScrollPosition(), top + 2);
}

}  // namespace
