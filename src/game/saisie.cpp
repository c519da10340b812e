// SPDX-License-Identifier: GPL-3.0-or-later
#include "saisie.h"

void TSaisie::SetMode(TSaisieMode Mode) {
  Mode_ = Mode;
  if (!DigitFirst()) PutDown();
}

std::optional<int> TSaisie::Choose(int Digit) {
  if (!DigitFirst() || Digit < 0 || Digit > 9) return Chosen_;
  if (Chosen_ == Digit)
    Chosen_.reset();
  else
    Chosen_ = Digit;
  return Chosen_;
}

TEntryResult TSaisie::PlayAt(TPartie& Partie, int Row, int Col, bool Note) const {
  if (!DigitFirst() || !Chosen_ || Row < 1 || Row > 9 || Col < 1 || Col > 9) return {};
  const int digit = *Chosen_;
  if (Note) return Partie.Enter(Row, Col, digit, true);
  int kind = KindPlain;
  const int current = Partie.Grille().GetCellState(Row, Col, kind);
  return Partie.Enter(Row, Col, current == digit && digit != 0 ? 0 : digit, false);
}
