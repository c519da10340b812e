// SPDX-License-Identifier: GPL-3.0-or-later
// The player's statistics, kept in the section "Statistiques" of
// "sudoku.ini": per level the games started, finished, finished without any
// help, and the best and average times of those; the run of days on which a
// game was finished (the current one and the best), and the daily grids
// finished. Each change is written at once, as the high scores are.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QDate>
#include <QString>

#include "filelock.h"
#include "fileresult.h"
#include "retrywrite.h"

class TIniFile;

class TStatistiques {
 public:
  static constexpr int Levels = 4;

  struct LevelStats {
    int Started = 0;
    int Finished = 0;
    int WithoutHelp = 0;            // finished without a hint, a solve or the candidates shown
    int Timed = 0;                  // of those, finished with the clock running
    std::int64_t TotalSeconds = 0;  // their time, for the average
    int BestSeconds = 0;            // their best time; 0 while Timed is 0
  };

  // What a finished game changed.
  struct Finish {
    FileResult Saved;
    bool BestTime = false;  // a new best time at its level
    int Run = 0;            // the run of days now
  };

  // Stores the path and reads the section at once.
  explicit TStatistiques(QString Path);
  // The same from the settings file already read (the main window reads it
  // once at start).
  TStatistiques(QString Path, const TIniFile& Ini);
  // Writes the figures not written yet, waiting a while for the lock.
  ~TStatistiques();
  TStatistiques(const TStatistiques&) = delete;
  TStatistiques& operator=(const TStatistiques&) = delete;

  // Reads the section; a missing file, key or number reads as nothing yet.
  void Load();

  // A game dealt at the level (1 to 4); a resumed game is not a new one.
  // Out of range: nothing changes and the result is Ok.
  FileResult RecordStarted(int Level);
  // A game finished on the date: Seconds is its time, or below 0 when the
  // clock did not run; Helps counts every help (hints, solves, candidates
  // shown). A daily grid counts among the daily grids too. The day joins the
  // run when it follows the last day with a finished game, starts a new run
  // after a missed day, and changes nothing more on the same day (or when the
  // date goes back).
  Finish RecordFinished(int Level, int Seconds, int Helps, const QDate& Date, bool Daily);
  // Everything back to nothing, written at once.
  FileResult Reset();

  // The level's figures (an empty set out of range).
  LevelStats Level(int Level) const;
  // The run of days that still goes on Today: 0 when no game was finished
  // on Today or on the day before.
  int CurrentRun(const QDate& Today) const;
  int BestRun() const { return BestRun_; }
  QDate LastDay() const { return LastDay_; }
  int DailyFinished() const { return DailyFinished_; }
  QDate LastDailyDay() const { return LastDailyDay_; }

  QString FileName;

 private:
  void ReadFrom(const TIniFile& Ini);
  // Writes the whole section (the file keeps what else it holds).
  void WriteTo(TIniFile& Ini) const;
  // What a finished game changes in the figures (RecordFinished).
  Finish Finished(int Level, int Seconds, int Helps, const QDate& Date, bool Daily);
  // Applies Change to the figures as the file holds them now, under its lock,
  // and writes them back, so that another window's games are kept. When the
  // file cannot be read or written, Change still applies to what is shown,
  // and the next write takes these figures along.
  // Another window holding the lock: Postponed, and TRetryWrite writes the
  // figures later (at the latest when this object goes).
  FileResult Apply(const std::function<void()>& Change, int LockWaitMs = TFileLock::WaitMs);
  FileResult WriteUnwritten(int LockWaitMs);

  std::array<LevelStats, Levels> Levels_{};
  QDate LastDay_;
  int Run_ = 0;
  int BestRun_ = 0;
  int DailyFinished_ = 0;
  QDate LastDailyDay_;
  // The last write failed: what is held here has not reached the file.
  bool Unwritten_ = false;
  TRetryWrite Retry_{[this](int LockWaitMs) { return WriteUnwritten(LockWaitMs); }};
};
