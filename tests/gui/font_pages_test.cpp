// The typeface and colour pages of both kinds.
#include "design_page_fixture.h"

#include "controls/font_button.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "res/look.h"
#include "res/resource_ids.h"

#include <QComboBox>
#include <QDialog>
#include <QTest>

namespace {

constexpr int kFaceButtons[] = {3034, 3033, 3035, 3036, 3037, 3038, 3039};

class FontPages : public DesignPageTest {
protected:
    void ExpectOnlyFaceChosen(int chosen) const
    {
        for (int id : kFaceButtons)
            EXPECT_EQ(PageControlAs<CFontButton>(id)->IsToggled(), id == chosen) << "button " << id;
    }
    void ExpectOnlyColourChosen(int chosen) const
    {
        for (int id = 1039; id <= 1055; ++id) {
            if (auto* button = PageControlAs<CFontButton>(id)) {
                EXPECT_EQ(button->IsToggled(), id == chosen) << "button " << id;
            }
        }
    }
    // Picks `face` in the other-typeface dialog and confirms it.
    void ChooseOtherFace(const QString& face)
    {
        const auto answer = ActOnNextModal([face](QDialog& dialog) {
            auto* list = dialog.findChild<QComboBox*>(QString::number(kIdcFaceList));
            list->setCurrentIndex(list->findText(face));
            dialog.findChild<QPushButton*>(QString::number(kIdOk))->click();
        });
        ClickOnPage(kIdcOtherFace);
        ASSERT_TRUE(answer->seen);
    }
    void CancelOtherFace()
    {
        const auto answer = AnswerNextModal(QDialog::Rejected);
        ClickOnPage(kIdcOtherFace);
        ASSERT_TRUE(answer->seen);
        EXPECT_EQ(answer->className, QStringLiteral("CDlgOthers"));
    }
};

struct FaceCase {
    int button;
    int japaneseFace;
    int latinFace;
    int latin;
};

TEST_F(FontPages, EachTypefaceButtonStoresItsFaceAndShowsItselfChosen)
{
    const FaceCase cases[] = {{3035, 0, 0, 1}, {3036, 0, 1, 1}, {3037, 0, 2, 1},
                              {3038, 0, 3, 1}, {3033, 1, 3, 0}, {3034, 0, 3, 0}};
    for (const char* code : {"M100AA00", "M011AA00"}) {
        OpenPage(code, 2);
        EXPECT_TRUE(Button(1129)->isVisible()) << "step 3 of the indicator";
        ExpectOnlyFaceChosen(3034);
        for (const FaceCase& c : cases) {
            ClickOnPage(c.button);
            EXPECT_EQ(CSealFormat::s_nJapaneseFace, c.japaneseFace) << c.button;
            EXPECT_EQ(CSealFormat::s_nLatinFace, c.latinFace) << c.button;
            EXPECT_EQ(CSealFormat::s_bLatinFace, c.latin) << c.button;
            ExpectOnlyFaceChosen(c.button);
        }
        EXPECT_FALSE(CSealFormat::IsModified(Wizard()->m_nKind));
        BackToStart();
    }
}

TEST_F(FontPages, CancellingTheOtherTypefaceKeepsTheLatinFaceThatWasCurrent)
{
    OpenPage("M100AA00", 2);
    ClickOnPage(3036);
    CancelOtherFace();
    EXPECT_EQ(CSealFormat::s_bLatinFace, 1);
    EXPECT_EQ(CSealFormat::s_nLatinFace, 1);
    ExpectOnlyFaceChosen(3036);
}

TEST_F(FontPages, ConfirmedOtherTypefaceIsLoadedAndACancelLaterKeepsIt)
{
    OpenPage("M011AA00", 2);
    ChooseOtherFace(QStringLiteral("IPAMincho"));
    EXPECT_EQ(CSealFormat::s_nJapaneseFace, 2);
    EXPECT_EQ(CSealFormat::s_bLatinFace, 0);
    EXPECT_EQ(CSealFormat::OtherFace(), cp932::FromUtf8("IPAMincho"));
    EXPECT_NE(g_fontPool.Japanese(2, false), nullptr);
    ExpectOnlyFaceChosen(3039);

    CancelOtherFace();
    EXPECT_EQ(CSealFormat::s_nJapaneseFace, 2);
    EXPECT_EQ(CSealFormat::OtherFace(), cp932::FromUtf8("IPAMincho"));
    ExpectOnlyFaceChosen(3039);

    // Coming back to the page loads the face again for its sample.
    g_fontPool.ReleaseOther();
    PressBack();
    PressNext();
    ExpectOnlyFaceChosen(3039);
    EXPECT_NE(g_fontPool.Japanese(2, false), nullptr);
}

struct ColourCase {
    int textColour;
    int button;  // 0: none
};

TEST_F(FontPages, TheDesignTextColourChoosesItsButton)
{
    const ColourCase cases[] = {{102, 1039}, {117, 1051}, {111, 1054}, {108, 1053},
                                {118, 0},    {0x636363, 1039}, {5, 1039}};
    OpenPage("M100AA00", 1);
    for (const ColourCase& c : cases) {
        CSealFormat::s_nTextColour = c.textColour;
        PressNext();
        ExpectOnlyColourChosen(c.button);
        PressBack();
    }
}

TEST_F(FontPages, AColourClickStoresItsStringIdAndTheSampleShowsIt)
{
    OpenPage("M100AA00", 2);
    const QImage black = Shown(kIdcSample);
    ClickOnPage(1040);
    EXPECT_EQ(CSealFormat::s_nTextColour, 103);
    ExpectOnlyColourChosen(1040);
    const QImage red = Shown(kIdcSample);
    EXPECT_GT(CountNear(red, Qt::red), 20);
    EXPECT_EQ(CountNear(black, Qt::red), 0);
}

TEST_F(FontPages, TheBoldToggleSurvivesLeavingAndComingBack)
{
    for (const char* code : {"M100AA00", "M011AA00"}) {
        OpenPage(code, 2);
        const int sampleId = Wizard()->m_nKind == kKindOrvanel ? kIdcSample : kIdcZolviFontSample;
        const QImage plain = Shown(sampleId);
        ClickOnPage(kIdcBold);
        EXPECT_EQ(CSealFormat::s_bBold, 1);
        EXPECT_NE(Shown(sampleId), plain);
        PressBack();
        PressNext();
        EXPECT_TRUE(PageControlAs<CFontButton>(kIdcBold)->IsToggled()) << code;
        ClickOnPage(kIdcBold);
        EXPECT_EQ(CSealFormat::s_bBold, 0);
        EXPECT_FALSE(PageControlAs<CFontButton>(kIdcBold)->IsToggled());
        BackToStart();
    }
}

}  // namespace
