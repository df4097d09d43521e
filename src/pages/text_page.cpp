#include "pages/text_page.h"

#include "res/resource_ids.h"

CPage400Dlg::CPage400Dlg(CWizardSheetDlg* sheet)
    : CDesignStepPage(sheet, {kBmpFooterText, 4, kIddOrvanelFont, kIddOrvanelPrint, false})
{
}

CPage4000Dlg::CPage4000Dlg(CWizardSheetDlg* sheet)
    : CDesignStepPage(sheet, {kBmpFooterText, 4, kIddZolviFont, kIddZolviPrint, false})
{
}
