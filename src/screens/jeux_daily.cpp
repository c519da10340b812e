// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's daily grid ("Grille du jour").
#include <QLocale>
#include <QTextBrowser>

#include "grille.h"
#include "grilledujour.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "partie.h"
#include "recorder.h"

bool Tf_Jeux::StartDailyGame() {
  const QDate today = QDate::currentDate();
  const int level = DailyGridLevel(today);
  // The wait given up: the game on screen goes on as it was.
  const std::chrono::year_month_day day{std::chrono::year(today.year()), std::chrono::month(unsigned(today.month())),
                                        std::chrono::day(unsigned(today.day()))};
  if (!Partie().NewGame(RequestDailyGrid(today, window()), level, day)) return false;
  if (Recorder_ != nullptr) Recorder_->Started(Partie());
  ShowCounters();
  ShowDailyCaption();
  KeepGame();
  return true;
}

void Tf_Jeux::ShowDailyCaption() {
  const std::optional<std::chrono::year_month_day> day = Partie().DailyDay();
  if (!day || !GrilleSudoku->GameMode()) return;
  const QDate date(int(day->year()), int(unsigned(day->month())), int(unsigned(day->day())));
  const QString caption = tr("Grille du jour du %1 : la même pour tous les joueurs aujourd'hui.")
                              .arg(QLocale().toString(date, QStringLiteral("dddd d MMMM yyyy")));
  MemoAstuce->setPlainText(caption + QStringLiteral("\n\n") + MemoAstuce->toPlainText());
}
