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

int NonNegative(const TIniFile& Ini, const QString& KeyName) {
  return std::max(0, Ini.ReadInteger(Section, KeyName, 0));
}

}  // namespace

TDay DayOf(const QDate& Date) {
  return TDay{std::chrono::year(Date.year()), std::chrono::month(unsigned(Date.month())),
              std::chrono::day(unsigned(Date.day()))};
}

QDate DateOf(TDay Day) { return QDate(int(Day.year()), int(unsigned(Day.month())), int(unsigned(Day.day()))); }

namespace {

std::optional<TDay> ReadDay(const TIniFile& Ini, const QString& KeyName) {
  const QDate date = ReadDate(Ini, KeyName);
  if (!date.isValid()) return std::nullopt;
  return DayOf(date);
}

void WriteDay(TIniFile& Ini, const QString& KeyName, std::optional<TDay> Day) {
  WriteDate(Ini, KeyName, Day ? DateOf(*Day) : QDate());
}

}  // namespace

TStatistiques::TStatistiques(QString Path) : FileName(std::move(Path)) { Load(); }

TStatistiques::TStatistiques(QString Path, const TIniFile& Ini) : FileName(std::move(Path)) { ReadFrom(Ini); }

void TStatistiques::Load() {
  TIniFile ini(FileName);
  ini.Load();  // a file that cannot be read holds nothing yet
  ReadFrom(ini);
}

// Index 0 of the figures, the puzzles typed in, is kept under the keys ending
// in 0.
void TStatistiques::ReadFrom(const TIniFile& ini) {
  for (int level = 0; level <= Levels; ++level) {
    LevelStats& s = Figures_.ByLevel[std::size_t(level)];
    s.Started = NonNegative(ini, Key("commencees", level));
    s.Finished = NonNegative(ini, Key("terminees", level));
    s.WithoutHelp = NonNegative(ini, Key("sansaide", level));
    s.Timed = NonNegative(ini, Key("chronometrees", level));
    s.TotalSeconds = NonNegative(ini, Key("tempstotal", level));
    s.BestSeconds = NonNegative(ini, Key("meilleurtemps", level));
  }
  Figures_.LastDay = ReadDay(ini, QStringLiteral("dernierjour"));
  Figures_.Run = NonNegative(ini, QStringLiteral("serie"));
  Figures_.BestRun = std::max(Figures_.Run, NonNegative(ini, QStringLiteral("meilleureserie")));
  Figures_.DailyFinished = NonNegative(ini, QStringLiteral("grillesdujour"));
  Figures_.LastDailyDay = ReadDay(ini, QStringLiteral("dernieregrilledujour"));
  Figures_.LastDailySeconds = std::max(-1, ini.ReadInteger(Section, QStringLiteral("tempsgrilledujour"), -1));
}

void TStatistiques::WriteTo(TIniFile& ini) const {
  for (int level = 0; level <= Levels; ++level) {
    const LevelStats& s = Figures_.ByLevel[std::size_t(level)];
    ini.WriteInteger(Section, Key("commencees", level), s.Started);
    ini.WriteInteger(Section, Key("terminees", level), s.Finished);
    ini.WriteInteger(Section, Key("sansaide", level), s.WithoutHelp);
    ini.WriteInteger(Section, Key("chronometrees", level), s.Timed);
    ini.WriteInteger(Section, Key("tempstotal", level), s.TotalSeconds);
    ini.WriteInteger(Section, Key("meilleurtemps", level), s.BestSeconds);
  }
  WriteDay(ini, QStringLiteral("dernierjour"), Figures_.LastDay);
  ini.WriteInteger(Section, QStringLiteral("serie"), Figures_.Run);
  ini.WriteInteger(Section, QStringLiteral("meilleureserie"), Figures_.BestRun);
  ini.WriteInteger(Section, QStringLiteral("grillesdujour"), Figures_.DailyFinished);
  WriteDay(ini, QStringLiteral("dernieregrilledujour"), Figures_.LastDailyDay);
  ini.WriteInteger(Section, QStringLiteral("tempsgrilledujour"), Figures_.LastDailySeconds);
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

FileResult TStatistiques::RecordStarted(TOrigin Origin, int Level, std::optional<TDay> DailyDay) {
  return Apply([&] { Figures_.Started(Origin, Level, DailyDay); });
}

TStatistiques::Finish TStatistiques::RecordFinished(const TGameResult& Result, const QDate& Date) {
  Finish finish;
  finish.Saved = Apply([&] { finish.News = Figures_.Finished(Result, DayOf(Date)); });
  return finish;
}

FileResult TStatistiques::Reset() {
  return Apply([&] { Figures_ = TFigures{}; });
}

TStatistiques::LevelStats TStatistiques::Level(int Level) const {
  return Level >= 0 && Level <= Levels ? Figures_.ByLevel[std::size_t(Level)] : LevelStats{};
}

int TStatistiques::CurrentRun(const QDate& Today) const { return Figures_.CurrentRun(DayOf(Today)); }

std::optional<int> TStatistiques::DailySeconds(const QDate& Day) const {
  if (!Day.isValid() || !Figures_.DailyDone(DayOf(Day))) return std::nullopt;
  return Figures_.LastDailySeconds;
}
