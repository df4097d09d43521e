#pragma once
// Message boxes with the program's fixed texts (UTF-8).
#include <QString>
#include <QWidget>

#include <string>

inline constexpr char kAppCaption[] = "Velmaro";

// Modal, OK only.
void ShowMessage(QWidget* owner, const std::string& text, const QString& caption = kAppCaption);
// A question whose safe answer, `cancel`, is the default: Enter or Esc never does `ok`'s harm.
// True when the user chose `ok`.
bool AskOkCancel(QWidget* owner, const QString& text, const QString& ok, const QString& cancel);
// Shown without waiting for it: the caller goes on at once.
void ShowMessageLater(QWidget* owner, const std::string& text, const QString& caption = kAppCaption);
