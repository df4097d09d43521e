// The wizard frame on its own: refusals, the step indicator and the Tab rule.
#include "res/resource_ids.h"
#include "wizard/wizard_sheet.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingPage : public CWizardPageDlg {
public:
    using CWizardPageDlg::CWizardPageDlg;
    bool OnKillActive() override { return mayLeave; }
    void OnSetActive() override { ++shown; }
    void OnKeyDown(int key, Qt::KeyboardModifiers) override { keys.push_back(key); }
    bool mayLeave = true;
    int shown = 0;
    std::vector<int> keys;
};

class WizardFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int id : {kIddSelection, kIddOrvanelLayout, kIddZolviText}) {
            pages.push_back(std::make_unique<RecordingPage>(&sheet));
            sheet.AddPage(pages.back().get(), id);
        }
        sheet.m_nPlaceholderId = kIdcPlaceholder;
        sheet.OnInitDialog();
        sheet.show();
    }
    void TearDown() override
    {
        pages.clear();
    }
    CWizardSheetDlg sheet{kIddWizard};
    std::vector<std::unique_ptr<RecordingPage>> pages;
};

TEST_F(WizardFrame, APageThatRefusesToBeLeftKeepsPageAndButtons)
{
    sheet.Next();
    ASSERT_EQ(sheet.GetActivePage(), pages[1].get());
    pages[1]->mayLeave = false;
    const bool nextEnabled = sheet.Control(kIdcNext)->isEnabled();
    sheet.Next();
    sheet.Back();
    EXPECT_EQ(sheet.GetActivePage(), pages[1].get());
    EXPECT_EQ(sheet.Control(kIdcNext)->isEnabled(), nextEnabled);
    EXPECT_EQ(pages[1]->shown, 1);
}

TEST_F(WizardFrame, PagesAreCreatedOnFirstActivationAndPlacedOnThePlaceholder)
{
    EXPECT_EQ(pages[0]->m_bCreated, 1);
    EXPECT_EQ(pages[1]->m_bCreated, 0);
    sheet.Next();
    EXPECT_EQ(pages[1]->m_bCreated, 1);
    EXPECT_EQ(pages[1]->pos(), sheet.Control(kIdcPlaceholder)->pos());
    EXPECT_EQ(pages[1]->m_pSheet, &sheet);
}

// A larger window keeps pages and buttons together, unscaled, in its middle; a page first shown
// after the resize lands with them.
TEST_F(WizardFrame, AGrownWindowKeepsItsContentWholeInTheMiddle)
{
    const QSize designed = sheet.size();
    EXPECT_EQ(sheet.minimumSize(), designed);
    const QPoint page = pages[0]->pos(), next = sheet.Control(kIdcNext)->pos();
    const QSize pageSize = pages[0]->size();
    sheet.resize(designed + QSize(200, 101));
    QCoreApplication::processEvents();
    EXPECT_EQ(pages[0]->pos(), page + QPoint(100, 50));
    EXPECT_EQ(sheet.Control(kIdcNext)->pos(), next + QPoint(100, 50));
    EXPECT_EQ(pages[0]->size(), pageSize);
    sheet.Next();
    EXPECT_EQ(pages[1]->pos(), page + QPoint(100, 50));
    sheet.resize(designed);
    QCoreApplication::processEvents();
    EXPECT_EQ(pages[1]->pos(), page);
    EXPECT_EQ(sheet.Control(kIdcNext)->pos(), next);
}

TEST_F(WizardFrame, ShowStepLightsOnePictureAtMost)
{
    const int byStep[] = {1128, 1127, 1129, 1130, 1131};
    for (int n = 0; n <= 6; ++n) {
        sheet.ShowStep(n);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(sheet.Control(byStep[i])->isVisible(), n == i + 1) << n << " " << i;
    }
}

TEST_F(WizardFrame, TabIsHandedToTheZolviTextPageOnly)
{
    sheet.Next();
    auto* edit = new QLineEdit(pages[1].get());
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(pages[1]->keys.empty());

    sheet.Next();
    ASSERT_EQ(sheet.GetActivePage(), pages[2].get());
    auto* zolviEdit = new QLineEdit(pages[2].get());
    QTest::keyClick(zolviEdit, Qt::Key_Tab);
    QTest::keyClick(zolviEdit, Qt::Key_A);
    EXPECT_EQ(pages[2]->keys, std::vector<int>{Qt::Key_Tab});
}

}  // namespace
