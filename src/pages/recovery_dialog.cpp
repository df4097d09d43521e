#include "pages/recovery_dialog.h"

#include "res/resource_ids.h"

#include <QPushButton>

CDlgRecovery::CDlgRecovery(QWidget* parent) : CTemplateDialog(kIddRecovery, parent)
{
    const int format = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    SetLabel(kIdcConfirmLine1, QStringLiteral("前回、保存されずに終了した作業があります。"), format);
    SetLabel(kIdcConfirmLine2, QStringLiteral("復元しますか？"), format);
    SetOkButton(QStringLiteral("復元する"));
    if (auto* discard = ControlAs<QPushButton>(kIdCancel)) {
        disconnect(discard, &QPushButton::clicked, this, nullptr);
        connect(discard, &QPushButton::clicked, this, [this] { done(kRecoveryDiscard); });
    }
}
