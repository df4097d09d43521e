#include "pages/save_message_dialog.h"

#include "res/resource_ids.h"

const char kSaveQuestionText[] =
    "保存しなくてもよいですか？\n保存する場合は、キャンセルを押して最後の画面まで進み、保存したあと終了してください。";

CDlgSaveMsg::CDlgSaveMsg(QWidget* parent) : CTemplateDialog(kIddSaveMessage, parent)
{
    SetLabel(kIdcSaveMessage, QString::fromUtf8(kSaveQuestionText), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    SetOkButton(QStringLiteral("OK"));
}
