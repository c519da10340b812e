// SPDX-License-Identifier: GPL-3.0-or-later
// Chains whose two ends cannot both be wrong, so that a cell that sees both
// ends loses the digit.
//
// X-chain, one digit: from a cell, a strong link (the only other place of the
// digit in a unit) and a weak link (another cell of the digit in a unit) in
// turn, ending on a strong link. If the first cell does not hold the digit,
// the last one does.
//
// XY-chain: cells of two candidates, each seeing the next and sharing a digit
// with it. If the first cell does not hold z, it holds its other digit, so the
// next one holds its other digit, and so on; when the last one is then forced
// to z, one of the two ends holds z.
//
// The shortest chain is kept, of at most MaxChainCells cells.
#include <algorithm>
#include <bit>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

using cellunits::Bit;
using cellunits::Sees;

namespace {

// The first unit that holds both cells.
int SharedUnit(int a, int b) {
  const auto ua = cellunits::UnitsOf(a), ub = cellunits::UnitsOf(b);
  for (int k = 0; k < 3; ++k)
    if (ua[k] == ub[k]) return ua[k];
  return -1;
}

// The first unit where the digit has exactly the two places a and b, or -1.
int StrongUnit(const std::array<int, 27>& places, int a, int b) {
  const auto ua = cellunits::UnitsOf(a), ub = cellunits::UnitsOf(b);
  for (int k = 0; k < 3; ++k)
    if (ua[k] == ub[k] && places[ua[k]] == 2) return ua[k];
  return -1;
}

struct Found {
  std::vector<int> cells;
  std::vector<int> units;
  std::vector<std::pair<int, std::uint16_t>> removals;
};

std::vector<int> Trace(const std::array<int, 81>& parent, int end) {
  std::vector<int> path;
  for (int cell = end; cell >= 0; cell = parent[cell]) path.insert(path.begin(), cell);
  return path;
}

// X-chains of the digit from one start: breadth first, so the first chain
// that removes something is a shortest one from this start.
std::optional<Found> XChainFrom(const CandidateSets& cand, const std::array<int, 27>& places, int digit, int start) {
  const std::uint16_t bit = Bit(digit);
  std::array<int, 81> parent, linkUnit;
  std::array<bool, 81> seen{};
  parent.fill(-1);
  linkUnit.fill(-1);
  seen[start] = true;
  std::vector<int> layer{start};
  for (int length = 1; length < MaxChainCells && !layer.empty(); ++length) {
    const bool strong = length % 2 == 1;
    std::vector<int> next;
    for (int from : layer)
      for (int to : cellunits::Peers[from]) {
        if (seen[to] || !(cand[to] & bit) || !Sees(from, to)) continue;
        const int unit = strong ? StrongUnit(places, from, to) : SharedUnit(from, to);
        if (unit < 0) continue;
        seen[to] = true;
        parent[to] = from;
        linkUnit[to] = unit;
        next.push_back(to);
        if (!strong || length < 3) continue;
        const std::vector<int> path = Trace(parent, to);
        const int ends[2] = {start, to};
        auto removals = RemovalsSeeingAll(cand, ends, 2, digit, path);
        if (removals.empty()) continue;
        Found found{path, {}, std::move(removals)};
        for (std::size_t k = 1; k < path.size(); ++k) found.units.push_back(linkUnit[path[k]]);
        return found;
      }
    layer = std::move(next);
  }
  return std::nullopt;
}

// XY-chains from one start, assuming that it does not hold z.
std::optional<Found> XYChainFrom(const CandidateSets& cand, int start, int z) {
  std::array<int, 81> parent, value;
  std::array<bool, 81> seen{};
  parent.fill(-1);
  value.fill(0);
  seen[start] = true;
  value[start] = std::countr_zero(static_cast<unsigned>(cand[start] & ~Bit(z))) + 1;
  std::vector<int> layer{start};
  for (int length = 1; length < MaxChainCells && !layer.empty(); ++length) {
    std::vector<int> next;
    for (int from : layer)
      for (int to : cellunits::Peers[from]) {
        if (seen[to] || std::popcount(cand[to]) != 2 || !(cand[to] & Bit(value[from])) || !Sees(from, to)) continue;
        seen[to] = true;
        parent[to] = from;
        value[to] = std::countr_zero(static_cast<unsigned>(cand[to] & ~Bit(value[from]))) + 1;
        next.push_back(to);
        if (value[to] != z || length < 2) continue;
        const std::vector<int> path = Trace(parent, to);
        const int ends[2] = {start, to};
        auto removals = RemovalsSeeingAll(cand, ends, 2, z, path);
        if (removals.empty()) continue;
        Found found{path, {}, std::move(removals)};
        for (std::size_t k = 1; k < path.size(); ++k) found.units.push_back(SharedUnit(path[k - 1], path[k]));
        return found;
      }
    layer = std::move(next);
  }
  return std::nullopt;
}

ReasoningStep MakeStep(Technique kind, int digit, Found&& found) {
  ReasoningStep step;
  step.Kind = kind;
  step.Digit = digit;
  step.Cells = std::move(found.cells);
  for (std::size_t k = 0; k < step.Cells.size(); ++k) step.Groups.push_back(static_cast<int>(k % 2));
  for (int unit : found.units) step.Units.push_back(cellunits::UnitOf(unit));
  step.Removals = std::move(found.removals);
  return step;
}

}  // namespace

