#pragma once
// CQuilletApp: start-up. Builds the wizard and its ten pages in their fixed order, reads the
// catalog and runs the wizard; the pages and the wizard are destroyed in reverse order after.
#include "app/quillet_dlg.h"
#include "design/seal_format.h"

#include <memory>
#include <string>
#include <vector>

class CQuilletApp : public CSealFormat {
public:
    CQuilletApp() = default;
    ~CQuilletApp() override;

    // Creates the wizard window and registers the ten pages (nothing is shown yet).
    void CreateWizard();
    // The whole start-up for the command-line arguments after the program name; the exit status.
    int InitInstance(const std::vector<std::string>& args);

    CQuilletDlg* Wizard() const { return m_wizard.get(); }
    CWizardPageDlg* Page(int templateId) const;

private:
    std::unique_ptr<CQuilletDlg> m_wizard;
    std::vector<std::unique_ptr<CWizardPageDlg>> m_pages;
};

// The views the picture controls of `wizard` draw, plugged into the controls at start.
void RegisterProgramViews(const CWizardSheetDlg* wizard);
