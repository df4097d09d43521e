#include "pages/save_message_dialog.h"

#include "res/resource_ids.h"

#include <QPushButton>

const char kSaveQuestionText[] =
    "保存しなくてもよいですか？\n保存する場合は、キャンセルを押して最後の画面まで進み、保存したあと終了してください。";

CDlgSaveMsg::CDlgSaveMsg(QWidget* parent) : CTemplateDialog(kIddSaveMessage, parent)
{
    SetLabel(kIdcSaveMessage, QString::fromUtf8(kSaveQuestionText), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    SetOkButton(QStringLiteral("OK"));
    // Enter and Esc keep the work: leaving it unsaved takes a deliberate OK.
    if (auto* cancel = ControlAs<QPushButton>(kIdCancel)) {
        if (auto* ok = ControlAs<QPushButton>(kIdOk))
            ok->setDefault(false);
        cancel->setDefault(true);
        cancel->setFocus();
    }
}
