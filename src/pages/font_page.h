#pragma once
// The typeface and colour pages (Orvanel 172, Zolvi 217).
#include "pages/design_step_page.h"

class CPage300Dlg : public CDesignStepPage {
    Q_OBJECT
public:
    explicit CPage300Dlg(CWizardSheetDlg* sheet);
};

class CPage3000Dlg : public CDesignStepPage {
    Q_OBJECT
public:
    explicit CPage3000Dlg(CWizardSheetDlg* sheet);
};
