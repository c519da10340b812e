// SPDX-License-Identifier: GPL-3.0-or-later
#include "basicsearch.h"

#include <bit>
#include <cstring>

#include "grille.h"
#include "hintfocus.h"

namespace basic {

namespace {

// The first n digits absent from a set of present digits, in increasing order,
// as a set: the digit list of a line or block used with the count of its gaps.
inline std::uint16_t FirstMissing(std::uint16_t present, int n) {
  const std::uint16_t missing = static_cast<std::uint16_t>(~present & AllDigits);
  if (CountBits(missing) == n) return missing;  // no digit stands twice
  std::uint16_t list = 0;
  for (int d = 1; d <= 9 && n > 0; ++d)
    if (!(present & (1u << (d - 1)))) {
      list = static_cast<std::uint16_t>(list | (1u << (d - 1)));
      --n;
    }
  return list;
}

inline std::uint16_t DropLowest(std::uint16_t m) { return static_cast<std::uint16_t>(m & (m - 1)); }
inline bool OneBit(std::uint16_t m) { return m != 0 && DropLowest(m) == 0; }

// What a search of gaps settles next: the first gap whose possible digits are
// one (a cell search); otherwise the smallest digit only one gap can take, at
// the first such gap (a digit search); nothing when neither. Gaps are bits of
// Left, Possible(gap) the listed digits the gap can take.
struct Settled {
  int Gap = -1;  // the bit number of the gap
  std::uint16_t Bit = 0;
  bool DigitSearch = false;
};

template <class Possible>
std::optional<Settled> SettleGap(std::uint16_t left, Possible possible) {
  for (std::uint16_t rest = left; rest != 0; rest = DropLowest(rest)) {
    const int q = LowestDigit(rest) - 1;
    const std::uint16_t can = possible(q);
    if (OneBit(can)) return Settled{q, can, false};
  }
  std::uint16_t once = 0, more = 0;
  for (std::uint16_t rest = left; rest != 0; rest = DropLowest(rest)) {
    const std::uint16_t can = possible(LowestDigit(rest) - 1);
    more |= once & can;
    once |= can;
  }
  const std::uint16_t single = static_cast<std::uint16_t>(once & ~more);
  if (single == 0) return std::nullopt;
  const std::uint16_t bit = static_cast<std::uint16_t>(single & -single);
  for (std::uint16_t rest = left;; rest = DropLowest(rest))
    if (possible(LowestDigit(rest) - 1) & bit) return Settled{LowestDigit(rest) - 1, bit, true};
}

}  // namespace

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

int UnitCell(HintUnit Unit, int K) {
  switch (Unit.Kind) {
    case UnitKind::Row:
      return Cell(Unit.Number, K + 1);
    case UnitKind::Col:
      return Cell(K + 1, Unit.Number);
    default:
      return Cell(3 * ((Unit.Number - 1) / 3) + 1 + K / 3, 3 * ((Unit.Number - 1) % 3) + 1 + K % 3);
  }
}

// --- Lines ---

LineSearch::LineSearch(const UnitSets& Sets, HintUnit Line, int Most)
    : Line_(Line.Number), ByRow_(Line.Kind == UnitKind::Row) {
  // Gap lists: the empty positions in order and the missing digits in
  // increasing order, both kept as sets and used with the count of empty
  // positions. A used position or digit leaves its set.
  Left_ = static_cast<std::uint16_t>(~(ByRow_ ? Sets.RowFilled : Sets.ColFilled)[Line_ - 1] & AllDigits);
  Empty_ = CountBits(Left_);
  Done_ = Empty_ == 0 || (Empty_ > 1 && Empty_ > Most);
  Digits_ = Done_ ? std::uint16_t(0) : FirstMissing((ByRow_ ? Sets.RowDigits : Sets.ColDigits)[Line_ - 1], Empty_);
}

std::optional<Found> LineSearch::Next(const UnitSets& Sets) {
  if (Done_) return std::nullopt;
  auto cellOf = [&](int p) { return ByRow_ ? Cell(Line_, p) : Cell(p, Line_); };
  if (Empty_ == 1) {
    Done_ = true;
    return Found{Technique::LineCompletion, cellOf(LowestDigit(Left_)), LowestDigit(Digits_), ByRow_, 0, false};
  }
  // The digits that the cross line through a position already holds.
  const auto& cross = ByRow_ ? Sets.ColDigits : Sets.RowDigits;
  const auto settled =
      SettleGap(Left_, [&](int q) { return static_cast<std::uint16_t>(Digits_ & ~cross[std::size_t(q)]); });
  if (!settled) {
    Done_ = true;
    return std::nullopt;
  }
  Left_ = static_cast<std::uint16_t>(Left_ & ~(1u << settled->Gap));
  Digits_ = static_cast<std::uint16_t>(Digits_ & ~settled->Bit);
  return Found{settled->DigitSearch ? Technique::LineDigitSearch : Technique::LineCellSearch,
               cellOf(settled->Gap + 1),
               LowestDigit(settled->Bit),
               ByRow_,
               Empty_,
               false};
}

// --- Blocks ---

BlockSearchMemo::BlockSearchMemo() {
  // The filled set is never all ones (the search needs an empty cell), so an
  // all-ones key never matches.
  for (auto& most : Keys_)
    for (auto& key : most) key.fill(0xFFFF);
}

BlockSearchMemo::Key BlockSearchMemo::Inputs(const UnitSets& Sets, int Block) {
  const int r = 3 * (Block / 3), c = 3 * (Block % 3);
  return {Sets.BlockFilled[Block], Sets.BlockDigits[Block], Sets.RowDigits[r],     Sets.RowDigits[r + 1],
          Sets.RowDigits[r + 2],   Sets.ColDigits[c],       Sets.ColDigits[c + 1], Sets.ColDigits[c + 2]};
}

BlockSearch::BlockSearch(const UnitSets& Sets, int Block, int Most, BlockSearchMemo& Memo)
    : Block_(Block), Row0_(3 * (Block / 3) + 1), Col0_(3 * (Block % 3) + 1) {
  // The same lists as for a line: the empty cells in reading order (bit k for
  // cell k of the block) and the missing digits.
  Left_ = static_cast<std::uint16_t>(~Sets.BlockFilled[Block] & AllDigits);
  Empty_ = CountBits(Left_);
  Done_ = Empty_ == 0 || (Empty_ > 1 && Empty_ > Most);
  if (!Done_ && Empty_ > 1) {
    Memo_ = &Memo.Entry(Most, Block);
    Done_ = BlockSearchMemo::Inputs(Sets, Block) == *Memo_;
  }
  Digits_ = Done_ ? std::uint16_t(0) : FirstMissing(Sets.BlockDigits[Block], Empty_);
}

// The listed digits that neither the row nor the column of cell k holds.
std::uint16_t BlockSearch::PossibleAt(const UnitSets& Sets, int K) const {
  return static_cast<std::uint16_t>(
      Digits_ & ~(Sets.RowDigits[std::size_t(Row0_ + K / 3 - 1)] | Sets.ColDigits[std::size_t(Col0_ + K % 3 - 1)]));
}

std::optional<Found> BlockSearch::Next(const UnitSets& Sets) {
  if (Done_) return std::nullopt;
  auto cellOf = [&](int k) { return Cell(Row0_ + k / 3, Col0_ + k % 3); };
  if (Empty_ == 1) {
    Done_ = true;
    return Found{Technique::BlockCompletion, cellOf(LowestDigit(Left_) - 1), LowestDigit(Digits_), true, 0, false};
  }
  const auto settled = SettleGap(Left_, [&](int q) { return PossibleAt(Sets, q); });
  if (!settled) {
    Done_ = true;
    if (!Placed_ && Memo_) *Memo_ = BlockSearchMemo::Inputs(Sets, Block_);
    return std::nullopt;
  }
  Placed_ = true;
  Left_ = static_cast<std::uint16_t>(Left_ & ~(1u << settled->Gap));
  Digits_ = static_cast<std::uint16_t>(Digits_ & ~settled->Bit);
  return Found{settled->DigitSearch ? Technique::BlockDigitSearch : Technique::BlockCellSearch,
               cellOf(settled->Gap),
               LowestDigit(settled->Bit),
               true,
               Empty_,
               false};
}

// --- Cross-hatching ---

CrossHatchSearch::CrossHatchSearch(const UnitSets& Sets, int Band, UnitKind Lines)
    : First_(3 * (Band - 1) + 1), ByRow_(Lines == UnitKind::Row) {
  const auto& thirds = ByRow_ ? Sets.RowThirds : Sets.ColThirds;
  // The digits that stand in exactly two of the band's three blocks; a
  // placement only adds its own digit, so the set holds for the whole search.
  for (std::size_t k = 0; k < 3; ++k)
    InBlock_[k] = static_cast<std::uint16_t>(thirds[First_ - 1][k] | thirds[First_][k] | thirds[First_ + 1][k]);
  Two_ = static_cast<std::uint16_t>((InBlock_[0] & InBlock_[1] & ~InBlock_[2]) |
                                    (InBlock_[0] & ~InBlock_[1] & InBlock_[2]) |
                                    (~InBlock_[0] & InBlock_[1] & InBlock_[2]));
}

std::optional<Found> CrossHatchSearch::Next(const UnitSets& Sets) {
  const auto& thirds = ByRow_ ? Sets.RowThirds : Sets.ColThirds;
  const auto& filled = ByRow_ ? Sets.RowFilled : Sets.ColFilled;
  const auto& cross = ByRow_ ? Sets.ColDigits : Sets.RowDigits;
  for (; NextDigit_ <= 9; ++NextDigit_) {
    const int d = NextDigit_;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (d - 1));
    if (!(Two_ & bit)) continue;
    // The block without d, and the line of each other block where d stands
    // (the first line met in that block).
    int g = 0;
    bool lineHas[3] = {false, false, false};
    for (int k = 0; k < 3; ++k) {
      if (!(InBlock_[std::size_t(k)] & bit)) {
        g = k + 1;
        continue;
      }
      for (int li = 0; li < 3; ++li)
        if (thirds[std::size_t(First_ - 1 + li)][std::size_t(k)] & bit) {
          lineHas[li] = true;
          break;
        }
    }
    int L = 0;
    for (int li = 0; li < 3; ++li)
      if (!lineHas[li]) L = First_ + li;
    bool excluded = false;
    int count = 0, where = 0;
    for (int p = 3 * (g - 1) + 1; p <= 3 * g; ++p) {
      if (filled[std::size_t(L - 1)] & (1u << (p - 1))) continue;
      if (cross[std::size_t(p - 1)] & bit) {
        excluded = true;
        continue;
      }
      ++count;
      where = p;
    }
    if (count != 1) continue;
    ++NextDigit_;
    return Found{Technique::CrossHatch, ByRow_ ? Cell(L, where) : Cell(where, L), d, ByRow_, 0, excluded};
  }
  return std::nullopt;
}

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

