// The print pages in the running wizard: the offsets' arrows, their edits and the frame that moves
// with them, and the print and save buttons that refuse while a text does not fit.
#include "pages2_fixture.h"

#include "controls/num_spin_ctrl.h"
#include "design/print_offsets.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

class PrintStepPageTest : public TextPrintTest {
protected:
    void TearDown() override
    {
        g_printOffsets = {};
        TextPrintTest::TearDown();
    }
    // The vertical offset's ▲ or ▼, the horizontal one's ▶ or ◀ (`up`: ▲ or ▶).
    QToolButton* Arrow(bool vertical, bool up) const
    {
        const char* name = vertical ? (up ? "up" : "down") : (up ? "right" : "left");
        return PrintPage()->OffsetSpin(vertical)->findChild<QToolButton*>(name);
    }
    void ClickArrow(bool vertical, bool up, int times)
    {
        QToolButton* arrow = Arrow(vertical, up);
        ASSERT_NE(arrow, nullptr);
        for (int i = 0; i < times; ++i)
            ClickControl(arrow);
    }
    QRect SheetPicture() const
    {
        const int id = Wizard()->m_nKind == kKindZolvi ? kIdcZolviSheet : kIdcOrvanelSheet;
        return PrintPage()->Control(id)->geometry();
    }
    bool OutputEnabled() const
    {
        const bool print = PrintPage()->Control(kIdcPrint)->isEnabled();
        EXPECT_EQ(PrintPage()->Control(kIdcSaveDesign)->isEnabled(), print);
        return print;
    }
};

TEST_F(PrintStepPageTest, FiveIncrementsShowHalfAMillimetreStoreFiftyAndMoveTheFrameDown)
{
    GoToTextPage("M100AA00");
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    ASSERT_EQ(ActiveId(), kIddOrvanelPrint);
    EXPECT_EQ(PrintPage()->OffsetEdit(true)->text(), QStringLiteral("0.0"));
    EXPECT_EQ(PrintPage()->OffsetFrame(), SheetPicture().adjusted(-1, -1, 1, 1));

    ClickArrow(true, true, 5);
    EXPECT_EQ(PrintPage()->OffsetEdit(true)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(g_printOffsets.dy, 50);
    EXPECT_EQ(PrintPage()->OffsetFrame(), SheetPicture().adjusted(-1, -1, 1, 1).translated(0, 5));

    ClickArrow(false, true, 3);
    EXPECT_EQ(PrintPage()->OffsetEdit(false)->text(), QStringLiteral("0.3"));
    EXPECT_EQ(g_printOffsets.dx, 30);
    EXPECT_EQ(PrintPage()->OffsetFrame(), SheetPicture().adjusted(-1, -1, 1, 1).translated(-3, 5));

    ClickArrow(false, false, 6);
    EXPECT_EQ(PrintPage()->OffsetEdit(false)->text(), QStringLiteral("-0.3"));
    EXPECT_EQ(g_printOffsets.dx, -30);
}

TEST_F(PrintStepPageTest, TheArrowsPointTheWayThePrintMoves)
{
    GoToTextPage("M100AA00");
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    struct ArrowCase {
        bool vertical;
        bool up;
        Qt::ArrowType type;
    };
    const ArrowCase cases[] = {{true, true, Qt::UpArrow},
                               {true, false, Qt::DownArrow},
                               {false, true, Qt::RightArrow},
                               {false, false, Qt::LeftArrow}};
    for (const ArrowCase& c : cases) {
        ASSERT_NE(Arrow(c.vertical, c.up), nullptr);
        EXPECT_EQ(Arrow(c.vertical, c.up)->arrowType(), c.type);
    }
    // ▲ above ▼; ◀ and ▶ side by side in one row, ◀ on the left.
    EXPECT_LT(Arrow(true, true)->geometry().bottom(), Arrow(true, false)->geometry().top());
    const QRect left = Arrow(false, false)->geometry(), right = Arrow(false, true)->geometry();
    EXPECT_EQ(left.top(), right.top());
    EXPECT_LT(left.right(), right.left());
    EXPECT_GT(right.width(), 10);
    ClickArrow(false, false, 2);
    EXPECT_EQ(g_printOffsets.dx, -20) << "◀ moves the print left";
}

TEST_F(PrintStepPageTest, TheOffsetsStopAtFiveMillimetresAndStayForTheOtherKind)
{
    GoToTextPage("M100AA00");
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    ClickArrow(true, true, 55);
    EXPECT_EQ(PrintPage()->OffsetEdit(true)->text(), QStringLiteral("5.0"));
    EXPECT_EQ(g_printOffsets.dy, 500);
    ClickArrow(false, false, 52);
    EXPECT_EQ(PrintPage()->OffsetEdit(false)->text(), QStringLiteral("-5.0"));
    EXPECT_EQ(g_printOffsets.dx, -500);

    Wizard()->OnInitDialog();
    GoToTextPage("M011AA00");
    QTest::keyClicks(TextPage()->Edit(), "A");
    PressNext();
    ASSERT_EQ(ActiveId(), kIddZolviPrint);
    EXPECT_EQ(PrintPage()->OffsetEdit(true)->text(), QStringLiteral("5.0"));
    EXPECT_EQ(PrintPage()->OffsetEdit(false)->text(), QStringLiteral("-5.0"));
}

TEST_F(PrintStepPageTest, PrintAndSaveAreRefusedWhileAnyStickerOverflowsEvenABackPart)
{
    struct OverflowCase {
        const char* code;
        int layout;  // 0: the sheet's own
        int overflowing;
    };
    const OverflowCase cases[] = {{"M100AA00", 0, 5}, {"M011AA00", 145, 3}};
    for (const OverflowCase& c : cases) {
        SCOPED_TRACE(c.code);
        Wizard()->OnInitDialog();
        GoToTextPage(c.code);
        if (c.layout)
            CSealFormat::s_nLayoutMode = c.layout;
        Piece(0).m_strText = "fits";
        PressBack();
        PressNext();
        PressNext();
        EXPECT_TRUE(OutputEnabled());

        PressBack();
        Piece(c.overflowing).m_strText = std::string(1000, 'W');
        PressNext();
        EXPECT_EQ(Piece(c.overflowing).m_bOverflow, -1);
        EXPECT_FALSE(OutputEnabled());
    }
}

TEST_F(PrintStepPageTest, ADesignWithoutStickersMayBePrintedAndSaved)
{
    GoToTextPage("M100AA00");
    Design().pieces.clear();
    ASSERT_TRUE(Wizard()->ActivatePage(PrintPage()));
    EXPECT_TRUE(OutputEnabled());
}

}  // namespace
