// The colour palette dialog and the other-typeface dialog with its list of vertical faces.
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "pages/font_colour_dialog.h"
#include "pages/other_faces_dialog.h"
#include "pages/vertical_faces.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "wizard/wizard_sheet.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kUnset = 0xFFFFFF;

// A wizard of a design kind with three stickers, the second one current, and a page in it.
class ColourDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSealFormat::ResetAll();
        for (SealDataCommon* sheet : {static_cast<SealDataCommon*>(&CSealFormat::Orvanel()),
                                      static_cast<SealDataCommon*>(&CSealFormat::Zolvi())})
            sheet->m_nCurPiece = 1;
        CSealFormat::Orvanel().m_pieces.resize(3);
        CSealFormat::Zolvi().m_pieces.resize(4);
        m_wizard.m_nKind = kKindOrvanel;
    }
    void TearDown() override { CSealFormat::ResetAll(); }

    static std::vector<int> Chosen(const CDlgFontColor& dialog)
    {
        std::vector<int> chosen;
        for (int id = kIdcFirstColour; id <= kIdcNoFrame; ++id)
            if (auto* button = dialog.ControlAs<CFontButton>(id); button && button->IsToggled())
                chosen.push_back(id);
        return chosen;
    }
    // Clicks `buttonId` once the dialog runs; its result.
    static int ClickIn(CDlgFontColor& dialog, int buttonId)
    {
        QTimer::singleShot(0, &dialog, [&dialog, buttonId] {
            QTest::mouseClick(dialog.ControlAs<QPushButton>(buttonId), Qt::LeftButton);
        });
        return dialog.exec();
    }
    SealPiece& Sticker() { return CSealFormat::Orvanel().m_pieces[1]; }

    CWizardSheetDlg m_wizard{0};
    QWidget m_page{&m_wizard};
};

struct ModeCase {
    bool textMode;
    bool wholeSheet;
    const char* caption;
    bool noFrameShown;
};

TEST_F(ColourDialog, OnlyTheStickerFrameModeOffersNoFrame)
{
    const ModeCase cases[] = {{true, true, "文字の色を変える", false},
                              {true, false, "文字の色を変える", false},
                              {false, true, "枠の色を変える", false},
                              {false, false, "枠の色を変える", true}};
    for (const ModeCase& c : cases) {
        CDlgFontColor dialog(c.textMode, c.wholeSheet, &m_page);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(dialog.Control(kIdcNoFrame)->isVisible(), c.noFrameShown) << c.textMode << c.wholeSheet;
        EXPECT_EQ(dialog.Control(kIdcNoFrameHint)->isVisible(), c.noFrameShown) << c.textMode << c.wholeSheet;
        EXPECT_EQ(dialog.ControlAs<CFontButton>(kIdcNoFrame)->Caption(), QStringLiteral("枠無"));
    }
}

TEST_F(ColourDialog, EveryButtonShowsTheColourOfItsStringId)
{
    CDlgFontColor dialog(true, true, &m_page);
    EXPECT_EQ(dialog.ControlAs<CFontButton>(1040)->CurrentFaceColour(), QColor(Qt::red));
    EXPECT_EQ(dialog.ControlAs<CFontButton>(1047)->CurrentFaceColour(), ColourFromRef(0xAA00AA));
    EXPECT_EQ(dialog.ControlAs<CFontButton>(1054)->CurrentFaceColour(), ColourFromRef(0x800000));
    EXPECT_EQ(dialog.ControlAs<CFontButton>(kIdcNoFrame)->CurrentFaceColour(), ColourFromRef(0xFFFFFE));
}

struct CurrentCase {
    bool textMode;
    bool wholeSheet;
    int textColour;         // the design's or the sticker's, by mode
    std::uint32_t frame;    // the sheet's or the sticker's, by mode
    std::vector<int> chosen;
};

