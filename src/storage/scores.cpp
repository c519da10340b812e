// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores.h"

#include <utility>

#include "filelock.h"
#include "inifile.h"

namespace {

const QString kSection = QStringLiteral("Scores");
const QString kDefaultName = QStringLiteral("Orvalis");

QString ScoreKey(int level, int rank) { return QStringLiteral("score%1_%2").arg(level).arg(rank); }
QString NameKey(int level, int rank) { return QStringLiteral("scorenom%1_%2").arg(level).arg(rank); }

QString TwoDigits(std::uint32_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString FormatTime(std::uint32_t seconds) {
  if (seconds == std::uint32_t(EmptyScore)) return QStringLiteral("-");
  const std::uint32_t h = seconds / 3600;
  const std::uint32_t m = (seconds % 3600) / 60;
  const std::uint32_t s = seconds % 60;
  QString text;
  if (h != 0) text = QString::number(h) + u':';
  return text + TwoDigits(m) + u':' + TwoDigits(s);
}

TScores::TScores(QString fileName) : FileName(std::move(fileName)) { Load(); }

TScores::TScores(QString fileName, const TIniFile& settings) : FileName(std::move(fileName)) { ReadTable(settings); }

TScores::~TScores() {
  if (!unwritten_.empty()) WriteUnwritten(TRetryWrite::LastWaitMs);
}

bool TScores::InRange(int level, int rank) { return level >= 1 && level <= Levels && rank >= 1 && rank <= Ranks; }

void TScores::Load() {
  TIniFile ini(FileName);
  ini.Load();  // a file that cannot be read holds nothing: an empty table
  ReadTable(ini);
}

void TScores::ReadTable(const TIniFile& ini) {
  for (int rank = 1; rank <= Ranks; ++rank) {
    for (int level = 1; level <= Levels; ++level) {
      Entry& entry = At(level, rank);
      entry.Score = ini.ReadInteger(kSection, ScoreKey(level, rank), EmptyScore);
      entry.Name = ini.ReadString(kSection, NameKey(level, rank), kDefaultName);
    }
  }
  // A table edited by hand may be out of order.
  for (int level = 1; level <= Levels; ++level)
    for (int i = 1; i <= Ranks - 1; ++i)
      for (int j = i + 1; j <= Ranks; ++j)
        if (At(level, j).Score < At(level, i).Score) std::swap(At(level, i), At(level, j));
}

FileResult TScores::Save() {
  TIniFile ini(FileName);
  WriteTable(ini);
  return ini.Save();
}

void TScores::WriteTable(TIniFile& ini) const {
  for (int rank = 1; rank <= Ranks; ++rank) {
    for (int level = 1; level <= Levels; ++level) {
      const Entry& entry = At(level, rank);
      if (entry.Score >= EmptyScore) {
        // A key left here would come back at the next start as a second copy
        // of a score that has moved up.
        ini.DeleteKey(kSection, ScoreKey(level, rank));
        ini.DeleteKey(kSection, NameKey(level, rank));
        continue;
      }
      ini.WriteInteger(kSection, ScoreKey(level, rank), entry.Score);
      ini.WriteString(kSection, NameKey(level, rank), entry.Name);
    }
  }
}

int TScores::RankOf(int level, std::int32_t score) const {
  if (level < 1 || level > Levels) return 0;
  int rank = 1;
  while (rank <= Ranks && score > At(level, rank).Score) ++rank;
  return rank <= Ranks ? rank : 0;
}

bool TScores::Insert(int level, std::int32_t score, const QString& name) {
  const int rank = RankOf(level, score);
  if (rank == 0) return false;
  for (int i = Ranks - 1; i >= rank; --i) At(level, i + 1) = At(level, i);
  At(level, rank) = Entry{score, name};
  return true;
}

FileResult TScores::AddScore(int level, std::int32_t score, const QString& name) {
  if (RankOf(level, score) == 0) return {};
  // The table shown takes the score at once; a write that reads the file
  // puts it in again into the table as the file holds it.
  Insert(level, score, name);
  unwritten_.push_back({level, Entry{score, name}});
  return retry_.Follow(WriteUnwritten(TFileLock::WaitMs));
}

FileResult TScores::WriteUnwritten(int LockWaitMs) {
  if (unwritten_.empty()) return {};
  TIniFile ini(FileName);
  FileResult result = ini.Update(
      [&](TIniFile& onDisk) {
        ReadTable(onDisk);
        bool ranked = false;
        for (const Unwritten& u : unwritten_) ranked |= Insert(u.Level, u.Place.Score, u.Place.Name);
        if (ranked) WriteTable(onDisk);
      },
      LockWaitMs);
  if (result.Status == FileStatus::Busy) result = {FileStatus::Postponed, QString()};
  if (result.Status == FileStatus::Ok) unwritten_.clear();
  return result;
}

bool TScores::GetEntry(int level, int rank, QString& name, std::int32_t& score) const {
  if (!InRange(level, rank)) {
    name = kDefaultName;
    score = EmptyScore;
    return false;
  }
  const Entry& entry = At(level, rank);
  name = entry.Name.isEmpty() ? kDefaultName : entry.Name;
  score = entry.Score;
  return true;
}

std::int32_t TScores::StoredScore(int level, int rank) const {
  return InRange(level, rank) ? At(level, rank).Score : EmptyScore;
}

QString TScores::StoredName(int level, int rank) const {
  return InRange(level, rank) ? At(level, rank).Name : kDefaultName;
}
