#include "wizard/wizard_page.h"

#include "res/dialog_template.h"
#include "res/look.h"

CWizardPageDlg::CWizardPageDlg(CWizardSheetDlg* sheet) : m_pSheet(sheet)
{
    hide();
}

void CWizardPageDlg::OnKeyDown(int, Qt::KeyboardModifiers) {}

bool CWizardPageDlg::CreatePage(QWidget* parent)
{
    const DialogTemplate* dialog = FindDialogTemplate(m_nTemplateId);
    if (!dialog)
        return false;
    setParent(parent);
    hide();
    setObjectName(QString::number(m_nTemplateId));
    m_controls = BuildControls(this, *dialog);
    return OnInitDialog();
}

bool CWizardPageDlg::OnInitDialog()
{
    m_titleFont = QFont(QStringLiteral("DejaVu Sans"));
    m_titleFont.setPixelSize(16);
    m_titleFont.setBold(true);
    QPalette cream = palette();
    cream.setColor(QPalette::Window, PageColour());
    setPalette(cream);
    setAutoFillBackground(true);
    return true;
}

void CWizardPageDlg::DestroyPage()
{
    hide();
    for (auto& [id, control] : m_controls)
        delete control;
    m_controls.clear();
    setParent(nullptr);
    m_bCreated = 0;
    m_bActive = 0;
}

QWidget* CWizardPageDlg::Control(int id) const
{
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}
