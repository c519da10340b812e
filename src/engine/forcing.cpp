// SPDX-License-Identifier: GPL-3.0-or-later
// Forcing chains: the last resort before a guess.
//
// Each candidate of the grid is assumed placed in turn and followed by
// singles (a cell with one digit left, a digit with one place left in a row,
// column or block) until nothing more follows or the grid breaks: a cell
// without a digit, or a row, column or block where a digit has no place left.
//
//   - A branch that breaks proves its candidate wrong (a contradiction).
//   - When every candidate of a cell (cell forcing), or every place of a digit
//     in a unit (unit forcing), leads to the same placement, or takes out the
//     same candidate, that placement or removal is true, since one of them is.
//
// Every branch is followed once, with the candidates as bit sets; the forcing
// chains are then read off the branches. Of all the conclusions, those that
// leave a single at once (so that the hint ends there) come first, then those
// nearest a single (a cell of few digits, a digit of few places), then the
// one whose branches need the fewest placements to reach it, none more than
// MaxForcingPlacements; only those placements are named: each records the
// placements it follows from.
#include <algorithm>
#include <bit>
#include <bitset>

#include "advanced.h"
#include "cellunits.h"
#include "grille.h"

namespace advanced {

namespace {

using cellunits::Bit;

// A set of cells, in two words, with a population count that does not need
// the processor's own instruction.
class CellSet {
 public:
  bool test(int cell) const { return (Words_[cell / 64] >> (cell % 64)) & 1u; }
  CellSet& set(int cell) {
    Words_[cell / 64] |= std::uint64_t{1} << (cell % 64);
    return *this;
  }
  CellSet& operator|=(const CellSet& other) {
    Words_[0] |= other.Words_[0];
    Words_[1] |= other.Words_[1];
    return *this;
  }
  std::size_t count() const { return Count(Words_[0]) + Count(Words_[1]); }

 private:
  static std::size_t Count(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<std::size_t>((x * 0x0101010101010101u) >> 56);
  }
  std::array<std::uint64_t, 2> Words_{};
};

// A candidate: cell * 9 + digit - 1.
constexpr int Node(int cell, int digit) { return cell * 9 + digit - 1; }

// At most nine candidates: those of a cell, or a digit's in a unit.
struct NodeList {
  std::array<int, 9> Nodes{};
  int Count = 0;
  void Add(int node) { Nodes[static_cast<std::size_t>(Count++)] = node; }
  const int* begin() const { return Nodes.data(); }
  const int* end() const { return Nodes.data() + Count; }
};

// Per unit and digit, the digit's places: bit k for the unit's k-th cell.
using PlaceSets = std::array<std::array<std::uint16_t, 9>, 27>;

// Where a cell stands in each of its units.
constexpr std::array<int, 3> PositionsOf(int cell) {
  return {cellunits::ColOf(cell), cellunits::RowOf(cell), cellunits::RowOf(cell) % 3 * 3 + cellunits::ColOf(cell) % 3};
}

// One assumption followed by singles.
class Branch {
 public:
  Branch(const CandidateSets& start, const std::array<std::uint16_t, 27>& needed, const PlaceSets& places, int cell,
         int digit)
      : Start_(start), Needed_(needed), Cand_(start), Places_(places) {
    RemovedBy_.fill(-1);
    Queue(cell, digit, -1, CellSet());
    for (std::size_t next = 0; next < PendingCount_ && !Broken_; ++next) Place(Pending_[next]);
  }

  bool Broken() const { return Broken_; }
  // The placement of the cell in this branch, 0 for none.
  int Placed(int cell) const { return Placed_[cell]; }
  const std::bitset<729>& Removed() const { return Removed_; }
  // The placements a conclusion needs, its own included: for a placement, for
  // a removal (the placement that took the candidate out), for the break.
  CellSet PlacementClosure(int cell) const { return With(Ancestors_[cell], cell); }
  CellSet RemovalClosure(int node) const { return PlacementClosure(RemovedBy_[node]); }
  const CellSet& BreakClosure() const { return BreakClosure_; }
  // How the break shows: a cell without a digit, or a unit where a digit has
  // no place.
  int EmptyCell() const { return EmptyCell_; }
  int LackingUnit() const { return LackingUnit_; }
  int LackingDigit() const { return LackingDigit_; }

