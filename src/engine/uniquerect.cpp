// SPDX-License-Identifier: GPL-3.0-or-later
// Unique rectangle of type 1. Four empty cells at the corners of a rectangle
// over two rows, two columns and two blocks: if all four took only a and b,
// the two digits could be swapped around the rectangle and the puzzle would
// have two solutions. So when three corners take only a and b, the fourth
// cannot be a or b. Sound only for a puzzle known to have one solution.
#include <bit>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

std::optional<ReasoningStep> FindUniqueRectangle(const CandidateSets& cand) {
  for (int r1 = 0; r1 < 9; ++r1)
    for (int r2 = r1 + 1; r2 < 9; ++r2)
      for (int c1 = 0; c1 < 9; ++c1)
        for (int c2 = c1 + 1; c2 < 9; ++c2) {
          // Two blocks: the rows share a band, or the columns do (not both).
          if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;
          const int corners[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
          for (int odd = 0; odd < 4; ++odd) {
            std::uint16_t pair = 0;
            bool ok = true;
            for (int k = 0; k < 4 && ok; ++k) {
              if (k == odd) continue;
              const std::uint16_t c = cand[corners[k]];
              if (std::popcount(c) != 2 || (pair != 0 && c != pair)) ok = false;
              pair = c;
            }
            const std::uint16_t rest = cand[corners[odd]];
            if (!ok || (rest & pair) != pair || rest == pair) continue;
            ReasoningStep step;
            step.Kind = Technique::UniqueRectangle;
            step.Pair = pair;
            for (int k = 0; k < 4; ++k)
              if (k != odd) step.Cells.push_back(corners[k]), step.Groups.push_back(0);
            step.Cells.push_back(corners[odd]);
            step.Groups.push_back(1);
            step.Removals.emplace_back(corners[odd], pair);
            return step;
          }
        }
  return std::nullopt;
}

}  // namespace advanced
