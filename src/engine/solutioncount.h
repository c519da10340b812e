// SPDX-License-Identifier: GPL-3.0-or-later
// How many solutions a position has, none, one, or two and more, and the first
// one met: a compact search of its own (singles and hidden singles between
// guesses, the cell with the fewest candidates first), much faster than the
// human techniques that TGrille's search runs at every step.
//
// The position is given as TGrille holds it: the digits stand, and each empty
// cell takes one of its candidates (narrowed by the peers' digits again here).
// The digits must keep the rules (no digit twice in a row, column or block).
#pragma once

#include "grille.h"

struct SolutionCount {
  int Count = 0;      // 0, 1, or 2 for two and more
  WordArray First{};  // the first solution met, as cell words, when Count > 0
};

SolutionCount CountSolutions(const WordArray& Digits, const WordArray& Candidates);
