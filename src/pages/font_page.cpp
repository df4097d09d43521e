#include "pages/font_page.h"

#include "res/resource_ids.h"

CPage300Dlg::CPage300Dlg(CWizardSheetDlg* sheet)
    : CDesignStepPage(sheet, {kBmpFooterFont, 3, kIddOrvanelLayout, kIddOrvanelText, false})
{
}

CPage3000Dlg::CPage3000Dlg(CWizardSheetDlg* sheet) : CDesignStepPage(sheet, {kBmpFooterFont, 3, 0, 0, false}) {}
