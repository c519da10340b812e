// SPDX-License-Identifier: GPL-3.0-or-later
#include "score.h"

#include <algorithm>

TScore ComputeScore(std::uint32_t Time, int Helps, int Level, bool CandidatesShown) {
  TScore score;
  score.Time = Time;
  score.PerHelp = HelpPenaltyPerLevel * Level;
  score.HelpPenalty = std::uint32_t(std::max(0, Helps) * std::max(0, score.PerHelp));
  score.CandidatesPenalty = CandidatesShown ? CandidatesPenaltySeconds : 0;
  score.Total = score.Time + score.HelpPenalty + score.CandidatesPenalty;
  return score;
}
