// SPDX-License-Identifier: GPL-3.0-or-later
// Basic techniques: they read the digits only, never the candidates. Their
// finders (basicsearch.h) say what to place; here it is placed, and the hint
// search takes the first placement the player does not already have right.
#include "grille.h"

// The finders are defined here, beside the loops that run them, so that the
// compiler can fit them into those loops: the solve runs them thousands of
// times per puzzle made.
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

}  // namespace basic

bool TGrille::PlaceFound(const basic::Found& Placement) {
  const int row = Placement.Cell / 9 + 1, col = Placement.Cell % 9 + 1;
  PlaceDigit(row, col, Placement.Digit);
  if (!RecordHintCell(row, col)) return false;
  RecordHint(basic::StepOf(*this, Placement));
  return true;
}

// Each unit technique runs under the shared progress rule: once the hint
// search has its hint, no further technique runs and the pass counts as
// progress.
bool TGrille::SinglesPass(basic::SearchReach Reach) {
  bool progress = false;
  for (UnitKind kind : {UnitKind::Row, UnitKind::Col})
    for (int line = 1; line <= 9; ++line) {
      if (Hinted()) return true;
      progress = SearchLine({kind, line}, Reach) || progress;
    }
  return BlockSinglesPass(Reach) || progress;
}

bool TGrille::BlockSinglesPass(basic::SearchReach Reach) {
  bool progress = false;
  for (int block = 0; block < 9; ++block) {
    if (Hinted()) return true;
    progress = SearchBlock(block, Reach) || progress;
  }
  return progress;
}

bool TGrille::BandPass() {
  bool progress = false;
  for (UnitKind lines : {UnitKind::Row, UnitKind::Col})
    for (int band = 1; band <= 3; ++band) {
      if (Hinted()) return true;
      progress = CrossHatchBand(band, lines) || progress;
    }
  return progress;
}

namespace {

// Places what a finder finds until it finds nothing more or the hint is
// found; whether it placed a digit.
template <class Finder, class Place>
bool PlaceAll(Finder& Search, const basic::UnitSets& Sets, Place PlaceFound) {
  bool placed = false;
  while (const auto found = Search.Next(Sets)) {
    placed = true;
    if (PlaceFound(*found)) break;
  }
  return placed;
}

}  // namespace

// The finder is compiled into the loop.
[[gnu::flatten]] bool TGrille::SearchLine(HintUnit Line, basic::SearchReach Reach) {
  basic::LineSearch search(U_, Line, Reach.LineMost);
  if (search.Done()) return false;
  return PlaceAll(search, U_, [this](const basic::Found& found) { return PlaceFound(found); });
}

[[gnu::flatten]] bool TGrille::SearchBlock(int Block, basic::SearchReach Reach) {
  basic::BlockSearch search(U_, Block, Reach.BlockMost, BlockMemo_);
  if (search.Done()) return false;
  return PlaceAll(search, U_, [this](const basic::Found& found) { return PlaceFound(found); });
}

[[gnu::flatten]] bool TGrille::CrossHatchBand(int BandNo, UnitKind Lines) {
  basic::CrossHatchSearch search(U_, BandNo, Lines);
  return PlaceAll(search, U_, [this](const basic::Found& found) { return PlaceFound(found); });
}
