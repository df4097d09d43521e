#include "pages/text_page.h"

#include "controls/font_button.h"
#include "controls/font_static.h"
#include "controls/layout_font_static.h"
#include "controls/scroll_lb.h"
#include "design/design_record.h"
#include "design/sticker_number.h"
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "pages/confirm_dialog.h"
#include "pages/control_frame.h"
#include "pages/data_folder_check.h"
#include "pages/fill_dialog.h"
#include "pages/font_colour_dialog.h"
#include "pages/frame_sheets.h"
#include "pages/preview_windows.h"
#include "pages/sheet_navigation.h"
#include "pages/sheet_map_pin.h"
#include "pages/sheet_page_views.h"
#include "pages/sheet_steps.h"
#include "pages/sticker_actions.h"
#include "render/label_sheet_picture.h"
#include "render/sheet_views.h"
#include "res/dialog_template.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"
#include "text/layout_mode.h"
#include "wizard/design_history.h"
#include "wizard/wizard_sheet.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kSizeListPixels = 17;  // a 23-pixel cell, as one entry of the list is high
constexpr std::uint32_t kGreyedEditRef = 0xD8E9EC;
constexpr std::uint32_t kButtonFaceRef = 0xFFFF60;
constexpr char kOverflowText[] = "■文字数を減らしてください。";
constexpr int kOverflowPixels = 12;  // readable in the label's width, under the edit's right end

// Where the page's own controls sit, in dialog units: the edits, the size list and the first of
// each row or column of alignment choices.
struct TextPagePlaces {
    QRect edit, backEdit, sizeList;
    QPoint alignH, alignV;
    int wholePreviewPixels;
    QRect fill;     // the fill button
    QPoint sheets;  // the sheet bar
};

const TextPagePlaces kOrvanelPlaces{{15, 102, 228, 71}, {},         {18, 199, 29, 19}, {15, 286}, {76, 199}, 20,
                                    {15, 301, 104, 17},  {306, 301}};
const TextPagePlaces kZolviPlaces{{15, 103, 131, 68}, {157, 103, 131, 68}, {24, 197, 29, 19}, {22, 284}, {95, 197}, 12,
                                  {22, 299, 110, 17},  {307, 301}};

const TextPagePlaces& PlacesOf(int kind)
{
    return kind == kKindZolvi ? kZolviPlaces : kOrvanelPlaces;
}

QRect Pixels(const QRect& units)
{
    return DialogUnitsToPixels(units.x(), units.y(), units.width(), units.height());
}

// The caption face from `pixels` down, one size at a time, until the caption is narrower than the
// button less 10 pixels.
QFont FittingButtonFont(const QWidget& button, const QString& caption, int pixels)
{
    while (pixels > 2 && QFontMetrics(CaptionFont(pixels)).horizontalAdvance(caption) >= button.width() - 10)
        --pixels;
    return CaptionFont(pixels);
}

void SetBase(QWidget* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    edit->setPalette(palette);
}

}  // namespace

CTextEntryPage::CTextEntryPage(CWizardSheetDlg* sheet, int kind)
    : CDesignStepPage(sheet, {kBmpFooterText, 4, kind == kKindZolvi ? kIddZolviFont : kIddOrvanelFont,
                              kind == kKindZolvi ? kIddZolviPrint : kIddOrvanelPrint, false}),
      m_nKind(kind)
{
}

CPage400Dlg::CPage400Dlg(CWizardSheetDlg* sheet) : CTextEntryPage(sheet, kKindOrvanel) {}

CPage4000Dlg::CPage4000Dlg(CWizardSheetDlg* sheet) : CTextEntryPage(sheet, kKindZolvi) {}

CLayoutFontStatic* CTextEntryPage::Map() const
{
    return ControlAs<CLayoutFontStatic>(IsZolvi() ? kIdcZolviMap : kIdcOrvanelMap);
}

CLayoutFontStatic* CTextEntryPage::Preview() const
{
    return ControlAs<CLayoutFontStatic>(IsZolvi() ? kIdcZolviPreview : kIdcOrvanelPreview);
}

