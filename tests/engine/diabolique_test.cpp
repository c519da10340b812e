// SPDX-License-Identifier: GPL-3.0-or-later
// "Diabolique": generated puzzles keep the level's rules, and the rating that
// counts the advanced techniques gives it only to the puzzles it fits.
#include <gtest/gtest.h>

#include "diabolique.h"
#include "engine_test_util.h"
#include "solutioncount.h"

using namespace testutil;

namespace {

TEST(Diabolique, AGeneratedPuzzleIsSymmetricUniqueBeyondExpertAndFinishedByTheAdvancedHints) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    GenerateOptions options;
    options.Seed = seed;
    TGrille g;
    ASSERT_TRUE(g.Generate(LevelDiabolique, options));
    const std::string givens = DigitsText(g.Digits);
    SCOPED_TRACE(givens);
    for (int k = 0; k < 81; ++k) {
      EXPECT_EQ(givens[k] != '0', givens[80 - k] != '0') << "cell " << k;
      EXPECT_EQ(g.Givens[k], givens[k] - '0');
      EXPECT_NE(g.Solution[k], 0) << "the whole solution is the reference";
      if (g.Givens[k] != 0) {
        EXPECT_EQ(g.Givens[k], WordDigit(g.Solution[k]));
      }
    }
    EXPECT_EQ(CountSolutions(g.Digits, g.Candidates).Count, 1);
    // "Expert" stops on it: its rating without the advanced techniques.
    EXPECT_EQ(g.RateLevel(), LevelExpert | RatingGuess);
    const AdvancedPlay play = PlayAdvancedHints(g, true);
    EXPECT_TRUE(play.Finished);
    ASSERT_TRUE(play.Hardest.has_value());
    EXPECT_TRUE(IsAdvanced(*play.Hardest));
    EXPECT_EQ(RateWithAdvanced(g), LevelDiabolique);
    EXPECT_EQ(DigitsText(g.Digits), givens) << "rating leaves the puzzle as it was";
  }
}

TEST(Diabolique, TheSameSeedGivesTheSamePuzzle) {
  GenerateOptions options;
  options.Seed = 9;
  TGrille a, b;
  ASSERT_TRUE(a.Generate(LevelDiabolique, options));
  ASSERT_TRUE(b.Generate(LevelDiabolique, options));
  EXPECT_EQ(DigitsText(a.Digits), DigitsText(b.Digits));
}

TEST(Diabolique, AStopRequestEndsTheGenerationWithoutAPuzzle) {
  GenerateOptions options;
  options.StopRequested = [] { return true; };
  int stopped = 0;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    options.Seed = seed;
    TGrille g;
    GenerateReport report;
    if (!g.Generate(LevelDiabolique, options, &report)) {
      ++stopped;
      EXPECT_EQ(report.RemovalAttempts, 1);
    }
  }
  EXPECT_GT(stopped, 0);
}

// The levels below keep their rating; a puzzle of several solutions is never
// "Diabolique", even when the advanced hints fill its grid.
TEST(Diabolique, TheAdvancedRatingChangesOnlyPuzzlesOfOneSolutionBeyondExpert) {
  const std::string diabolical = ReadLines("puzzles/sudoku_exchange_diabolical.head25.txt").at(0);
  struct Case {
    std::string givens;
    int rating;
  } const cases[] = {
      {SolvedWithout({{5, 5}}), LevelFacile},
      {diabolical, LevelDiabolique},
      {std::string(81, '0'), LevelExpert | RatingGuess | RatingMultiple},
  };
  for (const Case& c : cases) {
    TGrille g;
    g.LoadFromText(c.givens, "");
    EXPECT_EQ(RateWithAdvanced(g), c.rating) << c.givens;
  }
}

}  // namespace
