// SPDX-License-Identifier: GPL-3.0-or-later
// The ten best scores of each level, with their players' names, kept in the
// section "Scores" of "sudoku.ini"; and FormatTime, the one way durations are
// written for the player.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QString>

#include "fileresult.h"
#include "retrywrite.h"

class TIniFile;

// The score of an empty place; it shows as "-".
inline constexpr std::int32_t EmptyScore = 999999;

// "mm:ss", or "h:mm:ss" from one hour on; 999999 gives "-".
QString FormatTime(std::uint32_t seconds);

class TScores {
 public:
  static constexpr int Levels = 5;  // "Facile" to "Diabolique"
  static constexpr int Ranks = 10;

  // Stores the path and reads the table at once.
  explicit TScores(QString fileName);
  // Stores the path and reads the table from the settings file already read.
  TScores(QString fileName, const TIniFile& settings);
  // Writes what is not written yet, waiting a while for the lock.
  ~TScores();
  TScores(const TScores&) = delete;
  TScores& operator=(const TScores&) = delete;

  // Reads the whole table: a missing file, key or number gives an empty place
  // (999999, name "Orvalis"); each level is put back in ascending order.
  void Load();

  // Writes the whole table: the places holding less than 999999 with their two
  // keys, and the keys of the empty places removed, so that the file holds
  // exactly what the screen shows. The file is replaced as a whole and keeps
  // what else it holds. When it cannot be read or written the result is
  // WriteFailed with "Impossible d'écrire dans <path>" and the file keeps its
  // previous content.
  FileResult Save();

  // The rank 1 to 10 that the score would take at the level (among equal scores
  // the newest ranks first), or 0 when it would not enter the table or the level
  // is not 1 to 5.
  int RankOf(int level, std::int32_t score) const;

  // Under the file's lock, reads the table as it stands on disk (another
  // window may have added scores since), inserts the score at its rank there,
  // drops the tenth place and writes the level's keys back; the table in
  // memory is then the file's. Nothing is written (and the result is Ok) when
  // the score does not rank. On failure the table in memory holds the new
  // entry, the file keeps its content, and the caller stops there
  // (ReportFileResult shows the message); the score is kept and goes with
  // the next write. When another window holds the file's lock the result is
  // Postponed: the score is written by the retries of TRetryWrite, at the
  // latest when this table goes.
  FileResult AddScore(int level, std::int32_t score, const QString& name);

  // Writes the scores not written yet, waiting up to LockWaitMs for the lock.
  FileResult WriteUnwritten(int LockWaitMs);

  // The place's score and name, an empty name given as "Orvalis". False (with
  // an empty place) when level or rank is out of range.
  bool GetEntry(int level, int rank, QString& name, std::int32_t& score) const;

  // The place as stored (an empty name stays empty); out of range gives an
  // empty place.
  std::int32_t StoredScore(int level, int rank) const;
  QString StoredName(int level, int rank) const;

  QString FileName;

 private:
  struct Entry {
    std::int32_t Score = EmptyScore;
    QString Name;
  };
  static bool InRange(int level, int rank);
  void ReadTable(const TIniFile& ini);
  void WriteTable(TIniFile& ini) const;
  // Inserts at the score's rank; false when it does not rank.
  bool Insert(int level, std::int32_t score, const QString& name);
  Entry& At(int level, int rank) { return table_[level - 1][rank - 1]; }
  const Entry& At(int level, int rank) const { return table_[level - 1][rank - 1]; }

  std::array<std::array<Entry, Ranks>, Levels> table_{};
  // Scores added but not yet in the file, oldest first.
  struct Unwritten {
    int Level;
    Entry Place;
  };
  std::vector<Unwritten> unwritten_;
  TRetryWrite retry_{[this](int LockWaitMs) { return WriteUnwritten(LockWaitMs); }};
};
