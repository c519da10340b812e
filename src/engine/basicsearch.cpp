// SPDX-License-Identifier: GPL-3.0-or-later
#include "basicsearch.h"

#include <bit>
#include <cstring>

#include "cellunits.h"
#include "grille.h"
#include "hintfocus.h"

namespace basic {

ReasoningStep StepOf(const TGrille& Grid, const Found& Placement) {
  const int row = Placement.Cell / 9 + 1, col = Placement.Cell % 9 + 1;
  const int line = Placement.ByRow ? row : col, pos = Placement.ByRow ? col : row;
  const int d = Placement.Digit;
  HintFocusT focus;
  switch (Placement.Kind) {
    case Technique::LineCompletion:
      focus = hintfocus::Line(Grid, Placement.ByRow, line, pos, d, hintfocus::Search::Completion);
      break;
    case Technique::LineCellSearch:
      focus = hintfocus::Line(Grid, Placement.ByRow, line, pos, d, hintfocus::Search::CellSearch);
      break;
    case Technique::LineDigitSearch:
      focus = hintfocus::Line(Grid, Placement.ByRow, line, pos, d, hintfocus::Search::DigitSearch);
      break;
    case Technique::BlockCompletion:
      focus = hintfocus::Block(Grid, row, col, d, hintfocus::Search::Completion);
      break;
    case Technique::BlockCellSearch:
      focus = hintfocus::Block(Grid, row, col, d, hintfocus::Search::CellSearch);
      break;
    case Technique::BlockDigitSearch:
      focus = hintfocus::Block(Grid, row, col, d, hintfocus::Search::DigitSearch);
      break;
    case Technique::NakedSingle:
      focus = hintfocus::NakedSingle(Grid, row, col, d);
      break;
    case Technique::HiddenSingle:
      focus = Placement.Unit == UnitKind::Block
                  ? hintfocus::Block(Grid, row, col, d, hintfocus::Search::HiddenSingle)
                  : hintfocus::Line(Grid, Placement.Unit == UnitKind::Row, Placement.Unit == UnitKind::Row ? row : col,
                                    Placement.Unit == UnitKind::Row ? col : row, d, hintfocus::Search::HiddenSingle);
      break;
    default:  // cross-hatching
      focus = hintfocus::CrossHatch(Grid, Placement.ByRow, line, Band(pos), pos, d);
      break;
  }
  ReasoningStep step = hintfocus::Placement(Placement.Kind, Placement.Cell, d, focus);
  step.ByRow = Placement.ByRow;
  step.EmptyCells = Placement.EmptyCells;
  step.Excluded = Placement.Excluded;
  return step;
}

const std::array<int, 9>& UnitCells(HintUnit Unit) {
  const int base = Unit.Kind == UnitKind::Row ? 0 : Unit.Kind == UnitKind::Col ? 9 : 18;
  return cellunits::Units[std::size_t(base + Unit.Number - 1)];
}

int UnitCell(HintUnit Unit, int K) { return UnitCells(Unit)[std::size_t(K)]; }

// --- Singles ---

namespace {

// The first cell at or after Start whose candidate set holds exactly one
// digit, 81 when there is none. Four cells are tested at once, each 16-bit
// lane on its own: Lane - 1 never borrows from the next lane while the lane's
// top bit is set, and candidate sets never reach that bit (a lane that does,
// through SetCandidates, is tested plainly).
int FirstNakedSingle(const CandidateArray& Candidates, int Start) {
  constexpr std::uint64_t Top = 0x8000800080008000ull, One = 0x0001000100010001ull;
  auto single = [](std::uint16_t c) { return c != 0 && (c & (c - 1)) == 0; };
  for (int i = Start & ~3; i + 4 <= 81; i += 4) {
    std::uint64_t x;
    std::memcpy(&x, &Candidates[std::size_t(i)], sizeof x);
    std::uint64_t found;
    if ((x & Top) == 0) {
      const std::uint64_t lowered = (x | Top) - One;  // per lane: top bit set when the lane is not 0
      const std::uint64_t rest = x & lowered;         // per lane: its lowest bit cleared
      found = lowered & ~((rest | Top) - One) & Top;  // lane not 0, and 0 once its lowest bit is gone
    } else {
      found = 0;
      for (int k = 0; k < 4; ++k)
        if (single(Candidates[std::size_t(i + k)])) found |= std::uint64_t(0x8000) << (16 * k);
    }
    if (i < Start) found &= ~std::uint64_t(0) << (16 * (Start - i));
    if (found != 0) return i + std::countr_zero(found) / 16;
  }
  return Start <= 80 && single(Candidates[80]) ? 80 : 81;
}

}  // namespace

std::optional<Found> NakedSingleSearch::Next(const CandidateArray& Candidates) {
  // Reading order; a placement narrows the cells after it before they are read.
  const int i = FirstNakedSingle(Candidates, Start_);
  if (i >= 81) {
    Start_ = 81;
    return std::nullopt;
  }
  Start_ = i + 1;
  return Found{.Kind = Technique::NakedSingle, .Cell = i, .Digit = LowestDigit(Candidates[std::size_t(i)])};
}

std::optional<Found> HiddenSingleSearch::Next(const CandidateArray& Candidates) {
  for (; Unit_ <= 9; ++Unit_, Digit_ = 1, Recount_ = true) {
    const auto& cells = UnitCells({Kind_, Unit_});
    auto at = [&](int k) { return Candidates[std::size_t(cells[std::size_t(k)])]; };
    if (Recount_) {
      // The digits that appear in exactly one of the unit's candidate sets.
      std::uint16_t once = 0, more = 0;
      for (int k = 0; k < 9; ++k) {
        const std::uint16_t c = at(k);
        more |= once & c;
        once |= c;
      }
      Single_ = static_cast<std::uint16_t>(once & ~more);
      Recount_ = false;
    }
    for (; Digit_ <= 9; ++Digit_) {
      const std::uint16_t bit = static_cast<std::uint16_t>(1u << (Digit_ - 1));
      if (!(Single_ & bit)) continue;
      int k = 0;
      while (!(at(k) & bit)) ++k;
      const Found found{.Kind = Technique::HiddenSingle, .Cell = cells[std::size_t(k)], .Digit = Digit_, .Unit = Kind_};
      ++Digit_;
      Recount_ = true;
      return found;
    }
  }
  return std::nullopt;
}

// --- Eliminations ---

namespace {
// Bit counts of a set, by clearing its lowest bits (no table, no population count).
inline bool AtMostTwo(std::uint16_t m) { return DropLowest(DropLowest(m)) == 0; }
inline bool ExactlyTwo(std::uint16_t m) { return DropLowest(m) != 0 && AtMostTwo(m); }
inline bool AtMostThree(std::uint16_t m) { return DropLowest(DropLowest(DropLowest(m))) == 0; }
inline bool ExactlyThree(std::uint16_t m) { return DropLowest(DropLowest(m)) != 0 && AtMostThree(m); }
}  // namespace

std::optional<Elimination> PointingSearch::Next(const CandidateArray& Candidates) {
  for (; Block_ < 9; ++Block_, Direction_ = 0, Line_ = 0, Fresh_ = true) {
    const int br = Block_ / 3 + 1, bc = Block_ % 3 + 1;
    if (Fresh_) {
      // The candidates of each row and column of the block; the removals
      // only touch cells outside it.
      Unions_ = {};
      const int r0 = 3 * (br - 1) + 1, c0 = 3 * (bc - 1) + 1;
      for (std::size_t k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j) {
          Unions_[0][k] |= Candidates[std::size_t(Cell(r0 + int(k), c0 + j))];
          Unions_[1][k] |= Candidates[std::size_t(Cell(r0 + j, c0 + int(k)))];
        }
      Fresh_ = false;
    }
    for (; Direction_ < 2; ++Direction_, Line_ = 0) {
      const auto& lines = Unions_[std::size_t(Direction_)];
      const int group = Direction_ == 0 ? br : bc, third = Direction_ == 0 ? bc : br;
      for (; Line_ < 3; ++Line_) {
        // The digits of this line that no other line of the block can take.
        const std::uint16_t only = static_cast<std::uint16_t>(
            lines[std::size_t(Line_)] & ~(lines[std::size_t((Line_ + 1) % 3)] | lines[std::size_t((Line_ + 2) % 3)]));
        if (only == 0) continue;
        const HintUnit unit{Direction_ == 0 ? UnitKind::Row : UnitKind::Col, 3 * (group - 1) + Line_ + 1};
        const auto& cells = UnitCells(unit);
        std::uint16_t positions = 0;
        for (int p = 0; p < 9; ++p)
          if (p / 3 + 1 != third && (Candidates[std::size_t(cells[std::size_t(p)])] & only))
            positions = static_cast<std::uint16_t>(positions | (1u << p));
        if (positions == 0) continue;
        ++Line_;
        return Elimination{Technique::Pointing, unit, only, positions};
      }
    }
  }
  return std::nullopt;
}

SubsetSearch::SubsetSearch(const UnitSets& Sets, UnitKind Units, int Size)
    : Filled_(Units == UnitKind::Row   ? Sets.RowFilled
              : Units == UnitKind::Col ? Sets.ColFilled
                                       : Sets.BlockFilled),
      Kind_(Units),
      Size_(Size) {}

int SubsetSearch::CellAt(int K) const { return (*Cells_)[std::size_t(K)]; }

// The empty cells of the unit whose candidate sets hold at most Size digits:
// the only ones that can belong to a pair (triple).
std::uint16_t SubsetSearch::Fit(const CandidateArray& Candidates) const {
  std::uint16_t set = 0;
  const std::uint16_t empty = static_cast<std::uint16_t>(~Filled_[std::size_t(Unit_ - 1)] & AllDigits);
  for (std::uint16_t rest = empty; rest != 0; rest = DropLowest(rest)) {
    const std::uint16_t cand = Candidates[std::size_t(CellAt(LowestDigit(rest) - 1))];
    if (Size_ == 2 ? AtMostTwo(cand) : AtMostThree(cand)) set = static_cast<std::uint16_t>(set | (rest & -rest));
  }
  return set;
}

// The cells that lose some of Digits: in a line all but the subset's; in a
// block those outside the rows and the columns of the pair's two cells.
std::uint16_t SubsetSearch::Positions(const CandidateArray& Candidates, std::uint16_t Digits) const {
  std::uint16_t positions = 0;
  for (int k = 0; k < 9; ++k) {
    bool spared = false;
    for (int taken = 0; taken < Size_; ++taken) {
      const int t = Pick_[std::size_t(taken)];
      spared = spared || (Kind_ == UnitKind::Block ? k / 3 == t / 3 || k % 3 == t % 3 : k == t);
    }
    if (!spared && (Candidates[std::size_t(CellAt(k))] & Digits))
      positions = static_cast<std::uint16_t>(positions | (1u << k));
  }
  return positions;
}

std::optional<Elimination> SubsetSearch::Next(const CandidateArray& Candidates) {
  auto cand = [&](int k) { return Candidates[std::size_t(CellAt(k))]; };
  auto found = [&](std::uint16_t digits) {
    const std::uint16_t positions = Positions(Candidates, digits);
    Recount_ = positions != 0;
    return Elimination{Technique::NakedSubset, {Kind_, Unit_}, digits, positions};
  };
  // Three nested loops over the cells taken, resumed where the last step was
  // found; a level not yet begun is -1.
  int& a = Pick_[0];
  int& b = Pick_[1];
  int& c = Pick_[2];
  for (; Unit_ <= 9; ++Unit_, Begun_ = false) {
    Cells_ = &UnitCells({Kind_, Unit_});
    if (!Begun_ || Recount_) Fit_ = Fit(Candidates);
    if (!Begun_) {
      Pick_ = {0, -1, -1};
      Begun_ = true;
    }
    Recount_ = false;
    // Too few cells for a subset: the unit has none (and nothing recounts).
    if (CountBits(Fit_) < Size_) continue;
    for (; a < 9; ++a, b = -1) {
      if (b < 0) {
        if (!(Fit_ & (1u << a))) continue;
        Union_[0] = cand(a);
        b = a + 1;
      }
      for (; b < 9; ++b, c = -1) {
        if (c < 0) {
          if (!(Fit_ & (1u << b))) continue;
          const std::uint16_t ab = static_cast<std::uint16_t>(Union_[0] | cand(b));
          if (Size_ == 2) {
            if (!ExactlyTwo(ab)) continue;
            const Elimination pair = found(ab);
            ++b;
            return pair;
          }
          if (!AtMostThree(ab)) continue;  // a third cell can only add digits
          Union_[1] = ab;
          c = b + 1;
        }
        for (; c < 9; ++c) {
          if (!(Fit_ & (1u << c))) continue;
          const std::uint16_t abc = static_cast<std::uint16_t>(Union_[1] | cand(c));
          if (!ExactlyThree(abc)) continue;
          const Elimination triple = found(abc);
          ++c;
          return triple;
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace basic
