#pragma once
// The print and save pages (Orvanel 175, Zolvi 219).
#include "pages/design_step_page.h"

class CPrintStepPage : public CDesignStepPage {
    Q_OBJECT
public:
    CPrintStepPage(CWizardSheetDlg* sheet, const DesignStep& step, int designKind);

protected:
    bool OnInitDialog() override;

private:
    int m_nDesignKind;
};

class CPage500Dlg : public CPrintStepPage {
    Q_OBJECT
public:
    explicit CPage500Dlg(CWizardSheetDlg* sheet);
};

class CPage5000Dlg : public CPrintStepPage {
    Q_OBJECT
public:
    explicit CPage5000Dlg(CWizardSheetDlg* sheet);
};
