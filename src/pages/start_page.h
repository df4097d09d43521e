#pragma once
// CPageBeginningDlg: the title page with its four buttons; it also starts the update check and
// reloads the catalog when the check has installed new sheet data.
#include "wizard/wizard_page.h"

#include <QTimer>

#include <string>

class CPageBeginningDlg : public CWizardPageDlg {
    Q_OBJECT
public:
    explicit CPageBeginningDlg(CWizardSheetDlg* sheet);

    void OnSetActive() override;
    const std::string& SupportUrl() const { return m_strSupportUrl; }
    bool CheckTimerActive() const { return m_checkTimer.isActive(); }

public slots:
    // The update check's result (2000: new data installed, 2010: none).
    void onUpdateResult(int result);

protected:
    bool OnInitDialog() override;

private:
    void SetButtonPictures();
    void StartSettingsStep();
    void NewDesign();
    void OpenSupportPage();
    void ReloadCatalog();

    QTimer m_checkTimer;
    std::string m_strSupportUrl;
};

extern CPageBeginningDlg* g_pStartPage;

// "起動画面の画像\n%s\nが存在しません" with the path.
std::string MissingTitleMessage(const std::string& path);
