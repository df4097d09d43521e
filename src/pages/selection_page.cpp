#include "pages/selection_page.h"

#include "controls/image_font_static.h"
#include "controls/layout_font_static.h"
#include "controls/quick_list.h"
#include "design/design_sheets.h"
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "pages/data_folder_check.h"
#include "pages/measure_dialog.h"
#include "pages/program_folder.h"
#include "pages/sheet_map_pin.h"
#include "platform/cp932.h"
#include "render/label_sheet_picture.h"
#include "res/artwork.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "wizard/design_history.h"
#include "wizard/message_box.h"
#include "wizard/wizard_sheet.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

int g_nLastSelRow = 0;

namespace {
constexpr int kOrvanelImage = 4;
constexpr int kZolviImage = 0;
constexpr int kListImageSize = 24;
constexpr int kBannerControls[] = {kIdcHeader, kIdcFooter, kIdcPickArrow, kIdcCheckCaption};
constexpr int kBannerPictures[] = {kBmpHeader, kBmpFooterSelection, kBmpPickArrow, kBmpCheckCaption};
constexpr int kCodeColumnWidth = 280;
constexpr int kSizeColumnWidth = 110;

// The code column gives way so that the size column is seen whole without scrolling sideways.
int CodeColumnWidth(const CQuickList& list)
{
    const int room = list.width() - 2 * list.frameWidth() - list.verticalScrollBar()->sizeHint().width()
                     - kSizeColumnWidth;
    return std::min(kCodeColumnWidth, room);
}

}  // namespace

CPage10Dlg::CPage10Dlg(CWizardSheetDlg* sheet) : CWizardPageDlg(sheet) {}

CQuickList* CPage10Dlg::List() const
{
    return ControlAs<CQuickList>(kIdcSheetList);
}

bool CPage10Dlg::OnInitDialog()
{
    CWizardPageDlg::OnInitDialog();
    for (int id : kBannerControls)
        ControlAs<CImageFontStatic>(id)->SetDisplayFlag(true);
    ControlAs<CLayoutFontStatic>(kIdcSheetPicture)->SetDisplayFlag(true);

    CQuickList* list = List();
    list->setFont(CaptionFont(12, 400));
    list->SetFullRowSelect(true);
    list->SetShowSelectionAlways(true);
    list->SetImageList(Artwork(kBmpListImages), kListImageSize, qRgb(255, 255, 255));
    list->InsertColumn(0, QStringLiteral("ソフトお探しコード"), CodeColumnWidth(*list));
    list->InsertColumn(1, QStringLiteral("シール1片サイズ"), kSizeColumnWidth);
    list->SetCellHandler([this](QuickListCell& cell) { OnCellRequest(cell); });
    list->SetClickHandler([this](const QuickListHit& hit) { OnListClick(hit); });
    list->SetSelectionHandler([this](int row) { OnSelectionShown(row); });
    connect(Search(), &QLineEdit::textChanged, this, [this] { OnSearchChanged(); });
    connect(ControlAs<QPushButton>(kIdcMeasureSheet), &QPushButton::clicked, this, [this] { OnMeasureSheet(); });
    FillList();
    return true;
}

QLineEdit* CPage10Dlg::Search() const
{
    return ControlAs<QLineEdit>(kIdcSheetSearch);
}

void CPage10Dlg::FillList()
{
    ControlAs<CLayoutFontStatic>(kIdcSheetPicture)->LoadPicture(0);
    m_allRows.clear();
    m_allRows.reserve(g_sealCatalog.size());
    for (const CatalogEntry& entry : g_sealCatalog)
        m_allRows.push_back(MakeSheetListItem(entry));
    ShowFoundRows();
}

void CPage10Dlg::ShowFoundRows()
{
    const std::string query = Search()->text().trimmed().toStdString();
    m_rows.clear();
    for (const SheetListItem& row : m_allRows)
        if (RowMatches(row, query))
            m_rows.push_back(row);
    List()->SetItemCount(static_cast<int>(m_rows.size()));
}

