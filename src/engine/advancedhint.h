// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced hint: when the techniques of the game's levels stall, the
// advanced techniques remove candidates, step by step, until a digit has one
// place left in a unit or a cell one digit left; that placement is the hint.
#pragma once

#include <vector>

#include "advanced.h"
#include "grille.h"

namespace advanced {

// Called by the hint search on its grid once the candidate techniques found no
// step. Starts from the candidates that "Voir possibilités" shows, those of the
// digits alone, and names every removal it relies on as a step: the steps it
// keeps are those the placement needs, each true on the candidates the steps
// before it leave. On success the digit is placed and recorded as the hint
// (RecordHintCell); HintSteps holds the steps and last the placement, HintText
// and HintFocus say them whole. Otherwise the grid's candidates are as they
// were and false is returned.
bool FindHint(TGrille& grid, bool OneSolution);

// The candidates of the digits alone: what "Voir possibilités" shows.
CandidateSets ShownCandidates(const WordArray& digits);
// Whether the placement step holds on the candidates: its cell's only
// candidate for a naked single, the only place of its digit in the unit it
// names for a hidden single.
bool PlacementFollows(const CandidateSets& cand, const ReasoningStep& placement);
// What a player can check: the removals of the steps applied in order to the
// candidates of the digits leave the last step's placement.
bool StepsLeadToPlacement(const WordArray& digits, const std::vector<ReasoningStep>& steps);

// True when the grid's givens make a puzzle of exactly one solution (rates a
// copy of them): what HintOptions::OneSolution asks the caller to know.
bool HasOneSolution(const TGrille& grid);

}  // namespace advanced
