// Walking the page chain as a user does: new design, choosing sheets, Next and Back.
#include "wizard_fixture.h"

#include "res/resource_ids.h"

#include <QTest>

namespace {

class WizardWalk : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        StartWizard();
    }
};

TEST_F(WizardWalk, StartPageHidesTheWizardButtons)
{
    EXPECT_EQ(ActiveId(), kIddStart);
    EXPECT_FALSE(Button(kIdcBack)->isVisible());
    EXPECT_FALSE(NextVisible());
    EXPECT_FALSE(Button(kIdcExit)->isVisible());
    EXPECT_EQ(Wizard()->windowTitle(), QStringLiteral("ZolviVER.2"));
}

TEST_F(WizardWalk, ChoosingEachKindLeadsToItsLayoutPageAndBackGivesUpTheKind)
{
    NewDesign();
    ASSERT_EQ(ActiveId(), kIddSelection);
    EXPECT_TRUE(NextVisible());
    EXPECT_FALSE(NextEnabled());

    ClickSheet("M100AA00");
    EXPECT_EQ(Wizard()->m_nKind, kKindOrvanel);
    EXPECT_EQ(CSealFormat::s_nLayoutMode, 187);
    EXPECT_EQ(g_strCurCode, "M100AA00");
    EXPECT_EQ(CSealFormat::Orvanel().m_strCode, "M100AA00");
    EXPECT_TRUE(NextEnabled());
    PressNext();
    EXPECT_EQ(ActiveId(), kIddOrvanelLayout);

    PressBack();
    EXPECT_EQ(ActiveId(), kIddSelection);
    EXPECT_EQ(Wizard()->m_nKind, kKindNone);
    EXPECT_FALSE(NextEnabled());
    EXPECT_TRUE(g_strCurCode.empty());

    ClickSheet("M011AA00");
    EXPECT_EQ(Wizard()->m_nKind, kKindZolvi);
    EXPECT_EQ(CSealFormat::s_nOldSheetType, 138);
    EXPECT_EQ(CSealFormat::s_nLayoutMode, 144);
    EXPECT_EQ(CSealFormat::Zolvi().m_strCode, "M011AA00");
    PressNext();
    EXPECT_EQ(ActiveId(), kIddZolviLayout);
    PressBack();
    EXPECT_EQ(Wizard()->m_nKind, kKindNone);
}

TEST_F(WizardWalk, TheWholeOrvanelChainEndsOnThePrintPageWithExitInsteadOfNext)
{
    NewDesign();
    ClickSheet("M100AA00");
    PressNext();
    PressNext();
    EXPECT_EQ(ActiveId(), kIddOrvanelFont);
    PressNext();
    EXPECT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_FALSE(NextEnabled()) << "no sticker has text yet";

    CSealFormat::Orvanel().m_pieces[0].m_strText = "A";
    PressBack();
    PressNext();
    EXPECT_EQ(ActiveId(), kIddOrvanelText);
    EXPECT_TRUE(NextEnabled());
    PressNext();
    EXPECT_EQ(ActiveId(), kIddOrvanelPrint);
    EXPECT_FALSE(NextVisible());
    EXPECT_TRUE(Button(kIdcExit)->isVisible());
    EXPECT_TRUE(Button(kIdcBack)->isVisible());
}

TEST_F(WizardWalk, TheZolviChainFollowsTheListFromItsLayoutPage)
{
    NewDesign();
    ClickSheet("M011AA00");
    const int expected[] = {kIddZolviLayout, kIddZolviFont, kIddZolviText};
    for (int id : expected) {
        PressNext();
        EXPECT_EQ(ActiveId(), id);
    }
    EXPECT_FALSE(NextEnabled());
    PressBack();
    EXPECT_EQ(ActiveId(), kIddZolviFont);
    PressBack();
    EXPECT_EQ(ActiveId(), kIddZolviLayout);
}

TEST_F(WizardWalk, NewDesignTwiceGivesAFreshDesignEachTime)
{
    for (int round = 0; round < 2; ++round) {
        NewDesign();
        ASSERT_EQ(ActiveId(), kIddSelection);
        EXPECT_FALSE(NextEnabled());
        EXPECT_EQ(CSealFormat::s_nTextColour, 102);
        EXPECT_EQ(CSealFormat::s_bBold, 0);
        EXPECT_FALSE(CSealFormat::Orvanel().HasAnyText());

        ClickSheet("M100AA00");
        CSealFormat::s_nTextColour = 105;
        CSealFormat::s_bBold = 1;
        CSealFormat::Orvanel().m_pieces[0].m_strText = "X";
        PressNext();
        PressBack();
        PressBack();
        ASSERT_EQ(ActiveId(), kIddStart);
        EXPECT_EQ(Wizard()->m_nKind, kKindNone);
        EXPECT_FALSE(Button(kIdcBack)->isVisible());
    }
}

TEST_F(WizardWalk, ClickingARowTwiceWithNothingWrittenGivesTheSameCleanDesign)
{
    NewDesign();
    ClickSheet("M100AA00");
    CSealFormat::s_nJapaneseFace = 1;
    ClickSheet("M100AA00");
    EXPECT_EQ(CSealFormat::s_nJapaneseFace, 0);
    EXPECT_EQ(CSealFormat::s_nLatinFace, 1);
}

}  // namespace
