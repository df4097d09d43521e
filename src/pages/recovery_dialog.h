#pragma once
// CDlgRecovery: asks at start whether to bring back work a program left unsaved. exec() returns
// kRecoveryRestore or kRecoveryDiscard for the two buttons, 0 when the dialog was closed (the work
// is then offered again next time).
#include "pages/template_dialog.h"

enum RecoveryAnswer { kRecoveryKeep = 0, kRecoveryRestore = 1, kRecoveryDiscard = 2 };

class CDlgRecovery : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CDlgRecovery(QWidget* parent);
};
