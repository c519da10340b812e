// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced hint: when the techniques of the game's levels stall, the
// advanced techniques remove candidates, step by step, until a digit has one
// place left in a unit or a cell one digit left; that placement is the hint.
#pragma once

class TGrille;

namespace advanced {

// Called by the hint search on its grid once the candidate techniques found no
// step. Starts from the candidates as those techniques leave them. On success
// the digit is placed and recorded as the hint (RecordHintCell), HintText
// names every step and the placement, HintFocus and HintSteps describe them.
// Otherwise the grid's candidates are as they were and false is returned.
bool FindHint(TGrille& grid, bool OneSolution);

// True when the grid's givens make a puzzle of exactly one solution (rates a
// copy of them): what HintOptions::OneSolution asks the caller to know.
bool HasOneSolution(const TGrille& grid);

}  // namespace advanced
