// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window made active, with the player's keys and a new game
// started from the menu, for the tests of what players expect of it.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <functional>

#include "app_test_util.h"

inline THotLabel* Label(QWidget* Dialog, const char* Name) {
  return Dialog->findChild<THotLabel*>(QLatin1String(Name));
}

// A key pressed where the keyboard focus is.
inline void Press(QWidget* Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : Window, Key, Modifiers);
}

class ComfortTest : public MainWindowTest {
 protected:
  void StartActive(const QByteArray& Settings = "[general]\ntypeecran=2\n") {
    WriteSettings(Settings);
    Start();
    Activate();
  }

  // The main window in front, as it is again once a dialog has closed.
  void Activate() {
    Main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  }

  // "Nouvelle partie" by its key, "Facile" (or the choice named) in the
  // level choice; a game waiting to be taken up is let go ("Non").
  Tf_Jeux* NewGame(const char* Choice = "hl_facile") {
    AnswerWaitingThen([Choice](QWidget* Levels) { Click(Label(Levels, Choice)); });
    Press(Main.get(), Qt::Key_N, Qt::ControlModifier);
    Tf_Jeux* game = Game();
    EXPECT_NE(game, nullptr);
    if (game != nullptr) {
      EXPECT_TRUE(game->isVisible());
    }
    Activate();
    return game;
  }

  // The question about a game waiting, if it comes, answered "Non"; then
  // Then on the next dialog.
  static void AnswerWaitingThen(const std::function<void(QWidget*)>& Then) {
    WhenModal([Then](QWidget* Modal) {
      if (qobject_cast<QMessageBox*>(Modal) == nullptr) return Then(Modal);
      WhenModal(Then);
      ClickButton(Modal, QStringLiteral("Non"));
    });
  }

  // One right digit in the first empty cell.
  static void PlayOneDigit(Tf_Jeux* Game) {
    TGrilleSudoku* grid = &Game->Grid();
    const auto [row, col] = EmptyCells(grid->Grille()).front();
    ClickCell(grid, row, col);
    TypeDigit(grid, SolutionDigit(grid->Grille(), row, col));
  }
};
