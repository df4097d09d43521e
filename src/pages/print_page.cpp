#include "pages/print_page.h"

#include "controls/button_st.h"
#include "controls/font_static.h"
#include "controls/layout_font_static.h"
#include "controls/image_font_static.h"
#include "controls/num_spin_ctrl.h"
#include "design/design_sheets.h"
#include "design/print_offsets.h"
#include "pages/control_frame.h"
#include "pages/data_folder_check.h"
#include "pages/design_commands.h"
#include "pages/design_of_kind.h"
#include "pages/offset_text.h"
#include "pages/print_sheet.h"
#include "pages/print_sheets.h"
#include "pages/sheet_navigation.h"
#include "pages/sheet_page_views.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"
#include "wizard/wizard_sheet.h"

#include <QLineEdit>
#include <QPainter>

#include <functional>

namespace {

constexpr int kFrameMargin = 60;  // pixels around the sheet picture the frame may move into

// The offset controls at their places in pixels at 96 dots per inch.
constexpr QRect kVerticalSpinPlace(170, 185, 30, 60);
constexpr QRect kHorizontalSpinPlace(370, 460, 60, 30);
constexpr QRect kVerticalEditPlace(100, 205, 40, 20);
constexpr QRect kHorizontalEditPlace(270, 465, 40, 20);
constexpr QRect kVerticalUnitPlace(144, 210, 20, 10);
constexpr QRect kHorizontalUnitPlace(320, 470, 20, 10);
constexpr QPoint kSheetsPlace(6, 145);  // between the caption and the vertical offset

// The frame around the sheet picture, drawn over the page and its controls so that it shows where
// the offsets move the print.
class OffsetFrameOverlay : public QWidget {
public:
    OffsetFrameOverlay(QWidget* page, std::function<QRect()> frame) : QWidget(page), m_frame(std::move(frame))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        DrawControlFrame(painter, QRectF(m_frame().translated(-pos())));
    }

private:
    std::function<QRect()> m_frame;
};

}  // namespace

CPrintStepPage::CPrintStepPage(CWizardSheetDlg* sheet, const DesignStep& step, int designKind)
    : CDesignStepPage(sheet, step), m_nDesignKind(designKind)
{
}

CPage500Dlg::CPage500Dlg(CWizardSheetDlg* sheet)
    : CPrintStepPage(sheet, {kBmpFooterPrint, 5, kIddOrvanelText, -1, false}, kKindOrvanel)
{
}

CPage5000Dlg::CPage5000Dlg(CWizardSheetDlg* sheet)
    : CPrintStepPage(sheet, {kBmpFooterPrint, 5, kIddZolviText, -1, false}, kKindZolvi)
{
}

namespace {

int SheetPictureId(int kind)
{
    return kind == kKindZolvi ? kIdcZolviSheet : kIdcOrvanelSheet;
}

// A place in pixels at 96 dots per inch on a screen of `dpi`.
QRect Scaled(const QRect& place, int dpi)
{
    return QRect(place.x() * dpi / 96, place.y() * dpi / 96, place.width() * dpi / 96, place.height() * dpi / 96);
}

}  // namespace

bool CPrintStepPage::OnInitDialog()
{
    CDesignStepPage::OnInitDialog();
    RegisterWholeSheetViews();
    ControlAs<CLayoutFontStatic>(SheetPictureId(m_nDesignKind))->SetDisplayFlag(true);
    const QRgb cream = PageColour().rgb();
    auto* print = ControlAs<CButtonST>(kIdcPrint);
    print->SetBitmaps(kBmpPrintButton, cream, kBmpPrintDisabled);
    connect(print, &CButtonST::clicked, this, &CPrintStepPage::OnPrint);
    auto* save = ControlAs<CButtonST>(kIdcSaveDesign);
    save->SetBitmaps(kBmpSaveButton, cream, kBmpSaveDisabled);
    connect(save, &CButtonST::clicked, this, [this] { OnSaveDesign(this, m_nDesignKind); });
    BuildOffsetControls();
    BuildSheetNavigation();
    return true;
}

void CPrintStepPage::BuildSheetNavigation()
{
    m_sheets = new SheetNavigation(this, m_pSheet->History(), m_nDesignKind, m_nTemplateId);
    m_sheets->setObjectName(QStringLiteral("sheets"));
    m_sheets->move(Scaled(QRect(kSheetsPlace, QSize(1, 1)), logicalDpiY()).topLeft());
    connect(m_sheets, &SheetNavigation::SheetShown, this, &CPrintStepPage::OnSheetShown);
    m_made.push_back(m_sheets);
}

void CPrintStepPage::OnSheetShown()
{
    LayOutDesign(m_nDesignKind);
    Control(SheetPictureId(m_nDesignKind))->update();
    EnableOutput();
}

