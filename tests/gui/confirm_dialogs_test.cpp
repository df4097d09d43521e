// The confirmation and save-question dialogs.
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "pages/confirm_dialog.h"
#include "pages/save_message_dialog.h"
#include "res/resource_ids.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct ConfirmCase {
    int mode;
    const char* caption;
    const char* first;
    const char* second;
};

TEST(ConfirmDialog, EachModeHasItsCaptionAndLines)
{
    const ConfirmCase cases[] = {
        {kConfirmCopyToAll, "文字を全てに複写", "全てのシールが同じ文字に", "なります。よろしいですか？"},
        {kConfirmDeleteAll, "全てのシールの文字を削除", "全てのシールの文字を削除", "します。よろしいですか？"},
        {kConfirmDeleteSelected, "選択中のシールの文字を削除", "選択中のシールの文字を削除", "します。よろしいですか？"},
    };
    for (const ConfirmCase& c : cases) {
        CDlgConfirm dialog(c.mode, nullptr);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(dialog.ControlAs<CFontStatic>(kIdcConfirmLine1)->Text(), QString::fromUtf8(c.first));
        EXPECT_EQ(dialog.ControlAs<CFontStatic>(kIdcConfirmLine2)->Text(), QString::fromUtf8(c.second));
        EXPECT_EQ(dialog.ControlAs<CFontButton>(kIdOk)->Caption(), QStringLiteral("決定"));
    }
}

struct ButtonCase {
    int button;
    int result;
};

TEST(ConfirmDialog, OkGivesOneAndCancelGivesNo)
{
    const ButtonCase cases[] = {{kIdOk, 1}, {kIdCancel, QDialog::Rejected}};
    for (const ButtonCase& c : cases) {
        CDlgSaveMsg dialog(nullptr);
        QTimer::singleShot(0, &dialog, [&dialog, c] { dialog.ControlAs<QPushButton>(c.button)->click(); });
        EXPECT_EQ(dialog.exec(), c.result);
    }
}

TEST(SaveQuestion, EnterAndEscapeKeepTheWork)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        CDlgSaveMsg dialog(nullptr);
        EXPECT_TRUE(dialog.ControlAs<QPushButton>(kIdCancel)->isDefault());
        QTimer::singleShot(0, &dialog, [&dialog, key] { QTest::keyClick(&dialog, key); });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << key;
    }
}

TEST(SaveQuestion, KeepsItsLineBreakAndFitsTheLabel)
{
    CDlgSaveMsg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ご注意"));
    auto* label = dialog.ControlAs<CFontStatic>(kIdcSaveMessage);
    EXPECT_TRUE(label->Text().startsWith(QStringLiteral("保存しなくてもよいですか？\n保存する場合は")));
    const QFont font = label->font();
    dialog.show();
    const QImage shown = label->grab().toImage();
    int inkRows = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (qGray(shown.pixel(x, y)) < 100) {
                ++inkRows;
                break;
            }
    EXPECT_GT(inkRows, 20);
    EXPECT_EQ(qGray(shown.pixel(shown.width() / 2, shown.height() - 1)) >= 100, true)
        << "the wrapped text ends inside the label";
}

}  // namespace
