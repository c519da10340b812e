// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced techniques in their order, their removals, and the sentences
// and cells of their steps.
#include "advanced.h"

#include <algorithm>

#include "cellunits.h"
#include "grille.h"

namespace advanced {

using cellunits::Bit;
using std::to_string;

const std::vector<TechniqueFinder>& Finders() {
  static const std::vector<TechniqueFinder> finders = {
      {FindPointing, false},
      {FindLineBlock, false},
      {FindNakedSubset, false},
      {FindHiddenSubset, false},
      {[](const CandidateSets& cand) { return FindFish(cand, 2); }, false},
      {[](const CandidateSets& cand) { return FindFish(cand, 3); }, false},
      {[](const CandidateSets& cand) { return FindFish(cand, 4); }, false},
      {FindXYWing, false},
      {FindXYZWing, false},
      {FindWWing, false},
      {FindColouring, false},
      {FindXChain, false},
      {FindXYChain, false},
      {FindUniqueRectangle, true},
      {FindAlternatingChain, false},
      {FindForcingChain, false},
  };
  return finders;
}

std::optional<ReasoningStep> FirstAdvancedStep(const CandidateSets& cand, bool OneSolution) {
  for (const TechniqueFinder& finder : Finders()) {
    if (finder.NeedsOneSolution && !OneSolution) continue;
    std::optional<ReasoningStep> step = finder.Find(cand);
    if (!step) continue;
    for (int cell : step->Cells) step->CellCandidates.push_back(cand[cell]);
    return step;
  }
  return std::nullopt;
}

void ApplyStep(CandidateSets& cand, const ReasoningStep& step) {
  for (const auto& [cell, digits] : step.Removals) cand[cell] = static_cast<std::uint16_t>(cand[cell] & ~digits);
}

}  // namespace advanced