SealPiece* CTextEntryPage::Current() const
{
    const DesignOfKind design = Design();
    const int current = design.sheet.m_nCurPiece;
    if (current < 0 || current >= static_cast<int>(design.pieces.size()))
        return nullptr;
    return &design.pieces[static_cast<std::size_t>(current)];
}

SealPiece* CTextEntryPage::Shown() const
{
    const DesignOfKind design = Design();
    if (!IsZolvi() || !SameTextPairs(s_nLayoutMode))
        return Current();
    const int front = FrontRecord(design.sheet.m_nCurPiece);
    if (front < 0 || front >= static_cast<int>(design.pieces.size()))
        return nullptr;
    return &design.pieces[static_cast<std::size_t>(front)];
}

CEveryEdit* CTextEntryPage::CurrentEdit() const
{
    if (IsZolvi() && Design().sheet.m_nCurPiece % 2 != 0)
        return m_backEdit;
    return m_edit;
}

CModelessPreviewDlg* CTextEntryPage::WholePreview() const
{
    return m_preview;
}

QAbstractButton* CTextEntryPage::AlignButton(int id) const
{
    if (id >= kIdcAlignLeft && id < kIdcAlignLeft + 3)
        return m_alignH->button(id);
    return m_alignV->button(id);
}

bool CTextEntryPage::OnInitDialog()
{
    CDesignStepPage::OnInitDialog();
    const QPointer<CTextEntryPage> self(this);
    RegisterWholeSheetViews();
    RegisterTextPageViews(m_nKind, [self](ReducedSize reduced) {
        if (self)
            self->OnPreviewPainted(reduced);
    });
    Map()->SetDisplayFlag(true);
    Map()->SetHitTest([this](const QPoint& click) { OnMapClick(click); });
    Preview()->SetDisplayFlag(true);
    BuildEdits();
    BuildSizeList();
    BuildAlignment();
    BuildSheetControls();
    m_made = {m_edit, m_backEdit, m_sizeList, m_alignH, m_alignV, m_fillButton, m_sheets};
    for (QButtonGroup* group : {m_alignH, m_alignV})
        for (QAbstractButton* choice : group->buttons())
            m_made.push_back(choice);
    m_made.erase(std::remove(m_made.begin(), m_made.end(), nullptr), m_made.end());
    SetUpLabels();
    SetUpButtons();
    return true;
}

void CTextEntryPage::BuildEdits()
{
    const TextPagePlaces& places = PlacesOf(m_nKind);
    const int mode = IsZolvi() ? kEditPairs : kEditSingle;
    m_edit = new CEveryEdit(mode, false, this);
    m_edit->setObjectName(QString::number(kIdcTextEdit));
    m_edit->setGeometry(Pixels(places.edit));
    std::vector<CEveryEdit*> edits{m_edit};
    if (IsZolvi()) {
        m_backEdit = new CEveryEdit(mode, true, this);
        m_backEdit->setObjectName(QString::number(kIdcBackTextEdit));
        m_backEdit->setGeometry(Pixels(places.backEdit));
        m_edit->SetPartner(m_backEdit);
        m_backEdit->SetPartner(m_edit);
        edits.push_back(m_backEdit);
    }
    for (CEveryEdit* edit : edits) {
        edit->setFont(CaptionFont(17, 400));
        edit->SetLimitText(kMaxStickerTextBytes);
        edit->SetPage(this);
        SetBase(edit, Qt::white);
        connect(edit, &CEveryEdit::TextStored, this, &CTextEntryPage::OnTextStored);
    }
}

void CTextEntryPage::BuildSizeList()
{
    m_sizeList = new CScrollLB(this);
    m_sizeList->setObjectName(QString::number(kIdcSizeList));
    m_sizeList->setGeometry(Pixels(PlacesOf(m_nKind).sizeList));
    m_sizeList->setFont(CaptionFont(kSizeListPixels, 400));
    // One entry shows at a time: it reads as the chosen size, not as a highlighted row.
    QPalette palette = m_sizeList->palette();
    palette.setColor(QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    m_sizeList->setPalette(palette);
    m_sizeList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sizeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sizeList->setFocusPolicy(Qt::NoFocus);
    m_sizes = SizeListTexts();
    m_sizeList->addItems(m_sizes);
    m_sizeList->setTextElideMode(Qt::ElideNone);
    const int scrollBar = m_sizeList->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_sizeList);
    const int frame = 2 * m_sizeList->frameWidth();
    const QSize entry(m_sizeList->width() - frame - scrollBar, m_sizeList->height() - frame);
    for (int i = 0; i < m_sizeList->count(); ++i) {
        m_sizeList->item(i)->setTextAlignment(Qt::AlignCenter);
        m_sizeList->item(i)->setSizeHint(entry);
    }
    connect(m_sizeList, &CScrollLB::command, this, [this](int, int index) { OnSizeChosen(index); });
    const int seven = m_sizes.indexOf(QStringLiteral("7"));
    m_sizeList->setCurrentRow(seven);
    m_sizeList->scrollToItem(m_sizeList->item(seven), QAbstractItemView::PositionAtTop);
}

