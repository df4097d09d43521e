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

// The design file the current design was opened from or last saved to; empty for a new design.
// The save dialog proposes it.
std::filesystem::path& CurrentDesignFile();

// Opens a recovery file left by a program that ended without saving: the wizard shows its text
// page with the design marked modified and the original file as the one to save to.
bool RestoreRecovery(CWizardPageDlg* page, const std::filesystem::path& design, const std::string& originalPath);

// The dialogs' filters.
QString OpenFilter();
QString SaveFilter(int kind);
