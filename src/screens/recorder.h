// SPDX-License-Identifier: GPL-3.0-or-later
// TRecorder: the one place where games reach the player's records. It takes a
// game started and a game's result (TGameResult, made by the game) and writes
// the statistics and the high scores from them as they are; it does no
// arithmetic of its own. The main window makes it over the settings file's
// TScores and TStatistiques and gives it to the screens that need it. A failed
// write is shown at once (ReportFileResult).
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

#include "figures.h"

class TPartie;
class TScores;
class TStatistiques;

class TRecorder {
 public:
  TRecorder(TScores& Scores, TStatistiques& Statistiques);

  // A game dealt, or a puzzle typed in and accepted (not one resumed or
  // loaded): the statistics count it (a daily grid finished already, no more).
  void Started(const TPartie& Game);
  // The last day whose daily grid was finished and counted, for the game's
  // result (TPartie::Finish).
  std::optional<TDay> DailyCounted() const;
  // The statistics of a finished game.
  void Finished(const TGameResult& Result);
  // The place the result would take in its level's high scores, 0 when it
  // may not rank or does not.
  int Rank(const TGameResult& Result) const;
  // Enters the result under Name; false when it could not be written (the
  // error has been shown).
  bool AddScore(const TGameResult& Result, const QString& Name);

  TScores& Scores() { return Scores_; }
  TStatistiques& Statistiques() { return Statistiques_; }
  // Today, for the run of days (a test sets its own).
  std::function<QDate()> Today = [] { return QDate::currentDate(); };

 private:
  TScores& Scores_;
  TStatistiques& Statistiques_;
};