void CTextEntryPage::BuildAlignment()
{
    const TextPagePlaces& places = PlacesOf(m_nKind);
    const char* const horizontal[] = {"左寄せ", "中央", "右寄せ"};
    const char* const vertical[] = {"上寄せ", "中央", "下寄せ"};
    m_alignH = new QButtonGroup(this);
    m_alignV = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* h = new QRadioButton(QString::fromUtf8(horizontal[i]), this);
        h->setGeometry(Pixels(QRect(places.alignH.x() + 36 * i, places.alignH.y(), 35, 12)));
        h->setObjectName(QString::number(kIdcAlignLeft + i));
        m_alignH->addButton(h, kIdcAlignLeft + i);
        auto* v = new QRadioButton(QString::fromUtf8(vertical[i]), this);
        v->setGeometry(Pixels(QRect(places.alignV.x(), places.alignV.y() + 12 * i, 40, 12)));
        v->setObjectName(QString::number(kIdcAlignTop + i));
        m_alignV->addButton(v, kIdcAlignTop + i);
        // A click on a choice leaves the typing in the edit.
        for (QRadioButton* radio : {h, v}) {
            radio->setFont(CaptionFont(11, 400));
            radio->setFocusPolicy(Qt::NoFocus);
        }
    }
    connect(m_alignH, &QButtonGroup::idClicked, this, &CTextEntryPage::OnAlign);
    connect(m_alignV, &QButtonGroup::idClicked, this, &CTextEntryPage::OnAlign);
}

void CTextEntryPage::SetUpLabels()
{
    auto* hint = ControlAs<CFontStatic>(kIdcSizeHint);
    hint->CreateFont(CaptionFont(14));
    hint->SetColours(Qt::black, PageColour());
    hint->SetFormat(Qt::AlignCenter | Qt::TextWordWrap);
    hint->SetText(QStringLiteral("-\n+"));
    auto* number = ControlAs<CFontStatic>(kIdcStickerNumber);
    number->CreateFont(CaptionFont(26));
    number->SetColours(Qt::black, PageColour());
    number->SetFormat(Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine);
    number->SetText(QStringLiteral("1"));
    auto* overflow = ControlAs<CFontStatic>(kIdcOverflowMessage);
    overflow->CreateFont(CaptionFont(kOverflowPixels));
    overflow->SetColours(Qt::black, PageColour());
    overflow->SetFormat(Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine);
    overflow->SetText(QString());
}

void CTextEntryPage::SetUpButtons()
{
    struct Caption {
        int id;
        const char* text;
        int pixels;
    };
    const Caption captions[] = {{kIdcStickerTextColour, "文字の色", 14},
                                {kIdcStickerFrameColour, "枠の色", 14},
                                {kIdcWholePreview, "全体プレビュー", PlacesOf(m_nKind).wholePreviewPixels}};
    for (const Caption& caption : captions) {
        auto* button = ControlAs<CFontButton>(caption.id);
        const QString text = QString::fromUtf8(caption.text);
        button->CreateFont(FittingButtonFont(*button, text, caption.pixels));
        button->SetCaption(text);
        button->SetColours(Qt::black, ColourFromRef(kButtonFaceRef));
    }
    connect(ControlAs<CFontButton>(kIdcStickerTextColour), &QPushButton::clicked, this, [this] { OnColour(true); });
    connect(ControlAs<CFontButton>(kIdcStickerFrameColour), &QPushButton::clicked, this, [this] { OnColour(false); });
    connect(ControlAs<CFontButton>(kIdcWholePreview), &QPushButton::clicked, this, &CTextEntryPage::OnWholePreview);
    connect(ControlAs<QPushButton>(kIdcCopyToAll), &QPushButton::clicked, this, &CTextEntryPage::OnCopyToAll);
    connect(ControlAs<QPushButton>(kIdcDeleteSelected), &QPushButton::clicked, this,
            &CTextEntryPage::OnDeleteSelected);
    connect(ControlAs<QPushButton>(kIdcDeleteAll), &QPushButton::clicked, this, &CTextEntryPage::OnDeleteAll);
}

