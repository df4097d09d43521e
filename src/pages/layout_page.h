#pragma once
// The layout pages (Orvanel 171, Zolvi 221): writing direction and placement.
#include "pages/design_step_page.h"

class CPage200Dlg : public CDesignStepPage {
    Q_OBJECT
public:
    explicit CPage200Dlg(CWizardSheetDlg* sheet);
};

class CPage2000Dlg : public CDesignStepPage {
    Q_OBJECT
public:
    explicit CPage2000Dlg(CWizardSheetDlg* sheet);
};
