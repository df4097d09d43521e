#pragma once
// CQuilletDlg: the program's wizard window, with its pictures, step indicator and the question
// asked before unsaved work is closed.
#include "pages/autosave.h"
#include "wizard/wizard_sheet.h"

#include <string>

// A design file named on the command line, opened once the wizard is up.
extern std::string g_strOpenPath;

class CQuilletDlg : public CWizardSheetDlg {
    Q_OBJECT
public:
    explicit CQuilletDlg(QWidget* parent = nullptr);

    void OnInitDialog() override;
    CAutosave& Autosave() { return *m_autosave; }
    // A sheet named on the command line: the wizard opens on a new design on it.
    void SetStartSheet(const std::string& utf8Name) { m_strStartSheet = utf8Name; }

protected:
    // Kind 0 or a saved design close at once; unsaved work asks CDlgSaveMsg.
    bool CloseQuestion() override;

private:
    void SetButtonPictures();
    void SetStepPictures();
    // Offers the newest work a program left unsaved; true when it was restored.
    bool OfferRecovery();

    void StartOnNamedSheet();

    CAutosave* m_autosave;
    std::string m_strStartSheet;
};