std::optional<ReasoningStep> FindXChain(const CandidateSets& cand) {
  std::optional<ReasoningStep> best;
  for (int digit = 1; digit <= 9; ++digit) {
    std::array<int, 27> places{};
    for (int unit = 0; unit < 27; ++unit)
      for (int cell : cellunits::Units[unit]) places[unit] += (cand[cell] & Bit(digit)) ? 1 : 0;
    for (int start = 0; start < 81; ++start) {
      if (!(cand[start] & Bit(digit))) continue;
      auto found = XChainFrom(cand, places, digit, start);
      if (found && (!best || found->cells.size() < best->Cells.size()))
        best = MakeStep(Technique::XChain, digit, std::move(*found));
    }
  }
  return best;
}

std::optional<ReasoningStep> FindXYChain(const CandidateSets& cand) {
  std::optional<ReasoningStep> best;
  for (int start = 0; start < 81; ++start) {
    if (std::popcount(cand[start]) != 2) continue;
    for (int z = 1; z <= 9; ++z) {
      if (!(cand[start] & Bit(z))) continue;
      auto found = XYChainFrom(cand, start, z);
      if (found && (!best || found->cells.size() < best->Cells.size()))
        best = MakeStep(Technique::XYChain, z, std::move(*found));
    }
  }
  return best;
}

}  // namespace advanced

namespace advanced {

namespace {

// A candidate: cell * 9 + digit - 1.
constexpr int NodeCell(int node) { return node / 9; }
constexpr int NodeDigit(int node) { return node % 9 + 1; }

bool Weak(int a, int b) {
  if (a == b) return false;
  if (NodeCell(a) == NodeCell(b)) return true;
  return NodeDigit(a) == NodeDigit(b) && Sees(NodeCell(a), NodeCell(b));
}

struct ChainSearch {
  const CandidateSets& cand;
  std::array<std::array<int, 27>, 9> places{};  // per digit and unit

  explicit ChainSearch(const CandidateSets& c) : cand(c) {
    for (int d = 1; d <= 9; ++d)
      for (int unit = 0; unit < 27; ++unit)
        for (int cell : cellunits::Units[unit]) places[d - 1][unit] += (cand[cell] & Bit(d)) ? 1 : 0;
  }

  bool Has(int node) const { return (cand[NodeCell(node)] & Bit(NodeDigit(node))) != 0; }

  // The candidates strongly linked to `from`, with the unit of the link (-1 in the cell).
  template <class Visit>
  void Strong(int from, Visit&& visit) const {
    const int cell = NodeCell(from), digit = NodeDigit(from);
    if (std::popcount(cand[cell]) == 2)
      visit(cell * 9 + std::countr_zero(static_cast<unsigned>(cand[cell] & ~Bit(digit))), -1);
    for (int unit : cellunits::UnitsOf(cell)) {
      if (places[digit - 1][unit] != 2) continue;
      for (int other : cellunits::Units[unit])
        if (other != cell && (cand[other] & Bit(digit))) visit(other * 9 + digit - 1, unit);
    }
  }

  template <class Visit>
  void WeakLinks(int from, Visit&& visit) const {
    const int cell = NodeCell(from), digit = NodeDigit(from);
    for (int d = 1; d <= 9; ++d)
      if (d != digit && (cand[cell] & Bit(d))) visit(cell * 9 + d - 1, -1);
    for (int other : cellunits::Peers[cell])
      if (cand[other] & Bit(digit)) visit(other * 9 + digit - 1, SharedUnit(cell, other));
  }

