// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate techniques: singles, block-line elimination, naked pairs and
// triples, and the advanced driver.
#include <gtest/gtest.h>

#include "advancedhint.h"
#include "engine_test_util.h"

using namespace testutil;

namespace {

constexpr std::uint16_t B(int d) { return static_cast<std::uint16_t>(1u << (d - 1)); }
constexpr std::uint16_t kAll = 511;

TEST(BlockPairs, APairInARowOfTheBlockClearsOnlyTheCellsOutsideItsRowsAndColumns) {
  TGrille g;
  g.SetCandidates(1, 1, B(1) | B(2));
  g.SetCandidates(1, 2, B(1) | B(2));
  EXPECT_TRUE(g.NakedPairs(UnitKind::Block));
  EXPECT_EQ(g.GetCandidates(2, 3), kAll & ~(B(1) | B(2)));
  EXPECT_EQ(g.GetCandidates(3, 3), kAll & ~(B(1) | B(2)));
  for (auto [r, c] : {std::pair{1, 3}, {2, 1}, {2, 2}, {3, 1}, {3, 2}})
    EXPECT_EQ(g.GetCandidates(r, c), kAll) << r << "," << c;
  EXPECT_TRUE(g.UsedMethods().PairsByBlock[1]);
  EXPECT_FALSE(g.UsedMethods().PairsByBlock[2]);
}

TEST(BlockPairs, ADiagonalPairClearsOneCell) {
  TGrille g;
  g.SetCandidates(4, 4, B(7) | B(8));  // block 5, cells (4,4) and (5,5)
  g.SetCandidates(5, 5, B(7) | B(8));
  EXPECT_TRUE(g.NakedPairs(UnitKind::Block));
  EXPECT_EQ(g.GetCandidates(6, 6), kAll & ~(B(7) | B(8)));
  EXPECT_EQ(g.GetCandidates(4, 6), kAll);
  EXPECT_EQ(g.GetCandidates(6, 4), kAll);
  EXPECT_TRUE(g.UsedMethods().PairsByBlock[5]);
}

TEST(Pointing, ADigitConfinedToOneRowOfABlockLeavesTheRestOfThatRow) {
  TGrille g;
  for (int r = 2; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) g.SetCandidates(r, c, kAll & ~B(1));
  EXPECT_TRUE(g.PointingPass());
  for (int c = 4; c <= 9; ++c) {
    EXPECT_FALSE(g.GetCandidates(1, c) & B(1)) << "column " << c;
    EXPECT_EQ(g.GetCandidates(2, c), kAll);
  }
  EXPECT_TRUE(g.GetCandidates(1, 1) & B(1));
}

TEST(Pointing, ADigitConfinedToOneColumnOfABlockLeavesTheRestOfThatColumn) {
  TGrille g;
  for (int r = 7; r <= 9; ++r)
    for (int c = 5; c <= 6; ++c) g.SetCandidates(r, c, kAll & ~B(9));  // block 8: only column 4 keeps 9
  EXPECT_TRUE(g.PointingPass());
  for (int r = 1; r <= 6; ++r) EXPECT_FALSE(g.GetCandidates(r, 4) & B(9)) << "row " << r;
  EXPECT_TRUE(g.GetCandidates(7, 4) & B(9));
  EXPECT_TRUE(g.GetCandidates(1, 5) & B(9));
  EXPECT_FALSE(g.PointingPass());  // nothing more to remove
}

TEST(LinePairs, RemoveThePairFromTheRestOfTheLine) {
  TGrille g;
  g.SetCandidates(3, 2, B(4) | B(6));
  g.SetCandidates(3, 8, B(4) | B(6));
  EXPECT_TRUE(g.NakedPairs(UnitKind::Row));
  for (int c = 1; c <= 9; ++c)
    if (c != 2 && c != 8) {
      EXPECT_EQ(g.GetCandidates(3, c), kAll & ~(B(4) | B(6)));
    }
  EXPECT_EQ(g.GetCandidates(3, 2), B(4) | B(6));
  EXPECT_TRUE(g.UsedMethods().PairsByRow[3]);
  EXPECT_FALSE(g.NakedPairs(UnitKind::Col));  // no pair in any column
}

TEST(SubsetFinder, GivesEachPairWithTheCellsItClearsAndChangesNothing) {
  TGrille g;
  g.SetCandidates(3, 2, B(4) | B(6));
  g.SetCandidates(3, 8, B(4) | B(6));
  g.SetCandidates(3, 5, B(1));  // holds neither digit: not cleared
  basic::SubsetSearch search(g.Units(), UnitKind::Row, basic::PairSize);
  const auto pair = search.Next(g.Candidates);
  ASSERT_TRUE(pair);
  EXPECT_EQ(pair->Unit, (HintUnit{UnitKind::Row, 3}));
  EXPECT_EQ(pair->Digits, B(4) | B(6));
  EXPECT_EQ(pair->Positions, 0b101101101);  // all but columns 2, 5 and 8
  EXPECT_EQ(g.GetCandidates(3, 1), kAll);
  EXPECT_FALSE(search.Next(g.Candidates));
}

TEST(LinePairs, OnceARemovalHappenedLaterPairsRecordTheirLineEvenWithoutRemoving) {
  TGrille g;
  // Row 2: a pair whose digits no other cell holds: nothing removed, not named.
  g.SetCandidates(2, 1, B(3) | B(4));
  g.SetCandidates(2, 2, B(3) | B(4));
  for (int c = 3; c <= 9; ++c) g.SetCandidates(2, c, kAll & ~(B(3) | B(4)));
  // Row 4: a pair that removes.
  g.SetCandidates(4, 1, B(1) | B(2));
  g.SetCandidates(4, 2, B(1) | B(2));
  // Row 6: like row 2, but after a removal.
  g.SetCandidates(6, 1, B(5) | B(6));
  g.SetCandidates(6, 2, B(5) | B(6));
  for (int c = 3; c <= 9; ++c) g.SetCandidates(6, c, kAll & ~(B(5) | B(6)));
  EXPECT_TRUE(g.NakedPairs(UnitKind::Row));
  EXPECT_FALSE(g.UsedMethods().PairsByRow[2]);
  EXPECT_TRUE(g.UsedMethods().PairsByRow[4]);
  EXPECT_TRUE(g.UsedMethods().PairsByRow[6]);
}

TEST(LineTriples, ThreeCellsWithThreeDigitsClearTheRestOfTheColumn) {
  TGrille g;
  g.SetCandidates(1, 7, B(1) | B(2));
  g.SetCandidates(5, 7, B(2) | B(3));
  g.SetCandidates(9, 7, B(1) | B(3));
  EXPECT_FALSE(g.NakedPairs(UnitKind::Col));
  EXPECT_TRUE(g.NakedTriples(UnitKind::Col));
  EXPECT_EQ(g.GetCandidates(2, 7), kAll & ~(B(1) | B(2) | B(3)));
  EXPECT_EQ(g.GetCandidates(5, 7), B(2) | B(3));
  EXPECT_TRUE(g.UsedMethods().TriplesByCol[7]);
  EXPECT_FALSE(g.UsedMethods().TriplesByRow[7]);
}

TEST(Singles, NakedSinglesScanInReadingOrderAndSeeEarlierPlacements) {
  TGrille g;
  g.SetCandidates(1, 5, B(3));
  g.SetCandidates(1, 9, B(3) | B(4));  // becomes 4 once the 3 is placed
  EXPECT_TRUE(g.NakedSingles());
  EXPECT_EQ(g.GetDigit(1, 5), 3);
  EXPECT_EQ(g.GetDigit(1, 9), 4);
}

TEST(Singles, HiddenSingleInAColumnComesBeforeTheRows) {
  TGrille g;
  // Digit 2 fits only (6,3) in column 3, and only (6,3) in row 6 too.
  for (int r = 1; r <= 9; ++r)
    if (r != 6) g.SetCandidates(r, 3, kAll & ~B(2));
  for (int c = 1; c <= 9; ++c)
    if (c != 3) g.SetCandidates(6, c, kAll & ~B(2));
  const auto found = basic::HiddenSingleSearch(UnitKind::Col).Next(g.Candidates);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Cell, Cell(6, 3));
  EXPECT_EQ(found->Digit, 2);
  EXPECT_EQ(g.GetDigit(6, 3), 0);  // a finder only finds
  EXPECT_TRUE(g.HiddenSingles());
  EXPECT_EQ(g.GetDigit(6, 3), 2);
  EXPECT_FALSE(basic::HiddenSingleSearch(UnitKind::Row).Next(g.Candidates));
}

