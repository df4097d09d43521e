#pragma once
// The text entry pages (Orvanel 173, Zolvi 218).
#include "pages/design_step_page.h"

class CPage400Dlg : public CDesignStepPage {
    Q_OBJECT
public:
    explicit CPage400Dlg(CWizardSheetDlg* sheet);
};

class CPage4000Dlg : public CDesignStepPage {
    Q_OBJECT
public:
    explicit CPage4000Dlg(CWizardSheetDlg* sheet);
};
