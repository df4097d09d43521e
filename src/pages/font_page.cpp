#include "pages/font_page.h"

#include "controls/font_button.h"
#include "controls/layout_font_static.h"
#include "pages/colour_palette.h"
#include "pages/data_folder_check.h"
#include "pages/face_choice.h"
#include "pages/other_faces_dialog.h"
#include "pages/sample_views.h"
#include "render/font_pool.h"
#include "render/typefaces.h"
#include "res/look.h"
#include "res/resource_ids.h"

namespace {

constexpr int kSamplePixels = 20;
const QColor kChosenFace(0xFF, 0xE4, 0xBE);
const QColor kBoldFace(0xE8, 0x82, 0x2A);

// A typeface button and the sample it shows in its own face.
struct FaceButton {
    int id;
    const char* sample;
    std::vector<FamilyChoice> families;
};

const std::vector<FaceButton>& FaceButtons()
{
    static const std::vector<FaceButton> buttons = {
        {kIdcGothic, "あ印Aa", {{"IPAPGothic"}, {"Noto Sans CJK JP"}}},
        {kIdcMincho, "あ印Aa", {{"IPAPMincho"}, {"Noto Serif CJK JP"}}},
        {3035, "AaZz123", LatinFamilies(0)},
        {3036, "AaZz123", LatinFamilies(1)},
        {3037, "AaZz123", LatinFamilies(2)},
        {3038, "AaZz123", LatinFamilies(3)},
        {kIdcOtherFace, "選択する", {{"IPAPGothic"}, {"Noto Sans CJK JP"}}},
    };
    return buttons;
}

// The first installed family of `families` at a pixel size, as the font pool would pick it.
QFont SampleFont(const std::vector<FamilyChoice>& families, int pixels)
{
    QFont font;
    QStringList names;
    for (const FamilyChoice& choice : families)
        names << choice.family;
    font.setFamilies(names);
    font.setPixelSize(pixels);
    if (!families.empty()) {
        font.setStretch(families.front().stretch);
        font.setWeight(families.front().alwaysBold ? QFont::Bold : QFont::Normal);
    }
    return font;
}

// The button showing the design's text colour; none for a colour the page does not offer.
int TextColourButton()
{
    const std::uint32_t colour = PaletteColour(CSealFormat::s_nTextColour);
    for (std::size_t i = 0; i < kTextPaletteSize; ++i)
        if (PaletteColour(kPalette[i].stringId) == colour)
            return kPalette[i].buttonId;
    return 0;
}

}  // namespace

CFontStepPage::CFontStepPage(CWizardSheetDlg* sheet, const DesignStep& step, int sampleId, int canvas, bool orvanel)
    : CDesignStepPage(sheet, step), m_nSampleId(sampleId), m_nCanvas(canvas), m_bOrvanel(orvanel)
{
}

bool CFontStepPage::OnInitDialog()
{
    CDesignStepPage::OnInitDialog();
    RegisterSampleViews();
    SetUpFaceButtons();
    SetUpColourButtons();
    SetUpBoldButton();
    return true;
}

void CFontStepPage::SetUpFaceButtons()
{
    for (const FaceButton& face : FaceButtons()) {
        auto* button = ControlAs<CFontButton>(face.id);
        button->CreateFont(SampleFont(face.families, kSamplePixels));
        button->SetCaption(QString::fromUtf8(face.sample));
        button->SetColours(Qt::black, kChosenFace);
        button->SetSecondColours(Qt::black, Qt::white);
        button->SetTwoColourMode(true);
        const int id = face.id;
        if (id == kIdcOtherFace)
            connect(button, &QPushButton::clicked, this, &CFontStepPage::OnOtherFace);
        else
            connect(button, &QPushButton::clicked, this, [this, id] { OnFace(id); });
    }
}

void CFontStepPage::SetUpColourButtons()
{
    for (std::size_t i = 0; i < kTextPaletteSize; ++i) {
        const PaletteEntry entry = kPalette[i];
        auto* button = ControlAs<CFontButton>(entry.buttonId);
        SetUpColourButton(*button, PaletteColour(entry.stringId));
        connect(button, &QPushButton::clicked, this, [this, entry] { OnColour(entry.buttonId, entry.stringId); });
    }
}

