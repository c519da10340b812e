// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced hints: each technique's sentence on a position that needs it,
// soundness on a sample of puzzles, the options that allow them, and the cells
// every hint speaks of.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "advanced.h"
#include "advancedhint.h"
#include "engine_test_util.h"
#include "hintwriter.h"

using namespace testutil;

namespace {

struct SentenceCase {
  std::string technique, givens, digits;
  int row, col, digit;
  std::string text;
};

// tests/data/puzzles/advanced_hints.txt: technique, givens|digits, "row col digit", sentence.
std::vector<SentenceCase> SentenceCases() {
  std::vector<SentenceCase> cases;
  for (const std::string& line : ReadLines("puzzles/advanced_hints.txt")) {
    std::istringstream in(line);
    SentenceCase c;
    std::string position, cell;
    std::getline(in, c.technique, '\t');
    std::getline(in, position, '\t');
    std::getline(in, cell, '\t');
    std::getline(in, c.text);
    c.givens = position.substr(0, 81);
    c.digits = position.substr(82, 81);
    std::istringstream(cell) >> c.row >> c.col >> c.digit;
    cases.push_back(c);
  }
  return cases;
}

TEST(AdvancedHints, EachTechniqueExplainsItsStep) {
  const std::vector<SentenceCase> cases = SentenceCases();
  ASSERT_EQ(cases.size(), 18u);
  for (const SentenceCase& c : cases) {
    SCOPED_TRACE(c.technique + ": " + c.givens);
    TGrille grid;
    grid.LoadFromText(c.givens, c.digits);
    // The levels' techniques are stuck here: without the option, the guess.
    TGrille plain = grid;
    const std::optional<HintStep> guess = plain.FindHint();
    ASSERT_TRUE(guess);
    EXPECT_TRUE(guess->Guess);

    const TGrille before = grid;
    const std::optional<HintStep> hint = grid.FindHint({true, advanced::HasOneSolution(grid)});
    ASSERT_TRUE(hint);
    EXPECT_FALSE(hint->Guess);
    EXPECT_EQ(hint->Row, c.row);
    EXPECT_EQ(hint->Col, c.col);
    EXPECT_EQ(hint->Digit, c.digit);
    EXPECT_EQ(hint->Text, c.text);
    EXPECT_EQ(grid.HintText, c.text);
    // The technique's step comes last before the placement, after the steps
    // that lead to it from the candidates shown; each step shows alone.
    ASSERT_GE(hint->Steps.size(), 2u);
    EXPECT_EQ(TechniqueName(hint->Steps.end()[-2].Kind), c.technique);
    EXPECT_TRUE(hint->Steps.back().Concludes);
    EXPECT_TRUE(advanced::StepsLeadToPlacement(before.Digits, hint->Steps));
    std::size_t removed = 0;
    for (const ReasoningStep& step : hint->Steps) {
      EXPECT_FALSE(step.Text.empty());
      EXPECT_NE(hint->Text.find(step.Text.substr(1)), std::string::npos);
      removed += step.Removals.size();
    }
    EXPECT_EQ(hint->Focus.Removed.size(), removed);
  }
}

// Every removal of a step keeps the solution's digit.
void ExpectSound(const ReasoningStep& step, const WordArray& solution) {
  for (const auto& [cell, digits] : step.Removals)
    EXPECT_EQ(digits & solution[cell] & AllDigits, 0) << TechniqueName(step.Kind) << " at cell " << cell;
}

TEST(AdvancedHints, EveryRemovalAndEveryHintKeepTheSolution) {
  int rated20 = 0, finished = 0;
  for (const std::string& puzzle : ReadLines("puzzles/sudoku_exchange_diabolical.head25.txt")) {
    SCOPED_TRACE(puzzle);
    TGrille grid;
    grid.LoadFromText(puzzle, "");
    if (grid.RateLevel() != (LevelExpert | RatingGuess)) continue;
    ++rated20;
    const WordArray solution = grid.FirstSolution;
    for (int n = 0; n < 81; ++n) {
      // Every technique on the position as the levels' techniques leave it.
      TGrille stuck = grid;
      stuck.Solve(SolveCandidatesOnly);
      for (const advanced::TechniqueFinder& finder : advanced::Finders())
        if (const auto step = finder.Find(stuck.Candidates)) ExpectSound(*step, solution);

      const std::optional<HintStep> hint = grid.FindHint({true, true});
      if (!hint || hint->Guess) break;
      EXPECT_EQ(hint->Digit, WordDigit(solution[Cell(hint->Row, hint->Col)]));
      for (const ReasoningStep& step : hint->Steps) ExpectSound(step, solution);
    }
    if (grid.CountEmpty() == 0) ++finished;
  }
  EXPECT_EQ(rated20, 25);
  EXPECT_GE(finished, 21);  // the collection's reach is about nine in ten
}

bool IsForcing(Technique t) { return t >= Technique::CellForcingChain; }

// The forcing chains on top95, alone on each position the
// levels' techniques leave and within the hints: every removal keeps the
// solution's digit.
TEST(AdvancedHints, ForcingChainsKeepTheSolution) {
  const std::vector<std::string> puzzles = ReadLines("puzzles/top95.txt");
  int forcingSteps = 0;
  for (std::size_t p = 0; p < puzzles.size(); ++p) {
    SCOPED_TRACE(puzzles[p]);
    TGrille grid;
    grid.LoadFromText(puzzles[p], "");
    TGrille solved = grid;
    solved.SolveGrid();
    const WordArray solution = solved.Digits;
    ASSERT_EQ(solved.CountEmpty(), 0);
    for (int n = 0; n < 81; ++n) {
      TGrille stuck = grid;
      stuck.Solve(SolveCandidatesOnly);
      if (const auto step = advanced::FindForcingChain(stuck.Candidates)) ExpectSound(*step, solution);
      const std::optional<HintStep> hint = grid.FindHint({true, true});
      if (!hint || hint->Guess) break;
      EXPECT_EQ(hint->Digit, WordDigit(solution[Cell(hint->Row, hint->Col)]));
      for (const ReasoningStep& step : hint->Steps) {
        ExpectSound(step, solution);
        forcingSteps += IsForcing(step.Kind) ? 1 : 0;
      }
    }
  }
  EXPECT_GE(forcingSteps, 100);  // 156 when written: the check is not vacuous
}

// In English too, a forcing chain says each branch, then what they share or
// the candidate the contradiction takes out.
TEST(AdvancedHints, ForcingChainsInEnglish) {
  int checked = 0;
  for (const SentenceCase& c : SentenceCases()) {
    TGrille grid;
    grid.LoadFromText(c.givens, c.digits);
    const std::optional<HintStep> hint = grid.FindHint({true, advanced::HasOneSolution(grid)});
    ASSERT_TRUE(hint);
    const ReasoningStep& step = hint->Steps.end()[-2];
    if (!IsForcing(step.Kind)) continue;
    ++checked;
    const std::string text = hintwriter::EnglishStep(step);
    const std::string cell =
        "(row " + std::to_string(step.Cells[0] / 9 + 1) + ", column " + std::to_string(step.Cells[0] % 9 + 1) + ")";
    if (step.Kind == Technique::ContradictionChain) {
      EXPECT_EQ(text.rfind("If the cell " + cell + " held " + std::to_string(step.Digit), 0), 0u) << text;
      EXPECT_NE(text.find("So the cell " + cell + " does not hold " + std::to_string(step.Digit)), std::string::npos)
          << text;
    } else {
      EXPECT_EQ(std::count(text.begin(), text.end(), ';') + 1, std::ssize(hintwriter::ForcingBranches(step))) << text;
      EXPECT_NE(text.find(": either way, the cell "), std::string::npos) << text;
    }
  }
  EXPECT_EQ(checked, 3);
}

// What a player can follow: on every advanced hint of the puzzles of the
// tests, the removals of its steps, applied in order to the candidates of the
// digits alone, leave its digit alone in its cell or in the unit it names.
TEST(AdvancedHints, EveryHintFollowsFromTheCandidatesShown) {
  int advancedHints = 0;
  for (const char* file : {"puzzles/top95.txt", "puzzles/forum_hardest_1106.head40.txt",
                           "puzzles/sudoku_exchange_diabolical.head25.txt", "puzzles/tdoku_test_puzzles.txt"})
    for (const std::string& puzzle : ReadLines(file)) {
      TGrille grid;
      grid.LoadFromText(puzzle, "");
      const HintOptions options{true, advanced::HasOneSolution(grid)};
      for (int n = 0; n < 81; ++n) {
        const TGrille before = grid;
        const std::optional<HintStep> hint = grid.FindHint(options);
        if (!hint || hint->Guess) break;
        if (!hint->Steps.back().Concludes) continue;  // a hint of the levels' techniques
        ++advancedHints;
        EXPECT_TRUE(advanced::StepsLeadToPlacement(before.Digits, hint->Steps)) << puzzle << " hint " << n;
      }
    }
  EXPECT_GE(advancedHints, 200);  // 218 when written: the check is not vacuous
}

TEST(AdvancedHints, TheUniqueRectangleOnlyForAPuzzleOfOneSolution) {
  for (const SentenceCase& c : SentenceCases()) {
    if (c.technique != "rectangle unique") continue;
    TGrille grid;
    grid.LoadFromText(c.givens, c.digits);
    const std::optional<HintStep> hint = grid.FindHint({true, false});
    ASSERT_TRUE(hint);
    for (const ReasoningStep& step : hint->Steps) EXPECT_NE(step.Kind, Technique::UniqueRectangle);
    return;
  }
  FAIL() << "no position of a unique rectangle in the table";
}

HintCell At(int row, int col) { return {row, col, 0}; }
HintUnit Row(int n) { return {UnitKind::Row, n}; }
HintUnit Block(int n) { return {UnitKind::Block, n}; }

TEST(HintFocus, BasicHintsNameTheirUnitAndTheCellsThatRuleOut) {
  struct Case {
    const char* name;
    std::string givens;
    std::vector<HintUnit> units;
    std::vector<HintCell> cells;
  };
  const std::vector<Case> cases = {
      {"line completion", SolvedWithout({{4, 2}}), {Row(4)}, {}},
      // The 5s of the band's other blocks, then those of columns 7 and 8.
      {"cross-hatching",
       Givens({{1, 1, 5}, {2, 4, 5}, {5, 7, 5}, {7, 8, 5}}),
       {Block(3), Row(3)},
       {At(1, 1), At(2, 4), At(5, 7), At(7, 8)}},
      // Digit search in the top left block: the 1s of row 2 and column 2.
      {"digit search in a block",
       Givens({{1, 3, 2}, {3, 1, 3}, {3, 3, 4}, {2, 5, 1}, {5, 2, 1}}),
       {Block(1)},
       {At(5, 2), At(2, 5)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGrille grid;
    grid.LoadFromText(c.givens, "");
    const std::optional<HintStep> hint = grid.FindHint();
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->Focus.Units, c.units);
    EXPECT_EQ(hint->Focus.Cells, c.cells);
    // One step, the placement, shows the same alone.
    ASSERT_EQ(hint->Steps.size(), 1u);
    EXPECT_EQ(hint->Steps[0].Placed, Cell(hint->Row, hint->Col));
    EXPECT_EQ(hint->Steps[0].Text, hint->Text);
  }
}

}  // namespace
