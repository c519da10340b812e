// SPDX-License-Identifier: GPL-3.0-or-later
// "Grille du jour": the same puzzle for every player on a given date, without
// a network. Its seed is made of the date alone and its level of the day of
// the week (Monday and Tuesday "Facile", Wednesday and Thursday "Moyen",
// Friday and Saturday "Difficile", Sunday "Expert"); the generation is
// reproducible (ReproducibleOptions), so every machine makes the same grid.
#pragma once

#include <cstdint>
#include <functional>

class TGrille;

// A date of the proleptic Gregorian calendar.
struct DailyDate {
  int Year = 0;
  int Month = 0;  // 1 to 12
  int Day = 0;    // 1 to 31
  bool Valid() const;
  // 1 (Monday) to 7 (Sunday).
  int DayOfWeek() const;
};

// The level of the date's day of the week.
int DailyLevel(const DailyDate& Date);
// The seed of a date.
std::uint64_t DailySeed(const DailyDate& Date);
// Fills the grid with the puzzle of the date; false when the date is not
// valid or StopRequested answered true first.
bool GenerateDaily(TGrille& Grid, const DailyDate& Date, const std::function<bool()>& StopRequested = {});