  // The placements of Cells in the order they were made: (cell, digit, the
  // unit of a digit's last place or -1).
  void Write(const CellSet& cells, int group, ReasoningStep& step) const {
    for (std::size_t k = 0; k < PendingCount_; ++k) {
      const Pending& placement = Pending_[k];
      if (!cells.test(placement.Cell) || Placed_[placement.Cell] != placement.Digit) continue;
      step.Cells.push_back(placement.Cell);
      step.Groups.push_back(group);
      step.ChainDigits.push_back(placement.Digit);
      step.LinkUnits.push_back(placement.Unit);
    }
  }

 private:
  struct Pending {
    int Cell, Digit, Unit;
  };

  static CellSet With(CellSet set, int cell) { return set.set(cell); }

  // What the placements that took out these candidates need, with them.
  CellSet Causes(const NodeList& nodes) const {
    CellSet causes;
    for (int node : nodes)
      if (RemovedBy_[node] >= 0) causes |= PlacementClosure(RemovedBy_[node]);
    return causes;
  }

  void Queue(int cell, int digit, int unit, const CellSet& ancestors) {
    if (Queued_.test(cell)) return;  // a second single there breaks the first, below
    Queued_.set(cell);
    Ancestors_[cell] = ancestors;
    Pending_[PendingCount_++] = {cell, digit, unit};
  }

  void Place(const Pending& placement) {
    const int cell = placement.Cell, digit = placement.Digit;
    Placed_[cell] = static_cast<std::uint8_t>(digit);
    for (int unit : cellunits::UnitsOf(cell))
      PlacedIn_[unit] = static_cast<std::uint16_t>(PlacedIn_[unit] | Bit(digit));
    for (int other = 1; other <= 9 && !Broken_; ++other)
      if (other != digit && (Cand_[cell] & Bit(other))) Remove(cell, other, cell);
    for (int peer : cellunits::Peers[cell])
      if (!Broken_ && (Cand_[peer] & Bit(digit))) Remove(peer, digit, cell);
  }

  void Remove(int cell, int digit, int by) {
    Cand_[cell] = static_cast<std::uint16_t>(Cand_[cell] & ~Bit(digit));
    RemovedBy_[Node(cell, digit)] = static_cast<std::int8_t>(by);
    Removed_.set(static_cast<std::size_t>(Node(cell, digit)));
    if (Placed_[cell] == 0) {
      if (Cand_[cell] == 0) return Break(cell, -1, 0);
      if ((Cand_[cell] & (Cand_[cell] - 1)) == 0) {
        NodeList others;
        for (int d = 1; d <= 9; ++d)
          if (d != LowestDigit(Cand_[cell]) && (Start_[cell] & Bit(d))) others.Add(Node(cell, d));
        Queue(cell, LowestDigit(Cand_[cell]), -1, Causes(others));
      }
    }
    const auto units = cellunits::UnitsOf(cell);
    const auto positions = PositionsOf(cell);
    for (int k = 0; k < 3; ++k) {
      const int unit = units[k];
      std::uint16_t& places = Places_[unit][digit - 1];
      places = static_cast<std::uint16_t>(places & ~(1u << positions[k]));
      if (!(Needed_[unit] & Bit(digit)) || (PlacedIn_[unit] & Bit(digit))) continue;
      if (places == 0) return Break(-1, unit, digit);
      if ((places & (places - 1)) == 0) {
        const int place = cellunits::Units[unit][std::countr_zero(places)];
        Queue(place, digit, unit, Causes(Gone(unit, digit, place)));
      }
    }
  }

  // The places the digit had in the unit at the start, but Keep.
  NodeList Gone(int unit, int digit, int keep) const {
    NodeList nodes;
    for (int cell : cellunits::Units[unit])
      if (cell != keep && (Start_[cell] & Bit(digit))) nodes.Add(Node(cell, digit));
    return nodes;
  }

  void Break(int cell, int unit, int digit) {
    Broken_ = true;
    EmptyCell_ = cell;
    LackingUnit_ = unit;
    LackingDigit_ = digit;
    if (cell >= 0) {
      NodeList nodes;
      for (int d = 1; d <= 9; ++d)
        if (Start_[cell] & Bit(d)) nodes.Add(Node(cell, d));
      BreakClosure_ = Causes(nodes);
    } else {
      BreakClosure_ = Causes(Gone(unit, digit, -1));
    }
  }

