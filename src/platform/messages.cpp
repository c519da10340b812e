// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

namespace {

// The buttons' texts are ours, whatever language Qt's own buttons speak (its
// French translation may be missing).
void NameButtons(QMessageBox& Box) {
  const std::pair<QMessageBox::StandardButton, const char*> names[] = {
      {QMessageBox::Yes, QT_TRANSLATE_NOOP("Messages", "Oui")},
      {QMessageBox::No, QT_TRANSLATE_NOOP("Messages", "Non")},
      {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Messages", "Annuler")}};
  for (const auto& [button, name] : names)
    if (QAbstractButton* b = Box.button(button)) b->setText(QCoreApplication::translate("Messages", name));
}

}  // namespace

namespace {

bool AskYesNoWithDefault(const QString& Title, const QString& Text, QMessageBox::StandardButton Default) {
  QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  NameButtons(box);
  box.setDefaultButton(Default);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

bool AskYesNo(const QString& Title, const QString& Text) { return AskYesNoWithDefault(Title, Text, QMessageBox::Yes); }

bool AskYesNoDefaultNo(const QString& Title, const QString& Text) {
  return AskYesNoWithDefault(Title, Text, QMessageBox::No);
}

TAnswer AskYesNoCancel(const QString& Title, const QString& Text) {
  QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QApplication::activeWindow());
  NameButtons(box);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
}

void ShowMessage(const QString& Text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Orvalis"), Text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
