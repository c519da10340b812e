// SPDX-License-Identifier: GPL-3.0-or-later
#include "dailygrid.h"

#include <chrono>

#include "generatebatch.h"
#include "grille.h"

namespace {

// Monday first.
constexpr int LevelOfDay[7] = {LevelFacile,    LevelFacile,    LevelMoyen, LevelMoyen,
                               LevelDifficile, LevelDifficile, LevelExpert};

// A fixed salt, so that the daily seeds stand apart from the small seeds
// that tests and the tool use.
constexpr std::uint64_t DailySalt = 0x4F7276616C697321ull;

// SplitMix64's finaliser: every bit of the date stirs every bit of the seed.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::chrono::year_month_day Calendar(const DailyDate& Date) {
  return std::chrono::year(Date.Year) / std::chrono::month(static_cast<unsigned>(Date.Month)) /
         std::chrono::day(static_cast<unsigned>(Date.Day));
}

}  // namespace

bool DailyDate::Valid() const { return Month >= 1 && Month <= 12 && Day >= 1 && Day <= 31 && Calendar(*this).ok(); }

int DailyDate::DayOfWeek() const {
  return static_cast<int>(std::chrono::weekday(std::chrono::sys_days(Calendar(*this))).iso_encoding());
}

int DailyLevel(const DailyDate& Date) { return Date.Valid() ? LevelOfDay[Date.DayOfWeek() - 1] : LevelFacile; }

std::uint64_t DailySeed(const DailyDate& Date) {
  const auto number = static_cast<std::uint64_t>(Date.Year) * 10000u + static_cast<std::uint64_t>(Date.Month) * 100u +
                      static_cast<std::uint64_t>(Date.Day);
  return Mix(number ^ DailySalt);
}

bool GenerateDaily(TGrille& Grid, const DailyDate& Date, const std::function<bool()>& StopRequested) {
  if (!Date.Valid()) return false;
  GenerateOptions options = ReproducibleOptions(DailySeed(Date));
  options.StopRequested = StopRequested;
  return Grid.Generate(DailyLevel(Date), options);
}
