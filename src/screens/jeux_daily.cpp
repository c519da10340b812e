// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's daily grid ("Grille du jour").
#include <QLocale>
#include <QTextBrowser>

#include "grille.h"
#include "grilledujour.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "partie.h"
#include "statistiquesjeu.h"

bool Tf_Jeux::StartDailyGame() {
  const QDate today = QDate::currentDate();
  const int level = DailyGridLevel(today);
  // The wait given up: the game on screen goes on as it was.
  if (!Partie().NewGame(RequestDailyGrid(today, window()), level)) return false;
  DailyGrid = today;
  RecordGameStarted(level);
  ShowCounters();
  ShowDailyCaption();
  KeepGame();
  return true;
}

void Tf_Jeux::ShowDailyCaption() {
  if (!DailyGrid.isValid() || !GrilleSudoku->GameMode()) return;
  const QString caption = QStringLiteral("Grille du jour du %1 : la même pour tous les joueurs aujourd'hui.")
                              .arg(QLocale().toString(DailyGrid, QStringLiteral("dddd d MMMM yyyy")));
  MemoAstuce->setPlainText(caption + QStringLiteral("\n\n") + MemoAstuce->toPlainText());
}
