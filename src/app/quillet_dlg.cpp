#include "app/quillet_dlg.h"

#include "app/design_commands.h"
#include "app/program_folder.h"
#include "controls/button_st.h"
#include "controls/image_font_static.h"
#include "pages/save_message_dialog.h"
#include "res/artwork.h"
#include "res/look.h"
#include "res/resource_ids.h"

#include <QIcon>
#include <QPixmap>

std::string g_strOpenPath;

namespace {
constexpr int kStepControls[] = {1128, 1127, 1129, 1130, 1131};
}

CQuilletDlg::CQuilletDlg(QWidget* parent) : CWizardSheetDlg(kIddWizard, parent) {}

void CQuilletDlg::OnInitDialog()
{
    m_nPlaceholderId = kIdcPlaceholder;
    StartWizard();
    setWindowTitle(QStringLiteral("ZolviVER.2"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork(kIconMain))));
    SetButtonPictures();
    SetStepPictures();
    if (g_strOpenPath.empty())
        return;
    CWizardPageDlg* page = GetActivePage();
    if (!page && PageCount() > 0 && ActivatePage(PageAt(0)))
        page = PageAt(0);
    if (page)
        OpenDesignPath(page, std::filesystem::u8path(g_strOpenPath));
}

void CQuilletDlg::SetButtonPictures()
{
    const QRgb cream = PageColour().rgb();
    if (auto* back = ControlAs<CButtonST>(kIdcBack))
        back->SetBitmaps(kBmpBackButton, cream);
    if (auto* next = ControlAs<CButtonST>(kIdcNext))
        next->SetBitmaps(kBmpNextButton, cream, kBmpNextDisabled);
    if (auto* exit = ControlAs<CButtonST>(kIdcExit))
        exit->SetBitmaps(kBmpWizardExitButton, cream);
    if (auto* undo = ControlAs<CButtonST>(kIdcUndo))
        undo->SetBitmaps(kBmpUndoButton, cream, kBmpUndoDisabled);
    if (auto* redo = ControlAs<CButtonST>(kIdcRedo))
        redo->SetBitmaps(kBmpRedoButton, cream, kBmpRedoDisabled);
}

void CQuilletDlg::SetStepPictures()
{
    for (int step = 0; step < 5; ++step)
        if (auto* picture = ControlAs<CImageFontStatic>(kStepControls[step]))
            picture->LoadResource(kBmpStepFirst + step);
}

bool CQuilletDlg::CloseQuestion()
{
    if (!CSealFormat::IsModified(m_nKind))
        return true;
    CDlgSaveMsg question(this);
    return question.exec() == 1;
}
