// The layout pages of both kinds: arrangement buttons, the frame choice and the sample.
#include "design_page_fixture.h"

#include "controls/font_button.h"
#include "controls/image_button.h"
#include "format/load_formats.h"
#include "pages/line_break_setting.h"
#include "render/font_pool.h"
#include "res/artwork.h"
#include "res/resource_ids.h"

#include <QCheckBox>
#include <QDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

#include <filesystem>

namespace {

struct ArrangementCase {
    int buttonId;
    int mode;
    int picture;
    int chosenPicture;
};

struct KindCase {
    const char* code;
    int sampleId;
    std::vector<ArrangementCase> arrangements;
};

const KindCase kKinds[] = {
    {"M100AA00",
     kIdcSample,
     {{4022, 188, 188, 212}, {4023, 186, 186, 214}, {4020, 187, 187, 211}, {4021, 182, 182, 213}}},
    {"M011AA00",
     kIdcZolviLayoutSample,
     {{1027, 146, 146, 177},
      {1028, 147, 147, 176},
      {1029, 148, 148, 178},
      {1030, 149, 149, 179},
      {1025, 144, 144, 175},
      {1026, 145, 145, 174}}},
};

class LayoutPages : public DesignPageTest {};

TEST_F(LayoutPages, EachArrangementButtonStoresItsModeAndRepaintsTheSampleWithoutModifyingTheDesign)
{
    for (const KindCase& kind : kKinds) {
        OpenPage(kind.code, 1);
        EXPECT_TRUE(Button(1127)->isVisible()) << "step 2 of the indicator";
        const PaintCounter paints(PageControl(kind.sampleId));
        std::vector<QImage> samples;
        for (const ArrangementCase& c : kind.arrangements) {
            const int paintsBefore = paints.count();
            ClickOnPage(c.buttonId);
            EXPECT_EQ(CSealFormat::s_nLayoutMode, c.mode);
            for (const ArrangementCase& other : kind.arrangements)
                EXPECT_EQ(PageControlAs<CImageButton>(other.buttonId)->IsChosen(), other.buttonId == c.buttonId)
                    << c.mode << " / " << other.mode;
            EXPECT_GT(paints.count(), paintsBefore) << c.mode;
            const QImage sample = Shown(kind.sampleId);
            for (const QImage& earlier : samples)
                EXPECT_NE(sample, earlier) << "the sample of " << c.mode << " looks like an earlier one";
            samples.push_back(sample);
        }
        EXPECT_FALSE(CSealFormat::IsModified(Wizard()->m_nKind)) << kind.code;
        BackToStart();
    }
}

// The line-breaking box is the user's, not the design's: it shows and stores their setting, which
// outlives the program, and repaints the sample.
TEST_F(LayoutPages, LineBreakingBoxShowsAndStoresTheUsersChoiceWithoutModifyingTheDesign)
{
    for (const KindCase& kind : kKinds) {
        SetUserLineBreaks(LineBreaks::kKinsoku);
        OpenPage(kind.code, 1);
        auto* box = PageControlAs<QCheckBox>(kIdcKinsoku);
        ASSERT_TRUE(box && box->isVisible()) << kind.code;
        EXPECT_EQ(box->text(), QStringLiteral("禁則処理・単語で改行"));
        EXPECT_TRUE(box->isChecked()) << kind.code;
        const PaintCounter paints(PageControl(kind.sampleId));
        ClickOnPage(kIdcKinsoku);
        EXPECT_EQ(UserLineBreaks(), LineBreaks::kPlain) << kind.code;
        EXPECT_GT(paints.count(), 0) << kind.code;
        const QSettings stored(QSettings::IniFormat, QSettings::UserScope, "velmaro", "preferences");
        EXPECT_EQ(stored.value("layout/kinsoku"), QVariant(false)) << kind.code;
        EXPECT_FALSE(CSealFormat::IsModified(Wizard()->m_nKind)) << kind.code;
        PressBack();
        ClickSheet(kind.code);
        PressNext();
        EXPECT_FALSE(PageControlAs<QCheckBox>(kIdcKinsoku)->isChecked()) << kind.code;
        BackToStart();
    }
    SetUserLineBreaks(LineBreaks::kKinsoku);
}

TEST_F(LayoutPages, EveryArrangementHasItsOwnPictureAndADifferentOneWhileChosen)
{
    std::vector<QImage> pictures;
    for (const KindCase& kind : kKinds)
        for (const ArrangementCase& c : kind.arrangements) {
            const QImage& normal = Artwork(c.picture);
            const QImage& chosen = Artwork(c.chosenPicture);
            ASSERT_FALSE(normal.isNull()) << c.picture;
            ASSERT_FALSE(chosen.isNull()) << c.chosenPicture;
            EXPECT_NE(normal, chosen) << c.mode;
            for (const QImage& other : pictures)
                EXPECT_NE(normal, other) << c.mode;
            pictures.push_back(normal);
        }
}

TEST_F(LayoutPages, AModeOfNoButtonLeavesEveryButtonUnchosen)
{
    NewDesign();
    ClickSheet("M100AA00");
    CSealFormat::s_nLayoutMode = 144;
    PressNext();
    for (const ArrangementCase& c : kKinds[0].arrangements)
        EXPECT_FALSE(PageControlAs<CImageButton>(c.buttonId)->IsChosen()) << c.mode;
}

TEST_F(LayoutPages, UntickingAndTickingTheFrameBoxResetsAChosenColourToWhite)
{
    OpenPage("M100AA00", 1);
    CSealData2& sheet = CSealFormat::Orvanel();
    auto* frameColour = PageControlAs<CFontButton>(kIdcFrameColour);
    EXPECT_FALSE(PageControlAs<QCheckBox>(kIdcPrintFrame)->isChecked());
    EXPECT_FALSE(frameColour->isEnabled());

    ClickOnPage(kIdcPrintFrame);
    EXPECT_EQ(sheet.m_bFrame, 1);
    EXPECT_EQ(sheet.m_crFrame, 0xFFFFFFu);
    ASSERT_TRUE(frameColour->isEnabled());

    bool noFrameOffered = true;
    const auto answer = ActOnNextModal([&noFrameOffered](QDialog& dialog) {
        noFrameOffered = dialog.findChild<QWidget*>(QString::number(kIdcNoFrame))->isVisible();
        dialog.findChild<QPushButton*>(QStringLiteral("1040"))->click();
    });
    const QImage white = Shown(kIdcSample);
    ClickOnPage(kIdcFrameColour);
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(answer->className, QStringLiteral("CDlgFontColor"));
    EXPECT_FALSE(noFrameOffered) << "the whole sheet has no 'no frame' choice";
    EXPECT_EQ(sheet.m_crFrame, 0x0000FFu);
    // The frame is a thin antialiased line: pinkish pixels count.
    EXPECT_GT(CountNear(Shown(kIdcSample), Qt::red, 120), 100) << "the sample shows a red frame";
    EXPECT_EQ(CountNear(white, Qt::red, 120), 0);

    ClickOnPage(kIdcPrintFrame);
    EXPECT_EQ(sheet.m_bFrame, 0);
    EXPECT_EQ(sheet.m_crFrame, 0xFFFFFFu);
    EXPECT_FALSE(frameColour->isEnabled());
    ClickOnPage(kIdcPrintFrame);
    EXPECT_EQ(sheet.m_bFrame, 1);
    EXPECT_EQ(sheet.m_crFrame, 0xFFFFFFu) << "a new tick starts white again";
    EXPECT_FALSE(CSealFormat::IsModified(kKindOrvanel));
}

struct ZolviFrameCase {
    const char* code;
    bool framed;
};

TEST_F(LayoutPages, ZolviFrameControlsOnlyForTheFourFrameProductsWhileTheSettingStays)
{
    const ZolviFrameCase cases[] = {{"M011AA00", true}, {"M013AA00", true}, {"M000AA00", false}, {"M002AA00", false}};
    const int controls[] = {kIdcPrintFrame, kIdcFrameColour, kIdcFrameCaption, kIdcZolviFrameWarning, kIdcColourHint};
    for (const ZolviFrameCase& c : cases) {
        NewDesign();
        ClickSheet(c.code);
        CSealFormat::Zolvi().m_bFrame = 1;  // as an earlier sheet left it
        PressNext();
        ASSERT_EQ(ActiveId(), kIddZolviLayout);
        for (int id : controls) {
            EXPECT_EQ(PageControl(id)->isVisible(), c.framed) << c.code << " control " << id;
        }
        EXPECT_EQ(PageControlAs<QCheckBox>(kIdcPrintFrame)->isChecked(), c.framed) << c.code;
        if (c.framed) {
            EXPECT_TRUE(PageControl(kIdcFrameColour)->isEnabled()) << c.code;
        }
        EXPECT_EQ(CSealFormat::Zolvi().m_bFrame, 1) << c.code;
        BackToStart();
    }
}

TEST_F(LayoutPages, TheOrvanelPageMakesFontsOnceTheZolviPageOnEveryVisit)
{
    g_fontPool.Release();
    OpenPage("M100AA00", 1);
    EXPECT_EQ(g_fontPool.m_bCreated, 1);
    const auto afterFirst = g_fontPool.Version();
    PressBack();
    ClickSheet("M100AA00");
    PressNext();
    EXPECT_EQ(g_fontPool.Version(), afterFirst);

    PressBack();
    ClickSheet("M011AA00");
    PressNext();
    const auto zolviFirst = g_fontPool.Version();
    EXPECT_GT(zolviFirst, afterFirst);
    PressNext();
    PressBack();
    EXPECT_GT(g_fontPool.Version(), zolviFirst);
}

TEST_F(LayoutPages, AMissingDataFolderIsReportedAndTheStepStaysUnlit)
{
    NewDesign();
    ClickSheet("M011AA00");
    std::filesystem::remove_all(std::filesystem::u8path(g_strDataDir));
    const auto answer = AnswerNextModal(QMessageBox::Ok);
    PressNext();
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(answer->text.toStdString(), MissingPathMessage(g_strDataDir));
    EXPECT_FALSE(Button(1127)->isVisible());
}

}  // namespace
