#pragma once
// CDlgConfirm: asks before the text page's three bulk actions; exec() returns 1 for OK.
#include "pages/template_dialog.h"

enum ConfirmMode { kConfirmCopyToAll = 0, kConfirmDeleteAll = 1, kConfirmDeleteSelected = 2 };

class CDlgConfirm : public CTemplateDialog {
    Q_OBJECT
public:
    CDlgConfirm(int mode, QWidget* parent);
    int Mode() const { return m_nMode; }

private:
    int m_nMode;
};
