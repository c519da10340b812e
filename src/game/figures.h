// SPDX-License-Identifier: GPL-3.0-or-later
// TFigures: the player's statistics as figures, and how a game changes them.
// Per level the games started, finished, finished without any help, and the
// best and average times of those finished without help with the clock
// running; the puzzles typed in are counted apart (index 0). The run of days
// on which a game was finished (the current one and the best), and the daily
// grids finished: one a day, the last one's time kept for the level choice.
// Counters stop at their largest value rather than wrap.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "grille.h"
#include "score.h"

using TDay = std::chrono::year_month_day;

struct TLevelFigures {
  int Started = 0;
  int Finished = 0;
  int WithoutHelp = 0;            // finished without a hint, a solve or the candidates shown
  int Timed = 0;                  // of those, finished with the clock running
  std::int64_t TotalSeconds = 0;  // their time, for the average
  int BestSeconds = 0;            // their best time; 0 while Timed is 0
};

struct TFigures {
  static constexpr int Levels = HighestLevel;
  // 0: the puzzles typed in; 1 to 5: "Facile" to "Diabolique".
  static constexpr int TypedIn = 0;
  std::array<TLevelFigures, Levels + 1> ByLevel{};
  std::optional<TDay> LastDay;  // the last day a game was finished
  int Run = 0;
  int BestRun = 0;
  int DailyFinished = 0;
  std::optional<TDay> LastDailyDay;  // the day of the last daily grid finished
  int LastDailySeconds = -1;         // its time; below 0 when the clock did not run

  // What a finished game changed.
  struct News {
    bool BestTime = false;  // a new best time at its level
    int Run = 0;            // the run of days now
  };

  // A game started: dealt at Level, typed in, or the daily grid of DailyDay.
  // A daily grid already finished on its day is played again, but counts no
  // more. Out of range: nothing changes.
  void Started(TOrigin Origin, int Level, std::optional<TDay> DailyDay);
  // A game finished Today. A result that does not count changes nothing.
  // The day joins the run when it follows the last day with a finished game,
  // starts a new run after a missed day, and changes nothing more on the same
  // day (or when the date goes back).
  News Finished(const TGameResult& Result, TDay Today);
  // The run of days that still goes on Today: 0 when no game was finished on
  // Today or on the day before.
  int CurrentRun(TDay Today) const;
  // Whether the daily grid of Day was finished already.
  bool DailyDone(TDay Day) const { return LastDailyDay == Day; }
};

// Adds one without passing the largest int.
void Bump(int& Counter);
