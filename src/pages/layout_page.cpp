#include "pages/layout_page.h"

#include "res/resource_ids.h"

CPage200Dlg::CPage200Dlg(CWizardSheetDlg* sheet)
    : CDesignStepPage(sheet, {kBmpFooterLayout, 2, kIddSelection, kIddOrvanelFont, true})
{
}

CPage2000Dlg::CPage2000Dlg(CWizardSheetDlg* sheet)
    : CDesignStepPage(sheet, {kBmpFooterLayout, 2, kIddSelection, 0, true})
{
}
