// SPDX-License-Identifier: GPL-3.0-or-later
// Wings of three cells around a pivot. XY-Wing: a pivot that takes x or y sees
// a cell of x and z and a cell of y and z; whatever the pivot holds, one of
// the two holds z, so a cell that sees both loses z. XYZ-Wing: the pivot takes
// x, y or z; one of the three holds z, so a cell that sees all three loses it.
#include <bit>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

using cellunits::Sees;

std::vector<std::pair<int, std::uint16_t>> RemovalsSeeingAll(const CandidateSets& cand, const int* Seen, int Count,
                                                             int Digit, const std::vector<int>& Pattern) {
  std::vector<std::pair<int, std::uint16_t>> removals;
  const std::uint16_t bit = cellunits::Bit(Digit);
  for (int cell = 0; cell < 81; ++cell) {
    if (!(cand[cell] & bit)) continue;
    bool inPattern = false;
    for (int p : Pattern) inPattern = inPattern || p == cell;
    if (inPattern) continue;
    bool seesAll = true;
    for (int k = 0; k < Count && seesAll; ++k) seesAll = Sees(cell, Seen[k]);
    if (seesAll) removals.emplace_back(cell, bit);
  }
  return removals;
}

namespace {

// A wing: pivot, pincers A and B; z the digit they share. The removal must
// see the cells in `seen` (the pincers, or all three).
std::optional<ReasoningStep> FindWing(const CandidateSets& cand, int pivotSize) {
  for (int pivot = 0; pivot < 81; ++pivot) {
    const std::uint16_t pc = cand[pivot];
    if (std::popcount(pc) != pivotSize) continue;
    for (int a = 0; a < 81; ++a) {
      const std::uint16_t ac = cand[a];
      if (std::popcount(ac) != 2 || !Sees(pivot, a)) continue;
      // XY: A shares exactly one digit with the pivot; XYZ: A lies inside it.
      if (pivotSize == 2 ? std::popcount(static_cast<unsigned>(ac & pc)) != 1 : (ac & ~pc) != 0) continue;
      for (int b = a + 1; b < 81; ++b) {
        const std::uint16_t bc = cand[b];
        if (std::popcount(bc) != 2 || !Sees(pivot, b) || bc == ac) continue;
        const std::uint16_t z = static_cast<std::uint16_t>(ac & bc);
        if (std::popcount(z) != 1) continue;
        if (pivotSize == 2) {
          // The pivot is x and y: A holds x and z, B holds y and z.
          if ((pc & z) || (ac | bc) != (pc | z)) continue;
        } else {
          if ((bc & ~pc) != 0 || (ac | bc) != pc) continue;
        }
        const int digit = std::countr_zero(z) + 1;
        const int seen[3] = {a, b, pivot};
        const std::vector<int> pattern{pivot, a, b};
        auto removals = RemovalsSeeingAll(cand, seen, pivotSize == 2 ? 2 : 3, digit, pattern);
        if (removals.empty()) continue;
        ReasoningStep step;
        step.Kind = pivotSize == 2 ? Technique::XYWing : Technique::XYZWing;
        step.Digit = digit;
        step.Cells = pattern;
        step.Groups = {0, 1, 1};
        step.Removals = std::move(removals);
        return step;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<ReasoningStep> FindXYWing(const CandidateSets& cand) { return FindWing(cand, 2); }
std::optional<ReasoningStep> FindXYZWing(const CandidateSets& cand) { return FindWing(cand, 3); }

}  // namespace advanced
