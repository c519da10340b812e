// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced hint search over TGrille's public state: the digits, placement
// and the hint fields. It keeps of its steps those the placement needs.
#include "advancedhint.h"

#include "advanced.h"
#include "cellunits.h"
#include "grille.h"
#include "hintfocus.h"
#include "hintwriter.h"

namespace advanced {

using cellunits::Bit;
using std::to_string;

namespace {

// A digit that can be placed: where, and how it was seen.
struct Single {
  enum Kind { Naked, InRow, InCol, InBlock } kind;
  int cell;
  int digit;
};

// Naked singles in reading order, then hidden singles in the columns, the rows
// and the blocks, as the candidate techniques look for them.
std::optional<Single> FindSingle(const CandidateSets& cand) {
  for (int cell = 0; cell < 81; ++cell)
    if (cand[cell] != 0 && (cand[cell] & (cand[cell] - 1)) == 0)
      return Single{Single::Naked, cell, LowestDigit(cand[cell])};
  constexpr int unitOrder[3] = {9, 0, 18};  // columns, rows, blocks
  constexpr Single::Kind kinds[3] = {Single::InCol, Single::InRow, Single::InBlock};
  for (int group = 0; group < 3; ++group)
    for (int unit = unitOrder[group]; unit < unitOrder[group] + 9; ++unit)
      for (int d = 1; d <= 9; ++d) {
        int where = -1, count = 0;
        for (int cell : cellunits::Units[unit])
          if (cand[cell] & Bit(d)) where = cell, ++count;
        if (count == 1) return Single{kinds[group], where, d};
      }
  return std::nullopt;
}

// An empty cell without candidates, or a unit that lacks a digit with no place:
// the grid holds a wrong digit the search does not know of.
bool Broken(const WordArray& digits, const CandidateSets& cand) {
  for (int unit = 0; unit < 27; ++unit) {
    std::uint16_t have = 0;
    for (int cell : cellunits::Units[unit]) {
      if (digits[cell] == 0 && cand[cell] == 0) return true;
      have = static_cast<std::uint16_t>(have | cand[cell] | (digits[cell] & AllDigits));
    }
    if (have != AllDigits) return true;
  }
  return false;
}

// The candidate sets saved at the start, cut by the digits now in the grid.
void PutBack(TGrille& grid, const CandidateSets& saved) {
  const CandidateSets shown = ShownCandidates(grid.Digits);
  for (int cell = 0; cell < 81; ++cell) grid.Candidates[cell] = static_cast<std::uint16_t>(saved[cell] & shown[cell]);
}

// The step that places the single, after the steps that led to it.
ReasoningStep PlacementStep(const Single& single) {
  ReasoningStep step;
  step.Kind = single.kind == Single::Naked ? Technique::NakedSingle : Technique::HiddenSingle;
  step.Digit = single.digit;
  step.Placed = single.cell;
  step.Concludes = true;
  const auto units = cellunits::UnitsOf(single.cell);
  if (single.kind != Single::Naked)
    step.Units.push_back(cellunits::UnitOf(single.kind == Single::InRow   ? units[0]
                                           : single.kind == Single::InCol ? units[1]
                                                                          : units[2]));
  return step;
}

// The cells whose candidates a step's reasoning reads: its pattern, the units
// it names, the lines of a fish, and every unit two cells of a chain share
// (where a link is the digit's only two places). Unchanged candidates there
// keep the step true whatever happened elsewhere.
std::vector<int> PremiseCells(const ReasoningStep& step) {
  std::array<bool, 81> in{};
  auto addUnit = [&](int unit) {
    for (int cell : cellunits::Units[unit]) in[cell] = true;
  };
  for (int cell : step.Cells) in[cell] = true;
  for (const HintUnit& unit : step.Units)
    addUnit((unit.Kind == UnitKind::Row ? 0 : unit.Kind == UnitKind::Col ? 9 : 18) + unit.Number - 1);
  for (int line : step.Base) addUnit((step.ByRow ? 0 : 9) + line - 1);
  for (int unit : step.LinkUnits)
    if (unit >= 0) addUnit(unit);
  for (std::size_t k = 1; k < step.Cells.size(); ++k) {
    const auto a = cellunits::UnitsOf(step.Cells[k - 1]), b = cellunits::UnitsOf(step.Cells[k]);
    for (int j = 0; j < 3; ++j)
      if (a[j] == b[j]) addUnit(a[j]);
  }
  std::vector<int> cells;
  for (int cell = 0; cell < 81; ++cell)
    if (in[cell]) cells.push_back(cell);
  return cells;
}

// A step found on the candidates Before, replayed with fewer steps before it.
struct FoundStep {
  ReasoningStep Step;
  CandidateSets Before;
  std::vector<int> Premise;
};

// Whether the steps kept, applied in turn from the shown candidates, each
// meet the candidates they were found on where they look, and leave the
// single placed.
bool Replays(const CandidateSets& shown, const std::vector<FoundStep>& found, const std::vector<bool>& kept,
             const ReasoningStep& placement) {
  CandidateSets cand = shown;
  for (std::size_t k = 0; k < found.size(); ++k) {
    if (!kept[k]) continue;
    for (int cell : found[k].Premise)
      if (cand[cell] != found[k].Before[cell]) return false;
    ApplyStep(cand, found[k].Step);
  }
  return PlacementFollows(cand, placement);
}

// The steps the placement needs: from the last to the first, each is left out
// when the others still lead to the placement without it.
std::vector<ReasoningStep> NeededSteps(const CandidateSets& shown, std::vector<FoundStep>& found,
                                       const ReasoningStep& placement) {
  std::vector<bool> kept(found.size(), true);
  for (std::size_t k = found.size(); k-- > 0;) {
    kept[k] = false;
    if (!Replays(shown, found, kept, placement)) kept[k] = true;
  }
  std::vector<ReasoningStep> steps;
  for (std::size_t k = 0; k < found.size(); ++k)
    if (kept[k]) steps.push_back(std::move(found[k].Step));
  return steps;
}

}  // namespace

CandidateSets ShownCandidates(const WordArray& digits) {
  std::array<std::uint16_t, 27> present{};
  for (int unit = 0; unit < 27; ++unit)
    for (int cell : cellunits::Units[unit])
      present[unit] = static_cast<std::uint16_t>(present[unit] | (digits[cell] & AllDigits));
  CandidateSets cand{};
  for (int cell = 0; cell < 81; ++cell) {
    std::uint16_t seen = 0;
    for (int unit : cellunits::UnitsOf(cell)) seen = static_cast<std::uint16_t>(seen | present[unit]);
    cand[cell] = digits[cell] != 0 ? 0 : static_cast<std::uint16_t>(AllDigits & ~seen);
  }
  return cand;
}

bool PlacementFollows(const CandidateSets& cand, const ReasoningStep& placement) {
  const int cell = placement.Placed;
  if (cell < 0 || !(cand[cell] & Bit(placement.Digit))) return false;
  if (placement.Kind == Technique::NakedSingle) return cand[cell] == Bit(placement.Digit);
  if (placement.Units.empty()) return false;
  const HintUnit& unit = placement.Units.front();
  const int index = (unit.Kind == UnitKind::Row ? 0 : unit.Kind == UnitKind::Col ? 9 : 18) + unit.Number - 1;
  for (int other : cellunits::Units[index])
    if (other != cell && (cand[other] & Bit(placement.Digit))) return false;
  return true;
}

bool StepsLeadToPlacement(const WordArray& digits, const std::vector<ReasoningStep>& steps) {
  if (steps.empty() || steps.back().Placed < 0) return false;
  CandidateSets cand = ShownCandidates(digits);
  for (const ReasoningStep& step : steps) ApplyStep(cand, step);
  return PlacementFollows(cand, steps.back());
}

bool FindHint(TGrille& grid, bool OneSolution) {
  const CandidateSets saved = grid.Candidates;
  // The search starts from what "Voir possibilités" shows: the candidates of
  // the digits alone. Every removal after that is a step of its own.
  CandidateSets shown = ShownCandidates(grid.Digits);
  CandidateSets cand = shown;
  std::vector<FoundStep> found;
  std::size_t forcingSteps = 0;
  // Each round removes a candidate or places a digit.
  for (int round = 0; round < 81 * 9; ++round) {
    if (Broken(grid.Digits, cand)) break;
    if (const std::optional<Single> single = FindSingle(cand)) {
      // Without a step first, the candidate techniques would have found it
      // themselves: only after a confirmed digit (below).
      if (found.empty()) break;
      const int row = cellunits::RowOf(single->cell) + 1, col = cellunits::ColOf(single->cell) + 1;
      PutBack(grid, saved);
      grid.PlaceDigit(row, col, single->digit);
      if (grid.RecordHintCell(row, col)) {
        ReasoningStep placement = PlacementStep(*single);
        std::vector<ReasoningStep> steps = NeededSteps(shown, found, placement);
        steps.push_back(std::move(placement));
        HintFocusT focus;
        for (ReasoningStep& step : steps) {
          step.Text = hintwriter::FrenchStep(step);
          hintfocus::AddStepFocus(step, focus);
        }
        grid.HintText = hintwriter::HintText(steps, HintLanguage::French);
        grid.HintFocus = std::move(focus);
        grid.HintSteps = std::move(steps);
        return true;
      }
      // The player's marked digit there was right after all: go on from here.
      shown = ShownCandidates(grid.Digits);
      cand = shown;
      found.clear();
      forcingSteps = 0;
      continue;
    }
    std::optional<ReasoningStep> step = FirstAdvancedStep(cand, OneSolution);
    if (!step) break;
    // A hint of more forcing chains than that would be too long to follow.
    if (step->Kind >= Technique::CellForcingChain && ++forcingSteps > MaxForcingSteps) break;
    FoundStep next{std::move(*step), cand, {}};
    next.Premise = PremiseCells(next.Step);
    ApplyStep(cand, next.Step);
    found.push_back(std::move(next));
  }
  PutBack(grid, saved);
  return false;
}

bool HasOneSolution(const TGrille& grid) {
  std::string givens(81, '0');
  for (int cell = 0; cell < 81; ++cell) givens[cell] = static_cast<char>('0' + grid.Givens[cell]);
  TGrille puzzle;
  puzzle.LoadFromText(givens, "");
  const std::uint8_t rating = puzzle.RateLevel();
  return rating != 0 && !(rating & RatingMultiple);
}

}  // namespace advanced
