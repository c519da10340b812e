#include "messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

bool AskYesNo(const QString& Title, const QString& Text) {
  QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

TAnswer AskYesNoCancel(const QString& Title, const QString& Text) {
  QMessageBox box(QMessageBox::Question, Title, Text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QApplication::activeWindow());
  // The texts are ours, whatever language Qt's own buttons speak.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
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
