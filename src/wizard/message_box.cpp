#include "wizard/message_box.h"

#include <QMessageBox>
#include <QPushButton>

void ShowMessage(QWidget* owner, const std::string& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(text), QMessageBox::Ok, owner);
    box.exec();
}

bool AskOkCancel(QWidget* owner, const QString& text, const QString& ok, const QString& cancel)
{
    QMessageBox box(QMessageBox::Question, kAppCaption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    box.button(QMessageBox::Ok)->setText(ok);
    box.button(QMessageBox::Cancel)->setText(cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void ShowMessageLater(QWidget* owner, const std::string& text, const QString& caption)
{
    auto* box = new QMessageBox(QMessageBox::Information, caption, QString::fromStdString(text), QMessageBox::Ok,
                                owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
