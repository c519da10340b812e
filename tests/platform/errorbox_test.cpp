// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

TEST(ErrorBox, CannotWriteMessageNamesThePath) {
  EXPECT_EQ(CannotWriteMessage(QStringLiteral("/jeu/sudoku.ini")),
            QStringLiteral("Impossible d'écrire dans /jeu/sudoku.ini"));
}

TEST(ErrorBox, AHandlerTakesThePlaceOfTheBoxUntilItIsRemoved) {
  QStringList seen;
  const ErrorBoxHandler before = SetErrorBoxHandler([&seen](const QString& message) { seen.append(message); });
  ShowErrorBox(QStringLiteral("un"));
  ShowErrorBox(CannotWriteMessage(QStringLiteral("/x/y.orv")));
  const ErrorBoxHandler mine = SetErrorBoxHandler(before);
  EXPECT_TRUE(static_cast<bool>(mine));
  EXPECT_EQ(seen, QStringList({QStringLiteral("un"), QStringLiteral("Impossible d'écrire dans /x/y.orv")}));
}

TEST(ErrorBox, TheBoxIsTitledOrvalisAndShowsTheMessage) {
  ASSERT_FALSE(static_cast<bool>(SetErrorBoxHandler({})));
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool seen = false;
  // The box is modal: look at it, then press its button, from the event loop.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = true;
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->buttons().front()->click();
  });
  ShowErrorBox(CannotWriteMessage(QStringLiteral("/jeu/sudoku.ini")));
  ASSERT_TRUE(seen);
  EXPECT_EQ(title, QStringLiteral("Orvalis"));
  EXPECT_EQ(text, QStringLiteral("Impossible d'écrire dans /jeu/sudoku.ini"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
}

}  // namespace
