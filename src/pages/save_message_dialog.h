#pragma once
// CDlgSaveMsg: asks whether the wizard may close without saving; exec() returns 1 for OK.
#include "pages/template_dialog.h"

class CDlgSaveMsg : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CDlgSaveMsg(QWidget* parent);
};

extern const char kSaveQuestionText[];
