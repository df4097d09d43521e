#pragma once
// The print pages (Orvanel 175, Zolvi 219): the finished sheet to scale, the print position
// adjusted in steps of 0.1 mm, printing and saving. Both are refused while a text does not fit.
#include "wizard/design_step_page.h"

#include <vector>

class CButtonST;
class CNumSpinCtrl;
class QLineEdit;
class SheetNavigation;

class CPrintStepPage : public CDesignStepPage {
    Q_OBJECT
public:
    CPrintStepPage(CWizardSheetDlg* sheet, const DesignStep& step, int designKind);

    void OnSetActive() override;
    // Drops the offset controls the page made itself.
    void OnDestroyPage() override;

    // The vertical offset's edit and arrows (1066, 1063), or the horizontal ones (1067, 1064).
    QLineEdit* OffsetEdit(bool vertical) const { return vertical ? m_vertical : m_horizontal; }
    CNumSpinCtrl* OffsetSpin(bool vertical) const { return vertical ? m_verticalSpin : m_horizontalSpin; }
    // Where the frame around the sheet picture is drawn: moved by the offsets, one pixel a tenth
    // of a millimetre.
    QRect OffsetFrame() const;
    SheetNavigation* Sheets() const { return m_sheets; }

protected:
    bool OnInitDialog() override;

private:
    void BuildOffsetControls();
    void PlaceOffsetFrame();
    void ShowOffsets();
    void TakeOffset(bool vertical);
    void LoadCanvas();
    void EnableOutput();
    void OnPrint();
    void BuildSheetNavigation();
    void OnSheetShown();

    int m_nDesignKind;
    QLineEdit* m_vertical = nullptr;
    QLineEdit* m_horizontal = nullptr;
    CNumSpinCtrl* m_verticalSpin = nullptr;
    CNumSpinCtrl* m_horizontalSpin = nullptr;
    QWidget* m_frame = nullptr;
    SheetNavigation* m_sheets = nullptr;
    std::vector<QWidget*> m_made;  // the controls above and the unit labels, for OnDestroyPage
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
