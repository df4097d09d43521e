#pragma once
// The whole wizard over a private copy of the bundled sheet data, shown on the offscreen
// platform, with helpers that click like a user.
#include "app/quillet_app.h"
#include "pages/selection_page.h"

#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Copies the bundled sheet products and the title picture into `folder`.
void CopyBundledData(const std::filesystem::path& folder);

// Answers the next modal dialog with `result` once it is up, while it lives; reports what it
// answered.
struct ModalAnswer {
    ~ModalAnswer();
    bool seen = false;
    QString className;
    QString text;  // a message box's text
    QTimer* poll = nullptr;
};
std::unique_ptr<ModalAnswer> AnswerNextModal(int result);
// Does `action` to the next modal dialog once it is up.
std::unique_ptr<ModalAnswer> ActOnNextModal(std::function<void(QDialog&)> action);

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Builds and shows the wizard after the fixture's folder is ready.
    void StartWizard();

    CQuilletDlg* Wizard() const { return m_app->Wizard(); }
    CWizardPageDlg* Page(int templateId) const { return m_app->Page(templateId); }
    CPage10Dlg* Selection() const;
    int ActiveId() const;
    QWidget* Button(int id) const { return Wizard()->Control(id); }
    bool NextEnabled() const;
    bool NextVisible() const;

    void ClickControl(QWidget* widget);
    void ClickPageControl(int templateId, int controlId);
    void NewDesign();
    // Clicks the list row of the sheet with this code.
    void ClickSheet(const std::string& code);
    int RowOf(const std::string& code) const;
    void PressNext();
    void PressBack();

    TempFolder m_folder;
    std::unique_ptr<CQuilletApp> m_app;
};
