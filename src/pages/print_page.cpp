#include "pages/print_page.h"

#include "app/design_commands.h"
#include "controls/button_st.h"
#include "res/look.h"
#include "res/resource_ids.h"

CPrintStepPage::CPrintStepPage(CWizardSheetDlg* sheet, const DesignStep& step, int designKind)
    : CDesignStepPage(sheet, step), m_nDesignKind(designKind)
{
}

bool CPrintStepPage::OnInitDialog()
{
    CDesignStepPage::OnInitDialog();
    if (auto* save = ControlAs<CButtonST>(kIdcSaveDesign)) {
        save->SetBitmaps(kBmpSaveButton, PageColour().rgb(), kBmpSaveDisabled);
        connect(save, &CButtonST::clicked, this, [this] { OnSaveDesign(this, m_nDesignKind); });
    }
    return true;
}

CPage500Dlg::CPage500Dlg(CWizardSheetDlg* sheet)
    : CPrintStepPage(sheet, {kBmpFooterPrint, 5, kIddOrvanelText, -1, false}, kKindOrvanel)
{
}

CPage5000Dlg::CPage5000Dlg(CWizardSheetDlg* sheet)
    : CPrintStepPage(sheet, {kBmpFooterPrint, 5, kIddZolviText, -1, false}, kKindZolvi)
{
}
