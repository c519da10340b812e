// SPDX-License-Identifier: GPL-3.0-or-later
// The solve driver: levels, the search, the rating and "Résoudre", checked on
// hand-made grids and on public puzzle collections.
#include <gtest/gtest.h>

#include "engine_test_util.h"

using namespace testutil;

namespace {

TEST(Rating, AnEmptyGridHasSeveralSolutions) {
  TGrille g;
  for (int level = 1; level <= 3; ++level) EXPECT_FALSE(g.SolveAtLevel(level)) << level;
  EXPECT_EQ(g.RateLevel(), 4 + 16 + 32);
  EXPECT_EQ(g.CountEmpty(), 81);  // the grid the player sees is unchanged
}

TEST(Rating, AFullValidGridIsLevelOne) {
  TGrille g;
  g.LoadFromText(kSolved, "");
  EXPECT_EQ(g.RateLevel(), 1);
}

TEST(Rating, ACellWithoutCandidateMeansNoSolution) {
  // (1,1) sees 1-4 in its row, 5-8 in its column and 9 in its block.
  TGrille g;
  g.LoadFromText(
      Givens({{1, 2, 1}, {1, 4, 2}, {1, 5, 3}, {1, 6, 4}, {4, 1, 5}, {5, 1, 6}, {6, 1, 7}, {7, 1, 8}, {3, 3, 9}}), "");
  EXPECT_EQ(g.GetCandidates(1, 1), 0);
  EXPECT_EQ(g.RateLevel(), 0);
}

// Found by fuzzing: thirteen givens without a solution, whose contradiction
// only shows once guesses have left a cell, or a digit of a unit, without a
// place. The search went on through every other cell under that dead end, and
// "Vérifier la grille" froze the game for hours; it must answer at once.
TEST(Rating, AGuessThatLeavesNoPlaceForADigitIsGivenUpAtOnce) {
  const std::string p =
      "........."
      "........."
      "1254....8"
      "4......2."
      "8........"
      ".....84.."
      "....2.8.."
      "...8....."
      ".........";
  TGrille g;
  g.LoadFromText(p, "");
  EXPECT_EQ(g.RateLevel(), 0);
  EXPECT_EQ(g.SolveGrid(), SolveNoSolution);
  EXPECT_EQ(g.CountEmpty(), 81 - 13);  // the grid the player sees is unchanged
}

// Found by the monkey: "Résoudre" on a grid with several solutions corrects
// the wrong digits that logic reaches and leaves their marks, as the screen
// shows them; the next hint search took those right digits out as marked ones,
// "hinted" one of them again and put the old wrong digits back in the others.
TEST(Solve, ADigitCorrectedByResoudreStaysForTheNextHint) {
  // kSolved without (1,1) and the four corners of a rectangle whose two digits
  // may be swapped: two solutions.
  const std::string givens = SolvedWithout({{1, 1}, {4, 6}, {4, 9}, {5, 6}, {5, 9}});
  TGrille g;
  g.LoadFromText(givens, "");
  g.EnterDigit(1, 1, 6, false, false);  // a wrong digit, marked
  ASSERT_EQ(g.SolveGrid(), SolveMultiple | 1);
  ASSERT_EQ(g.GetDigit(1, 1), 5);
  ASSERT_NE(g.Marks[Cell(1, 1)], 0);  // still shown as corrected
  const std::optional<HintStep> hint = g.FindHint();
  ASSERT_TRUE(hint.has_value());
  EXPECT_FALSE(hint->Row == 1 && hint->Col == 1);
  EXPECT_EQ(hint->Replaced, 0);
  EXPECT_EQ(g.GetDigit(1, 1), 5);
  EXPECT_EQ(g.CountEmpty(), 3);
}

TEST(Rating, LevelsFollowTheTechniquesAllowed) {
  TGrille one;
  one.LoadFromText(SolvedWithout({{5, 5}}), "");
  EXPECT_EQ(one.RateLevel(), 1);

  const auto easy = ReadLines("puzzles/easy50.txt");
  int levels[5] = {};
  for (const std::string& p : easy) {
    TGrille g;
    g.LoadFromText(p, "");
    const int rating = g.RateLevel() & 7;
    ASSERT_GE(rating, 1) << p;
    EXPECT_FALSE(g.MultipleSolutions) << p;
    ++levels[rating];
    // The rating is the first level whose solve fills the grid.
    for (int lower = 1; lower < rating; ++lower) EXPECT_FALSE(g.SolveAtLevel(lower)) << p;
    EXPECT_TRUE(g.SolveAtLevel(rating)) << p;
  }
  EXPECT_GT(levels[1], 0);
  EXPECT_GT(levels[2], 0);
}

TEST(Rating, OnePuzzleThatNeedsGuessing) {
  const std::string p = GuessingPuzzle();
  TGrille g;
  g.LoadFromText(p, "");
  EXPECT_EQ(g.RateLevel(), 4 + 16);
  const std::string first = DigitsText(g.FirstSolution);
  EXPECT_EQ(first.find('0'), std::string::npos);
  EXPECT_TRUE(KeepsRules(first));
  // The reference solution holds only what logic settled, and agrees with it.
  const std::string settled = DigitsText(g.Solution);
  EXPECT_NE(settled.find('0'), std::string::npos);
  for (int i = 0; i < 81; ++i)
    if (settled[i] != '0') {
      EXPECT_EQ(settled[i], first[i]) << i;
    }
}

TEST(SolveAtLevel, LeavesTheGridAsItWas) {
  const std::string p = ReadLines("puzzles/top95.txt").at(0);
  TGrille g;
  g.LoadFromText(p, "");
  g.EnterDigit(1, 2, 9, false, false);
  const TGrille before = g;
  g.SolveAtLevel(4);
  EXPECT_EQ(g.Digits, before.Digits);
  EXPECT_EQ(g.Candidates, before.Candidates);
  EXPECT_EQ(g.Givens, before.Givens);
  EXPECT_EQ(g.Marks, before.Marks);
}

TEST(Solve, WrongDigitsAreTakenOutAndPutBackWhereTheSolveLeavesTheCellEmpty) {
  const std::string p = GuessingPuzzle();
  TGrille g;
  g.LoadFromText(p, "");
  const std::string settled = DigitsText(g.Solution);
  const std::string first = DigitsText(g.FirstSolution);
  // One wrong digit where logic settles the cell, one where it does not.
  int logicCell = -1, openCell = -1;
  for (int i = 0; i < 81; ++i) {
    if (p[i] != '.') continue;
    if (settled[i] != '0' && logicCell < 0) logicCell = i;
    if (settled[i] == '0' && openCell < 0) openCell = i;
  }
  ASSERT_GE(logicCell, 0);
  ASSERT_GE(openCell, 0);
  auto wrongDigit = [&](int i) { return first[i] == '1' ? 2 : 1; };
  g.EnterDigit(logicCell / 9 + 1, logicCell % 9 + 1, wrongDigit(logicCell), false, false);
  g.EnterDigit(openCell / 9 + 1, openCell % 9 + 1, wrongDigit(openCell), false, false);
  EXPECT_TRUE(g.Solve(4));
  EXPECT_EQ(WordDigit(g.Digits[logicCell]), settled[logicCell] - '0');
  EXPECT_EQ(WordDigit(g.Digits[openCell]), wrongDigit(openCell));
  EXPECT_NE(g.Marks[openCell], 0);
}

TEST(SolveGrid, FlagsAndTheCountOfSettledCells) {
  {  // logic alone
    TGrille g;
    g.LoadFromText(SolvedWithout({{1, 1}, {5, 5}, {9, 9}}), "");
    EXPECT_EQ(g.SolveGrid(), 3);
    EXPECT_EQ(DigitsText(g.Digits), kSolved);
  }
  {  // guessing with one solution: the first solution is shown
    const std::string p = GuessingPuzzle();
    TGrille g;
    g.LoadFromText(p, "");
    const int empty = g.CountEmpty();
    const std::uint16_t flags = g.SolveGrid();
    EXPECT_EQ(flags & 0xFF00, SolveGuessed);
    EXPECT_EQ(flags & 0xFF, empty & 0xFF);
    EXPECT_EQ(g.CountEmpty(), 0);
    EXPECT_EQ(DigitsText(g.Digits), DigitsText(g.FirstSolution));
  }
  {  // several solutions: nothing beyond logic is filled
    TGrille g;
    EXPECT_EQ(g.SolveGrid(), SolveMultiple);
    EXPECT_EQ(g.CountEmpty(), 81);
  }
  {  // no solution
    TGrille g;
    g.LoadFromText(
        Givens({{1, 2, 1}, {1, 4, 2}, {1, 5, 3}, {1, 6, 4}, {4, 1, 5}, {5, 1, 6}, {6, 1, 7}, {7, 1, 8}, {3, 3, 9}}),
        "");
    EXPECT_EQ(g.SolveGrid() & 0xFF00, SolveNoSolution);
  }
  {  // a wrong player digit is replaced and counted as settled
    TGrille g;
    g.LoadFromText(SolvedWithout({{1, 1}, {1, 2}}), "");
    g.EnterDigit(1, 1, 3, false, false);  // breaks a rule
    EXPECT_EQ(g.SolveGrid(), 2);
    EXPECT_EQ(DigitsText(g.Digits), kSolved);
    EXPECT_EQ(g.CountErrors(), 0);
  }
}

TEST(Collections, Top95HasOneSolutionEachAndASettledSolutionThatKeepsTheRules) {
  const auto puzzles = ReadLines("puzzles/top95.txt");
  ASSERT_EQ(puzzles.size(), 95u);
  for (const std::string& p : puzzles) {
    TGrille g;
    g.LoadFromText(p, "");
    const int rating = g.RateLevel();
    EXPECT_TRUE(rating == 4 || rating == 4 + 16) << p << " rated " << rating;
    // What the `solution` command prints: the settled cells and the first
    // complete solution of the search (empty when none was needed).
    const std::string settled = DigitsText(g.Solution);
    const std::string first = DigitsText(g.FirstSolution);
    const std::string full = rating == 4 ? settled : first;
    EXPECT_EQ(full.find('0'), std::string::npos) << p;
    EXPECT_TRUE(KeepsRules(full)) << p;
    EXPECT_TRUE(KeepsRules(settled)) << p;
    for (int i = 0; i < 81; ++i) {
      if (p[i] != '.') {
        EXPECT_EQ(settled[i], p[i]) << p << " cell " << i;
      }
      if (settled[i] != '0') {
        EXPECT_EQ(settled[i], full[i]) << p << " cell " << i;
      }
    }
  }
}

TEST(Collections, RatingsTellNoneOneAndSeveralSolutionsApart) {
  const auto puzzles = ReadLines("puzzles/tdoku_test_puzzles.txt");
  const auto counts = ReadLines("puzzles/tdoku_test_puzzles.solution_counts.txt");
  const auto solutions = ReadLines("puzzles/tdoku_test_puzzles.solutions.txt");
  ASSERT_EQ(puzzles.size(), counts.size());
  ASSERT_EQ(puzzles.size(), solutions.size());
  int seen[3] = {};
  for (std::size_t i = 0; i < puzzles.size(); ++i) {
    TGrille g;
    g.LoadFromText(puzzles[i], "");
    const int rating = g.RateLevel();
    const int count = std::stoi(counts[i]);
    if (count == 0) {
      EXPECT_EQ(rating, 0) << puzzles[i];
      ++seen[0];
    } else if (count == 1) {
      EXPECT_GE(rating & 7, 1) << puzzles[i];
      EXPECT_FALSE(rating & 32) << puzzles[i];
      const std::string full = (rating & 16) ? DigitsText(g.FirstSolution) : DigitsText(g.Solution);
      EXPECT_EQ(full, solutions[i]) << puzzles[i];
      ++seen[1];
    } else {
      EXPECT_EQ(rating, 4 + 16 + 32) << puzzles[i];
      ++seen[2];
    }
  }
  EXPECT_EQ(seen[0], 10);
  EXPECT_EQ(seen[1], 18);
  EXPECT_EQ(seen[2], 15);
}

TEST(Collections, HardPuzzlesAreSolvedByTheSearch) {
  for (const std::string& p : ReadLines("puzzles/forum_hardest_1106.head40.txt")) {
    TGrille g;
    g.LoadFromText(p, "");
    EXPECT_EQ(g.RateLevel(), 4 + 16) << p;
    const std::string first = DigitsText(g.FirstSolution);
    EXPECT_TRUE(KeepsRules(first)) << p;
    EXPECT_EQ(first.find('0'), std::string::npos) << p;
  }
}

}  // namespace