TEST_F(ColourDialog, TheButtonOfTheCurrentValueIsChosen)
{
    const CurrentCase cases[] = {
        {true, true, 116, kUnset, {1047}},
        {true, false, 108, kUnset, {1053}},
        {true, false, 0x636363, kUnset, {}},
        {false, true, 102, 0x808080, {1055}},
        {false, true, 102, kUnset, {}},
        {false, false, 102, 0xFFFFFE, {kIdcNoFrame}},
        {false, false, 102, kUnset, {}},
        {false, false, 102, 0x123456, {}},
    };
    for (const CurrentCase& c : cases) {
        CSealFormat::s_nTextColour = c.wholeSheet ? c.textColour : 102;
        Sticker().m_nTextColour = c.wholeSheet ? 0x636363 : c.textColour;
        CSealFormat::Orvanel().m_crFrame = c.wholeSheet ? c.frame : kUnset;
        Sticker().m_crFrame = c.wholeSheet ? kUnset : c.frame;
        const CDlgFontColor dialog(c.textMode, c.wholeSheet, &m_page);
        EXPECT_EQ(Chosen(dialog), c.chosen) << c.textMode << c.wholeSheet << " " << c.textColour << " " << c.frame;
    }
}

struct StoreCase {
    int kind;
    bool textMode;
    bool wholeSheet;
    int button;
};

TEST_F(ColourDialog, AClickStoresIntoTheTargetOfItsModeAndCloses)
{
    const StoreCase cases[] = {{kKindOrvanel, true, true, 1042},   {kKindOrvanel, true, false, 1042},
                               {kKindOrvanel, false, true, 1042},  {kKindOrvanel, false, false, 1042},
                               {kKindOrvanel, false, false, kIdcNoFrame}, {kKindZolvi, false, false, kIdcNoFrame},
                               {kKindZolvi, true, false, 1054},    {kKindZolvi, false, true, 1054}};
    for (const StoreCase& c : cases) {
        SetUp();
        m_wizard.m_nKind = c.kind;
        CDlgFontColor dialog(c.textMode, c.wholeSheet, &m_page);
        EXPECT_EQ(ClickIn(dialog, c.button), 1);
        EXPECT_EQ(Chosen(dialog), std::vector<int>{c.button});

        const std::uint32_t colour = c.button == kIdcNoFrame ? 0xFFFFFE : c.button == 1042 ? 0x000080 : 0x800000;
        const int stringId = c.button == 1042 ? 106 : 111;
        SealDataCommon& sheet = c.kind == kKindOrvanel ? static_cast<SealDataCommon&>(CSealFormat::Orvanel())
                                                       : static_cast<SealDataCommon&>(CSealFormat::Zolvi());
        SealPiece& sticker =
            c.kind == kKindOrvanel ? CSealFormat::Orvanel().m_pieces[1] : CSealFormat::Zolvi().m_pieces[1];
        EXPECT_EQ(CSealFormat::s_nTextColour, c.textMode && c.wholeSheet ? stringId : 102);
        EXPECT_EQ(sticker.m_nTextColour, c.textMode && !c.wholeSheet ? stringId : 0x636363);
        EXPECT_EQ(sheet.m_crFrame, !c.textMode && c.wholeSheet ? colour : kUnset);
        EXPECT_EQ(sticker.m_crFrame, !c.textMode && !c.wholeSheet ? colour : kUnset);
        EXPECT_EQ(sheet.m_bModified, 0);
    }
}

TEST_F(ColourDialog, CancelChangesNothingAndAStickerOutOfRangeIsLeftAlone)
{
    CDlgFontColor cancelled(false, false, &m_page);
    EXPECT_EQ(ClickIn(cancelled, kIdCancel), QDialog::Rejected);
    EXPECT_EQ(Sticker().m_crFrame, kUnset);

    CSealFormat::Orvanel().m_nCurPiece = 7;
    CDlgFontColor outside(true, false, &m_page);
    EXPECT_TRUE(Chosen(outside).empty());
    EXPECT_EQ(ClickIn(outside, 1040), 1);
    for (const SealPiece& piece : CSealFormat::Orvanel().m_pieces)
        EXPECT_EQ(piece.m_nTextColour, 0x636363);
}

