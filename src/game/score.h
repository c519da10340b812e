// SPDX-License-Identifier: GPL-3.0-or-later
// The score of a completed grid, in seconds, lower is better: the time, plus
// a penalty per help that grows with the level (15 s a help at "Facile", 60 s
// at "Expert"), plus a flat minute when the candidates were shown.
#pragma once

#include <cstdint>

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

TScore ComputeScore(std::uint32_t Time, int Helps, int Level, bool CandidatesShown);
