#include "pages/autosave.h"

#include "design/design_file.h"
#include "design/file_messages.h"
#include "pages/design_commands.h"
#include "wizard/design_history.h"
#include "wizard/message_box.h"
#include "wizard/wizard_sheet.h"

#include <QDateTime>

#include <unistd.h>

CAutosave::CAutosave(CWizardSheetDlg* wizard, const std::filesystem::path& folder)
    : QObject(wizard), m_pWizard(wizard), m_folder(folder),
      m_file(RecoveryDesignPath(folder, static_cast<long>(::getpid()), QDateTime::currentMSecsSinceEpoch()))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CAutosave::WriteNow);
    connect(&wizard->History(), &DesignHistory::Changed, this, &CAutosave::OnDesignChanged);
}

CAutosave::~CAutosave()
{
    Remove();
}

bool CAutosave::Unsaved() const
{
    const int kind = m_pWizard->m_nKind;
    return kind != kKindNone && (CSealFormat::IsModified(kind) || !m_pWizard->History().Stack().isClean());
}

void CAutosave::OnDesignChanged()
{
    if (!Unsaved()) {
        m_timer.stop();
        Remove();
        return;
    }
    if (!m_sinceFirstChange.isValid())
        m_sinceFirstChange.start();
    if (m_sinceFirstChange.elapsed() >= kLongestWaitMs && m_timer.isActive())
        return;
    m_timer.start(m_nQuietMs);
}

void CAutosave::WriteNow()
{
    m_timer.stop();
    m_sinceFirstChange.invalidate();
    if (!Unsaved()) {
        Remove();
        return;
    }
    // A design that could not be saved is not kept either; the user learns why when saving.
    const int kind = m_pWizard->m_nKind;
    if (SaveRefusal(kind, m_file.string()))
        return;
    const std::optional<std::string> failure =
        WriteRecovery(m_file, kind, {CurrentDesignFile().u8string(), g_strCurCode});
    // A state folder that cannot be written to would otherwise leave the user without copies
    // unawares; once a run is enough.
    if (failure && !m_bToldUnwritable) {
        m_bToldUnwritable = true;
        ShowMessageLater(m_pWizard, RecoveryUnwritableMessage(*failure));
    }
}

void CAutosave::Remove()
{
    m_sinceFirstChange.invalidate();
    RemoveRecovery(m_file);
}
