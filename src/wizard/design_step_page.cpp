#include "wizard/design_step_page.h"

#include "controls/image_font_static.h"
#include "res/resource_ids.h"
#include "wizard/design_history.h"
#include "wizard/wizard_sheet.h"

CDesignStepPage::CDesignStepPage(CWizardSheetDlg* sheet, const DesignStep& step)
    : CWizardPageDlg(sheet), m_step(step)
{
}

void CDesignStepPage::OnSetActive()
{
    if (auto* header = ControlAs<CImageFontStatic>(kIdcHeader))
        header->LoadResource(kBmpHeader);
    if (auto* footer = ControlAs<CImageFontStatic>(kIdcFooter))
        footer->LoadResource(m_step.footer);
    m_pSheet->ShowStep(m_step.step);
}

bool CDesignStepPage::RecordStep(const char* what, bool sticker)
{
    return m_pSheet->History().Record(QString::fromUtf8(what), sticker);
}

int CDesignStepPage::OnWizardBack()
{
    if (m_step.backClearsKind)
        m_pSheet->m_nKind = kKindNone;
    return m_step.back;
}

int CDesignStepPage::OnWizardNext()
{
    return m_step.next;
}
