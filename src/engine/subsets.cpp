// SPDX-License-Identifier: GPL-3.0-or-later
// The eliminations that come before the fish, simplest first:
// - pointing: in a block, a digit whose places all lie in one row or column;
//   that line's other cells lose it (the levels' candidate techniques use it);
// - line-block reduction: in a row or column, a digit whose places all lie in
//   one block; the block's other cells lose it;
// - subsets of two to four cells in any row, column or block: cells that
//   together take only as many digits (the others of the unit lose them), and
//   digits that together have only as many places (those cells lose their
//   other digits).
#include <algorithm>
#include <bit>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

using cellunits::Bit;

std::optional<ReasoningStep> FindPointing(const CandidateSets& cand) {
  for (int block = 0; block < 9; ++block)
    for (int digit = 1; digit <= 9; ++digit) {
      std::vector<int> cells;
      for (int cell : cellunits::Units[18 + block])
        if (cand[cell] & Bit(digit)) cells.push_back(cell);
      if (cells.size() < 2) continue;
      const int lines[2] = {cellunits::RowOf(cells[0]), 9 + cellunits::ColOf(cells[0])};
      for (int line : lines) {
        const bool inLine = std::all_of(cells.begin(), cells.end(),
                                        [&](int cell) { return cellunits::UnitsOf(cell)[line < 9 ? 0 : 1] == line; });
        if (!inLine) continue;
        ReasoningStep step;
        step.Kind = Technique::Pointing;
        step.Digit = digit;
        for (int cell : cellunits::Units[line])
          if (cellunits::BoxOf(cell) != block && (cand[cell] & Bit(digit)))
            step.Removals.emplace_back(cell, Bit(digit));
        if (step.Removals.empty()) continue;
        step.Cells = cells;
        step.Units = {cellunits::UnitOf(18 + block), cellunits::UnitOf(line)};
        return step;
      }
    }
  return std::nullopt;
}

std::optional<ReasoningStep> FindLineBlock(const CandidateSets& cand) {
  for (int unit = 0; unit < 18; ++unit)
    for (int digit = 1; digit <= 9; ++digit) {
      int block = -1;
      bool one = true;
      std::vector<int> cells;
      for (int cell : cellunits::Units[unit]) {
        if (!(cand[cell] & Bit(digit))) continue;
        if (block >= 0 && cellunits::BoxOf(cell) != block) one = false;
        block = cellunits::BoxOf(cell);
        cells.push_back(cell);
      }
      if (!one || cells.size() < 2) continue;
      ReasoningStep step;
      step.Kind = Technique::LineBlock;
      step.Digit = digit;
      for (int cell : cellunits::Units[18 + block]) {
        const bool inLine = unit < 9 ? cellunits::RowOf(cell) == unit : cellunits::ColOf(cell) == unit - 9;
        if (!inLine && (cand[cell] & Bit(digit))) step.Removals.emplace_back(cell, Bit(digit));
      }
      if (step.Removals.empty()) continue;
      step.Cells = cells;
      step.Units = {cellunits::UnitOf(unit), cellunits::UnitOf(18 + block)};
      return step;
    }
  return std::nullopt;
}

namespace {

// Chooses `size` of the unit's nine entries (cells or digits) whose masks have
// a union of `size` bits; `masks[k]` is 0 for an entry that cannot take part.
template <class Done>
bool ChooseSubset(const std::array<std::uint16_t, 9>& masks, int size, int from, int depth, std::uint16_t chosen,
                  std::uint16_t united, Done&& done) {
  if (depth == size) return done(chosen, united);
  for (int k = from; k < 9; ++k) {
    if (masks[k] == 0 || std::popcount(masks[k]) > size) continue;
    const std::uint16_t u = static_cast<std::uint16_t>(united | masks[k]);
    if (std::popcount(u) > size) continue;
    if (ChooseSubset(masks, size, k + 1, depth + 1, static_cast<std::uint16_t>(chosen | (1u << k)), u, done))
      return true;
  }
  return false;
}

// The first subset of two, three, then four entries of a unit whose step
// removes something: `masksOf(unit)` gives the unit's nine entries, `build`
// the step of the entries chosen and the union of their masks.
template <class MasksOf, class Build>
std::optional<ReasoningStep> FindSubset(MasksOf masksOf, Build build) {
  for (int size = 2; size <= 4; ++size)
    for (int unit = 0; unit < 27; ++unit) {
      std::optional<ReasoningStep> found;
      ChooseSubset(masksOf(unit), size, 0, 0, 0, 0, [&](std::uint16_t chosen, std::uint16_t united) {
        ReasoningStep step = build(cellunits::Units[unit], chosen, united);
        if (step.Removals.empty()) return false;
        step.Units = {cellunits::UnitOf(unit)};
        found = std::move(step);
        return true;
      });
      if (found) return found;
    }
  return std::nullopt;
}

}  // namespace

// Cells (entries: their candidates) that together take as many digits.
std::optional<ReasoningStep> FindNakedSubset(const CandidateSets& cand) {
  return FindSubset(
      [&](int unit) {
        std::array<std::uint16_t, 9> masks{};
        for (int k = 0; k < 9; ++k) masks[k] = cand[cellunits::Units[unit][k]];
        return masks;
      },
      [&](const std::array<int, 9>& cells, std::uint16_t chosen, std::uint16_t digits) {
        ReasoningStep step;
        step.Kind = Technique::NakedSubset;
        step.Pair = digits;
        for (int k = 0; k < 9; ++k) {
          if (chosen & (1u << k))
            step.Cells.push_back(cells[k]);
          else if (cand[cells[k]] & digits)
            step.Removals.emplace_back(cells[k], static_cast<std::uint16_t>(cand[cells[k]] & digits));
        }
        return step;
      });
}

// Digits (entries: their places in the unit) that together have as many places.
std::optional<ReasoningStep> FindHiddenSubset(const CandidateSets& cand) {
  return FindSubset(
      [&](int unit) {
        std::array<std::uint16_t, 9> places{};
        for (int d = 1; d <= 9; ++d)
          for (int k = 0; k < 9; ++k)
            if (cand[cellunits::Units[unit][k]] & Bit(d))
              places[d - 1] = static_cast<std::uint16_t>(places[d - 1] | (1u << k));
        return places;
      },
      [&](const std::array<int, 9>& cells, std::uint16_t digits, std::uint16_t positions) {
        ReasoningStep step;
        step.Kind = Technique::HiddenSubset;
        step.Pair = digits;
        for (int k = 0; k < 9; ++k) {
          if (!(positions & (1u << k))) continue;
          step.Cells.push_back(cells[k]);
          const std::uint16_t others = static_cast<std::uint16_t>(cand[cells[k]] & ~digits);
          if (others) step.Removals.emplace_back(cells[k], others);
        }
        return step;
      });
}

}  // namespace advanced
