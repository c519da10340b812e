// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistiques.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "inifile.h"

namespace {

const QString Section = QStringLiteral("Statistiques");
const QString DateFormat = QStringLiteral("dd/MM/yyyy");

QString Key(const char* Name, int Level) { return QString::fromLatin1(Name) + QString::number(Level); }

QDate ReadDate(const TIniFile& Ini, const QString& KeyName) {
  return QDate::fromString(Ini.ReadString(Section, KeyName, QString()), DateFormat);
}

void WriteDate(TIniFile& Ini, const QString& KeyName, const QDate& Date) {
  if (Date.isValid())
    Ini.WriteString(Section, KeyName, Date.toString(DateFormat));
  else
    Ini.DeleteKey(Section, KeyName);
}

// One more, a counter at its largest staying there rather than turning to 0.
void CountOne(int& Counter) {
  if (Counter < std::numeric_limits<int>::max()) ++Counter;
}

int NonNegative(const TIniFile& Ini, const QString& KeyName) {
  return std::max(0, Ini.ReadInteger(Section, KeyName, 0));
}

}  // namespace

TStatistiques::TStatistiques(QString Path) : FileName(std::move(Path)) { Load(); }

TStatistiques::TStatistiques(QString Path, const TIniFile& Ini) : FileName(std::move(Path)) { ReadFrom(Ini); }

void TStatistiques::Load() {
  TIniFile ini(FileName);
  ini.Load();  // a file that cannot be read holds nothing yet
  ReadFrom(ini);
}

void TStatistiques::ReadFrom(const TIniFile& ini) {
  for (int level = 1; level <= Levels; ++level) {
    LevelStats& s = Levels_[std::size_t(level - 1)];
    s.Started = NonNegative(ini, Key("commencees", level));
    s.Finished = NonNegative(ini, Key("terminees", level));
    s.WithoutHelp = NonNegative(ini, Key("sansaide", level));
    s.Timed = NonNegative(ini, Key("chronometrees", level));
    s.TotalSeconds = NonNegative(ini, Key("tempstotal", level));
    s.BestSeconds = NonNegative(ini, Key("meilleurtemps", level));
  }
  LastDay_ = ReadDate(ini, QStringLiteral("dernierjour"));
  Run_ = NonNegative(ini, QStringLiteral("serie"));
  BestRun_ = std::max(Run_, NonNegative(ini, QStringLiteral("meilleureserie")));
  DailyFinished_ = NonNegative(ini, QStringLiteral("grillesdujour"));
  LastDailyDay_ = ReadDate(ini, QStringLiteral("dernieregrilledujour"));
}

void TStatistiques::WriteTo(TIniFile& ini) const {
  for (int level = 1; level <= Levels; ++level) {
    const LevelStats& s = Levels_[std::size_t(level - 1)];
    ini.WriteInteger(Section, Key("commencees", level), s.Started);
    ini.WriteInteger(Section, Key("terminees", level), s.Finished);
    ini.WriteInteger(Section, Key("sansaide", level), s.WithoutHelp);
    ini.WriteInteger(Section, Key("chronometrees", level), s.Timed);
    ini.WriteInteger(Section, Key("tempstotal", level), s.TotalSeconds);
    ini.WriteInteger(Section, Key("meilleurtemps", level), s.BestSeconds);
  }
  WriteDate(ini, QStringLiteral("dernierjour"), LastDay_);
  ini.WriteInteger(Section, QStringLiteral("serie"), Run_);
  ini.WriteInteger(Section, QStringLiteral("meilleureserie"), BestRun_);
  ini.WriteInteger(Section, QStringLiteral("grillesdujour"), DailyFinished_);
  WriteDate(ini, QStringLiteral("dernieregrilledujour"), LastDailyDay_);
}

FileResult TStatistiques::Apply(const std::function<void()>& Change, int LockWaitMs) {
  TIniFile ini(FileName);
  bool applied = false;
  FileResult result = ini.Update(
      [&](TIniFile& onDisk) {
        // After a failed write the figures held here are ahead of the file's:
        // they are written whole, so that nothing of them is lost.
        if (!Unwritten_) ReadFrom(onDisk);
        if (Change) Change();
        applied = true;
        WriteTo(onDisk);
      },
      LockWaitMs);
  if (!applied && Change) Change();
  if (result.Status == FileStatus::Busy) result = {FileStatus::Postponed, QString()};
  Unwritten_ = result.Status != FileStatus::Ok;
  return Retry_.Follow(result);
}

FileResult TStatistiques::WriteUnwritten(int LockWaitMs) { return Unwritten_ ? Apply({}, LockWaitMs) : FileResult{}; }

TStatistiques::~TStatistiques() {
  if (Unwritten_) Apply({}, TRetryWrite::LastWaitMs);
}

FileResult TStatistiques::RecordStarted(int Level) {
  if (Level < 1 || Level > Levels) return {};
  return Apply([&] { CountOne(Levels_[std::size_t(Level - 1)].Started); });
}

TStatistiques::Finish TStatistiques::RecordFinished(int Level, int Seconds, int Helps, const QDate& Date, bool Daily) {
  Finish result;
  const FileResult saved = Apply([&] { result = Finished(Level, Seconds, Helps, Date, Daily); });
  result.Saved = saved;
  return result;
}

TStatistiques::Finish TStatistiques::Finished(int Level, int Seconds, int Helps, const QDate& Date, bool Daily) {
  Finish result;
  if (Level >= 1 && Level <= Levels) {
    LevelStats& s = Levels_[std::size_t(Level - 1)];
    CountOne(s.Finished);
    if (Helps == 0) {
      CountOne(s.WithoutHelp);
      if (Seconds >= 0) {
        result.BestTime = s.Timed == 0 || Seconds < s.BestSeconds;
        if (result.BestTime) s.BestSeconds = Seconds;
        CountOne(s.Timed);
        s.TotalSeconds += Seconds;
      }
    }
  }
  if (Date.isValid()) {
    const qint64 days = LastDay_.isValid() ? LastDay_.daysTo(Date) : 1;
    if (!LastDay_.isValid() || days > 1)
      Run_ = 1;
    else if (days == 1)
      CountOne(Run_);
    if (days >= 0) LastDay_ = Date;
    BestRun_ = std::max(BestRun_, Run_);
  }
  if (Daily) {
    CountOne(DailyFinished_);
    LastDailyDay_ = Date;
  }
  result.Run = Run_;
  return result;
}

FileResult TStatistiques::Reset() {
  return Apply([&] {
    Levels_ = {};
    LastDay_ = QDate();
    Run_ = BestRun_ = DailyFinished_ = 0;
    LastDailyDay_ = QDate();
  });
}

TStatistiques::LevelStats TStatistiques::Level(int Level) const {
  return Level >= 1 && Level <= Levels ? Levels_[std::size_t(Level - 1)] : LevelStats{};
}

int TStatistiques::CurrentRun(const QDate& Today) const {
  if (!LastDay_.isValid()) return 0;
  const qint64 days = LastDay_.daysTo(Today);
  return days <= 1 ? Run_ : 0;
}