void CFontStepPage::SetUpBoldButton()
{
    auto* bold = ControlAs<CFontButton>(kIdcBold);
    bold->CreateFont(CaptionFont(kSamplePixels));
    bold->SetCaption(QStringLiteral("太字"));
    bold->SetColours(Qt::white, kBoldFace);
    bold->SetSecondColours(Qt::black, Qt::white);
    bold->SetTwoColourMode(true);
    bold->SetToggleMode(true);
    connect(bold, &QPushButton::clicked, this, &CFontStepPage::OnBold);
}

// The Zolvi page looks for the data folder before anything else is shown, the Orvanel page once
// its buttons show the design.
void CFontStepPage::OnSetActive()
{
    ShowColourChosen(0);
    if (!m_bOrvanel && !DataFolderPresent(this))
        return;
    Sample()->LoadPicture(m_nCanvas);
    ShowTypefaceChoice();
    if (m_bOrvanel && !DataFolderPresent(this))
        return;
    ShowColourChosen(TextColourButton());
    CDesignStepPage::OnSetActive();
    if (!m_bOrvanel)
        Control(kIdcGothic)->setFocus();
    Sample()->update();
}

// The buttons as the design has them; the other typeface is loaded again for this page's sample.
void CFontStepPage::ShowTypefaceChoice()
{
    ControlAs<CFontButton>(kIdcBold)->SetToggled(s_bBold == 1);
    const int current = CurrentFaceButton();
    ShowFaceChosen(current);
    if (current == kIdcOtherFace)
        g_fontPool.CreateOther(OtherFace());
}

CLayoutFontStatic* CFontStepPage::Sample() const
{
    return ControlAs<CLayoutFontStatic>(m_nSampleId);
}

void CFontStepPage::ShowFaceChosen(int buttonId)
{
    for (const FaceButton& face : FaceButtons())
        ControlAs<CFontButton>(face.id)->SetToggled(face.id == buttonId);
}

void CFontStepPage::ShowColourChosen(int buttonId)
{
    for (std::size_t i = 0; i < kTextPaletteSize; ++i)
        ControlAs<CFontButton>(kPalette[i].buttonId)->SetToggled(kPalette[i].buttonId == buttonId);
}

void CFontStepPage::OnFace(int buttonId)
{
    ShowFaceChosen(buttonId);
    ChooseFaceButton(buttonId);
    Sample()->update();
    RecordStep("書体");
}

// A cancelled choice goes back to the typeface the design had: clicking its button again.
void CFontStepPage::OnOtherFace()
{
    const int before = CurrentFaceButton();
    ShowFaceChosen(kIdcOtherFace);
    CDlgOthers dialog(this, m_bOrvanel);
    if (dialog.exec() == 1) {
        ChooseOtherFace();
    } else if (before != kIdcOtherFace && before != 0) {
        ControlAs<CFontButton>(before)->click();
    } else {
        ShowFaceChosen(before);
    }
    Sample()->update();
    RecordStep("その他の書体");
}

void CFontStepPage::OnColour(int buttonId, int stringId)
{
    ShowColourChosen(buttonId);
    s_nTextColour = stringId;
    Sample()->update();
    RecordStep("文字の色");
}

void CFontStepPage::OnBold()
{
    s_bBold = ControlAs<CFontButton>(kIdcBold)->IsToggled() ? 1 : 0;
    Sample()->update();
    RecordStep("太字");
}

CPage300Dlg::CPage300Dlg(CWizardSheetDlg* sheet)
    : CFontStepPage(sheet, {kBmpFooterFont, 3, kIddOrvanelLayout, kIddOrvanelText, false}, kIdcSample,
                    kBmpCanvasStickerLarge, true)
{
}

CPage3000Dlg::CPage3000Dlg(CWizardSheetDlg* sheet)
    : CFontStepPage(sheet, {kBmpFooterFont, 3, 0, 0, false}, kIdcZolviFontSample, kBmpCanvasSticker, false)
{
}
