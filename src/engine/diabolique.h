// SPDX-License-Identifier: GPL-3.0-or-later
// "Diabolique", the fifth level: a puzzle of one solution that the techniques
// of "Expert" finish only by guessing (rated LevelExpert | RatingGuess) and
// that the advanced hints (HintOptions::Advanced, advancedhint.h) finish
// without a guess hint. Whatever technique the advanced hints learn, these
// functions follow: they ask the hint search itself.
#pragma once

#include <cstdint>
#include <optional>

#include "grille.h"

// What the advanced hints make of a grid, played as a player who accepts
// every one of them (at most one per empty cell).
struct AdvancedPlay {
  bool Finished = false;             // the grid is full and no hint was a guess
  std::optional<Technique> Hardest;  // the hardest advanced technique a hint used
};

// Plays the advanced hints on a copy of the grid; OneSolution as
// HintOptions::OneSolution (the givens are known to have one solution).
AdvancedPlay PlayAdvancedHints(TGrille Grid, bool OneSolution);

// Whether a position of that rating (RateLevel) that the play reached is
// "Diabolique".
bool IsDiabolique(std::uint8_t Rating, const AdvancedPlay& Play);

// The rating byte that counts the advanced techniques: RateLevel()'s, or
// LevelDiabolique without flags for a "Diabolique" puzzle. Like RateLevel, it
// rates the grid's position and leaves the grid as RateLevel does.
std::uint8_t RateWithAdvanced(TGrille& Grid);
