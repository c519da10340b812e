// SPDX-License-Identifier: GPL-3.0-or-later
// Basic techniques: line and block completion, the missing-digit searches,
// cross-hatching, and the passes that run them.
#include <gtest/gtest.h>

#include "engine_test_util.h"

using namespace testutil;

namespace {

TGrille Load(const std::string& givens) {
  TGrille g;
  g.LoadFromText(givens, "");
  return g;
}

TEST(LineCompletion, ARowWithOneGapIsCompletedWhateverTheSearchSetting) {
  for (basic::SearchReach reach : {basic::CompletionOnly, basic::ReachAny}) {
    TGrille g = Load(SolvedWithout({{4, 2}, {7, 2}, {7, 5}}));
    EXPECT_TRUE(g.SearchLine({UnitKind::Row, 4}, reach));
    EXPECT_EQ(g.GetDigit(4, 2), 5);
    EXPECT_FALSE(g.SearchLine({UnitKind::Row, 7}, basic::CompletionOnly));  // two gaps, no search
  }
}

TEST(LineCompletion, UsesTheFirstMissingDigitWhenADigitStandsTwice) {
  TGrille g;
  const int row[9] = {1, 1, 0, 4, 5, 6, 7, 8, 9};
  for (int c = 1; c <= 9; ++c)
    if (row[c - 1]) g.SetDigit(1, c, row[c - 1], true);
  g.Contradiction = false;
  EXPECT_TRUE(g.SearchLine({UnitKind::Row, 1}, basic::CompletionOnly));
  EXPECT_EQ(g.GetDigit(1, 3), 2);  // 2 and 3 are missing; the first is placed
}

TEST(LineSearch, FiveGapsAreSearchedSixAreNot) {
  // Row 1 lacks 1 to 5; column 1 holds 2, 3, 4 and 5, so (1,1) can only be 1.
  const std::string five =
      Givens({{1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {4, 1, 2}, {5, 1, 3}, {6, 1, 4}, {7, 1, 5}});
  TGrille g = Load(five);
  EXPECT_FALSE(g.SearchLine({UnitKind::Row, 1}, basic::CompletionOnly));
  EXPECT_TRUE(g.SearchLine({UnitKind::Row, 1}, basic::ReachAny));
  EXPECT_EQ(g.GetDigit(1, 1), 1);

  std::string six = five;
  six[Cell(1, 6)] = '0';
  TGrille h = Load(six);
  EXPECT_FALSE(h.SearchLine({UnitKind::Row, 1}, basic::ReachAny));
  EXPECT_EQ(h.CountEmpty(), 81 - 7);
}

TEST(LineSearch, SearchedFromLevelTwoOnly) {
  const std::string five =
      Givens({{1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {4, 1, 2}, {5, 1, 3}, {6, 1, 4}, {7, 1, 5}});
  TGrille level1 = Load(five);
  level1.Solve(1);
  EXPECT_EQ(level1.GetDigit(1, 1), 0);
  for (int level : {2, 3, 4}) {
    TGrille g = Load(five);
    g.Solve(level);
    EXPECT_EQ(g.GetDigit(1, 1), 1) << "level " << level;
  }
}

TEST(LineSearch, LooksOnlyAtTheCrossLine) {
  // Row 1 lacks only 3 and 7; column 1 holds a 3, so (1,1) receives 7 even
  // though block 1 also holds a 7: the block is not consulted, and the refused
  // placement still counts as progress.
  const std::string givens =
      Givens({{1, 3, 1}, {1, 4, 2}, {1, 5, 4}, {1, 6, 5}, {1, 7, 6}, {1, 8, 8}, {1, 9, 9}, {5, 1, 3}});
  TGrille g = Load(givens);
  EXPECT_TRUE(g.SearchLine({UnitKind::Row, 1}, basic::ReachAny));
  EXPECT_EQ(g.GetDigit(1, 1), 7);
  EXPECT_EQ(g.GetDigit(1, 2), 3);

  std::string blocked = givens;
  blocked[Cell(2, 2)] = '7';
  TGrille h = Load(blocked);
  h.Contradiction = false;
  EXPECT_TRUE(h.SearchLine({UnitKind::Row, 1}, basic::ReachAny));
  EXPECT_TRUE(h.Contradiction);
  EXPECT_EQ(h.GetDigit(1, 1), 0);
}

TEST(LineSearch, DigitSearchFindsTheOnlyPlaceOfADigit) {
  // Row 1 lacks 1, 2, 3; columns 1 and 2 hold a 1, so 1 goes to column 3 while
  // no cell has a single digit.
  TGrille g = Load(Givens({{1, 4, 4}, {1, 5, 5}, {1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {5, 1, 1}, {8, 2, 1}}));
  EXPECT_TRUE(g.SearchLine({UnitKind::Row, 1}, basic::ReachAny));
  EXPECT_EQ(g.GetDigit(1, 3), 1);
}

TEST(LineSearchFinder, GivesOnePlacementAtATimeAndLeavesTheGridAlone) {
  // Row 1 lacks 1, 2, 3; columns 1 and 2 hold a 1: only the digit search
  // finds something, the 1 at (1,3). The search then goes on with its own
  // lists (2 and 3 for (1,1) and (1,2)), which settle nothing.
  TGrille g = Load(Givens({{1, 4, 4}, {1, 5, 5}, {1, 6, 6}, {1, 7, 7}, {1, 8, 8}, {1, 9, 9}, {5, 1, 1}, {8, 2, 1}}));
  basic::LineSearch search(g.Units(), {UnitKind::Row, 1}, basic::LineSearchMost);
  const auto found = search.Next(g.Units());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Kind, Technique::LineDigitSearch);
  EXPECT_EQ(found->Cell, Cell(1, 3));
  EXPECT_EQ(found->Digit, 1);
  EXPECT_EQ(found->EmptyCells, 3);
  EXPECT_EQ(g.GetDigit(1, 3), 0);
  EXPECT_FALSE(search.Next(g.Units()));
}

TEST(CrossHatchFinder, SaysWhetherACrossLineRuledOutAPlace) {
  struct Case {
    std::string givens;
    bool excluded;
  };
  const Case cases[] = {
      {Givens({{1, 1, 5}, {2, 4, 5}, {3, 7, 1}, {3, 8, 2}}), false},
      {Givens({{1, 1, 5}, {2, 4, 5}, {5, 7, 5}, {7, 8, 5}}), true},
  };
  for (const Case& c : cases) {
    TGrille g = Load(c.givens);
    basic::CrossHatchSearch search(g.Units(), 1, UnitKind::Row);
    const auto found = search.Next(g.Units());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Cell, Cell(3, 9));
    EXPECT_EQ(found->Digit, 5);
    EXPECT_EQ(found->Excluded, c.excluded);
    EXPECT_FALSE(search.Next(g.Units()));
  }
}

TEST(BlockSearch, FiveGapsAreSearchedWithLimitNineNotFour) {
  // Block 1 lacks 1 to 5 in five cells; row 1 holds 2 and 3, column 1 holds 4
  // and 5, so (1,1) can only be 1.
  const std::string givens =
      Givens({{2, 2, 6}, {2, 3, 7}, {3, 2, 8}, {3, 3, 9}, {1, 4, 2}, {1, 7, 3}, {4, 1, 4}, {7, 1, 5}});
  TGrille g = Load(givens);
  EXPECT_FALSE(g.SearchBlock(0, basic::CompletionOnly));
  EXPECT_FALSE(g.SearchBlock(0, basic::ReachMoyen));
  EXPECT_EQ(g.GetDigit(1, 1), 0);
  EXPECT_TRUE(g.SearchBlock(0, basic::ReachAny));
  EXPECT_EQ(g.GetDigit(1, 1), 1);

  // Through the solve levels: level 2 (limit 4) leaves it, level 3 finds it.
  TGrille level2 = Load(givens);
  level2.Solve(2);
  EXPECT_EQ(level2.GetDigit(1, 1), 0);
  TGrille level3 = Load(givens);
  level3.Solve(3);
  EXPECT_EQ(level3.GetDigit(1, 1), 1);
}

TEST(BlockSearch, RepeatedCallsOnAnUnchangedBlockGiveTheSameAnswer) {
  const std::string givens = Givens({{2, 2, 6}, {2, 3, 7}, {3, 2, 8}, {3, 3, 9}, {1, 4, 2}, {1, 7, 3}, {4, 1, 4}});
  TGrille g = Load(givens);
  EXPECT_FALSE(g.SearchBlock(0, basic::ReachAny));  // (1,1) may be 1 or 5
  EXPECT_FALSE(g.SearchBlock(0, basic::ReachAny));
  g.PlaceDigit(7, 1, 5);  // a 5 in column 1 settles it
  EXPECT_TRUE(g.SearchBlock(0, basic::ReachAny));
  EXPECT_EQ(g.GetDigit(1, 1), 1);
}

TEST(BlockCompletion, FillsTheLastCellOfABlock) {
  TGrille g = Load(SolvedWithout({{4, 2}, {4, 4}, {7, 2}, {7, 4}}));
  EXPECT_TRUE(g.SearchBlock(3, basic::CompletionOnly));
  EXPECT_EQ(g.GetDigit(4, 2), 5);
}

TEST(CrossHatch, NeedsTheDigitInExactlyTwoBlocksOfTheBand) {
  // 5 stands in blocks 1 and 2; in block 3 only (3,9) is free for it.
  TGrille g = Load(Givens({{1, 1, 5}, {2, 4, 5}, {3, 7, 1}, {3, 8, 2}}));
  EXPECT_TRUE(g.CrossHatchBand(1, UnitKind::Row));
  EXPECT_EQ(g.GetDigit(3, 9), 5);

  // With 5 in one block only nothing is placed, even with a single free cell.
  TGrille h = Load(Givens({{1, 1, 5}, {3, 7, 1}, {3, 8, 2}, {2, 7, 3}, {2, 8, 4}, {2, 9, 6}, {1, 7, 7}, {1, 8, 8}}));
  EXPECT_FALSE(h.CrossHatchBand(1, UnitKind::Row));
  EXPECT_EQ(h.GetDigit(1, 9), 0);

  // With 5 in all three blocks nothing is left to find.
  TGrille k = Load(Givens({{1, 1, 5}, {2, 4, 5}, {3, 9, 5}}));
  EXPECT_FALSE(k.CrossHatchBand(1, UnitKind::Row));
}

TEST(CrossHatch, ExcludesPositionsWhoseCrossLineHoldsTheDigit) {
  TGrille g = Load(Givens({{1, 1, 5}, {2, 4, 5}, {5, 7, 5}, {7, 8, 5}}));
  EXPECT_TRUE(g.CrossHatchBand(1, UnitKind::Row));
  EXPECT_EQ(g.GetDigit(3, 9), 5);
  // Without the exclusions three positions remain.
  TGrille h = Load(Givens({{1, 1, 5}, {2, 4, 5}}));
  EXPECT_FALSE(h.CrossHatchBand(1, UnitKind::Row));
}

TEST(CrossHatch, OnePlacementPerDigitAndTheNextDigitInTheSameCall) {
  // Both 5 and 6 stand in two blocks of the top band.
  TGrille h = Load(Givens({{1, 1, 5}, {2, 4, 5}, {3, 7, 1}, {3, 8, 2}, {2, 2, 6}, {3, 5, 6}, {1, 7, 3}, {1, 8, 4}}));
  // 5 goes to (3,9); 6 goes to row 1 of block 3, where only (1,9) is free.
  EXPECT_TRUE(h.CrossHatchBand(1, UnitKind::Row));
  EXPECT_EQ(h.GetDigit(3, 9), 5);
  EXPECT_EQ(h.GetDigit(1, 9), 6);
}

TEST(CrossHatch, WorksAlongBandsOfColumns) {
  TGrille g = Load(Givens({{1, 1, 5}, {4, 2, 5}, {7, 3, 1}, {8, 3, 2}}));
  EXPECT_FALSE(g.CrossHatchBand(1, UnitKind::Row));
  EXPECT_TRUE(g.CrossHatchBand(1, UnitKind::Col));
  EXPECT_EQ(g.GetDigit(9, 3), 5);
}

TEST(Passes, OnceAHintIsRecordedNoTechniqueRuns) {
  TGrille g = Load(SolvedWithout({{4, 2}, {9, 9}}));
  ASSERT_TRUE(g.FindHint());
  EXPECT_EQ(g.GetDigit(4, 2), 5);
  EXPECT_EQ(g.GetDigit(9, 9), 0);
  // Outside a hint search the same pass completes both rows.
  TGrille h = Load(SolvedWithout({{4, 2}, {9, 9}}));
  EXPECT_TRUE(h.SinglesPass(basic::CompletionOnly));
  EXPECT_EQ(h.CountEmpty(), 0);
}

TEST(Passes, ReportNoProgressWhenNothingCanBePlaced) {
  TGrille g;
  EXPECT_FALSE(g.SinglesPass(basic::ReachAny));
  EXPECT_FALSE(g.BandPass());
  EXPECT_FALSE(g.BlockSinglesPass(basic::ReachAny));
}

}  // namespace
