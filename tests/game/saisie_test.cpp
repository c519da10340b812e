// SPDX-License-Identifier: GPL-3.0-or-later
// Digit-first entry: what two clicks on a cell do with the chosen digit.
#include "saisie.h"

#include <gtest/gtest.h>

TEST(Saisie, TwoClicksOnACellPlaceThenTakeBackTheChosenDigitOrItsMark) {
  const struct {
    const char* What;
    int Chosen, Col;  // the cell clicked: row 1, column Col (1 holds the given 5, 3 the player's 4)
    bool Note;
    int AfterOne, AfterTwo;
    std::uint16_t NotesAfterOne;
  } cases[] = {{"a digit", 7, 2, false, 7, 0, 0},
               {"a mark", 7, 2, true, 0, 0, 1u << 6},
               {"on a given", 7, 1, false, 5, 5, 0},
               {"the eraser", 0, 3, false, 0, 0, 0}};
  for (const auto& c : cases) {
    TPartie partie;
    auto grid = std::make_unique<TGrille>();
    grid->LoadFromText("5" + std::string(80, '0'), "");
    partie.NewGame(std::move(grid), 1);
    partie.Enter(1, 3, 4, false);
    TSaisie saisie;
    EXPECT_EQ(saisie.Choose(c.Chosen), std::nullopt) << "cell first chooses nothing";
    saisie.SetMode(TSaisieMode::ChiffreCase);
    ASSERT_EQ(saisie.Choose(c.Chosen), c.Chosen);
    saisie.PlayAt(partie, 1, c.Col, c.Note);
    EXPECT_EQ(partie.Grille().GetDigit(1, c.Col), c.AfterOne) << c.What;
    EXPECT_EQ(partie.Grille().Notes[std::size_t(Cell(1, c.Col))], c.NotesAfterOne) << c.What;
    saisie.PlayAt(partie, 1, c.Col, c.Note);
    EXPECT_EQ(partie.Grille().GetDigit(1, c.Col), c.AfterTwo) << c.What;
    saisie.SetMode(TSaisieMode::CaseChiffre);
    EXPECT_EQ(saisie.Chosen(), std::nullopt) << "back to cell first puts the digit down";
  }
}