void CTextEntryPage::BuildSheetControls()
{
    const TextPagePlaces& places = PlacesOf(m_nKind);
    m_fillButton = new CFontButton(this);
    m_fillButton->setObjectName(QStringLiteral("fill"));
    m_fillButton->setGeometry(Pixels(places.fill));
    const QString caption = QStringLiteral("リスト・連番で入力…");
    m_fillButton->CreateFont(FittingButtonFont(*m_fillButton, caption, 14));
    m_fillButton->SetCaption(caption);
    m_fillButton->SetColours(Qt::black, ColourFromRef(kButtonFaceRef));
    connect(m_fillButton, &QPushButton::clicked, this, &CTextEntryPage::OnFill);
    m_sheets = new SheetNavigation(this, m_pSheet->History(), m_nKind, m_nTemplateId);
    m_sheets->setObjectName(QStringLiteral("sheets"));
    m_sheets->move(Pixels(QRect(places.sheets, QSize(1, 1))).topLeft());
    connect(m_sheets, &SheetNavigation::SheetShown, this, &CTextEntryPage::OnDesignRestored);
}

void CTextEntryPage::OnFill()
{
    const int from = Design().sheet.m_nCurPiece;
    FillDialog dialog(this, m_nKind, from, IsZolvi() && TwoTextPairs(s_nLayoutMode));
    if (dialog.exec() != QDialog::Accepted)
        return;
    DesignHistory& history = m_pSheet->History();
    history.Settle();
    SheetsState before = TakeSheets(m_nKind);
    FillStickers(m_nKind, dialog.Texts(), from, dialog.How());
    RecordSheetsStep(history, m_nKind, m_nTemplateId, QStringLiteral("リスト・連番で入力"), std::move(before));
    OnDesignRestored();
}

void CTextEntryPage::OnSetActive()
{
    DesignOfKind design = Design();
    LayOutDesign(m_nKind);
    if (IsZolvi()) {
        m_nLastFramedEdit = 0;
        if (SameTextPairs(s_nLayoutMode))
            design.sheet.m_nCurPiece = FrontRecord(design.sheet.m_nCurPiece);
        m_backEdit->Empty();
    }
    m_edit->Empty();
    CDesignStepPage::OnSetActive();
    ShowSize();
    if (!LoadPictures())
        return;
    ShowFrameButton();
    ShowBackEditState();
    // The edit loads its sticker's text when it gets the focus, so it gets it afresh.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    DrawEditFrame();
    RefreshWholePreview();
    RefreshSelection();
    // Shown now, not only when the edit gets the focus: the window may not have it yet (a design
    // opened from the command line, or through the file dialog).
    m_edit->ReloadText();
    if (m_backEdit)
        m_backEdit->ReloadText();
    FocusEdit();
}

void CTextEntryPage::OnDesignRestored()
{
    OnSetActive();
    for (CEveryEdit* edit : {m_edit, m_backEdit})
        if (edit && edit->BoundIndex() >= 0)
            edit->ShowText(Design().pieces[static_cast<std::size_t>(edit->BoundIndex())].m_strText);
}

void CTextEntryPage::OnTextStored(EditChange how)
{
    DesignHistory& history = m_pSheet->History();
    if (how == EditChange::Paste)
        history.Record(QStringLiteral("貼り付け"));
    else if (how == EditChange::Cut)
        history.Record(QStringLiteral("切り取り"));
    else
        history.RecordTyping(QStringLiteral("文字の入力"));
}

