// SPDX-License-Identifier: GPL-3.0-or-later
// How finished games change the statistics' figures: what counts, once.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "figures.h"

namespace {

using namespace std::chrono;
constexpr year_month_day Monday = 2026y / December / 7;

TGameResult Result(int Level, std::uint32_t Seconds, int Helps = 0) {
  TGameResult result;
  result.Level = Level;
  result.Timed = true;
  result.Helps = Helps;
  result.Score = ComputeScore(Seconds, Helps, Level, false);
  result.Counts = true;
  return result;
}

TEST(FiguresTest, OnlyGamesWithoutHelpGiveTimesAndADailyGridCountsOnce) {
  TFigures figures;
  figures.Finished(Result(4, 900), Monday);
  figures.Finished(Result(4, 100, 1), Monday);  // a hint: no time of its
  TGameResult untimed = Result(4, 50);
  untimed.Timed = false;
  figures.Finished(untimed, Monday);
  const TLevelFigures& expert = figures.ByLevel[4];
  EXPECT_EQ(expert.Finished, 3);
  EXPECT_EQ(expert.WithoutHelp, 2);
  EXPECT_EQ(expert.Timed, 1);
  EXPECT_EQ(expert.BestSeconds, 900);

  TGameResult daily = Result(1, 240);
  daily.DailyDay = Monday;
  figures.Started(TOrigin::Dealt, 1, Monday);
  figures.Finished(daily, Monday);
  EXPECT_TRUE(figures.DailyDone(Monday));
  EXPECT_EQ(figures.LastDailySeconds, 240);
  // The replay: started and finished, counted nowhere (its result says so).
  figures.Started(TOrigin::Dealt, 1, Monday);
  daily.Counts = false;
  daily.Score.Time = 9;
  figures.Finished(daily, Monday);
  EXPECT_EQ(figures.DailyFinished, 1);
  EXPECT_EQ(figures.ByLevel[1].Started, 1);
  EXPECT_EQ(figures.ByLevel[1].BestSeconds, 240);
  EXPECT_EQ(figures.LastDailySeconds, 240);
}

TEST(FiguresTest, TypedInPuzzlesCountApartAndCountersStopAtTheirLargestValue) {
  TFigures figures;
  figures.Started(TOrigin::TypedIn, 4, std::nullopt);
  TGameResult typed = Result(4, 300);
  typed.Origin = TOrigin::TypedIn;
  figures.Finished(typed, Monday);
  EXPECT_EQ(figures.ByLevel[TFigures::TypedIn].Finished, 1);
  EXPECT_EQ(figures.ByLevel[4].Started, 0) << "not an expert game";
  figures.ByLevel[2].Started = std::numeric_limits<int>::max();
  figures.Started(TOrigin::Dealt, 2, std::nullopt);
  EXPECT_EQ(figures.ByLevel[2].Started, std::numeric_limits<int>::max());
}

}  // namespace
