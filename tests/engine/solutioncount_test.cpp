// SPDX-License-Identifier: GPL-3.0-or-later
// The solution counter, and the search that asks it before it guesses.
#include <gtest/gtest.h>

#include "engine_test_util.h"
#include "solutioncount.h"

using namespace testutil;

namespace {

TEST(SolutionCount, TellsNoneOneAndSeveralApart) {
  const auto puzzles = ReadLines("puzzles/tdoku_test_puzzles.txt");
  const auto counts = ReadLines("puzzles/tdoku_test_puzzles.solution_counts.txt");
  const auto solutions = ReadLines("puzzles/tdoku_test_puzzles.solutions.txt");
  ASSERT_EQ(puzzles.size(), counts.size());
  int counted = 0;
  for (std::size_t i = 0; i < puzzles.size(); ++i) {
    // The givens as they stand; the counter takes only digits that keep the rules.
    TGrille g;
    for (int k = 0; k < 81 && !g.Contradiction; ++k)
      if (puzzles[i][k] >= '1' && puzzles[i][k] <= '9') g.PlaceDigit(k / 9 + 1, k % 9 + 1, puzzles[i][k] - '0');
    if (g.Contradiction) continue;
    ++counted;
    const SolutionCount found = CountSolutions(g.Digits, g.Candidates);
    const int expected = std::min(std::stoi(counts[i]), 2);
    EXPECT_EQ(found.Count, expected) << puzzles[i];
    if (expected == 0) continue;
    const std::string first = DigitsText(found.First);
    if (expected == 1) {
      EXPECT_EQ(first, solutions[i]) << puzzles[i];
    }
    EXPECT_TRUE(KeepsRules(first)) << puzzles[i];
    for (int k = 0; k < 81; ++k)
      if (puzzles[i][k] != '.') {
        EXPECT_EQ(first[k], puzzles[i][k]) << puzzles[i] << " cell " << k;
      }
  }
  EXPECT_GT(counted, 35);
}

// With several solutions the search still makes its own guesses, in its own
// order: the first solution it meets is the one it met before it asked the
// counter.
TEST(SolutionCount, TheSearchMeetsTheSameFirstSolution) {
  const auto puzzles = ReadLines("puzzles/tdoku_test_puzzles.txt");
  const auto firsts = ReadLines("puzzles/tdoku_test_puzzles.first_solutions.txt");
  ASSERT_EQ(puzzles.size(), firsts.size());
  for (std::size_t i = 0; i < puzzles.size(); ++i) {
    TGrille g;
    g.LoadFromText(puzzles[i], "");
    EXPECT_EQ(DigitsText(g.FirstSolution), firsts[i]) << puzzles[i];
  }
}

}  // namespace