bool CTextEntryPage::LoadPictures()
{
    if (!DataFolderPresent(this))
        return false;
    const std::string code = Design().sheet.m_strCode;
    // A label sheet has no pictures and a sheet that is not installed lacks them: an Orvanel
    // sheet's map is then drawn from the geometry the design holds.
    const QImage map = PinnedSheetMap(m_pSheet->m_sheetMap, code);
    if (IsZolvi())
        Map()->LoadPicture(map);
    else if (IsLabelSheet(Orvanel()) || map.isNull())
        Map()->LoadPicture(LabelSheetMap(Orvanel()));
    else
        Map()->LoadPicture(map);
    Preview()->LoadPicture(IsZolvi() ? kBmpCanvasSticker : kBmpCanvasStickerLarge);
    return true;
}

void CTextEntryPage::ShowFrameButton()
{
    const bool frame = Design().sheet.m_bFrame != 0;
    QWidget* button = Control(kIdcStickerFrameColour);
    button->setEnabled(frame);
    if (!IsZolvi())
        return;
    const bool shown = SheetOffersFrames(Design().sheet.m_strCode);
    for (int id : {kIdcStickerFrameColour, kIdcStickerFrameCaption, kIdcStickerFrameHint})
        Control(id)->setVisible(shown);
}

// Same-text layouts print the front text on the back part: its edit is greyed and closed.
void CTextEntryPage::ShowBackEditState()
{
    if (!m_backEdit)
        return;
    const bool ownText = TwoTextPairs(s_nLayoutMode);
    if (SameTextPairs(s_nLayoutMode) || ownText)
        m_backEdit->setEnabled(ownText);
    SetBase(m_backEdit, ownText ? QColor(Qt::white) : ColourFromRef(kGreyedEditRef));
}

bool CTextEntryPage::OnKillActive()
{
    // Deleted now, not later: its destructor drops the sheet's layout, which the next page lays out
    // afresh when it is shown.
    delete static_cast<QObject*>(m_preview.data());
    UpdatePreviewButton();
    return true;
}

void CTextEntryPage::OnDestroyPage()
{
    qDeleteAll(m_made);
    m_made.clear();
    m_edit = m_backEdit = nullptr;
    m_sizeList = nullptr;
    m_alignH = m_alignV = nullptr;
    m_fillButton = nullptr;
    m_sheets = nullptr;
}

void CTextEntryPage::OnKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Tab && IsZolvi())
        FocusEdit();
}

void CTextEntryPage::RefreshSelection()
{
    if (m_bRefreshing) {
        m_bRefreshAgain = true;
        return;
    }
    m_bRefreshing = true;
    do {
        m_bRefreshAgain = false;
        RefreshOnce();
    } while (m_bRefreshAgain);
    m_bRefreshing = false;
}

void CTextEntryPage::RefreshOnce()
{
    m_sheets->Refresh();
    ShowSize();
    Map()->update();
    m_edit->viewport()->update();
    if (m_backEdit)
        m_backEdit->viewport()->update();
    ShowAlignment();
    RecomputePreview();
    ShowStickerNumber();
    RefreshWholePreview();
    ShowOverflow();
    ApplyNextRule();
    DrawEditFrame();
    FocusEdit();
}

void CTextEntryPage::ShowSize()
{
    const SealPiece* piece = Shown();
    const int index = piece ? SizeListIndex(m_sizes, piece->m_nSize, Design().defaultSize) : -1;
    if (index < 0) {
        m_sizeList->setCurrentRow(-1);
        return;
    }
    m_sizeList->setCurrentRow(index);
    m_sizeList->scrollToItem(m_sizeList->item(index), QAbstractItemView::PositionAtTop);
}

void CTextEntryPage::ShowAlignment()
{
    const SealPiece* piece = Shown();
    if (!piece)
        return;
    if (piece->m_nAlignH >= -1 && piece->m_nAlignH <= 1)
        m_alignH->button(kIdcAlignLeft + 1 + piece->m_nAlignH)->setChecked(true);
    if (piece->m_nAlignV >= -1 && piece->m_nAlignV <= 1)
        m_alignV->button(kIdcAlignTop + 1 + piece->m_nAlignV)->setChecked(true);
}

