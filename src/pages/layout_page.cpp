#include "pages/layout_page.h"

#include "controls/font_button.h"
#include "controls/image_button.h"
#include "controls/layout_font_static.h"
#include "pages/data_folder_check.h"
#include "pages/font_colour_dialog.h"
#include "pages/frame_sheets.h"
#include "pages/line_break_setting.h"
#include "pages/sample_views.h"
#include "render/font_pool.h"
#include "res/look.h"
#include "res/resource_ids.h"

#include <QCheckBox>
#include <QGroupBox>

#include <string>

namespace {

constexpr std::uint32_t kFrameButtonFace = 0x47AF47;
constexpr int kFrameButtonPixels = 14;
constexpr int kGroupPixels = 12;
constexpr int kCheckPixels = 11;

// Rows are light bands titled at their left; columns are frames titled at their top centre and
// show through the bands.
QString GroupStyle(bool row)
{
    return QStringLiteral("QGroupBox { border: 1px solid #C8B48C; border-radius: 7px; margin-top: 9px; %1 }"
                          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top %2;"
                          " left: 8px; padding: 0 3px; color: #6B3A10; }")
        .arg(row ? QStringLiteral("background-color: rgba(255, 255, 255, 70);") : QString(),
             row ? QStringLiteral("left") : QStringLiteral("center"));
}

const std::vector<ArrangementButton> kOrvanelButtons = {
    {4022, 188, 188, 212}, {4023, 186, 186, 214}, {4020, 187, 187, 211}, {4021, 182, 182, 213}};

const std::vector<ArrangementButton> kZolviButtons = {{1027, 146, 146, 177}, {1028, 147, 147, 176},
                                                      {1029, 148, 148, 178}, {1030, 149, 149, 179},
                                                      {1025, 144, 144, 175}, {1026, 145, 145, 174}};

// The controls that offer frames, on Zolvi products that have them.
constexpr int kZolviFrameControls[] = {kIdcPrintFrame, kIdcFrameColour, kIdcFrameCaption, kIdcZolviFrameWarning,
                                       kIdcColourHint};

}  // namespace

CLayoutPage::CLayoutPage(CWizardSheetDlg* sheet, int next, std::vector<ArrangementButton> buttons, int sampleId,
                         int canvas)
    : CDesignStepPage(sheet, {kBmpFooterLayout, 2, kIddSelection, next, true}), m_buttons(std::move(buttons)),
      m_nSampleId(sampleId), m_nCanvas(canvas)
{
}

bool CLayoutPage::OnInitDialog()
{
    CDesignStepPage::OnInitDialog();
    RegisterSampleViews();
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        group->setFont(CaptionFont(kGroupPixels, 700));
        group->setStyleSheet(GroupStyle(group->width() > group->height()));
    }
    for (const ArrangementButton& arrangement : m_buttons) {
        auto* button = ControlAs<CImageButton>(arrangement.buttonId);
        button->SetPictures(arrangement.picture, arrangement.chosenPicture, arrangement.picture);
        button->setAccessibleName(QString::number(arrangement.mode));
        connect(button, &QPushButton::clicked, this, [this, arrangement] { OnArrangement(arrangement); });
    }
    auto* frame = ControlAs<QCheckBox>(kIdcPrintFrame);
    frame->setFont(CaptionFont(kCheckPixels, 700));
    connect(frame, &QCheckBox::clicked, this, &CLayoutPage::OnPrintFrame);
    auto* kinsoku = ControlAs<QCheckBox>(kIdcKinsoku);
    kinsoku->setFont(CaptionFont(kCheckPixels, 700));
    connect(kinsoku, &QCheckBox::clicked, this, &CLayoutPage::OnKinsoku);
    auto* colour = ControlAs<CFontButton>(kIdcFrameColour);
    colour->CreateFont(CaptionFont(kFrameButtonPixels));
    colour->SetCaption(QStringLiteral("枠の色"));
    colour->SetColours(Qt::white, ColourFromRef(kFrameButtonFace));
    colour->setEnabled(false);
    connect(colour, &QPushButton::clicked, this, &CLayoutPage::OnFrameColour);
    return true;
}

