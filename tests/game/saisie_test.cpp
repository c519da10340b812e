// SPDX-License-Identifier: GPL-3.0-or-later
// Digit-first entry: the chosen digit and what a click on a cell does.
#include "saisie.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Row 1: the given 5, then empty cells.
std::unique_ptr<TGrille> Puzzle() {
  auto grid = std::make_unique<TGrille>();
  std::string givens(81, '0');
  givens[0] = '5';
  grid->LoadFromText(givens, "");
  return grid;
}

TEST(Saisie, AClickPlacesTheChosenDigitOrTogglesItsMark) {
  struct TCase {
    const char* What;
    int Chosen;  // chosen before the clicks
    int Col;     // the cell (row 1) clicked twice
    bool Note;
    int AfterOne;  // the cell's digit after one click
    int AfterTwo;  // and after the second
    std::uint16_t NotesAfterOne;
  } cases[] = {
      {"a digit goes in, a second click takes it back", 7, 2, false, 7, 0, 0},
      {"a mark toggles", 7, 2, true, 0, 0, 1u << 6},
      {"a given stays", 7, 1, false, 5, 5, 0},
      {"the eraser empties", 0, 2, false, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    TPartie partie;
    partie.NewGame(Puzzle(), 1);
    partie.Enter(1, 3, 4, false);
    TSaisie saisie;
    saisie.SetMode(TSaisieMode::ChiffreCase);
    ASSERT_EQ(saisie.Choose(c.Chosen), c.Chosen);
    saisie.PlayAt(partie, 1, c.Col, c.Note);
    EXPECT_EQ(partie.Grille().GetDigit(1, c.Col), c.AfterOne) << c.What;
    EXPECT_EQ(partie.Grille().Notes[std::size_t(Cell(1, c.Col))], c.NotesAfterOne) << c.What;
    saisie.PlayAt(partie, 1, c.Col, c.Note);
    EXPECT_EQ(partie.Grille().GetDigit(1, c.Col), c.AfterTwo) << c.What;
    EXPECT_EQ(partie.Grille().Notes[std::size_t(Cell(1, c.Col))], 0) << c.What;
  }
  // The eraser on a digit of the player's.
  TPartie partie;
  partie.NewGame(Puzzle(), 1);
  partie.Enter(1, 3, 4, false);
  TSaisie eraser;
  eraser.SetMode(TSaisieMode::ChiffreCase);
  eraser.Choose(0);
  EXPECT_TRUE(eraser.PlayAt(partie, 1, 3, false).Changed);
  EXPECT_EQ(partie.Grille().GetDigit(1, 3), 0);
}

TEST(Saisie, TheDigitStaysChosenUntilChosenAgainOrCellFirstComesBack) {
  TPartie partie;
  partie.NewGame(Puzzle(), 1);
  TSaisie saisie;
  EXPECT_EQ(saisie.Choose(3), std::nullopt) << "cell first: nothing is chosen";
  EXPECT_FALSE(saisie.PlayAt(partie, 1, 2, false).Changed);
  saisie.SetMode(TSaisieMode::ChiffreCase);
  EXPECT_FALSE(saisie.PlayAt(partie, 1, 2, false).Changed) << "nothing chosen yet";
  saisie.Choose(3);
  EXPECT_EQ(saisie.Choose(4), 4);
  EXPECT_EQ(saisie.Choose(4), std::nullopt) << "the same digit again puts it down";
  saisie.Choose(6);
  saisie.SetMode(TSaisieMode::CaseChiffre);
  EXPECT_EQ(saisie.Chosen(), std::nullopt);
}

}  // namespace