TEST(Singles, HiddenSingleInABlock) {
  TGrille g;
  for (int r = 7; r <= 9; ++r)
    for (int c = 7; c <= 9; ++c)
      if (r != 8 || c != 9) g.SetCandidates(r, c, kAll & ~B(6));
  basic::HiddenSingleSearch blocks(UnitKind::Block);
  const auto found = blocks.Next(g.Candidates);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Cell, Cell(8, 9));
  EXPECT_EQ(found->Digit, 6);
  EXPECT_EQ(found->Unit, UnitKind::Block);
  EXPECT_FALSE(blocks.Next(g.Candidates));
}

TEST(AdvancedLogic, AnEmptyGridGivesNothing) {
  TGrille g;
  EXPECT_FALSE(g.AdvancedLogic());
  EXPECT_EQ(g.CountEmpty(), 81);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(g.Candidates[i], kAll);
  EXPECT_FALSE(g.EliminationsUsed());
}

TEST(AdvancedLogic, OutsideHintsNarrowedCandidatesStayNarrowed) {
  TGrille g;
  g.SetCandidates(3, 2, B(4) | B(6));
  g.SetCandidates(3, 8, B(4) | B(6));
  g.AdvancedLogic();
  EXPECT_TRUE(g.EliminationsUsed());
  EXPECT_FALSE(g.GetCandidates(3, 5) & B(4));
}