// The hint would not fit at its starting size; it shrinks until it keeps 5 pixels each side.
TEST_F(ColourDialog, TheNoFrameHintShrinksToFitItsLabel)
{
    CDlgFontColor dialog(false, false, &m_page);
    dialog.show();
    auto* hint = dialog.ControlAs<CFontStatic>(kIdcNoFrameHint);
    ASSERT_GE(QFontMetrics(CaptionFont(12)).horizontalAdvance(hint->Text()), hint->width() - 10);
    const QImage shown = hint->grab().toImage();
    int left = shown.width(), right = -1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (qGray(shown.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0) << "the hint shows";
    EXPECT_GE(left, 4);
    EXPECT_LE(right, shown.width() - 5);
}

struct NameCase {
    const char* name;
    bool offered;
};

TEST(VerticalFaces, TheSystemFacesAndTwoSpecialFacesAreNeverOffered)
{
    const NameCase cases[] = {{"ＭＳ 明朝", false},   {"ＭＳ Ｐゴシック", false}, {"MS UI Gothic", false},
                              {"MSGothic", false},     {"edit", false},           {"OCR-B", false},
                              {"Edit", true},          {"OCR-B 10", true},        {"IPAGothic", true},
                              {"Noto Sans CJK JP", true}};
    for (const NameCase& c : cases)
        EXPECT_EQ(IsOfferedFaceName(QString::fromUtf8(c.name)), c.offered) << c.name;
}

TEST(VerticalFaces, FacesWithoutVerticalFormsOrNotInstalledAreLeftOut)
{
    EXPECT_TRUE(HasVerticalForms(QRawFont::fromFont(QFont(QStringLiteral("IPAMincho")))));
    EXPECT_FALSE(HasVerticalForms(QRawFont::fromFont(QFont(QStringLiteral("DejaVu Sans")))));
    EXPECT_FALSE(HasVerticalForms(QRawFont()));
    const QStringList candidates = {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic"),
                                    QStringLiteral("Liberation Serif"), QStringLiteral("No Such Face"),
                                    QStringLiteral("Noto Serif CJK JP")};
    const QStringList expected = {QStringLiteral("IPAGothic"), QStringLiteral("Noto Serif CJK JP")};
    EXPECT_EQ(VerticalFaces(candidates), expected);
    EXPECT_TRUE(InstalledVerticalFaces().contains(QStringLiteral("IPAMincho")));
}

class OtherFaces : public ::testing::Test {
protected:
    void SetUp() override { CSealFormat::ResetAll(); }
    void TearDown() override
    {
        CSealFormat::ResetAll();
        g_fontPool.ReleaseOther();
    }
    static QComboBox* List(const CDlgOthers& dialog) { return dialog.ControlAs<QComboBox>(kIdcFaceList); }
};

struct ReselectCase {
    const char* previous;
    const char* selected;
};

TEST_F(OtherFaces, TheFaceChosenLastIsSelectedAgainWhileItIsOffered)
{
    const QStringList faces = {QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho")};
    const ReselectCase cases[] = {{"IPAMincho", "IPAMincho"}, {"", "IPAGothic"}, {"Gone Face", "IPAGothic"}};
    for (const ReselectCase& c : cases) {
        CSealFormat::OtherFace() = cp932::FromUtf8(c.previous);
        CDlgOthers dialog(nullptr, true);
        dialog.FillFaces(faces);
        EXPECT_EQ(List(dialog)->currentText().toStdString(), c.selected) << c.previous;
        EXPECT_EQ(dialog.ChosenFace().toStdString(), c.selected) << c.previous;
        EXPECT_EQ(dialog.ControlAs<CFontStatic>(kIdcFaceSample)->Text(), QString::fromUtf8("サンプル書体あいABｱｲ"));
    }
}

TEST_F(OtherFaces, OkLoadsTheSelectedFaceIntoTheFontPool)
{
    CDlgOthers dialog(nullptr, false);
    dialog.FillFaces({QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho")});
    List(dialog)->setCurrentIndex(1);
    EXPECT_EQ(dialog.ChosenFace(), QStringLiteral("IPAMincho"));
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.ControlAs<QPushButton>(kIdOk)->click(); });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(CSealFormat::OtherFace(), "IPAMincho");
    ASSERT_NE(g_fontPool.Japanese(2, false), nullptr);
}

TEST_F(OtherFaces, EscapeChangesNothingAndAnEmptyListCannotBeConfirmed)
{
    CSealFormat::OtherFace() = "IPAGothic";
    CDlgOthers dialog(nullptr, true);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), 0);
    EXPECT_EQ(CSealFormat::OtherFace(), "IPAGothic");

    dialog.FillFaces({});
    EXPECT_FALSE(dialog.Control(kIdOk)->isEnabled());
    EXPECT_EQ(List(dialog)->count(), 0);
}

}  // namespace
