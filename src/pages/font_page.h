#pragma once
// The typeface and colour pages (Orvanel 172, Zolvi 217): the typeface, boldness and text colour
// of the whole design, with a sample of the choice.
#include "wizard/design_step_page.h"

class CLayoutFontStatic;

class CFontStepPage : public CDesignStepPage {
    Q_OBJECT
public:
    void OnSetActive() override;

protected:
    CFontStepPage(CWizardSheetDlg* sheet, const DesignStep& step, int sampleId, int canvas, bool orvanel);
    bool OnInitDialog() override;

private:
    void SetUpFaceButtons();
    void SetUpColourButtons();
    void SetUpBoldButton();
    void ShowFaceChosen(int buttonId);
    void ShowColourChosen(int buttonId);
    void ShowTypefaceChoice();
    void OnFace(int buttonId);
    void OnOtherFace();
    void OnColour(int buttonId, int stringId);
    void OnBold();
    CLayoutFontStatic* Sample() const;

    int m_nSampleId;
    int m_nCanvas;
    bool m_bOrvanel;
};

class CPage300Dlg : public CFontStepPage {
    Q_OBJECT
public:
    explicit CPage300Dlg(CWizardSheetDlg* sheet);
};

class CPage3000Dlg : public CFontStepPage {
    Q_OBJECT
public:
    explicit CPage3000Dlg(CWizardSheetDlg* sheet);
};
