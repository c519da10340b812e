// SPDX-License-Identifier: GPL-3.0-or-later
// The player's statistics, kept in the section "Statistiques" of
// "sudoku.ini": the figures of TFigures (src/game/figures.h), which also says
// how a game changes them. Each change is written at once, as the high scores
// are.
#pragma once

#include <functional>
#include <optional>

#include <QDate>
#include <QString>

#include "figures.h"
#include "filelock.h"
#include "fileresult.h"
#include "retrywrite.h"

class TIniFile;

class TStatistiques {
 public:
  static constexpr int Levels = TFigures::Levels;
  using LevelStats = TLevelFigures;

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

  // A game started (TFigures::Started): dealt at the level, typed in, or the
  // daily grid of a day.
  FileResult RecordStarted(TOrigin Origin, int Level, std::optional<TDay> DailyDay = std::nullopt);
  // What a finished game changed, and whether it was written.
  struct Finish {
    FileResult Saved;
    TFigures::News News;
  };
  // A game finished on the date (TFigures::Finished).
  Finish RecordFinished(const TGameResult& Result, const QDate& Date);
  // Everything back to nothing, written at once.
  FileResult Reset();

  // The figures as held now.
  const TFigures& Figures() const { return Figures_; }
  // The level's figures (0: the puzzles typed in; an empty set out of range).
  LevelStats Level(int Level) const;
  int CurrentRun(const QDate& Today) const;
  int BestRun() const { return Figures_.BestRun; }
  int DailyFinished() const { return Figures_.DailyFinished; }
  // The daily grid of the day was finished already: its time (below 0 when
  // the clock did not run), else none.
  std::optional<int> DailySeconds(const QDate& Day) const;
  // The last day whose daily grid was finished, for the game's result.
  std::optional<TDay> LastDailyDay() const { return Figures_.LastDailyDay; }

  QString FileName;

 private:
  void ReadFrom(const TIniFile& Ini);
  // Writes the whole section (the file keeps what else it holds).
  void WriteTo(TIniFile& Ini) const;
  // Applies Change to the figures as the file holds them now, under its lock,
  // and writes them back, so that another window's games are kept. When the
  // file cannot be read or written, Change still applies to what is shown,
  // and the next write takes these figures along.
  // Another window holding the lock: Postponed, and TRetryWrite writes the
  // figures later (at the latest when this object goes).
  FileResult Apply(const std::function<void()>& Change, int LockWaitMs = TFileLock::WaitMs);
  FileResult WriteUnwritten(int LockWaitMs);

  TFigures Figures_;
  // The last write failed: what is held here has not reached the file.
  bool Unwritten_ = false;
  TRetryWrite Retry_{[this](int LockWaitMs) { return WriteUnwritten(LockWaitMs); }};
};

// A date as the game's figures hold it, and back.
TDay DayOf(const QDate& Date);
QDate DateOf(TDay Day);
