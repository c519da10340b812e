// SPDX-License-Identifier: GPL-3.0-or-later
// The cells and units each basic hint speaks of, read from the grid right
// after the hint digit was placed: the row, column or block it names, and the
// cells whose digits rule out the other places or the other digits.
#pragma once

#include "hinttypes.h"

class TGrille;

namespace hintfocus {

// How the digit was found in its line or block.
enum class Search { Completion, CellSearch, DigitSearch, HiddenSingle };

// A line (a row when ByRow) whose position Pos received Digit.
HintFocusT Line(const TGrille& grid, bool ByRow, int Line, int Pos, int Digit, Search How);
// A block whose cell (Row, Col) received Digit.
HintFocusT Block(const TGrille& grid, int Row, int Col, int Digit, Search How);
// Cross-hatching: the band's line Line received Digit at Pos, in its block Third.
HintFocusT CrossHatch(const TGrille& grid, bool ByRow, int Line, int Third, int Pos, int Digit);
// A cell that has one candidate left.
HintFocusT NakedSingle(const TGrille& grid, int Row, int Col, int Digit);

// The step of a technique of the levels that placed Digit in Cell (0 to 80),
// with the units and cells of its focus.
ReasoningStep Placement(Technique Kind, int Cell, int Digit, const HintFocusT& Focus);
// Adds what a step speaks of to a focus: its units (once each), its cells
// with their groups, its removals.
void AddStepFocus(const ReasoningStep& Step, HintFocusT& Focus);
// What one step alone tints: AddStepFocus on an empty focus.
HintFocusT StepFocus(const ReasoningStep& Step);
// What the nudge of a hint whose first step is Step tints: the unit it names
// for a search, a single or a subset; the base lines of a fish; the cells of
// the pattern otherwise. Never what the step removes or places.
HintFocusT NudgeFocus(const ReasoningStep& Step);

}  // namespace hintfocus