// A new search shows other rows: nothing is chosen among them yet, unless the design written
// in is among them.
void CPage10Dlg::OnSearchChanged()
{
    ShowFoundRows();
    if (ShowHeldDesign())
        return;
    g_nLastSelRow = -1;
    List()->ClearSelectedRow();
    ControlAs<CLayoutFontStatic>(kIdcSheetPicture)->LoadPicture(0);
    m_pSheet->EnableNext(false);
}

void CPage10Dlg::OnSetActive()
{
    ShowChoiceHints(false);
    if (TakeLabelSheets(m_pSheet->m_labelSheets) || m_pSheet->m_bRefreshList) {
        FillList();
        m_pSheet->m_bRefreshList = 0;
    }
    for (int i = 0; i < 4; ++i)
        ControlAs<CImageFontStatic>(kBannerControls[i])->LoadResource(kBannerPictures[i]);
    m_pSheet->ShowStep(1);
    RevealHeldDesign();
    if (ShowHeldDesign())
        return;
    Orvanel().m_nCurPiece = 0;
    g_strCurCode.clear();
    ControlAs<CLayoutFontStatic>(kIdcSheetPicture)->LoadPicture(0);
    List()->ClearSelectedRow();
    m_pSheet->EnableNext(false);
}

int CPage10Dlg::HeldDesignKind() const
{
    const int kind = m_pSheet->History().Kind();
    return DesignHasText(kind) ? kind : kKindNone;
}

int CPage10Dlg::HeldDesignRow(int kind) const
{
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row)
        if (m_rows[row].m_strCode == g_strCurCode && IsOrvanelRow(m_rows[row]) == (kind == kKindOrvanel))
            return row;
    return -1;
}

bool CPage10Dlg::ShowHeldDesign()
{
    const int kind = HeldDesignKind();
    if (kind == kKindNone)
        return false;
    const int row = HeldDesignRow(kind);
    g_nLastSelRow = row;
    if (row >= 0)
        List()->SelectRow(row);
    else
        List()->ClearSelectedRow();
    m_pSheet->m_nKind = kind;
    ShowSheetPicture();
    Control(kIdcSheetPicture)->update();
    ShowChoiceHints(row >= 0);
    m_pSheet->ShowNext(true);
    return true;
}

void CPage10Dlg::RevealHeldDesign()
{
    const int kind = HeldDesignKind();
    if (kind == kKindNone || HeldDesignRow(kind) >= 0 || Search()->text().isEmpty())
        return;
    const QSignalBlocker quiet(Search());
    Search()->clear();
    ShowFoundRows();
}

int CPage10Dlg::OnWizardNext()
{
    if (m_pSheet->m_nKind == kKindZolvi)
        return kIddZolviLayout;
    if (m_pSheet->m_nKind == kKindOrvanel)
        return kIddOrvanelLayout;
    return m_pSheet->m_nKind;
}

int CPage10Dlg::OnWizardBack()
{
    m_pSheet->m_nKind = kKindNone;
    return 0;
}

void CPage10Dlg::OnCellRequest(QuickListCell& cell) const
{
    if (cell.row < 0 || cell.row >= static_cast<int>(m_rows.size()))
        return;
    const SheetListItem& row = m_rows[cell.row];
    const int column = cell.column == 0 ? 0 : 1;
    cell.bold = row.m_bBold[column];
    cell.italic = row.m_bItalic[column];
    if (column == 0) {
        cell.image = IsOrvanelRow(row) ? kOrvanelImage : kZolviImage;
        cell.text = QString::fromStdString(RowTitle(row));
    } else {
        cell.text = QString::fromStdString(RowSize(row));
    }
}

// A row that comes to show as selected (the keyboard moving the selection) is chosen as a click
// chooses it; a click does that itself.
void CPage10Dlg::OnSelectionShown(int row)
{
    if (row < 0 || !List()->SelectionShows() || row == g_nLastSelRow)
        return;
    g_nLastSelRow = row;
    if (!List()->InMousePress())
        ChooseRow(row);
}

void CPage10Dlg::OnListClick(const QuickListHit& hit)
{
    ChooseRow(hit.row);
}

