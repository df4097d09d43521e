#include "pages/preview_windows.h"

#include "controls/control_factory.h"
#include "controls/font_button.h"
#include "controls/layout_font_static.h"
#include "design/seal_format.h"
#include "format/load_formats.h"
#include "pages/data_folder_check.h"
#include "pages/line_break_setting.h"
#include "pages/print_sheet.h"
#include "render/design_layout.h"
#include "res/dialog_template.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"
#include "text/layout_sheet.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QScreen>

namespace {

constexpr int kCloseButtonPixels = 12;

}  // namespace

CModelessPreviewDlg::CModelessPreviewDlg(int templateId, int pictureId, int kind, QWidget* page,
                                         std::function<void()> focusEdit)
    : QDialog(page), m_nKind(kind), m_focusEdit(std::move(focusEdit))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("シート全体"));
    if (const DialogTemplate* dialog = FindDialogTemplate(templateId)) {
        const ControlMap controls = BuildControls(this, *dialog);
        auto control = [&controls](int id) -> QWidget* {
            const auto found = controls.find(id);
            return found == controls.end() ? nullptr : found->second;
        };
        m_picture = qobject_cast<CLayoutFontStatic*>(control(pictureId));
        if (auto* button = qobject_cast<CFontButton*>(control(kIdOk))) {
            button->CreateFont(CaptionFont(kCloseButtonPixels, 400));
            button->SetCaption(QStringLiteral("閉じる"));
            button->SetColours(Qt::black, ColourFromRef(0x007FD4));
            connect(button, &QPushButton::clicked, this, [this] {
                emit closedByUser();
                close();
            });
        }
    }
    if (m_picture)
        m_picture->SetDisplayFlag(true);
    setFixedSize(size());
    QPalette cream = palette();
    cream.setColor(QPalette::Window, PageColour());
    setPalette(cream);
    setAutoFillBackground(true);
    Refresh();
}

CModelessPreviewDlg::~CModelessPreviewDlg() { DropLayout(); }

void CModelessPreviewDlg::Refresh()
{
    if (!DataFolderExists()) {
        QMessageBox::warning(this, QStringLiteral("Velmaro"), QString::fromStdString(MissingPathMessage(g_strDataDir)));
        return;
    }
    if (!m_picture)
        return;
    m_picture->LoadPicture(SheetCanvasPicture(m_nKind));
    LayOutDesignOfKind(m_nKind, CurrentLook(), UserLineBreaks());
    m_picture->update();
}

void CModelessPreviewDlg::DropLayout()
{
    if (std::vector<SealPiece>* pieces = PiecesOf(m_nKind))
        for (SealPiece& piece : *pieces)
            ::DropLayout(piece);
}

void CModelessPreviewDlg::closeEvent(QCloseEvent* event)
{
    DropLayout();
    QDialog::closeEvent(event);
    if (m_focusEdit)
        m_focusEdit();
}

CModelessPreview400Dlg::CModelessPreview400Dlg(QWidget* page, std::function<void()> focusEdit)
    : CModelessPreviewDlg(kIddOrvanelPreview, kIdcOrvanelSheet, kKindOrvanel, page, std::move(focusEdit))
{
}

CModelessPreview4000Dlg::CModelessPreview4000Dlg(QWidget* page, std::function<void()> focusEdit)
    : CModelessPreviewDlg(kIddZolviPreview, kIdcZolviSheet, kKindZolvi, page, std::move(focusEdit))
{
}
