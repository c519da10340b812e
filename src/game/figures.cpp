// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <algorithm>
#include <limits>

namespace {

int IndexOf(TOrigin Origin, int Level) {
  if (Origin == TOrigin::TypedIn) return TFigures::TypedIn;
  return Level >= 1 && Level <= TFigures::Levels ? Level : -1;
}

long long DaysBetween(TDay From, TDay To) { return (std::chrono::sys_days(To) - std::chrono::sys_days(From)).count(); }

}  // namespace

void Bump(int& Counter) {
  if (Counter < std::numeric_limits<int>::max()) ++Counter;
}

void TFigures::Started(TOrigin Origin, int Level, std::optional<TDay> DailyDay) {
  const int index = IndexOf(Origin, Level);
  if (index < 0 || (DailyDay && DailyDone(*DailyDay))) return;
  Bump(ByLevel[std::size_t(index)].Started);
}

TFigures::News TFigures::Finished(const TGameResult& Result, TDay Today) {
  News news;
  if (!Result.Counts) return news;
  const int index = IndexOf(Result.Origin, Result.Level);
  if (index >= 0) {
    TLevelFigures& f = ByLevel[std::size_t(index)];
    Bump(f.Finished);
    if (Result.WithoutHelp()) {
      Bump(f.WithoutHelp);
      if (Result.Timed) {
        const int seconds = int(std::min<std::uint32_t>(Result.Score.Time, std::numeric_limits<int>::max()));
        news.BestTime = f.Timed == 0 || seconds < f.BestSeconds;
        if (news.BestTime) f.BestSeconds = seconds;
        Bump(f.Timed);
        f.TotalSeconds += seconds;
      }
    }
  }
  if (Today.ok()) {
    const long long days = LastDay ? DaysBetween(*LastDay, Today) : 1;
    if (!LastDay || days > 1)
      Run = 1;
    else if (days == 1)
      Bump(Run);
    if (days >= 0) LastDay = Today;
    BestRun = std::max(BestRun, Run);
  }
  if (Result.DailyDay) {
    Bump(DailyFinished);
    LastDailyDay = Result.DailyDay;
    LastDailySeconds =
        Result.Timed ? int(std::min<std::uint32_t>(Result.Score.Time, std::numeric_limits<int>::max())) : -1;
  }
  news.Run = Run;
  return news;
}

int TFigures::CurrentRun(TDay Today) const {
  if (!LastDay) return 0;
  return DaysBetween(*LastDay, Today) <= 1 ? Run : 0;
}
