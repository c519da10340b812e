// SPDX-License-Identifier: GPL-3.0-or-later
// The score of a completed grid, in seconds, lower is better: the time, plus
// a penalty per help that grows with the level (15 s a help at "Facile", 60 s
// at "Expert", 75 s at "Diabolique"), plus a flat minute when the candidates were shown ("Voir
// possibilités" or "Remplir les notes"). And the one result of a finished
// game that the end dialog shows and the records take.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "grille.h"

struct TScore {
  std::uint32_t Time = 0;
  std::uint32_t HelpPenalty = 0;
  std::uint32_t CandidatesPenalty = 0;
  std::uint32_t Total = 0;
  // The penalty of one help at this level, in seconds.
  int PerHelp = 0;
};

inline constexpr int HelpPenaltyPerLevel = 15;
inline constexpr std::uint32_t CandidatesPenaltySeconds = 60;
// A saved grid keeps at most this many helps (one byte of the file).
inline constexpr int MaxStoredHelps = 255;

TScore ComputeScore(std::uint32_t Time, int Helps, int Level, bool CandidatesShown);

// Where a game came from, for the records: a puzzle dealt at a level (the
// daily grid included) or loaded, or one the player typed in, which the
// statistics count apart from the levels.
enum class TOrigin : std::uint8_t { Dealt, TypedIn };

// How one game ended. Made once by the game (TPartie::Finish); the end
// dialog shows it and the records (high scores, statistics) take it as it is.
struct TGameResult {
  // The time and the penalties; the time is that of play, carried over from
  // a saved game included.
  TScore Score;
  // The clock ran: there is a score to show and to rank. With the clock off
  // the time carried over from a saved game is no score.
  bool Timed = false;
  int Level = 0;  // 1 to 5
  int Helps = 0;  // hints and cells filled by "Résoudre"
  bool CandidatesShown = false;
  TOrigin Origin = TOrigin::Dealt;
  // The day of a daily grid, none for any other game.
  std::optional<std::chrono::year_month_day> DailyDay;
  // The game counts in the statistics and the high scores: false for a daily
  // grid finished again on a day whose grid was already finished (a replay
  // plays, but counts once).
  bool Counts = false;

  // May enter the high scores of its level.
  bool MayRank() const { return Counts && Timed && Level >= LevelFacile && Level <= HighestLevel; }
  // Finished without a hint, a solve or the candidates shown.
  bool WithoutHelp() const { return Helps == 0 && !CandidatesShown; }
};
