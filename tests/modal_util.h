// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on modal windows in tests: a dialog's exec() runs its own event loop,
// so what the player does there is scheduled beforehand and runs from that
// loop. WhenModal waits (polling the event loop) for the next modal window
// that opens, then acts on it as a player would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Runs Action on the first modal window that is not the one active now. When
// none comes within TimeoutMs, the watch ends and Missed (if given) is set.
inline void WhenModal(const std::function<void(QWidget*)>& Action, bool* Missed = nullptr, int TimeoutMs = 30000) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  if (Missed != nullptr) *Missed = false;
  QObject::connect(timer, &QTimer::timeout, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != before && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      Action(modal);
    } else if (clock->elapsed() > TimeoutMs) {
      timer->stop();
      timer->deleteLater();
      if (Missed != nullptr) *Missed = true;
    }
  });
  timer->start(5);
}

// The button of a dialog whose text, without its shortcut mark, is Text or,
// for the questions' "Oui", "Non", "Annuler", its translation.
inline QAbstractButton* ButtonNamed(QWidget* Dialog, const QString& Text) {
  const QString translated = QCoreApplication::translate("Messages", Text.toUtf8().constData());
  for (QAbstractButton* button : Dialog->findChildren<QAbstractButton*>()) {
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    if (caption == Text || caption == translated) return button;
  }
  return nullptr;
}

// Clicks the button named Text of the dialog (a message box's "Oui", "Non",
// "OK").
inline void ClickButton(QWidget* Dialog, const QString& Text) {
  if (QAbstractButton* button = ButtonNamed(Dialog, Text)) QTest::mouseClick(button, Qt::LeftButton);
}
