#include "messages.h"

#include <QApplication>
#include <QMessageBox>

bool AskYesNo(const QString& Title, const QString& Text) {
  QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void ShowMessage(const QString& Text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Orvalis"), Text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
