#pragma once
// The layout pages (Orvanel 171, Zolvi 221): how the text is arranged on every sticker, whether
// a frame is printed around each sticker and in which colour, with a sample of the choice; and the
// user's own choice of line breaking.
#include "wizard/design_step_page.h"

#include <vector>

struct SealDataCommon;
class CLayoutFontStatic;

// One arrangement button: the layout mode it stands for and its pictures.
struct ArrangementButton {
    int buttonId;
    int mode;
    int picture;
    int chosenPicture;
};

class CLayoutPage : public CDesignStepPage {
    Q_OBJECT
public:
    void OnSetActive() override;

protected:
    CLayoutPage(CWizardSheetDlg* sheet, int next, std::vector<ArrangementButton> buttons, int sampleId, int canvas);
    bool OnInitDialog() override;

    // The current sheet record of the page's kind.
    virtual SealDataCommon& Sheet() const = 0;
    // Whether the font pool's state asks for fresh fonts for this kind's sample.
    virtual bool FontsWanted() const = 0;
    // The frame controls as far as the sheet has frames at all.
    virtual void ShowFrameControls() = 0;

    // Ticks the frame box exactly when frames are printed; their colour can be chosen then.
    void ShowFrameChoice();
    // The button of the design's layout mode chosen, every other one not; the chosen button or
    // nullptr when the mode is none of the page's.
    QWidget* ShowChosenArrangement();
    CLayoutFontStatic* Sample() const;

private:
    void OnArrangement(const ArrangementButton& chosen);
    void OnPrintFrame(bool on);
    void OnKinsoku(bool on);
    void OnFrameColour();

    std::vector<ArrangementButton> m_buttons;
    int m_nSampleId;
    int m_nCanvas;
};

class CPage200Dlg : public CLayoutPage {
    Q_OBJECT
public:
    explicit CPage200Dlg(CWizardSheetDlg* sheet);

protected:
    SealDataCommon& Sheet() const override;
    bool FontsWanted() const override;
    void ShowFrameControls() override;
};

class CPage2000Dlg : public CLayoutPage {
    Q_OBJECT
public:
    explicit CPage2000Dlg(CWizardSheetDlg* sheet);

protected:
    bool OnInitDialog() override;
    SealDataCommon& Sheet() const override;
    bool FontsWanted() const override;
    // Only four sheet products have frames; on the others the controls go, the setting stays.
    void ShowFrameControls() override;
};