  const CandidateSets& Start_;
  const std::array<std::uint16_t, 27>& Needed_;
  CandidateSets Cand_;
  PlaceSets Places_;
  std::array<std::int8_t, 729> RemovedBy_;
  std::bitset<729> Removed_;
  std::array<std::uint8_t, 81> Placed_{};
  std::array<std::uint16_t, 27> PlacedIn_{};
  std::array<CellSet, 81> Ancestors_{};
  CellSet Queued_;
  std::array<Pending, 81> Pending_;  // each cell at most once
  std::size_t PendingCount_ = 0;
  bool Broken_ = false;
  CellSet BreakClosure_;
  int EmptyCell_ = -1, LackingUnit_ = -1, LackingDigit_ = 0;
};

// A conclusion and the branches that reach it.
struct Conclusion {
  Technique Kind = Technique::CellForcingChain;
  std::vector<int> Heads;      // the assumed candidates
  std::vector<CellSet> Named;  // per branch, the placements it names
  int Cell = -1, Digit = 0;
  bool Placement = false;
  int Unit = -1;  // a unit forcing's unit
  std::size_t Cost = 0;

  // How many more removals a single needs after this one: 0 when one follows
  // at once, so that the hint ends there.
  int ToSingle = 0;

  bool Before(const Conclusion& other) const {
    if (ToSingle != other.ToSingle) return ToSingle < other.ToSingle;
    if (Cost != other.Cost) return Cost < other.Cost;
    return Placement && !other.Placement;
  }
};

class ForcingSearch {
 public:
  explicit ForcingSearch(const CandidateSets& cand) : Cand_(cand) {
    for (int unit = 0; unit < 27; ++unit)
      for (int k = 0; k < 9; ++k) {
        const std::uint16_t set = cand[cellunits::Units[unit][k]];
        Needed_[unit] = static_cast<std::uint16_t>(Needed_[unit] | set);
        for (int d = 1; d <= 9; ++d)
          if (set & Bit(d)) Places_[unit][d - 1] = static_cast<std::uint16_t>(Places_[unit][d - 1] | (1u << k));
      }
    Index_.fill(-1);
    int count = 0;
    for (std::uint16_t set : cand) count += std::popcount(set);
    Branches_.reserve(static_cast<std::size_t>(count));
    for (int cell = 0; cell < 81; ++cell)
      for (int d = 1; d <= 9; ++d)
        if (cand[cell] & Bit(d))
          Index_[Node(cell, d)] = static_cast<int>(Branches_.size()),
                            Branches_.emplace_back(cand, Needed_, Places_, cell, d);
    for (int cell = 0; cell < 81; ++cell)
      for (int d = 1; d <= 9; ++d)
        if (cand[cell] & Bit(d)) ToSingle_[static_cast<std::size_t>(Node(cell, d))] = ToSingle(cell, d);
  }

  std::optional<Conclusion> Best() {
    for (int node = 0; node < 729; ++node) {
      if (Index_[node] < 0 || !At(node).Broken()) continue;
      const CellSet named = At(node).BreakClosure();
      if (named.count() > MaxForcingPlacements) continue;
      Consider({Technique::ContradictionChain,
                {node},
                {named},
                node / 9,
                node % 9 + 1,
                false,
                -1,
                named.count(),
                ToSingle_[static_cast<std::size_t>(node)]});
    }
    for (int cell = 0; cell < 81; ++cell) {
      if (std::popcount(Cand_[cell]) < 2) continue;
      std::vector<int> heads;
      for (int d = 1; d <= 9; ++d)
        if (Cand_[cell] & Bit(d)) heads.push_back(Node(cell, d));
      Forcing(Technique::CellForcingChain, heads, -1);
    }
    for (int unit = 0; unit < 27; ++unit)
      for (int d = 1; d <= 9; ++d) {
        std::vector<int> heads;
        for (int cell : cellunits::Units[unit])
          if (Cand_[cell] & Bit(d)) heads.push_back(Node(cell, d));
        if (heads.size() >= 2) Forcing(Technique::UnitForcingChain, heads, unit);
      }
    return Best_;
  }