  // Removals for a chain from `start` (false) to `end` (then true).
  std::vector<std::pair<int, std::uint16_t>> Removals(int start, int end, const std::vector<int>& chain) const {
    std::vector<std::pair<int, std::uint16_t>> removals;
    // Only candidates in the cell of an end, or of an end's digit in a cell
    // that sees it, can be weakly linked to it.
    int around[22], count = 0;
    auto add = [&](int cell) {
      for (int k = 0; k < count; ++k)
        if (around[k] == cell) return;
      around[count++] = cell;
    };
    add(NodeCell(start));
    add(NodeCell(end));
    if (NodeDigit(start) == NodeDigit(end))
      for (int cell : cellunits::Peers[NodeCell(start)])
        if (Sees(cell, NodeCell(end))) add(cell);
    std::sort(around, around + count);
    for (int k = 0; k < count; ++k)
      for (int d = 1; d <= 9; ++d) {
        const int node = around[k] * 9 + d - 1;
        if (!Has(node) || !Weak(node, start) || !Weak(node, end)) continue;
        bool inChain = false;
        for (int n : chain) inChain = inChain || n == node;
        if (inChain) continue;
        if (!removals.empty() && removals.back().first == NodeCell(node))
          removals.back().second = static_cast<std::uint16_t>(removals.back().second | Bit(NodeDigit(node)));
        else
          removals.emplace_back(NodeCell(node), Bit(NodeDigit(node)));
      }
    return removals;
  }

  // Breadth first from start, chains shorter than `limit` nodes. A candidate
  // may be met once as true (reached by a strong link) and once as false.
  std::optional<ReasoningStep> From(int start, int limit) const {
    // Per state (node * 2 + 1 when reached by a strong link): its parent state
    // and the unit of the link.
    std::array<int, 1458> parent, unit;
    std::array<bool, 1458> seen{};
    parent.fill(-1);
    unit.fill(-1);
    seen[start * 2] = true;
    std::vector<int> layer{start * 2};
    for (int length = 1; length < limit && !layer.empty(); ++length) {
      const bool strong = length % 2 == 1;
      std::vector<int> next;
      std::optional<ReasoningStep> found;
      for (int fromState : layer) {
        const int from = fromState / 2;
        auto visit = [&](int to, int via) {
          const int state = to * 2 + (strong ? 1 : 0);
          if (found || seen[state]) return;
          seen[state] = true;
          parent[state] = fromState;
          unit[state] = via;
          next.push_back(state);
          if (!strong || length < 3) return;
          std::vector<int> chain, links;
          for (int s = state; s >= 0; s = parent[s]) {
            for (int n : chain)
              if (n == s / 2) return;  // a candidate twice: not a chain
            chain.insert(chain.begin(), s / 2);
            links.insert(links.begin(), unit[s]);
          }
          auto removals = Removals(start, to, chain);
          if (removals.empty()) return;
          ReasoningStep step;
          step.Kind = Technique::AlternatingChain;
          step.Digit = NodeDigit(start);
          for (std::size_t k = 0; k < chain.size(); ++k) {
            step.Cells.push_back(NodeCell(chain[k]));
            step.ChainDigits.push_back(NodeDigit(chain[k]));
            step.Groups.push_back(k % 2 == 1 ? 1 : 0);
            if (k == 0) continue;
            step.LinkUnits.push_back(links[k]);
            if (k % 2 == 1 && links[k] >= 0) step.Units.push_back(cellunits::UnitOf(links[k]));
          }
          step.Removals = std::move(removals);
          found = std::move(step);
        };
        if (strong)
          Strong(from, visit);
        else
          WeakLinks(from, visit);
        if (found) return found;
      }
      layer = std::move(next);
    }
    return std::nullopt;
  }
};

}  // namespace

std::optional<ReasoningStep> FindAlternatingChain(const CandidateSets& cand) {
  const ChainSearch search(cand);
  std::optional<ReasoningStep> best;
  for (int start = 0; start < 729; ++start) {
    if (!search.Has(start)) continue;
    const int limit = best ? static_cast<int>(best->Cells.size()) : MaxChainCells;
    if (auto step = search.From(start, limit)) best = std::move(step);
  }
  return best;
}

}  // namespace advanced
