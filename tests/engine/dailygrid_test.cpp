// SPDX-License-Identifier: GPL-3.0-or-later
// The daily grid: the same puzzle for a date, at the level of its weekday.
#include <gtest/gtest.h>

#include "dailygrid.h"
#include "grille.h"

namespace {

std::string DailyText(const DailyDate& Date) {
  TGrille grid;
  EXPECT_TRUE(GenerateDaily(grid, Date));
  return grid.SaveToText(false, DailyLevel(Date), 0, 0);
}

TEST(DailyGrid, ADateGivesOnePuzzleAtTheLevelOfItsWeekday) {
  // A week from Monday 7 December 2026 to Sunday 13, and New Year's Eve.
  const struct {
    DailyDate Date;
    int Level;
  } days[] = {{{2026, 12, 7}, LevelFacile},
              {{2026, 12, 9}, LevelMoyen},
              {{2026, 12, 11}, LevelDifficile},
              {{2026, 12, 13}, LevelExpert},
              {{2026, 12, 31}, LevelMoyen}};
  std::string previous;
  for (const auto& day : days) {
    const std::string text = DailyText(day.Date);
    EXPECT_EQ(text, DailyText(day.Date)) << day.Date.Day;
    EXPECT_NE(text, previous);
    EXPECT_EQ(DailyLevel(day.Date), day.Level) << day.Date.Day;
    TGrille grid;
    grid.LoadFromText(text.substr(0, 81), "");
    EXPECT_EQ(grid.RateLevel(), day.Level) << day.Date.Day;
    previous = text;
  }
  TGrille grid;
  EXPECT_FALSE(GenerateDaily(grid, {2026, 2, 29}));
}

}  // namespace