  // The step of a conclusion: its removals, then each branch's placements.
  ReasoningStep Step(const Conclusion& c) const {
    ReasoningStep step;
    step.Kind = c.Kind;
    step.Digit = c.Digit;
    step.Removals.emplace_back(c.Cell,
                               c.Placement ? static_cast<std::uint16_t>(Cand_[c.Cell] & ~Bit(c.Digit)) : Bit(c.Digit));
    if (c.Unit >= 0) step.Units.push_back(cellunits::UnitOf(c.Unit));
    for (std::size_t k = 0; k < c.Heads.size(); ++k) At(c.Heads[k]).Write(c.Named[k], static_cast<int>(k), step);
    if (c.Kind != Technique::ContradictionChain) return step;
    const Branch& branch = At(c.Heads[0]);
    if (branch.EmptyCell() >= 0) {
      step.Cells.push_back(branch.EmptyCell());
      step.Groups.push_back(0);
      step.ChainDigits.push_back(0);
      step.LinkUnits.push_back(-1);
    } else {
      step.Units.push_back(cellunits::UnitOf(branch.LackingUnit()));
      step.Pair = Bit(branch.LackingDigit());
    }
    return step;
  }

 private:
  // How many removals, after that of the candidate, its cell still needs to
  // keep one digit, or its digit to keep one place in a unit of the cell: the
  // fewer, the nearer the hint's placement.
  int ToSingle(int cell, int digit) const {
    int fewest = std::popcount(Cand_[cell]) - 2;
    for (int unit : cellunits::UnitsOf(cell)) {
      int places = 0;
      for (int other : cellunits::Units[unit]) places += (Cand_[other] & Bit(digit)) ? 1 : 0;
      fewest = std::min(fewest, places - 2);
    }
    return fewest;
  }

  const Branch& At(int node) const { return Branches_[static_cast<std::size_t>(Index_[node])]; }

  void Consider(Conclusion&& c) {
    if (!Best_ || c.Before(*Best_)) Best_ = std::move(c);
  }

  // What every branch of the heads leads to.
  void Forcing(Technique kind, const std::vector<int>& heads, int unit) {
    for (int head : heads)
      if (At(head).Broken()) return;  // the contradiction says it more simply
    std::bitset<729> common = At(heads[0]).Removed();
    for (std::size_t k = 1; k < heads.size(); ++k) common &= At(heads[k]).Removed();
    for (int cell = 0; cell < 81; ++cell) {
      if (std::popcount(Cand_[cell]) < 2) continue;
      const int placed = At(heads[0]).Placed(cell);
      bool everywhere = placed != 0;
      for (std::size_t k = 1; k < heads.size() && everywhere; ++k) everywhere = At(heads[k]).Placed(cell) == placed;
      if (everywhere) {
        Reach(kind, heads, unit, cell, placed, true);
        continue;
      }
      for (int d = 1; d <= 9; ++d)
        if (common.test(static_cast<std::size_t>(Node(cell, d)))) Reach(kind, heads, unit, cell, d, false);
    }
  }

  void Reach(Technique kind, const std::vector<int>& heads, int unit, int cell, int digit, bool placement) {
    const int toSingle = placement ? 0 : ToSingle_[static_cast<std::size_t>(Node(cell, digit))];
    if (Best_ && Best_->ToSingle < toSingle) return;
    const bool sameClass = Best_ && Best_->ToSingle == toSingle;
    std::array<CellSet, 9> named;
    std::size_t cost = 0;
    for (std::size_t k = 0; k < heads.size(); ++k) {
      const int head = heads[k];
      named[k] = placement ? At(head).PlacementClosure(cell) : At(head).RemovalClosure(Node(cell, digit));
      const std::size_t count = named[k].count();
      if (count > MaxForcingPlacements) return;
      cost += count;
      if (sameClass && cost > Best_->Cost) return;
    }
    Consider({kind,
              heads,
              {named.begin(), named.begin() + static_cast<std::ptrdiff_t>(heads.size())},
              cell,
              digit,
              placement,
              unit,
              cost,
              toSingle});
  }

  const CandidateSets& Cand_;
  std::array<std::uint16_t, 27> Needed_{};
  PlaceSets Places_{};
  std::array<int, 729> Index_;
  std::vector<Branch> Branches_;
  std::array<int, 729> ToSingle_{};
  std::optional<Conclusion> Best_;
};

}  // namespace

std::optional<ReasoningStep> FindForcingChain(const CandidateSets& cand) {
  ForcingSearch search(cand);
  const std::optional<Conclusion> best = search.Best();
  if (!best) return std::nullopt;
  return search.Step(*best);
}

}  // namespace advanced
