#include "pages/font_colour_dialog.h"

#include "controls/font_button.h"
#include "controls/font_static.h"
#include "pages/colour_palette.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "wizard/wizard_sheet.h"

#include <QFontMetrics>

namespace {

constexpr int kNoFrameStringId = 118;
constexpr int kNoFramePixels = 12;
constexpr int kHintStartPixels = 12;
const char kNoFrameHint[] = "枠無しを選択すると枠がなくなります。";

int WizardKind(const QWidget* owner)
{
    for (const QWidget* widget = owner; widget; widget = widget->parentWidget())
        if (const auto* wizard = qobject_cast<const CWizardSheetDlg*>(widget))
            return wizard->m_nKind;
    return kKindNone;
}

// The hint's size: from 12 down while the text takes the label's width less 10 pixels.
int HintPixels(const QString& text, int labelWidth)
{
    int pixels = kHintStartPixels;
    while (pixels > 2 && QFontMetrics(CaptionFont(pixels)).horizontalAdvance(text) >= labelWidth - 10)
        --pixels;
    return pixels;
}

// Values that are no palette entry (the "not set" markers among them) choose no button.
int ButtonOfString(int stringId)
{
    for (const PaletteEntry& entry : kPalette)
        if (entry.stringId == stringId)
            return entry.buttonId;
    return 0;
}

int ButtonOfColour(std::uint32_t colour)
{
    for (const PaletteEntry& entry : kPalette)
        if (PaletteColour(entry.stringId) == colour)
            return entry.buttonId;
    return 0;
}

}  // namespace

CDlgFontColor::CDlgFontColor(bool textMode, bool wholeSheet, QWidget* parent)
    : CTemplateDialog(kIddFontColour, parent), m_bTextMode(textMode), m_bWholeSheet(wholeSheet),
      m_nKind(WizardKind(parent))
{
    if (!m_bTextMode)
        setWindowTitle(QStringLiteral("枠の色を変える"));
    SetUpButtons();
    SetUpNoFrameChoice();
    const int chosen = CurrentButton();
    for (const PaletteEntry& entry : kPalette)
        ControlAs<CFontButton>(entry.buttonId)->SetToggled(entry.buttonId == chosen);
}

void CDlgFontColor::SetUpButtons()
{
    for (const PaletteEntry& entry : kPalette) {
        auto* button = ControlAs<CFontButton>(entry.buttonId);
        SetUpColourButton(*button, PaletteColour(entry.stringId));
        connect(button, &QPushButton::clicked, this, [this, entry] { OnColour(entry.buttonId, entry.stringId); });
    }
}

// "No frame" is a frame colour of one sticker only; the text colours and the sheet's frame do
// without it.
void CDlgFontColor::SetUpNoFrameChoice()
{
    auto* noFrame = ControlAs<CFontButton>(kIdcNoFrame);
    noFrame->CreateFont(CaptionFont(kNoFramePixels));
    noFrame->SetCaption(QStringLiteral("枠無"));
    const QColor face = ColourFromRef(PaletteColour(kNoFrameStringId));
    noFrame->SetColours(Qt::black, face);
    noFrame->SetSecondColours(Qt::black, face);

    auto* hint = ControlAs<CFontStatic>(kIdcNoFrameHint);
    const QString text = QString::fromUtf8(kNoFrameHint);
    hint->CreateFont(CaptionFont(HintPixels(text, hint->width())));
    hint->SetColours(Qt::black, PageColour());
    hint->SetFormat(Qt::AlignCenter | Qt::TextSingleLine);
    hint->SetText(text);

    const bool offered = !m_bTextMode && !m_bWholeSheet;
    noFrame->setVisible(offered);
    hint->setVisible(offered);
}

SealDataCommon* CDlgFontColor::Sheet() const
{
    if (m_nKind == kKindOrvanel)
        return &Orvanel();
    if (m_nKind == kKindZolvi)
        return &Zolvi();
    return nullptr;
}

SealPiece* CDlgFontColor::CurrentSticker() const
{
    std::vector<SealPiece>* pieces = PiecesOf(m_nKind);
    const SealDataCommon* sheet = Sheet();
    if (!pieces || !sheet || sheet->m_nCurPiece < 0 || sheet->m_nCurPiece >= static_cast<int>(pieces->size()))
        return nullptr;
    return &(*pieces)[static_cast<std::size_t>(sheet->m_nCurPiece)];
}

int CDlgFontColor::CurrentButton() const
{
    if (m_bTextMode && m_bWholeSheet)
        return ButtonOfString(s_nTextColour);
    if (m_bWholeSheet) {
        const SealDataCommon* sheet = Sheet();
        return sheet ? ButtonOfColour(sheet->m_crFrame) : 0;
    }
    const SealPiece* sticker = CurrentSticker();
    if (!sticker)
        return 0;
    return m_bTextMode ? ButtonOfString(sticker->m_nTextColour) : ButtonOfColour(sticker->m_crFrame);
}

void CDlgFontColor::OnColour(int buttonId, int stringId)
{
    for (const PaletteEntry& entry : kPalette)
        ControlAs<CFontButton>(entry.buttonId)->SetToggled(entry.buttonId == buttonId);
    if (m_bTextMode && m_bWholeSheet) {
        s_nTextColour = stringId;
    } else if (m_bTextMode) {
        if (SealPiece* sticker = CurrentSticker())
            sticker->m_nTextColour = stringId;
    } else if (m_bWholeSheet) {
        if (SealDataCommon* sheet = Sheet())
            sheet->m_crFrame = PaletteColour(stringId);
    } else if (SealPiece* sticker = CurrentSticker()) {
        sticker->m_crFrame = PaletteColour(stringId);
    }
    done(1);
}