int HiddenSingleSearch::CellAt(int K) const { return UnitCell({Kind_, Unit_}, K); }

std::optional<Found> HiddenSingleSearch::Next(const CandidateArray& Candidates) {
  auto at = [&](int k) { return Candidates[std::size_t(CellAt(k))]; };
  for (; Unit_ <= 9; ++Unit_, Digit_ = 1, Recount_ = true) {
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
      const Found found{.Kind = Technique::HiddenSingle, .Cell = CellAt(k), .Digit = Digit_, .Unit = Kind_};
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
        std::uint16_t positions = 0;
        for (int p = 0; p < 9; ++p)
          if (p / 3 + 1 != third && (Candidates[std::size_t(UnitCell(unit, p))] & only))
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

int SubsetSearch::CellAt(int K) const { return UnitCell({Kind_, Unit_}, K); }

// The empty cells of the unit whose candidate sets hold at most Size digits:
// the only ones that can belong to a pair (triple).
std::uint16_t SubsetSearch::Fit(const CandidateArray& Candidates) const {
  std::uint16_t set = 0;
  for (int k = 0; k < 9; ++k) {
    if (Filled_[std::size_t(Unit_ - 1)] & (1u << k)) continue;
    const std::uint16_t cand = Candidates[std::size_t(CellAt(k))];
    if (Size_ == 2 ? AtMostTwo(cand) : AtMostThree(cand)) set = static_cast<std::uint16_t>(set | (1u << k));
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
    if (!Begun_ || Recount_) Fit_ = Fit(Candidates);
    if (!Begun_) {
      Pick_ = {0, -1, -1};
      Begun_ = true;
    }
    Recount_ = false;
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