void CLayoutPage::OnSetActive()
{
    if (!DataFolderPresent(this))
        return;
    Sample()->LoadPicture(m_nCanvas);
    if (FontsWanted())
        g_fontPool.Create();
    ShowFrameControls();
    ControlAs<QCheckBox>(kIdcKinsoku)->setChecked(UserLineBreaks() == LineBreaks::kKinsoku);
    QWidget* chosen = ShowChosenArrangement();
    Sample()->update();
    if (chosen)
        chosen->setFocus();
    CDesignStepPage::OnSetActive();
}

CLayoutFontStatic* CLayoutPage::Sample() const
{
    return ControlAs<CLayoutFontStatic>(m_nSampleId);
}

void CLayoutPage::ShowFrameChoice()
{
    ControlAs<QCheckBox>(kIdcPrintFrame)->setChecked(Sheet().m_bFrame != 0);
    Control(kIdcFrameColour)->setEnabled(Sheet().m_bFrame != 0);
}

QWidget* CLayoutPage::ShowChosenArrangement()
{
    QWidget* chosen = nullptr;
    for (const ArrangementButton& arrangement : m_buttons) {
        auto* button = ControlAs<CImageButton>(arrangement.buttonId);
        button->SetChosen(arrangement.mode == s_nLayoutMode);
        if (button->IsChosen())
            chosen = button;
    }
    return chosen;
}

void CLayoutPage::OnArrangement(const ArrangementButton& chosen)
{
    s_nLayoutMode = chosen.mode;
    ShowChosenArrangement();
    Sample()->update();
    RecordStep("文字並び");
}

// A new tick starts with a white frame: the colour of an earlier frame is not kept.
void CLayoutPage::OnPrintFrame(bool on)
{
    Sheet().m_crFrame = kNoFrameColour;
    Sheet().m_bFrame = on ? 1 : 0;
    Control(kIdcFrameColour)->setEnabled(on);
    Sample()->update();
    RecordStep("枠の印刷");
}

// A choice of the user's, not of the design: it is stored at once and changes nothing in the design.
void CLayoutPage::OnKinsoku(bool on)
{
    SetUserLineBreaks(on ? LineBreaks::kKinsoku : LineBreaks::kPlain);
    Sample()->update();
}

void CLayoutPage::OnFrameColour()
{
    CDlgFontColor dialog(false, true, this);
    dialog.exec();
    Sample()->update();
    RecordStep("枠の色");
}

CPage200Dlg::CPage200Dlg(CWizardSheetDlg* sheet)
    : CLayoutPage(sheet, kIddOrvanelFont, kOrvanelButtons, kIdcSample, kBmpCanvasStickerLarge)
{
}

SealDataCommon& CPage200Dlg::Sheet() const
{
    return Orvanel();
}

bool CPage200Dlg::FontsWanted() const
{
    return !g_fontPool.m_bCreated || !g_fontPool.m_bAllSizes;
}

void CPage200Dlg::ShowFrameControls()
{
    ShowFrameChoice();
}

CPage2000Dlg::CPage2000Dlg(CWizardSheetDlg* sheet)
    : CLayoutPage(sheet, 0, kZolviButtons, kIdcZolviLayoutSample, kBmpCanvasSticker)
{
}

bool CPage2000Dlg::OnInitDialog()
{
    CLayoutPage::OnInitDialog();
    ShowChosenArrangement();
    return true;
}

SealDataCommon& CPage2000Dlg::Sheet() const
{
    return Zolvi();
}

bool CPage2000Dlg::FontsWanted() const
{
    return !g_fontPool.m_bCreated || g_fontPool.m_bAllSizes;
}

void CPage2000Dlg::ShowFrameControls()
{
    const bool framed = SheetOffersFrames(Zolvi().m_strCode);
    for (int id : kZolviFrameControls)
        Control(id)->setVisible(framed);
    if (!framed) {
        ControlAs<QCheckBox>(kIdcPrintFrame)->setChecked(false);
        return;
    }
    Control(kIdcPrintFrame)->setEnabled(true);
    ShowFrameChoice();
}
