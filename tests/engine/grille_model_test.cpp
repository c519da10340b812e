// SPDX-License-Identifier: GPL-3.0-or-later
// The grid model: placement, candidates, error marks, hint cells, text form.
#include <gtest/gtest.h>

#include "engine_test_util.h"

using namespace testutil;

namespace {

std::uint16_t Bit(int d) { return static_cast<std::uint16_t>(1u << (d - 1)); }

TEST(CellWord, StoresDigitAndItsBit) {
  EXPECT_EQ(DigitWord(1), (1 << 9) | 1);
  EXPECT_EQ(DigitWord(9), (9 << 9) | 256);
  EXPECT_EQ(DigitWord(0), 0);
  EXPECT_EQ(WordDigit(DigitWord(7)), 7);
  EXPECT_EQ(CountBits(511), 9);
  EXPECT_EQ(CountBits(0), 0);
  EXPECT_EQ(CountBits(0x8001), 2);
}

TEST(Create, GivesAnEmptyGridWithAllCandidates) {
  TGrille g;
  EXPECT_EQ(g.CountEmpty(), 81);
  for (int i = 0; i < 81; ++i) {
    EXPECT_EQ(g.Candidates[i], 511);
    EXPECT_EQ(g.Givens[i], 0);
  }
  EXPECT_FALSE(g.NeedsGuess);
  EXPECT_EQ(g.HintRow, 0);
}

TEST(SetDigit, PlacementRemovesTheDigitFromItsPeersOnly) {
  TGrille g;
  g.PlaceDigit(5, 5, 3);
  EXPECT_EQ(g.GetDigit(5, 5), 3);
  EXPECT_EQ(g.GetCandidates(5, 5), 0);
  for (int k = 1; k <= 9; ++k) {
    if (k != 5) {
      EXPECT_FALSE(g.GetCandidates(5, k) & Bit(3)) << "row, column " << k;
      EXPECT_FALSE(g.GetCandidates(k, 5) & Bit(3)) << "column, row " << k;
    }
  }
  EXPECT_FALSE(g.GetCandidates(4, 6) & Bit(3));  // same block
  EXPECT_EQ(g.GetCandidates(1, 1), 511);         // unrelated cell
  EXPECT_EQ(g.GetCandidates(4, 7), 511);
  EXPECT_FALSE(g.Contradiction);
}

TEST(SetDigit, ErasingRestoresThePeersCandidates) {
  TGrille g;
  g.PlaceDigit(1, 1, 4);
  g.PlaceDigit(9, 9, 4);
  g.PlaceDigit(1, 1, 0);
  EXPECT_EQ(g.GetDigit(1, 1), 0);
  EXPECT_EQ(g.GetCandidates(1, 2), 511);
  EXPECT_EQ(g.GetCandidates(2, 2), 511);
  // The cell itself gets the digits absent from its peers; 4 still stands in
  // row 9 and column 9 but not in row 1, column 1 or block 1.
  EXPECT_EQ(g.GetCandidates(1, 1), 511);
  EXPECT_FALSE(g.GetCandidates(1, 9) & Bit(4));
  EXPECT_TRUE(CandidatesAgreeWithDigits(g));
}

TEST(SetDigit, OverwriteActsAsEraseThenPlace) {
  TGrille g;
  g.PlaceDigit(2, 2, 5);
  g.PlaceDigit(2, 2, 7);
  EXPECT_EQ(g.GetDigit(2, 2), 7);
  EXPECT_TRUE(g.GetCandidates(2, 5) & Bit(5));
  EXPECT_FALSE(g.GetCandidates(2, 5) & Bit(7));
  EXPECT_FALSE(g.Contradiction);
  EXPECT_TRUE(CandidatesAgreeWithDigits(g));
}

TEST(SetDigit, SameDigitOrEraseOfEmptyChangesNothing) {
  TGrille g;
  g.PlaceDigit(3, 3, 6);
  g.SetCandidates(1, 1, 7);  // a narrowed set that a rebuild would undo
  g.PlaceDigit(3, 3, 6);
  g.PlaceDigit(4, 4, 0);
  EXPECT_EQ(g.GetCandidates(1, 1), 7);
  EXPECT_FALSE(g.Contradiction);
}

TEST(SetDigit, RefusedDigitLeavesTheGridExactlyAsBefore) {
  TGrille g;
  g.PlaceDigit(1, 9, 5);
  g.PlaceDigit(1, 1, 2);
  const TGrille before = g;
  g.PlaceDigit(1, 1, 5);  // 5 already stands in row 1
  EXPECT_TRUE(g.Contradiction);
  EXPECT_EQ(g.Digits, before.Digits);
  EXPECT_EQ(g.Candidates, before.Candidates);

  TGrille h;
  h.PlaceDigit(1, 9, 5);
  h.PlaceDigit(1, 1, 5);  // into an empty cell
  EXPECT_TRUE(h.Contradiction);
  EXPECT_EQ(h.GetDigit(1, 1), 0);
}

TEST(SetDigit, ForcedDigitBreakingARuleIsPlaced) {
  TGrille g;
  g.PlaceDigit(1, 9, 5);
  g.SetDigit(1, 1, 5, true);
  EXPECT_TRUE(g.Contradiction);
  EXPECT_EQ(g.GetDigit(1, 1), 5);
  EXPECT_EQ(g.GetCandidates(1, 1), 0);
}

TEST(SetDigit, OutOfRangeArgumentsAreIgnored) {
  TGrille g;
  g.SetDigit(0, 1, 1, true);
  g.SetDigit(1, 10, 1, true);
  g.SetDigit(1, 1, 10, true);
  g.SetDigit(1, 1, -1, true);
  EXPECT_EQ(g.CountEmpty(), 81);
}

TEST(ComputeCandidates, RebuildsFromTheDigitsAlone) {
  TGrille g;
  g.LoadFromText(SolvedWithout({{1, 1}, {1, 2}, {2, 1}}), "");
  g.SetCandidates(1, 1, 0);
  g.ComputeCandidates();
  // Row 1 lacks 5 and 3, column 1 lacks 5 and 6, column 2 lacks 3, row 2 lacks 6.
  EXPECT_EQ(g.GetCandidates(1, 1), Bit(5));
  EXPECT_EQ(g.GetCandidates(1, 2), Bit(3));
  EXPECT_EQ(g.GetCandidates(2, 1), Bit(6));
  EXPECT_EQ(g.GetCandidates(5, 5), 0);
}

TEST(EnterDigit, NoteModeTogglesAndClearsMarksOnly) {
  TGrille g;
  g.EnterDigit(1, 1, 3, false, true);
  EXPECT_EQ(g.GetNotes(1, 1), Bit(3));
  g.EnterDigit(1, 1, 5, false, true);
  g.EnterDigit(1, 1, 3, false, true);
  EXPECT_EQ(g.GetNotes(1, 1), Bit(5));
  g.EnterDigit(1, 1, 0, false, true);
  EXPECT_EQ(g.GetNotes(1, 1), 0);
  EXPECT_EQ(g.GetDigit(1, 1), 0);
  EXPECT_EQ(g.CountEmpty(), 81);
}

TEST(EnterDigit, RuleBreakingPlayerDigitIsPlacedAndMarkedWithTheDigit) {
  TGrille g;
  g.PlaceDigit(1, 9, 5);
  g.EnterDigit(1, 1, 5, false, false);
  int kind = -1;
  EXPECT_EQ(g.GetCellState(1, 1, kind), 5);
  EXPECT_EQ(kind, 2);
  EXPECT_EQ(g.Marks[Cell(1, 1)], 5);
  EXPECT_FALSE(g.Contradiction);
}

// The solved grid with row 1 and column 1 emptied: logic finds its unique
// solution, and 3 is legal but wrong at (1,1).
std::string WithoutRowAndColumnOne() {
  std::string text = kSolved;
  for (int k = 1; k <= 9; ++k) text[Cell(1, k)] = text[Cell(k, 1)] = '0';
  return text;
}

TEST(EnterDigit, LegalDigitThatDiffersFromTheSolutionIsMarkedWith16) {
  TGrille g;
  g.LoadFromText(WithoutRowAndColumnOne(), "");
  ASSERT_EQ(WordDigit(g.Solution[Cell(1, 1)]), 5);
  g.EnterDigit(1, 1, 3, false, false);
  int kind = -1;
  g.GetCellState(1, 1, kind);
  EXPECT_EQ(kind, 3);
  EXPECT_EQ(g.Marks[Cell(1, 1)], 3 | 16);
  EXPECT_EQ(g.CountErrors(), 1);
  // The right digit clears the mark.
  g.EnterDigit(1, 1, 5, false, false);
  EXPECT_EQ(g.Marks[Cell(1, 1)], 0);
  EXPECT_EQ(g.CountErrors(), 0);
  // Erasing clears it too.
  g.EnterDigit(1, 1, 3, false, false);
  g.EnterDigit(1, 1, 0, false, false);
  EXPECT_EQ(g.Marks[Cell(1, 1)], 0);
}

TEST(EnterDigit, NoMarkWhereTheSolutionIsUnknown) {
  TGrille g;  // no solution: a blank grid
  g.EnterDigit(4, 4, 8, false, false);
  EXPECT_EQ(g.Marks[Cell(4, 4)], 0);
  int kind = -1;
  g.GetCellState(4, 4, kind);
  EXPECT_EQ(kind, 0);
}

TEST(EnterDigit, GivenThatConflictsIsRefusedAndReported) {
  TGrille g;
  g.EnterDigit(1, 1, 4, true, false);
  EXPECT_EQ(g.Givens[Cell(1, 1)], 4);
  EXPECT_FALSE(g.Contradiction);
  g.EnterDigit(1, 5, 4, true, false);
  EXPECT_TRUE(g.Contradiction);
  EXPECT_EQ(g.Givens[Cell(1, 5)], 0);
  EXPECT_EQ(g.GetDigit(1, 5), 0);
  g.EnterDigit(1, 1, 0, true, false);  // erasing a typed given
  EXPECT_EQ(g.Givens[Cell(1, 1)], 0);
  EXPECT_EQ(g.GetDigit(1, 1), 0);
}

TEST(CountErrors, UsesTheSolutionWhereKnownAndMarksElsewhere) {
  TGrille g;
  g.LoadFromText(SolvedWithout({{1, 1}, {1, 2}, {2, 1}, {2, 2}}), "");
  g.EnterDigit(1, 1, 3, false, false);  // wrong
  g.EnterDigit(2, 2, 7, false, false);  // right
  EXPECT_EQ(g.CountErrors(), 1);
  g.Solution[Cell(1, 1)] = 0;  // solution unknown there: the mark counts
  EXPECT_EQ(g.CountErrors(), 1);
  g.Marks[Cell(1, 1)] = 0;
  EXPECT_EQ(g.CountErrors(), 0);
}

TEST(RecordHintCell, ConfirmsARightMarkedDigitAndRecordsOtherCells) {
  TGrille g;
  g.PlaceDigit(1, 1, 5);
  EXPECT_FALSE(g.RecordHintCell(1, 1));  // not a hint search

  // Rows 2 and 7 lack one digit each, where the player's marked digits stand:
  // the right one in row 2 is confirmed, the wrong 9 in row 7 gives the hint.
  TGrille h;
  h.LoadFromText(SolvedWithout({{2, 3}, {7, 4}}), "");
  const int right = SolvedDigit(2, 3), wrong = SolvedDigit(7, 4) == 9 ? 8 : 9;
  h.SetDigit(2, 3, right, true);
  h.Marks[Cell(2, 3)] = static_cast<std::uint8_t>(right);  // broke a rule when entered, but right
  h.SetDigit(7, 4, wrong, true);
  h.Marks[Cell(7, 4)] = static_cast<std::uint8_t>(wrong | MarkDiffersFromSolution);
  const std::optional<HintStep> hint = h.FindHint();
  ASSERT_TRUE(hint);
  EXPECT_EQ(hint->Row, 7);
  EXPECT_EQ(hint->Col, 4);
  EXPECT_EQ(hint->Replaced, wrong);
  EXPECT_EQ(h.Marks[Cell(2, 3)], 0);
  EXPECT_EQ(h.Marks[Cell(7, 4)], 0);
}

TEST(RecordHintCell, NeverAcceptsWhileAContradictionStands) {
  // An unmarked wrong digit in row 1 makes the completion of the row refused:
  // the search stops without a hint.
  TGrille g;
  g.LoadFromText(SolvedWithout({{1, 1}, {1, 2}}), "");
  g.SetDigit(1, 2, SolvedDigit(1, 1), true);
  g.Marks[Cell(1, 2)] = 0;
  EXPECT_FALSE(g.FindHint());
  EXPECT_EQ(g.HintRow, 0);
}

TEST(ShowFirstSolution, FillsOnlyEmptyCellsWithAKnownDigit) {
  TGrille g;
  g.FirstSolution[Cell(1, 1)] = DigitWord(5);
  g.FirstSolution[Cell(1, 2)] = DigitWord(3);
  g.PlaceDigit(1, 2, 8);
  g.ShowFirstSolution();
  EXPECT_EQ(g.GetDigit(1, 1), 5);
  EXPECT_EQ(g.GetDigit(1, 2), 8);
  EXPECT_EQ(g.CountEmpty(), 79);
}

TEST(TextForm, SaveWithoutDigitsWritesTwoBarsInARow) {
  TGrille g;
  g.LoadFromText(SolvedWithout({{1, 1}, {9, 9}}), "");
  const std::string givens = SolvedWithout({{1, 1}, {9, 9}});
  EXPECT_EQ(g.SaveToText(false, 2, 75, 1), givens + "||2|75|1");
  g.EnterDigit(1, 1, 5, false, false);
  std::string digits = givens;
  digits[0] = '5';
  EXPECT_EQ(g.SaveToText(true, 20, 3600, 12), givens + "|" + digits + "|20|3600|12");
}

TEST(TextForm, LoadWithDigitsRestoresGivensPlayerDigitsAndMarks) {
  const std::string givens = WithoutRowAndColumnOne();
  std::string digits = givens;
  digits[Cell(1, 1)] = '3';  // legal but wrong
  digits[Cell(2, 1)] = '6';  // right
  TGrille g;
  g.LoadFromText(givens, digits);
  EXPECT_EQ(g.GetDigit(1, 1), 3);
  EXPECT_EQ(g.GetDigit(2, 1), 6);
  EXPECT_EQ(g.Givens[Cell(1, 1)], 0);
  EXPECT_EQ(g.Givens[Cell(3, 3)], 8);
  int kind = -1;
  g.GetCellState(1, 1, kind);
  EXPECT_EQ(kind, 3);
  g.GetCellState(2, 1, kind);
  EXPECT_EQ(kind, 0);
  g.GetCellState(3, 3, kind);
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(DigitsText(g.Solution), kSolved);
  EXPECT_EQ(g.SaveToText(true, 1, 0, 0), givens + "|" + digits + "|1|0|0");
}

TEST(TextForm, LoadWithoutDigitsGivesTheStartingPositionAndTheSolution) {
  TGrille g;
  g.LoadFromText(SolvedWithout({{5, 5}, {1, 1}}), "");
  EXPECT_EQ(g.CountEmpty(), 2);
  EXPECT_EQ(DigitsText(g.Solution), kSolved);
  g.EnterDigit(5, 5, 1, false, false);
  g.Clear(false);  // back to the givens
  EXPECT_EQ(g.CountEmpty(), 2);
  EXPECT_EQ(g.GetDigit(5, 5), 0);
  EXPECT_EQ(g.Marks[Cell(5, 5)], 0);
}

TEST(TextForm, OddTextsNeverReadOutOfBounds) {
  // Short texts read their missing cells as empty; other characters are empty.
  TGrille g;
  g.LoadFromText("53..7", "");
  EXPECT_EQ(g.GetDigit(1, 1), 5);
  EXPECT_EQ(g.GetDigit(1, 2), 3);
  EXPECT_EQ(g.GetDigit(1, 5), 7);
  EXPECT_EQ(g.CountEmpty(), 78);

  g.LoadFromText(std::string(10000, 'x'), std::string(3, '\xff'));
  EXPECT_EQ(g.CountEmpty(), 81);

  const std::string accented = "\xc3\xa9\xc3\xa9" + std::string(77, '1');
  g.LoadFromText(accented, "");  // a UTF-8 "é" is two characters, both empty
  EXPECT_EQ(g.GetDigit(1, 1), 0);
  EXPECT_EQ(g.GetDigit(1, 5), 1);

  // Givens that break the rules: the second 1 of row 1 is refused, as when it
  // is typed, and its cell is a free one.
  g.LoadFromText("11", "");
  EXPECT_EQ(g.GetDigit(1, 1), 1);
  EXPECT_EQ(g.GetDigit(1, 2), 0);
  EXPECT_EQ(g.Givens[Cell(1, 1)], 1);
  EXPECT_EQ(g.Givens[Cell(1, 2)], 0);
}

// Found by fuzzing: a file whose givens break the rules gave empty cells that
// counted as givens, and the hint search then placed its digit on one of them.
TEST(TextForm, AHintNeverLandsOnAGivenOfAFileWhoseGivensBreakTheRules) {
  TGrille g;
  g.LoadFromText(std::string(81, '1'), "");
  for (int i = 0; i < 81; ++i) {
    if (g.Givens[i] != 0) {
      EXPECT_EQ(WordDigit(g.Digits[i]), g.Givens[i]) << "cell " << i;
    }
  }
  const std::optional<HintStep> hint = g.FindHint();
  ASSERT_TRUE(hint.has_value());
  EXPECT_EQ(g.Givens[Cell(hint->Row, hint->Col)], 0);
}

// Found by the monkey: a grid loaded while a puzzle was typed in had a wrong
// digit of the player's, marked; a given typed over it kept the mark, and the
// next hint search took the given out with the marked digits and put the
// wrong digit back in its place.
TEST(EnterDigit, AGivenTypedOverAMarkedDigitLosesTheMarkAndKeepsItsPlace) {
  std::string givens = kSolved;
  givens[Cell(1, 2)] = givens[Cell(2, 1)] = givens[Cell(9, 9)] = '0';
  std::string digits = givens;
  digits[Cell(1, 2)] = '4';  // the 3's place; row 1 holds a 4 already
  TGrille g;
  g.LoadFromText(givens, digits);
  ASSERT_NE(g.Marks[Cell(1, 2)], 0);
  g.EnterDigit(1, 2, 3, /*AsGiven=*/true, false);
  EXPECT_EQ(g.Marks[Cell(1, 2)], 0);
  const std::optional<HintStep> hint = g.FindHint();
  ASSERT_TRUE(hint.has_value());
  EXPECT_FALSE(hint->Row == 1 && hint->Col == 2);
  EXPECT_EQ(g.GetDigit(1, 2), 3);
  EXPECT_EQ(g.Givens[Cell(1, 2)], 3);
}

TEST(TextForm, AShortOrDamagedDigitsTextNeverTakesOrChangesAGiven) {
  const std::string givens = Givens({{1, 1, 5}, {5, 5, 3}});
  // "6": the first cell claims another legal digit, and the text, cut short,
  // reads as 0 from the second cell on.
  TGrille g;
  g.LoadFromText(givens, "6");
  EXPECT_EQ(g.GetDigit(1, 1), 5);
  EXPECT_EQ(g.GetDigit(5, 5), 3);
  EXPECT_EQ(g.Givens[Cell(1, 1)], 5);
  EXPECT_EQ(g.Givens[Cell(5, 5)], 3);
  EXPECT_EQ(g.CountEmpty(), 79);
}

TEST(TextForm, DigitsThatContradictTheGivensLeaveTheGivensInPlace) {
  const std::string givens = SolvedWithout({{1, 1}});
  std::string digits(81, '9');  // every cell claims a 9
  TGrille g;
  g.LoadFromText(givens, digits);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (r != 1 || c != 1) {
        EXPECT_EQ(g.GetDigit(r, c), SolvedDigit(r, c));
      }
  EXPECT_EQ(g.GetDigit(1, 1), 9);  // a player digit that breaks a rule
  int kind = -1;
  g.GetCellState(1, 1, kind);
  EXPECT_EQ(kind, 2);
}

}  // namespace

namespace {

TEST(EnterDigit, AFlagLeftByAnEarlierSolveDoesNotMarkALegalDigit) {
  TGrille g;
  g.LoadFromText(WithoutRowAndColumnOne(), "");
  g.Contradiction = true;  // as a failed solve leaves it
  g.EnterDigit(1, 1, 5, false, false);
  int kind = -1;
  g.GetCellState(1, 1, kind);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(g.Marks[Cell(1, 1)], 0);
}

TEST(TextForm, AnEmptyGivensTextLeavesNoGivensOfThePreviousPuzzle) {
  TGrille g;
  g.LoadFromText(kSolved, "");
  g.LoadFromText("", "");
  g.Clear(false);
  EXPECT_EQ(g.CountEmpty(), 81);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(g.Givens[i], 0);
}

}  // namespace
