// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of a screen, found by their names: screens keep their controls private.
#pragma once

#include <QObject>
#include <QPushButton>

template <class T = QWidget>
T* Find(const QObject* Screen, const char* Name) {
  return Screen->findChild<T*>(QString::fromLatin1(Name));
}
template <class T = QWidget>
T* Find(const QObject& Screen, const char* Name) {
  return Find<T>(&Screen, Name);
}

// The game screen's digit button Index: 0 to 8 enter 1 to 9, 9 erases.
inline QPushButton* DigitButton(const QObject* Screen, std::size_t Index) {
  return Find<QPushButton>(Screen, QStringLiteral("Button%1").arg(Index + 1).toLatin1().constData());
}
