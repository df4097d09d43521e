#include "pages/design_commands.h"

#include "design/design_file.h"
#include "pages/design_of_kind.h"
#include "pages/program_folder.h"
#include "pages/sheet_map_pin.h"
#include "wizard/design_history.h"
#include "wizard/message_box.h"
#include "wizard/wizard_sheet.h"

#include <QDir>
#include <QFileDialog>

namespace {

constexpr int kStepsToTextPage = 4;

QString AskPath(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter)
{
    const bool proposeCurrent = mode == QFileDialog::AcceptSave && !CurrentDesignFile().empty();
    QFileDialog dialog(owner, QString(), ToQString(proposeCurrent ? CurrentDesignFile() : DesignFolder()), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("zvd"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().first();
    RememberDesignFolder(ToPath(chosen));
    return chosen;
}

}  // namespace

std::filesystem::path& CurrentDesignFile()
{
    static std::filesystem::path file;
    return file;
}

QString OpenFilter()
{
    return QStringLiteral("Zolvi(*.zvd)");
}

QString SaveFilter(int kind)
{
    return kind == kKindZolvi ? QStringLiteral("Zolvi2(*.zvd)") : QStringLiteral("Zolvi(*.zvd)");
}

void OnOpenDesign(CWizardPageDlg* page)
{
    const QString chosen = AskPath(page, QFileDialog::AcceptOpen, OpenFilter());
    if (!chosen.isEmpty())
        OpenDesignPath(page, ToPath(chosen));
}

bool OpenDesignPath(CWizardPageDlg* page, const std::filesystem::path& path)
{
    TakeLabelSheets(page->m_pSheet->m_labelSheets);
    const OpenDesignResult result = OpenDesignFile(path);
    if (!result.ok) {
        ShowMessage(page, result.error);
        return false;
    }
    CWizardSheetDlg* sheet = page->m_pSheet;
    if (result.designKind != kKindNone) {
        sheet->m_nKind = result.designKind;
        PinSheetMap(sheet->m_sheetMap, CurrentDesign(sheet->m_nKind).sheet.m_strCode);
    }
    sheet->History().Reset(sheet->m_nKind);
    CurrentDesignFile() = path;
    if (!result.warning.empty())
        ShowMessage(page, result.warning);
    if (result.advance)
        for (int step = 0; step < kStepsToTextPage; ++step)
            sheet->Next();
    return true;
}

void OnSaveDesign(CWizardPageDlg* page, int kind)
{
    const QString chosen = AskPath(page, QFileDialog::AcceptSave, SaveFilter(kind));
    if (!chosen.isEmpty())
        SaveDesignPath(page, ToPath(chosen), kind);
    QDir::setCurrent(ToQString(ProgramFolder()));
}

bool SaveDesignPath(QWidget* owner, const std::filesystem::path& path, int kind)
{
    if (const std::optional<std::string> error = SaveDesignFile(path, kind)) {
        ShowMessage(owner, *error);
        return false;
    }
    CurrentDesignFile() = path;
    if (auto* sheet = qobject_cast<CWizardSheetDlg*>(owner->window()))
        sheet->History().MarkSaved();
    return true;
}

bool RestoreRecovery(CWizardPageDlg* page, const std::filesystem::path& design, const std::string& originalPath)
{
    if (!OpenDesignPath(page, design))
        return false;
    CWizardSheetDlg* sheet = page->m_pSheet;
    CurrentDesignFile() = std::filesystem::u8path(originalPath);
    SetModified(sheet->m_nKind, true);
    sheet->History().MarkRestored();
    return true;
}