// The preview lays the sticker out again as it paints; the overflow message and the size list
// follow when it has (OnPreviewPainted).
void CTextEntryPage::RecomputePreview()
{
    Preview()->update();
}

void CTextEntryPage::OnPreviewPainted(ReducedSize reduced)
{
    ShowOverflow();
    if (reduced)
        QTimer::singleShot(0, this, [this, index = *reduced] { OnSizeReduced(index); });
}

void CTextEntryPage::ShowStickerNumber()
{
    const int number = StickerNumber(m_nKind, Design().sheet.m_nCurPiece);
    ControlAs<CFontStatic>(kIdcStickerNumber)->SetText(QString::number(number));
}

void CTextEntryPage::ShowOverflow()
{
    const SealPiece* piece = Shown();
    if (!piece)
        return;
    auto* label = ControlAs<CFontStatic>(kIdcOverflowMessage);
    if (piece->m_bOverflow == -1) {
        label->SetColours(ColourFromRef(0x0000FF), PageColour());
        label->SetText(QString::fromUtf8(kOverflowText));
    } else if (piece->m_bOverflow == 0) {
        label->SetColours(Qt::black, PageColour());
        label->SetText(QString());
    }
}

void CTextEntryPage::ApplyNextRule()
{
    const bool anyText = IsZolvi() ? Zolvi().HasAnyText() : Orvanel().HasAnyText();
    if (anyText)
        m_pSheet->ShowNext(true);
    else
        m_pSheet->EnableNext(false);
}

void CTextEntryPage::FocusEdit()
{
    // While the wizard window is hidden or inactive the edit still becomes its focus widget, so it
    // has the focus once the window is shown or active again.
    CEveryEdit* edit = CurrentEdit();
    if (edit && edit->isVisibleTo(edit->window()) && edit->isEnabled() && !edit->hasFocus())
        edit->setFocus(Qt::OtherFocusReason);
}

void CTextEntryPage::RepaintPictures()
{
    Map()->update();
    Preview()->update();
}

void CTextEntryPage::EraseAroundEdit(CEveryEdit* edit)
{
    update(edit->geometry().adjusted(-8, -8, 8, 8));
}

int CTextEntryPage::FramedEdit() const
{
    const bool back = IsZolvi() && TwoTextPairs(s_nLayoutMode) && Design().sheet.m_nCurPiece % 2 != 0;
    return back ? kIdcBackTextEdit : kIdcTextEdit;
}

void CTextEntryPage::DrawEditFrame()
{
    const int framed = FramedEdit();
    if (framed == m_nLastFramedEdit)
        return;
    for (CEveryEdit* edit : {m_edit, m_backEdit})
        if (edit)
            update(edit->geometry().adjusted(-3, -3, 3, 3));
    m_nLastFramedEdit = framed;
}

void CTextEntryPage::paintEvent(QPaintEvent* event)
{
    CDesignStepPage::paintEvent(event);
    const CEveryEdit* edit = FramedEdit() == kIdcBackTextEdit ? m_backEdit : m_edit;
    if (!edit)
        return;
    QPainter painter(this);
    DrawControlFrame(painter, QRectF(edit->geometry()).adjusted(-1.5, -1.5, 1.5, 1.5));
}

void CTextEntryPage::RefreshWholePreview()
{
    if (!WholePreviewOpen())
        return;
    LayOutDesign(m_nKind);
    m_preview->Refresh();
}

void CTextEntryPage::MarkModified()
{
    Design().sheet.m_bModified = 1;
}

void CTextEntryPage::OnMapClick(const QPoint& click)
{
    DesignOfKind design = Design();
    const PictureFrame frame = FrameOf(*Map());
    int hit = IsZolvi() ? HitTest(Zolvi(), frame, click) : HitTest(Orvanel(), frame, click);
    if (hit < 0)
        return;
    // The back part of a same-text sticker has no text of its own: the sticker is chosen.
    if (IsZolvi() && SameTextPairs(s_nLayoutMode))
        hit = FrontRecord(hit);
    design.sheet.m_nCurPiece = hit;
    m_edit->ShowText(design.pieces[static_cast<std::size_t>(m_edit->BoundIndex())].m_strText);
    if (m_backEdit && m_backEdit->BoundIndex() >= 0)
        m_backEdit->ShowText(design.pieces[static_cast<std::size_t>(m_backEdit->BoundIndex())].m_strText);
    RefreshSelection();
}

