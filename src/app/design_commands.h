#pragma once
// Opening and saving design files, and what the wizard does with an opened design.
#include <QString>

#include <filesystem>

class CWizardPageDlg;
class QWidget;

// The open dialog (start page, button 1000), then OpenDesignPath with the chosen file.
void OnOpenDesign(CWizardPageDlg* page);
// Opens the file where it is; on success the wizard takes the design's kind and moves on four
// steps, to the design's text page. The failure message is shown owned by `page`.
bool OpenDesignPath(CWizardPageDlg* page, const std::filesystem::path& path);

// The save dialog of the print page of `kind`, then SaveDesignPath.
void OnSaveDesign(CWizardPageDlg* page, int kind);
// Writes the current design of `kind`; the failure message is shown owned by `owner`.
bool SaveDesignPath(QWidget* owner, const std::filesystem::path& path, int kind);

// The dialogs' filters.
QString OpenFilter();
QString SaveFilter(int kind);
