// SPDX-License-Identifier: GPL-3.0-or-later
// Generation: seeded puzzles of every level, the fallback, the stop request.
#include <gtest/gtest.h>

#include <random>

#include "engine_test_util.h"

using namespace testutil;

namespace {

struct LevelRule {
  int level, minimum, extra, count;
};

std::string GivensOf(const TGrille& g) {
  std::string text(81, '0');
  for (int i = 0; i < 81; ++i) text[i] = static_cast<char>('0' + g.Givens[i]);
  return text;
}

class GenerateLevel : public ::testing::TestWithParam<LevelRule> {};

TEST_P(GenerateLevel, SymmetricUniqueAndRatedAtItsLevel) {
  const LevelRule rule = GetParam();
  int fallbacks = 0;
  for (int i = 0; i < rule.count; ++i) {
    TGrille g;
    GenerateOptions options;
    options.Seed = 5000 + static_cast<std::uint64_t>(i);
    GenerateReport report;
    ASSERT_TRUE(g.Generate(rule.level, options, &report));
    const std::string givens = GivensOf(g);
    SCOPED_TRACE(givens);

    int count = 0;
    for (int k = 0; k < 81; ++k) {
      count += givens[k] != '0';
      EXPECT_EQ(givens[k] != '0', givens[80 - k] != '0') << "cell " << k;
    }
    EXPECT_GE(count, rule.minimum - 1);
    EXPECT_LE(count, rule.minimum + rule.extra);

    // The grid shows the starting position, and the reference solution is full
    // and keeps the givens.
    EXPECT_EQ(DigitsText(g.Digits), givens);
    const std::string solution = DigitsText(g.Solution);
    EXPECT_EQ(solution.find('0'), std::string::npos);
    EXPECT_TRUE(KeepsRules(solution));
    for (int k = 0; k < 81; ++k)
      if (givens[k] != '0') {
        EXPECT_EQ(givens[k], solution[k]);
      }

    // Logic alone finishes it, so the solution is unique, and the rating gives
    // the level back (at most the level where no must-fail rule applies).
    const int rating = g.RateLevel();
    EXPECT_EQ(rating & (RatingGuess | RatingMultiple), 0);
    if (report.FallbackTaken) {
      ++fallbacks;
      EXPECT_EQ(rating, rule.level - 1);
    } else if (rule.level >= 3) {
      EXPECT_EQ(rating, rule.level);
    } else {
      EXPECT_GE(rating, 1);
      EXPECT_LE(rating, rule.level);
    }
    if (rule.level == 4 && !report.FallbackTaken) {
      EXPECT_TRUE(g.IsSolvedByLogic(SolveCandidatesOnly));
    }
  }
  EXPECT_LE(fallbacks * 100, rule.count);  // the 10-second rule is a rare way out
}

INSTANTIATE_TEST_SUITE_P(Levels, GenerateLevel,
                         ::testing::Values(LevelRule{1, 36, 4, 300}, LevelRule{2, 30, 6, 300}, LevelRule{3, 26, 4, 200},
                                           LevelRule{4, 22, 6, 150}),
                         [](const auto& param) { return "Level" + std::to_string(param.param.level); });

// What lets an attempt test its last puzzle first: once the givens of a
// solution drawn so far are solved at a level, every larger set of them is.
TEST(Generate, MoreGivensOfTheSameSolutionNeverStopTheTechniques) {
  std::vector<std::string> solutions;
  for (const std::string& line : ReadLines("puzzles/tdoku_test_puzzles.solutions.txt"))
    if (line.size() == 81) solutions.push_back(line);
  ASSERT_GE(solutions.size(), 5u);
  std::mt19937 random(7);
  constexpr int kSolveLevels[] = {LevelFacile, LevelMoyen, LevelDifficile, LevelExpert, SolveCandidatesOnly};
  int solvedAt[SolveCandidatesOnly + 1] = {};
  for (int round = 0; round < 40; ++round) {
    const std::string& solution = solutions[round % 5];
    TGrille g;
    bool solved[SolveCandidatesOnly + 1] = {};
    for (int placed = 0; placed < 40;) {
      const int i = static_cast<int>(random() % 81);
      if (g.Digits[i] != 0) continue;
      g.PlaceDigit(i / 9 + 1, i % 9 + 1, solution[i] - '0');
      if (++placed < 20) continue;
      for (const int level : kSolveLevels) {
        const bool now = g.IsSolvedByLogic(level);
        EXPECT_TRUE(now || !solved[level]) << DigitsText(g.Digits) << " level " << level;
        solvedAt[level] += now && !solved[level];
        solved[level] = now;
      }
    }
  }
  for (const int level : kSolveLevels) EXPECT_GT(solvedAt[level], 5) << level;
}

TEST(Generate, TheSameSeedGivesTheSamePuzzle) {
  for (int level = 1; level <= 4; ++level) {
    GenerateOptions options;
    options.Seed = 42;
    TGrille a, b, c;
    a.Generate(level, options);
    b.Generate(level, options);
    options.Seed = 43;
    c.Generate(level, options);
    EXPECT_EQ(a.SaveToText(false, level, 0, 0), b.SaveToText(false, level, 0, 0)) << level;
    EXPECT_NE(a.SaveToText(false, level, 0, 0), c.SaveToText(false, level, 0, 0)) << level;
  }
}

TEST(Generate, AStopRequestEndsItAtTheNextRemovalAttempt) {
  int polls = 0;
  GenerateOptions options;
  options.StopRequested = [&] {
    ++polls;
    return true;
  };
  int stopped = 0;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    options.Seed = seed;
    polls = 0;
    TGrille g;
    GenerateReport report;
    const bool result = g.Generate(4, options, &report);
    // Either the very first attempt made an Expert puzzle, or the first poll stopped it.
    if (!result) {
      ++stopped;
      EXPECT_EQ(polls, 1);
      EXPECT_EQ(report.RemovalAttempts, 1);
    } else {
      EXPECT_EQ(polls, 0);
    }
  }
  EXPECT_GT(stopped, 15);
}

TEST(Generate, AfterTenSecondsAFallbackOneLevelEasierIsAccepted) {
  // A clock that has already run for a minute after its first reading.
  for (int level : {3, 4}) {
    int fallbacks = 0;
    for (std::uint64_t seed = 1; seed <= 40 && fallbacks < 3; ++seed) {
      std::int64_t reads = 0;
      GenerateOptions options;
      options.Seed = seed;
      options.NowMs = [&] { return reads++ == 0 ? std::int64_t(0) : std::int64_t(60000); };
      TGrille g;
      GenerateReport report;
      ASSERT_TRUE(g.Generate(level, options, &report));
      if (!report.FallbackTaken) continue;
      ++fallbacks;
      EXPECT_EQ(g.RateLevel(), level - 1) << GivensOf(g);
      EXPECT_FALSE(g.IsSolvedByLogic(level - 2)) << GivensOf(g);
    }
    EXPECT_GT(fallbacks, 0) << "level " << level;
  }
}

TEST(Generate, NoFallbackWhileTheClockStandsStill) {
  GenerateOptions options;
  options.NowMs = [] { return std::int64_t(0); };
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    options.Seed = seed;
    TGrille g;
    GenerateReport report;
    ASSERT_TRUE(g.Generate(4, options, &report));
    EXPECT_FALSE(report.FallbackTaken);
    EXPECT_EQ(g.RateLevel(), 4);
  }
}

}  // namespace