void CPrintStepPage::BuildOffsetControls()
{
    const int dpi = logicalDpiY();
    struct Offset {
        bool vertical;
        int editId, spinId, unitId;
        QRect edit, spin, unit;
    };
    const Offset offsets[] = {
        {true, kIdcVerticalOffset, kIdcVerticalSpin, kIdcVerticalUnit, kVerticalEditPlace, kVerticalSpinPlace,
         kVerticalUnitPlace},
        {false, kIdcHorizontalOffset, kIdcHorizontalSpin, kIdcHorizontalUnit, kHorizontalEditPlace,
         kHorizontalSpinPlace, kHorizontalUnitPlace},
    };
    for (const Offset& offset : offsets) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::number(offset.editId));
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setGeometry(Scaled(offset.edit, dpi));
        auto* spin = new CNumSpinCtrl(this, offset.vertical ? Qt::Vertical : Qt::Horizontal);
        spin->setObjectName(QString::number(offset.spinId));
        spin->setGeometry(Scaled(offset.spin, dpi));
        spin->SetBuddy(edit);
        spin->SetRange(-5.0, 5.0, 0.1);
        spin->SetDecimals(1);
        spin->SetTrimTrailingZeros(false);
        spin->SetWrap(false);
        spin->SetValue(0.0);
        connect(spin, &CNumSpinCtrl::deltaPos, this, [this, vertical = offset.vertical] { TakeOffset(vertical); });
        auto* unit = new CFontStatic(this);
        unit->setObjectName(QString::number(offset.unitId));
        unit->setGeometry(Scaled(offset.unit, dpi));
        unit->CreateFont(CaptionFont(10, 400));
        unit->SetColours(Qt::black, PageColour());
        unit->SetFormat(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
        unit->SetText(QStringLiteral("mm"));
        (offset.vertical ? m_vertical : m_horizontal) = edit;
        (offset.vertical ? m_verticalSpin : m_horizontalSpin) = spin;
        m_made.insert(m_made.end(), {edit, spin, unit});
    }
    m_frame = new OffsetFrameOverlay(this, [this] { return OffsetFrame(); });
    PlaceOffsetFrame();
    m_frame->raise();
    m_made.push_back(m_frame);
}

// The sheet picture takes its canvas's proportions when the canvas is loaded; the frame follows it.
void CPrintStepPage::PlaceOffsetFrame()
{
    m_frame->setGeometry(Control(SheetPictureId(m_nDesignKind))
                             ->geometry()
                             .adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin));
}

void CPrintStepPage::OnDestroyPage()
{
    qDeleteAll(m_made);
    m_made.clear();
    m_vertical = m_horizontal = nullptr;
    m_verticalSpin = m_horizontalSpin = nullptr;
    m_frame = nullptr;
    m_sheets = nullptr;
}

QRect CPrintStepPage::OffsetFrame() const
{
    const QRect picture = Control(SheetPictureId(m_nDesignKind))->geometry().adjusted(-1, -1, 1, 1);
    return picture.translated(-g_printOffsets.dx / 10, g_printOffsets.dy / 10);
}

// The offsets are the program's, shared by both kinds' pages: the edits show them as they are.
void CPrintStepPage::ShowOffsets()
{
    m_verticalSpin->SetValue(g_printOffsets.dy / 100.0);
    m_horizontalSpin->SetValue(g_printOffsets.dx / 100.0);
    m_frame->update();
}

void CPrintStepPage::TakeOffset(bool vertical)
{
    if (vertical)
        g_printOffsets.dy = OffsetFromText(m_vertical->text());
    else
        g_printOffsets.dx = OffsetFromText(m_horizontal->text());
    m_frame->update();
    RecordStep("印刷位置の調整");
}

void CPrintStepPage::OnSetActive()
{
    if (!DataFolderPresent(this))
        return;
    LoadCanvas();
    CDesignStepPage::OnSetActive();
    LayOutDesign(m_nDesignKind);
    ShowOffsets();
    m_sheets->Refresh();
    Control(kIdcPrint)->setFocus(Qt::OtherFocusReason);
    EnableOutput();
}

void CPrintStepPage::LoadCanvas()
{
    auto* picture = ControlAs<CLayoutFontStatic>(SheetPictureId(m_nDesignKind));
    picture->LoadPicture(SheetCanvasPicture(m_nDesignKind));
    picture->update();
    if (m_frame)
        PlaceOffsetFrame();
}

void CPrintStepPage::EnableOutput()
{
    const bool enabled = !AnyOverflow(m_nDesignKind);
    Control(kIdcPrint)->setEnabled(enabled);
    Control(kIdcSaveDesign)->setEnabled(enabled);
    // The shown sheet's own sticker is named; other sheets are checked when printing.
    const int shown = ShownSheet(m_nDesignKind);
    const std::optional<OverflowPlace> over = enabled ? std::nullopt : FindOverflow(m_nDesignKind, SheetList{shown});
    Control(kIdcPrint)->setToolTip(over ? OverflowMessage(*over) : QString());
    // The footer tells why the buttons are grey instead of promising what they cannot do.
    if (auto* footer = ControlAs<CImageFontStatic>(kIdcFooter))
        footer->LoadResource(enabled ? kBmpFooterPrint : kBmpFooterOverflow);
}

void CPrintStepPage::OnPrint()
{
    TakeOffset(true);
    TakeOffset(false);
    PrintSheet(this, m_pSheet->KeptPrinter(), m_pSheet->m_bOwnPaper, m_nDesignKind,
               QPoint(g_printOffsets.dx, g_printOffsets.dy));
    if (m_nDesignKind == kKindOrvanel && !DataFolderPresent(this))
        return;
    LoadCanvas();
}
