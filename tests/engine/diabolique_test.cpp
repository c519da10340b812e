// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "diabolique.h"
#include "engine_test_util.h"
#include "solutioncount.h"

// A generated "Diabolique" puzzle: symmetric, one solution (the reference,
// whole), "Expert" stops on it and the advanced hints finish it.
TEST(Diabolique, AGeneratedPuzzleKeepsTheLevelsRules) {
  for (std::uint64_t seed = 1; seed <= 4; ++seed) {
    TGrille g;
    ASSERT_TRUE(g.Generate(LevelDiabolique, {{}, seed, {}}));
    SCOPED_TRACE(DigitsText(g.Digits));
    for (int k = 0; k < 81; ++k) {
      EXPECT_EQ(g.Givens[k] != 0, g.Givens[80 - k] != 0) << k;
      EXPECT_TRUE(g.Givens[k] == 0 || g.Solution[k] == g.Digits[k]);
    }
    const SolutionCount found = CountSolutions(g.Digits, g.Candidates);
    EXPECT_EQ(found.Count, 1);
    EXPECT_EQ(found.First, g.Solution);
    EXPECT_EQ(g.RateLevel(), LevelExpert | RatingGuess);
    EXPECT_EQ(RateWithAdvanced(g), LevelDiabolique);
  }
}

TEST(Diabolique, AStoppedGenerationLeavesNoGivens) {
  int stopped = 0;
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    TGrille g;
    if (g.Generate(LevelDiabolique, {[] { return true; }, seed, {}})) continue;
    ++stopped;
    EXPECT_EQ(std::count(g.Givens.begin(), g.Givens.end(), 0), 81);
  }
  EXPECT_GT(stopped, 0);
}