TEST(AdvancedLogic, InAHintSearchItsEliminationsDoNotOutliveTheCall) {
  // After every hint that needed eliminations, the candidates are those of
  // the digits again.
  int checked = 0;
  for (const std::string& puzzle : ReadLines("puzzles/top95.txt")) {
    TGrille g;
    g.LoadFromText(puzzle, "");
    for (std::optional<HintStep> hint = g.FindHint(); hint && checked < 20; hint = g.FindHint()) {
      if (hint->Guess || !hint->Steps.back().Eliminations) continue;
      ++checked;
      EXPECT_EQ(g.Candidates, advanced::ShownCandidates(g.Digits)) << puzzle;
    }
  }
  EXPECT_EQ(checked, 20);
}

TEST(AdvancedLogic, SolvesByCandidatesWhatTheBasicTechniquesCannot) {
  // Solve at level 5 uses the candidate techniques alone; on these puzzles it
  // finishes whenever level 4 finishes without guessing.
  const auto puzzles = ReadLines("puzzles/top95.txt");
  int solvedByLogic = 0;
  for (const std::string& p : puzzles) {
    TGrille g;
    g.LoadFromText(p, "");
    const std::uint8_t rating = g.RateLevel();
    if (rating != 4) continue;
    ++solvedByLogic;
    EXPECT_TRUE(g.IsSolvedByLogic(SolveCandidatesOnly)) << p;
    EXPECT_FALSE(g.IsSolvedByLogic(3)) << p;
  }
  EXPECT_GT(solvedByLogic, 5);
}

}  // namespace
