// SPDX-License-Identifier: GPL-3.0-or-later
// Simple colouring of one digit. Where a unit has exactly two places for the
// digit, one of them holds it: the two cells get different colours, and the
// colouring spreads along such pairs. One colour holds the digit everywhere,
// the other nowhere. A cell that sees both colours cannot hold it (trap); two
// cells of one colour in one unit show that this colour is the wrong one, and
// all its cells lose the digit (wrap).
#include <algorithm>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

using cellunits::Bit;
using cellunits::Sees;

namespace {

struct Colouring {
  const CandidateSets& cand;
  int digit;
  std::array<int, 81> colour, parent, depth, component;

  Colouring(const CandidateSets& c, int d) : cand(c), digit(d) {
    colour.fill(-1);
    parent.fill(-1);
    depth.fill(0);
    component.fill(-1);
  }

  // The cells of the unit that take the digit, when there are exactly two.
  bool Pair(int unit, int& x, int& y) const {
    int n = 0;
    for (int cell : cellunits::Units[unit])
      if (cand[cell] & Bit(digit)) {
        if (n == 0)
          x = cell;
        else
          y = cell;
        if (++n > 2) return false;
      }
    return n == 2;
  }

  // Colours the component of root; returns its cells.
  std::vector<int> Spread(int root, int id) {
    std::vector<int> cells{root};
    colour[root] = 0;
    component[root] = id;
    for (std::size_t k = 0; k < cells.size(); ++k) {
      const int cell = cells[k];
      for (int unit : cellunits::UnitsOf(cell)) {
        int x = -1, y = -1;
        if (!Pair(unit, x, y)) continue;
        const int other = x == cell ? y : x;
        if (component[other] >= 0) continue;
        component[other] = id;
        colour[other] = 1 - colour[cell];
        parent[other] = cell;
        depth[other] = depth[cell] + 1;
        cells.push_back(other);
      }
    }
    return cells;
  }

  // The cells from a to b along the colouring's pairs.
  std::vector<int> Path(int a, int b) const {
    std::vector<int> front, back;
    while (depth[a] > depth[b]) front.push_back(a), a = parent[a];
    while (depth[b] > depth[a]) back.push_back(b), b = parent[b];
    while (a != b) {
      front.push_back(a), a = parent[a];
      back.push_back(b), b = parent[b];
    }
    front.push_back(a);
    front.insert(front.end(), back.rbegin(), back.rend());
    return front;
  }

  ReasoningStep Step(Technique kind, const std::vector<int>& path) const {
    ReasoningStep step;
    step.Kind = kind;
    step.Digit = digit;
    step.Cells = path;
    for (int cell : path) step.Groups.push_back(colour[cell]);
    // Each link's unit: where its two cells are the digit's only places.
    for (std::size_t k = 1; k < path.size(); ++k)
      for (int unit : cellunits::UnitsOf(path[k])) {
        int x = -1, y = -1;
        if (Pair(unit, x, y) && (x == path[k - 1] || y == path[k - 1])) {
          step.LinkUnits.push_back(unit);
          break;
        }
      }
    return step;
  }

  std::optional<ReasoningStep> Trap(const std::vector<int>& cells) const {
    for (int x = 0; x < 81; ++x) {
      if (!(cand[x] & Bit(digit)) || component[x] == component[cells[0]]) continue;
      int seen[2] = {-1, -1};
      for (int cell : cells)
        if (seen[colour[cell]] < 0 && Sees(x, cell)) seen[colour[cell]] = cell;
      if (seen[0] < 0 || seen[1] < 0) continue;
      ReasoningStep step = Step(Technique::ColourTrap, Path(seen[0], seen[1]));
      step.Removals = RemovalsSeeingAll(cand, seen, 2, digit, step.Cells);
      return step;
    }
    return std::nullopt;
  }

  std::optional<ReasoningStep> Wrap(const std::vector<int>& cells) const {
    for (int u : cells)
      for (int w : cells) {
        if (u >= w || colour[u] != colour[w] || !Sees(u, w)) continue;
        ReasoningStep step = Step(Technique::ColourWrap, Path(u, w));
        for (int unit : cellunits::UnitsOf(u)) {
          const auto& unitCells = cellunits::Units[unit];
          if (std::find(unitCells.begin(), unitCells.end(), w) != unitCells.end()) {
            step.Units.push_back(cellunits::UnitOf(unit));
            break;
          }
        }
        // Only the cells of that colour the chain shows.
        for (int cell : step.Cells)
          if (colour[cell] == colour[u]) step.Removals.emplace_back(cell, Bit(digit));
        return step;
      }
    return std::nullopt;
  }
};

}  // namespace

std::optional<ReasoningStep> FindColouring(const CandidateSets& cand) {
  for (int digit = 1; digit <= 9; ++digit) {
    Colouring colouring(cand, digit);
    int id = 0;
    for (int root = 0; root < 81; ++root) {
      if (!(cand[root] & Bit(digit)) || colouring.component[root] >= 0) continue;
      const std::vector<int> cells = colouring.Spread(root, id++);
      if (cells.size() < 2) continue;
      if (auto step = colouring.Trap(cells)) return step;
      if (auto step = colouring.Wrap(cells)) return step;
    }
  }
  return std::nullopt;
}

}  // namespace advanced
