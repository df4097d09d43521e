#pragma once
// CAutosave: keeps a recovery copy of the design while it has unsaved changes, written a short
// while after the last change (and at the latest a while after the first one, so steady typing is
// kept too). Saving, a new design and a normal end remove it. A copy that cannot be written is
// said once a run.
#include "design/recovery_file.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <filesystem>

class CWizardSheetDlg;

class CAutosave : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMs = 2000;
    static constexpr int kLongestWaitMs = 10000;

    CAutosave(CWizardSheetDlg* wizard, const std::filesystem::path& folder);
    ~CAutosave() override;

    const std::filesystem::path& Folder() const { return m_folder; }
    // This program's recovery design file.
    const std::filesystem::path& OwnFile() const { return m_file; }
    // A shorter quiet time (a test that wants a copy at every change).
    void SetQuietTime(int ms) { m_nQuietMs = ms; }

    // After any change of the design or of its history.
    void OnDesignChanged();
    // Writes the copy now when there are unsaved changes, else removes it.
    void WriteNow();
    void Remove();

private:
    bool Unsaved() const;

    CWizardSheetDlg* m_pWizard;
    std::filesystem::path m_folder;
    std::filesystem::path m_file;
    QTimer m_timer;
    QElapsedTimer m_sinceFirstChange;
    int m_nQuietMs = kQuietMs;
    bool m_bToldUnwritable = false;
};
