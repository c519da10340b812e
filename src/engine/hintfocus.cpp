// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintfocus.h"

#include <algorithm>

#include "cellunits.h"
#include "grille.h"
#include "hintwriter.h"

namespace hintfocus {

namespace {

int LineUnit(bool byRow, int line) { return byRow ? line - 1 : 9 + line - 1; }

// The first cell of the unit, other than `skip`, holding the digit; -1 if none.
int HoldingIn(const TGrille& grid, int unit, int digit, int skip) {
  for (int cell : cellunits::Units[unit])
    if (cell != skip && WordDigit(grid.Digits[cell]) == digit) return cell;
  return -1;
}

// The first cell, in the given units in turn, holding the digit (not `skip`).
template <std::size_t N>
int HoldingInAny(const TGrille& grid, const std::array<int, N>& units, int digit, int skip) {
  for (int unit : units)
    if (const int cell = HoldingIn(grid, unit, digit, skip); cell >= 0) return cell;
  return -1;
}

void AddCell(HintFocusT& focus, int cell) {
  if (cell < 0) return;
  const HintCell c = cellunits::CellOf(cell);
  if (std::find(focus.Cells.begin(), focus.Cells.end(), c) == focus.Cells.end()) focus.Cells.push_back(c);
}

// The digits none of the unit's cells holds.
std::uint16_t Missing(const TGrille& grid, int unit) {
  std::uint16_t present = 0;
  for (int cell : cellunits::Units[unit])
    present = static_cast<std::uint16_t>(present | (grid.Digits[cell] & AllDigits));
  return static_cast<std::uint16_t>(~present & AllDigits);
}

// The unit's search: for a cell search, the cells (in `crossUnits` of the
// target) holding the unit's other missing digits; for a digit search, for each
// other empty cell of the unit, a cell of its own row, column or block holding
// the digit (`crossOf` chooses which of them the technique looks at).
template <class CrossOf>
HintFocusT UnitSearch(const TGrille& grid, int unit, int target, int digit, Search how, CrossOf crossOf) {
  HintFocusT focus;
  focus.Units.push_back(cellunits::UnitOf(unit));
  if (how == Search::Completion) return focus;
  if (how == Search::CellSearch) {
    const std::uint16_t missing = Missing(grid, unit);
    for (int d = 1; d <= 9; ++d)
      if (missing & cellunits::Bit(d)) AddCell(focus, HoldingInAny(grid, crossOf(target), d, target));
    return focus;
  }
  for (int cell : cellunits::Units[unit])
    if (grid.Digits[cell] == 0) AddCell(focus, HoldingInAny(grid, crossOf(cell), digit, target));
  return focus;
}

}  // namespace

HintFocusT Line(const TGrille& grid, bool ByRow, int Line, int Pos, int Digit, Search How) {
  const int unit = LineUnit(ByRow, Line);
  const int target = TGrille::LineCell(Line, Pos, ByRow);
  // The line searches look at the cross line only; the hidden single at every
  // unit of the cell.
  return UnitSearch(grid, unit, target, Digit, How, [&](int cell) {
    const auto units = cellunits::UnitsOf(cell);
    const int cross = ByRow ? units[1] : units[0];
    return How == Search::HiddenSingle ? std::array<int, 2>{cross, units[2]} : std::array<int, 2>{cross, cross};
  });
}

HintFocusT Block(const TGrille& grid, int Row, int Col, int Digit, Search How) {
  const int target = Cell(Row, Col);
  return UnitSearch(grid, 18 + cellunits::BoxOf(target), target, Digit, How, [](int cell) {
    const auto units = cellunits::UnitsOf(cell);
    return std::array<int, 2>{units[0], units[1]};
  });
}

HintFocusT CrossHatch(const TGrille& grid, bool ByRow, int Line, int Third, int Pos, int Digit) {
  HintFocusT focus;
  const int target = TGrille::LineCell(Line, Pos, ByRow);
  const int block = 18 + cellunits::BoxOf(target);
  focus.Units.push_back(cellunits::UnitOf(block));
  focus.Units.push_back(cellunits::UnitOf(LineUnit(ByRow, Line)));
  // The digit in the band's two other blocks.
  const int band = Band(Line);
  for (int third = 1; third <= 3; ++third) {
    if (third == Third) continue;
    const int other = ByRow ? 18 + 3 * (band - 1) + third - 1 : 18 + 3 * (third - 1) + band - 1;
    AddCell(focus, HoldingIn(grid, other, Digit, target));
  }
  // The cross lines that rule out the other free positions of the segment.
  for (int p = 3 * (Third - 1) + 1; p <= 3 * Third; ++p) {
    if (p == Pos || grid.Digits[TGrille::LineCell(Line, p, ByRow)] != 0) continue;
    AddCell(focus, HoldingIn(grid, LineUnit(!ByRow, p), Digit, target));
  }
  return focus;
}

HintFocusT NakedSingle(const TGrille& grid, int Row, int Col, int Digit) {
  HintFocusT focus;
  const int target = Cell(Row, Col);
  for (int unit : cellunits::UnitsOf(target)) focus.Units.push_back(cellunits::UnitOf(unit));
  for (int d = 1; d <= 9; ++d)
    if (d != Digit) AddCell(focus, HoldingInAny(grid, cellunits::UnitsOf(target), d, target));
  return focus;
}

ReasoningStep Placement(Technique Kind, int Cell, int Digit, const HintFocusT& Focus) {
  ReasoningStep step;
  step.Kind = Kind;
  step.Digit = Digit;
  step.Placed = Cell;
  step.Units = Focus.Units;
  for (const HintCell& cell : Focus.Cells) step.Cells.push_back(::Cell(cell.Row, cell.Col));
  return step;
}

void AddStepFocus(const ReasoningStep& Step, HintFocusT& Focus) {
  for (const HintUnit& unit : Step.Units)
    if (std::find(Focus.Units.begin(), Focus.Units.end(), unit) == Focus.Units.end()) Focus.Units.push_back(unit);
  for (std::size_t k = 0; k < Step.Cells.size(); ++k)
    Focus.Cells.push_back(cellunits::CellOf(Step.Cells[k], k < Step.Groups.size() ? Step.Groups[k] : 0));
  for (const auto& [cell, digits] : Step.Removals)
    Focus.Removed.push_back({cellunits::RowOf(cell) + 1, cellunits::ColOf(cell) + 1, digits});
}

HintFocusT StepFocus(const ReasoningStep& Step) {
  HintFocusT focus;
  AddStepFocus(Step, focus);
  return focus;
}

HintFocusT NudgeFocus(const ReasoningStep& Step) {
  HintFocusT focus;
  switch (Step.Kind) {
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish:
      for (int line : Step.Base) focus.Units.push_back({Step.ByRow ? UnitKind::Row : UnitKind::Col, line});
      return focus;
    case Technique::Pointing:
    case Technique::LineBlock:
    case Technique::NakedSubset:
    case Technique::HiddenSubset:
      if (!Step.Units.empty()) focus.Units.push_back(Step.Units.front());
      return focus;
    // A forcing chain's nudge names where it starts, not the whole chain.
    case Technique::UnitForcingChain:
      focus.Units.push_back(Step.Units.front());
      return focus;
    case Technique::CellForcingChain:
    case Technique::ContradictionChain:
      AddCell(focus, Step.Cells.front());
      return focus;
    default:
      break;
  }
  if (!IsAdvanced(Step.Kind)) {
    focus.Units.push_back(hintwriter::NudgeUnit(Step));
    return focus;
  }
  for (int cell : Step.Cells) AddCell(focus, cell);
  return focus;
}

}  // namespace hintfocus
