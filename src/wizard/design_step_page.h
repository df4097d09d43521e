#pragma once
// The design pages' shared frame: header and footer strips, their step of the indicator and
// where Back and Next lead.
#include "wizard/wizard_page.h"

struct DesignStep {
    int footer;           // footer picture
    int step;             // step of the indicator
    int back;             // template Back leads to (0: the page before in the list)
    int next;             // template Next leads to (0: the next page, -1: stay)
    bool backClearsKind;  // the layout pages give up the design kind on the way back
};

class CDesignStepPage : public CWizardPageDlg {
    Q_OBJECT
public:
    CDesignStepPage(CWizardSheetDlg* sheet, const DesignStep& step);

    void OnSetActive() override;
    int OnWizardBack() override;
    int OnWizardNext() override;
    bool HasDesignHistory() const override { return true; }

protected:
    // What the page just changed in the design becomes one step of the history, named `what`;
    // `sticker`: with the number of the current sticker. False when nothing changed.
    bool RecordStep(const char* what, bool sticker = false);

private:
    DesignStep m_step;
};