bool CPage10Dlg::ChooseRow(int row)
{
    if (row < 0)
        return false;
    if (const int held = HeldDesignKind(); held != kKindNone) {
        if (row == HeldDesignRow(held))
            return ShowHeldDesign();
        if (!AskOkCancel(this, QStringLiteral("入力した文字は消えます。よろしいですか？"), QStringLiteral("OK"),
                         QStringLiteral("キャンセル"))) {
            // The list is still moving to the refused row: it is taken back once it has.
            g_nLastSelRow = row;
            QTimer::singleShot(0, this, [this] { ShowHeldDesign(); });
            return false;
        }
    }
    if (!ChooseSheet(row))
        return false;
    m_pSheet->ShowNext(true);
    ShowChoiceHints(true);
    ResetDesign();
    m_pSheet->History().Reset(m_pSheet->m_nKind);
    return true;
}

// A sheet measured by hand becomes a template of the user's, listed and chosen at once.
void CPage10Dlg::OnMeasureSheet()
{
    CMeasureSheetDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const MeasuredSheet sheet = dialog.Sheet();
    if (const std::string error = SaveMeasuredSheet(sheet); !error.empty()) {
        ShowMessage(this, error);
        return;
    }
    ClearCatalog();
    if (!LoadProgramFormats(m_pSheet->m_labelSheets)) {
        ShowMessage(this, MissingPathMessage(g_strDataDir));
        return;
    }
    TakeLabelSheets(m_pSheet->m_labelSheets);
    FillList();
    ChooseNamedSheet(std::string(kMeasuredBrand) + " " + sheet.name);
}

bool CPage10Dlg::ChooseNamedSheet(const std::string& utf8Name)
{
    if (TakeLabelSheets(m_pSheet->m_labelSheets))
        FillList();
    const auto entry = FindNamedSheet(g_sealCatalog, utf8Name);
    if (entry == g_sealCatalog.end()) {
        Search()->setText(QString::fromStdString(utf8Name));
        return false;
    }
    Search()->clear();
    const SheetListItem wanted = MakeSheetListItem(*entry);
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row)
        if (m_rows[row].m_strCode == wanted.m_strCode && IsOrvanelRow(m_rows[row]) == IsOrvanelRow(wanted)) {
            List()->SelectRow(row);
            g_nLastSelRow = row;
            return ChooseRow(row);
        }
    return false;
}

bool CPage10Dlg::ChooseSheet(int row)
{
    if (row >= static_cast<int>(m_rows.size()))
        return false;
    const SheetListItem item = m_rows[row];
    const auto entry = FindRowFormat(item);
    if (entry == g_sealCatalog.end()) {
        // The catalog changed under the page: show what it holds now.
        FillList();
        return false;
    }
    const SheetChoice choice = ChoiceOf(item);
    m_pSheet->m_nKind = choice.designKind;
    s_nLayoutMode = choice.layoutMode;
    if (choice.family)
        s_nOldSheetType = choice.family;
    g_strCurCode = item.m_strCode;
    UseFormat(*entry);
    PinSheetMap(m_pSheet->m_sheetMap, item.m_strCode);
    m_pSheet->History().Reset(m_pSheet->m_nKind);
    if (!ShowSheetPicture())
        return false;
    Control(kIdcSheetPicture)->update();
    return true;
}

bool CPage10Dlg::ShowSheetPicture()
{
    auto* picture = ControlAs<CLayoutFontStatic>(kIdcSheetPicture);
    if (m_pSheet->m_nKind == kKindOrvanel && IsLabelSheet(Orvanel())) {
        picture->LoadPicture(LabelPaperPicture(Orvanel()));
        return true;
    }
    const SheetPicture choice = SelectionPicture(m_pSheet->m_nKind);
    if (!choice.fromFolder) {
        if (choice.resource)
            picture->LoadPicture(choice.resource);
        return true;
    }
    if (!DataFolderPresent(nullptr))
        return false;
    picture->LoadPicture(QString::fromStdString((SheetFolder(g_strCurCode) / "whiteseal.bmp").u8string()));
    return true;
}

void CPage10Dlg::ShowChoiceHints(bool on)
{
    Control(kIdcPickArrow)->setVisible(on);
    Control(kIdcCheckCaption)->setVisible(on);
}
