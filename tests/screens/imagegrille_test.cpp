// SPDX-License-Identifier: GPL-3.0-or-later
// The tips' examples are true: each position is a real puzzle position with
// one solution, each digit a picture shows as found is that solution's, and
// the game's own techniques make each deduction the texts describe.
#include "imagegrille.h"

#include <gtest/gtest.h>

#include "grille.h"
#include "screens_test_util.h"

namespace {

using D = TImageGrille;

TGrille Position(D::TDessin Dessin) {
  TGrille grid;
  grid.LoadFromText(D::Modele(Dessin).Givens.toStdString(), "");
  return grid;
}

// The digits of a candidate set's cells along a row, as column numbers.
std::vector<int> ColumnsWith(const TGrille& Grid, int Row, int Digit) {
  std::vector<int> columns;
  for (int c = 1; c <= 9; ++c)
    if (Grid.GetCandidates(Row, c) & (1u << (Digit - 1))) columns.push_back(c);
  return columns;
}

}  // namespace

TEST(ImageGrilleTest, EveryExampleDigitIsThatOfTheOnlySolution) {
  for (int d = D::dg_Regions; d <= D::dg_Conseil3; ++d) {
    const D::TModele& model = D::Modele(D::TDessin(d));
    TGrille grid = Position(D::TDessin(d));
    const std::uint8_t rating = grid.RateLevel();
    if (d == D::dg_Regions) continue;  // the empty grid
    SCOPED_TRACE("picture " + std::to_string(d));
    EXPECT_EQ(rating & (RatingGuess | RatingMultiple), 0);
    EXPECT_GE(rating & 15, 1);
    for (const D::TMarque& mark : model.Marques)
      if (mark.Genre == D::mg_Cible) {
        EXPECT_EQ(grid.GetDigit(mark.Row, mark.Col), 0);
        EXPECT_EQ(WordDigit(grid.Solution[Cell(mark.Row, mark.Col)]), mark.Digit);
      }
    for (int k = 0; k < model.Digits.size(); ++k)
      if (model.Givens[k] == u'0') {
        EXPECT_EQ(WordDigit(grid.Solution[std::size_t(k)]), model.Digits[k].digitValue());
      }
  }
}

TEST(ImageGrilleTest, MethodOneByBandsAndByRowsAndColumnsTogether) {
  // The 2 of row 1 in B by the band of rows 1 to 3.
  TGrille grid = Position(D::dg_Conseil1);
  grid.CrossHatchBand(1, UnitKind::Row);
  EXPECT_EQ(grid.GetDigit(1, 4), 2);
  // The 6 of column 9 in C by the band of columns 7 to 9.
  grid = Position(D::dg_Conseil1);
  grid.CrossHatchBand(3, UnitKind::Col);
  EXPECT_EQ(grid.GetDigit(3, 9), 6);
  // The 7 of I: neither band finds it, rows and columns together do.
  grid = Position(D::dg_Conseil1);
  grid.CrossHatchBand(3, UnitKind::Row);
  grid.CrossHatchBand(3, UnitKind::Col);
  EXPECT_EQ(grid.GetDigit(9, 8), 0);
  grid = Position(D::dg_Conseil1);
  grid.SearchBlock(8, basic::ReachAny);
  EXPECT_EQ(grid.GetDigit(9, 8), 7);
}

TEST(ImageGrilleTest, MethodTwoCompletesARowAColumnABlockThenARowOfThree) {
  TGrille grid = Position(D::dg_Conseil2);
  EXPECT_TRUE(grid.SearchLine({UnitKind::Row, 7}, basic::CompletionOnly));
  EXPECT_EQ(grid.GetDigit(7, 4), 1);
  EXPECT_TRUE(grid.SearchLine({UnitKind::Col, 2}, basic::CompletionOnly));
  EXPECT_EQ(grid.GetDigit(8, 2), 4);
  // Block E lacks only its 9; its row and its column lack more.
  EXPECT_FALSE(grid.SearchLine({UnitKind::Row, 4}, basic::CompletionOnly));
  EXPECT_FALSE(grid.SearchLine({UnitKind::Col, 6}, basic::CompletionOnly));
  EXPECT_TRUE(grid.SearchBlock(4, basic::CompletionOnly));
  EXPECT_EQ(grid.GetDigit(4, 6), 9);
  // Row 3 lacks three digits: each column in turn leaves one.
  grid = Position(D::dg_Conseil2);
  EXPECT_FALSE(grid.SearchLine({UnitKind::Row, 3}, basic::CompletionOnly));
  EXPECT_TRUE(grid.SearchLine({UnitKind::Row, 3}, basic::ReachMoyen));
  EXPECT_EQ(grid.GetDigit(3, 5), 8);
  EXPECT_EQ(grid.GetDigit(3, 9), 2);
  EXPECT_EQ(grid.GetDigit(3, 6), 7);
}

TEST(ImageGrilleTest, MethodThreeOnePlaceThenAPositionRuledOutByABlock) {
  TGrille grid = Position(D::dg_Conseil3);
  // Row 7: the 1 has one place, which could also take a 2.
  EXPECT_EQ(ColumnsWith(grid, 7, 1), std::vector<int>{5});
  EXPECT_EQ(grid.GetCandidates(7, 5), (1u << 0) | (1u << 1));
  // Row 1: the 9 goes to column 1 or 9; in block I it keeps to column 9.
  EXPECT_EQ(ColumnsWith(grid, 1, 9), (std::vector<int>{1, 9}));
  for (int r = 7; r <= 9; ++r)
    for (int c = 7; c <= 9; ++c)
      EXPECT_EQ((grid.GetCandidates(r, c) >> 8) & 1u, (c == 9 && r >= 8) ? 1u : 0u) << r << ", " << c;
  EXPECT_TRUE(grid.PointingPass());
  EXPECT_EQ(ColumnsWith(grid, 1, 9), std::vector<int>{1});
}

TEST(ImageGrilleTest, RenderedAtTheScreensRatio) {
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage image = D::Render(D::dg_Conseil3, ratio);
    EXPECT_EQ(image.devicePixelRatio(), ratio);
    EXPECT_EQ(image.size(), D::Taille(D::dg_Conseil3) * ratio);
  }
}
