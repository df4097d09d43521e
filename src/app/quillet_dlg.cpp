#include "app/quillet_dlg.h"

#include "controls/button_st.h"
#include "controls/image_font_static.h"
#include "pages/design_commands.h"
#include "pages/program_folder.h"
#include "pages/recovery_dialog.h"
#include "pages/selection_page.h"
#include "pages/save_message_dialog.h"
#include "res/artwork.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "wizard/message_box.h"

#include <QIcon>
#include <QPixmap>

std::string g_strOpenPath;

CQuilletDlg::CQuilletDlg(QWidget* parent)
    : CWizardSheetDlg(kIddWizard, parent), m_autosave(new CAutosave(this, Folders().userState / "recovery"))
{
}

void CQuilletDlg::OnInitDialog()
{
    m_nPlaceholderId = kIdcPlaceholder;
    StartWizard();
    setWindowTitle(QStringLiteral("ZolviVER.2"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork(kIconMain))));
    SetButtonPictures();
    SetStepPictures();
    if (OfferRecovery())
        return;
    if (!m_strStartSheet.empty()) {
        StartOnNamedSheet();
        return;
    }
    if (g_strOpenPath.empty())
        return;
    CWizardPageDlg* page = GetActivePage();
    if (!page && PageCount() > 0 && ActivatePage(PageAt(0)))
        page = PageAt(0);
    if (page)
        OpenDesignPath(page, std::filesystem::path(g_strOpenPath));
}

// As if the user began a new design and picked the sheet from the list; a name that finds none
// leaves the list open, searched for it.
void CQuilletDlg::StartOnNamedSheet()
{
    if (!GetActivePage() && PageCount() > 0)
        ActivatePage(PageAt(0));
    if (auto* start = ControlAs<CButtonST>(kIdcNewDesign))
        start->click();
    if (auto* selection = dynamic_cast<CPage10Dlg*>(FindPage(kIddSelection)))
        if (!selection->ChooseNamedSheet(m_strStartSheet))
            ShowMessage(this, "シート「" + m_strStartSheet + "」が見つかりませんでした。");
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
        if (auto* picture = ControlAs<CImageFontStatic>(kIdcSteps[step]))
            picture->LoadResource(kBmpStepFirst + step);
}

bool CQuilletDlg::OfferRecovery()
{
    const std::vector<RecoveryEntry> left = LeftRecoveries(m_autosave->Folder());
    if (left.empty())
        return false;
    const RecoveryEntry& newest = left.front();
    CDlgRecovery question(this);
    const int answer = question.exec();
    if (answer == kRecoveryDiscard)
        RemoveRecovery(newest.design);
    if (answer != kRecoveryRestore || !PageAt(0))
        return false;
    if (!GetActivePage())
        ActivatePage(PageAt(0));
    if (!RestoreRecovery(GetActivePage(), newest.design, newest.note.originalPath))
        return false;
    // Kept again under this program's name before the old copy goes.
    m_autosave->WriteNow();
    RemoveRecovery(newest.design);
    return true;
}

bool CQuilletDlg::CloseQuestion()
{
    if (!CSealFormat::IsModified(m_nKind))
        return true;
    CDlgSaveMsg question(this);
    return question.exec() == 1;
}