void CTextEntryPage::OnAlign(int id)
{
    SealPiece* piece = Current();
    if (!piece)
        return;
    if (id < kIdcAlignTop)
        piece->m_nAlignH = id - kIdcAlignLeft - 1;
    else
        piece->m_nAlignV = id - kIdcAlignTop - 1;
    DrawEditFrame();
    RefreshWholePreview();
    RepaintPictures();
    if (RecordStep("文字の配置", true))
        MarkModified();
    if (IsZolvi())
        FocusEdit();
}

void CTextEntryPage::OnColour(bool text)
{
    CDlgFontColor dialog(text, false, this);
    dialog.exec();
    DrawEditFrame();
    RefreshWholePreview();
    RecomputePreview();
    if (RecordStep(text ? "文字の色" : "枠の色", true))
        MarkModified();
    FocusEdit();
}

void CTextEntryPage::OnSizeChosen(int index)
{
    SealPiece* piece = Current();
    if (!piece || index < 0 || index >= m_sizes.size())
        return;
    piece->m_nSize = m_sizes[index].toInt() * 10;
    m_sizeList->setCurrentRow(index);
    DrawEditFrame();
    RecomputePreview();
    RefreshWholePreview();
    if (RecordStep("文字の大きさ", true))
        MarkModified();
    if (IsZolvi())
        FocusEdit();
}

void CTextEntryPage::OnSizeReduced(int index)
{
    if (index < 0 || index >= m_sizes.size())
        return;
    m_sizeList->setCurrentRow(index);
    m_sizeList->scrollToItem(m_sizeList->item(index), QAbstractItemView::PositionAtTop);
    RecomputePreview();
}

void CTextEntryPage::OnCopyToAll()
{
    CDlgConfirm confirm(kConfirmCopyToAll, this);
    if (confirm.exec() != 1)
        return;
    DesignOfKind design = Design();
    if (IsZolvi())
        CopyZolviToAll(design.pieces, design.sheet.m_nCurPiece, s_nLayoutMode);
    else
        CopyPieceToAll(design.pieces, design.sheet.m_nCurPiece);
    if (RecordStep("全てに複写", true))
        MarkModified();
    RefreshSelection();
}

void CTextEntryPage::OnDeleteSelected()
{
    CDlgConfirm confirm(kConfirmDeleteSelected, this);
    if (confirm.exec() != 1)
        return;
    if (SealPiece* piece = Current())
        piece->ClearDesign();
    CurrentEdit()->Empty();
    if (RecordStep("選択中のシールの文字を削除", true))
        MarkModified();
    RefreshSelection();
}

void CTextEntryPage::OnDeleteAll()
{
    CDlgConfirm confirm(kConfirmDeleteAll, this);
    if (confirm.exec() != 1)
        return;
    if (IsZolvi())
        Zolvi().ClearPieces();
    else
        Orvanel().ClearPieces();
    m_edit->Empty();
    if (m_backEdit)
        m_backEdit->Empty();
    if (RecordStep("全てのシールの文字を削除"))
        MarkModified();
    RefreshSelection();
}

bool CTextEntryPage::WholePreviewOpen() const
{
    return m_preview && m_preview->isVisible();
}

void CTextEntryPage::OnWholePreview()
{
    if (WholePreviewOpen())
        return;
    CModelessPreviewDlg* window = nullptr;
    const auto focusEdit = [self = QPointer<CTextEntryPage>(this)] {
        if (self)
            self->FocusEdit();
    };
    if (IsZolvi())
        window = new CModelessPreview4000Dlg(this, focusEdit);
    else
        window = new CModelessPreview400Dlg(this, focusEdit);
    m_preview = window;
    connect(window, &QDialog::finished, this, &CTextEntryPage::UpdatePreviewButton);
    window->move(m_pSheet->frameGeometry().topRight() + QPoint(8, 0));
    window->show();
    UpdatePreviewButton();
    RefreshWholePreview();
}

void CTextEntryPage::UpdatePreviewButton()
{
    Control(kIdcWholePreview)->setEnabled(!WholePreviewOpen());
}
