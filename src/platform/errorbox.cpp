// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorbox.h"

#include <utility>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QtGlobal>

namespace {

ErrorBoxHandler& CurrentHandler() {
  static ErrorBoxHandler handler;
  return handler;
}

void ShowDefaultBox(const QString& message) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    qWarning("Orvalis: %s", qUtf8Printable(message));
    return;
  }
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Orvalis"), message, QMessageBox::Ok,
                  QApplication::activeWindow());
  // Messages name the player's files, whose names may hold anything.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

void ShowErrorBox(const QString& message) {
  // A copy, so that a handler may replace itself while it runs.
  const ErrorBoxHandler handler = CurrentHandler();
  if (handler)
    handler(message);
  else
    ShowDefaultBox(message);
}

ErrorBoxHandler SetErrorBoxHandler(ErrorBoxHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}

QString CannotWriteMessage(const QString& path) {
  return QCoreApplication::translate("ErrorBox", "Impossible d'écrire dans %1").arg(QDir::toNativeSeparators(path));
}
