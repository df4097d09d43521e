#include "pages/confirm_dialog.h"

#include "res/resource_ids.h"

namespace {

struct ConfirmTexts {
    const char* caption;  // nullptr: the template's own
    const char* first;
    const char* second;
};

constexpr ConfirmTexts kTexts[] = {
    {nullptr, "全てのシールが同じ文字に", "なります。よろしいですか？"},
    {"全てのシールの文字を削除", "全てのシールの文字を削除", "します。よろしいですか？"},
    {"選択中のシールの文字を削除", "選択中のシールの文字を削除", "します。よろしいですか？"},
};

}  // namespace

CDlgConfirm::CDlgConfirm(int mode, QWidget* parent) : CTemplateDialog(kIddConfirm, parent), m_nMode(mode)
{
    const ConfirmTexts& texts = kTexts[mode >= 0 && mode <= 2 ? mode : 0];
    if (texts.caption)
        setWindowTitle(QString::fromUtf8(texts.caption));
    const int format = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    SetLabel(kIdcConfirmLine1, QString::fromUtf8(texts.first), format);
    SetLabel(kIdcConfirmLine2, QString::fromUtf8(texts.second), format);
    SetOkButton(QStringLiteral("決定"));
}
