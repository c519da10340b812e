// SPDX-License-Identifier: GPL-3.0-or-later
// TSaisie: how the player enters digits. Cell first (today's way): a cell is
// selected, then a digit typed or clicked goes into it. Digit first: a digit
// is chosen once (a button, or its key) and stays chosen; every cell clicked
// then takes it, or in pencil-mark mode has its mark toggled, until another
// digit is chosen or the same one again puts it down. The eraser (0) can be
// chosen as a digit is. The moves themselves are the game's (TPartie::Enter).
#pragma once

#include <cstdint>
#include <optional>

#include "partie.h"

enum class TSaisieMode : std::uint8_t { CaseChiffre = 0, ChiffreCase = 1 };

class TSaisie {
 public:
  TSaisieMode Mode() const { return Mode_; }
  bool DigitFirst() const { return Mode_ == TSaisieMode::ChiffreCase; }
  // Back to cell first puts the chosen digit down.
  void SetMode(TSaisieMode Mode);

  // Digit first: the digit chosen, 1 to 9, or 0 for the eraser; none before
  // a choice and in cell-first play.
  std::optional<int> Chosen() const { return Chosen_; }
  // Chooses Digit (0 to 9); choosing the chosen digit again puts it down.
  // Nothing in cell-first play. Returns the digit chosen now.
  std::optional<int> Choose(int Digit);
  void PutDown() { Chosen_.reset(); }

  // Digit first, a click on a cell: the chosen digit goes into it, or with
  // Note its pencil mark is toggled; a cell that holds the chosen digit
  // already is emptied, so that a second click takes back the first. What
  // the game did; nothing without a chosen digit.
  TEntryResult PlayAt(TPartie& Partie, int Row, int Col, bool Note) const;

 private:
  TSaisieMode Mode_ = TSaisieMode::CaseChiffre;
  std::optional<int> Chosen_;
};
