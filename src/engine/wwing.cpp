// SPDX-License-Identifier: GPL-3.0-or-later
// W-Wing: two cells that take only x or y and do not see each other, and a
// unit where y has exactly two places, one seen by each of the two cells. If
// neither cell held x, both would hold y, and y would have no place left in
// that unit: one of them holds x, so a cell that sees both loses x.
#include <bit>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

using cellunits::Bit;
using cellunits::Sees;

std::optional<ReasoningStep> FindWWing(const CandidateSets& cand) {
  for (int a = 0; a < 81; ++a) {
    if (std::popcount(cand[a]) != 2) continue;
    for (int b = a + 1; b < 81; ++b) {
      if (cand[b] != cand[a] || Sees(a, b)) continue;
      for (int linkDigit = 1; linkDigit <= 9; ++linkDigit) {
        if (!(cand[a] & Bit(linkDigit))) continue;
        const int digit = std::countr_zero(static_cast<unsigned>(cand[a] & ~Bit(linkDigit))) + 1;
        for (int unit = 0; unit < 27; ++unit) {
          int ends[2], n = 0;
          for (int cell : cellunits::Units[unit])
            if (cand[cell] & Bit(linkDigit)) {
              if (n < 2) ends[n] = cell;
              ++n;
            }
          if (n != 2 || ends[0] == a || ends[0] == b || ends[1] == a || ends[1] == b) continue;
          int nearA = -1, nearB = -1;
          if (Sees(a, ends[0]) && Sees(b, ends[1]))
            nearA = ends[0], nearB = ends[1];
          else if (Sees(a, ends[1]) && Sees(b, ends[0]))
            nearA = ends[1], nearB = ends[0];
          if (nearA < 0) continue;
          const int seen[2] = {a, b};
          const std::vector<int> pattern{a, b, nearA, nearB};
          auto removals = RemovalsSeeingAll(cand, seen, 2, digit, pattern);
          if (removals.empty()) continue;
          ReasoningStep step;
          step.Kind = Technique::WWing;
          step.Digit = digit;
          step.Pair = cand[a];
          step.Cells = pattern;
          step.Groups = {0, 0, 1, 1};
          step.Units.push_back(cellunits::UnitOf(unit));
          step.Removals = std::move(removals);
          return step;
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace advanced
