#include "wizard/message_box.h"

#include <QMessageBox>

void ShowMessage(QWidget* owner, const std::string& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(text), QMessageBox::Ok, owner);
    box.exec();
}

void ShowMessageLater(QWidget* owner, const std::string& text, const QString& caption)
{
    auto* box = new QMessageBox(QMessageBox::Information, caption, QString::fromStdString(text), QMessageBox::Ok,
                                owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
