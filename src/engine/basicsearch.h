// SPDX-License-Identifier: GPL-3.0-or-later
// The techniques of the levels as finders. The basic ones, line and block
// completion, the missing-digit searches and cross-hatching, read the digits
// only (through their unit sets); the candidate ones read the candidates.
// Each gives the next step it finds, or nothing; the solve applies it and
// asks again. A search keeps its own lists between
// placements: a line or block search works down the gaps and the missing
// digits it began with, cross-hatching the digits of its band in turn.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "hinttypes.h"

class TGrille;

namespace basic {

// Sets kept with the digits so that the techniques test a whole unit at once.
// Digit sets hold digit d in bit d - 1; position sets hold position p of a
// line in bit p - 1 and cell k of a block (reading order) in bit k.
struct UnitSets {
  std::array<std::uint16_t, 9> RowDigits, ColDigits, BlockDigits;  // digits present
  std::array<std::uint16_t, 9> RowFilled, ColFilled, BlockFilled;  // positions filled
  std::array<std::array<std::uint16_t, 3>, 9> RowThirds;           // digits of a row in each block column
  std::array<std::array<std::uint16_t, 3>, 9> ColThirds;           // digits of a column in each block row
};

// How many empty cells the searches take on: a line search at most
// LineMost, a block search at most BlockMost. A unit with more empty cells is
// left alone; with a reach of 1 only a unit that lacks one digit is completed.
struct SearchReach {
  int LineMost = 1;
  int BlockMost = 1;
};
constexpr int LineSearchMost = 5;
constexpr int BlockSearchMoyen = 4;
constexpr int BlockSearchAny = 9;
constexpr SearchReach CompletionOnly{1, 1};
constexpr SearchReach ReachMoyen{LineSearchMost, BlockSearchMoyen};
constexpr SearchReach ReachAny{LineSearchMost, BlockSearchAny};

// A placement a basic technique found: the technique, the cell (0 to 80) and
// the digit, and what its sentence tells of the search (the line's direction,
// the empty cells the search began with, whether cross-hatching ruled out a
// free place by its cross line).
struct Found {
  Technique Kind = Technique::LineCompletion;
  int Cell = 0;
  int Digit = 0;
  bool ByRow = true;
  int EmptyCells = 0;
  bool Excluded = false;
  // A hidden single: the kind of unit where the digit has one place left.
  UnitKind Unit = UnitKind::Row;
};

// A set without its lowest bit.
inline std::uint16_t DropLowest(std::uint16_t m) { return static_cast<std::uint16_t>(m & (m - 1)); }

// Cell K (0 to 8) of a unit: a line's position K + 1, a block's cell K in
// reading order; as an index 0 to 80.
int UnitCell(HintUnit Unit, int K);
// The nine cells of a unit in that order.
const std::array<int, 9>& UnitCells(HintUnit Unit);

// The whole step of a placement, with the cells that rule out the other
// places or digits, read from the grid right after the digit was placed.
ReasoningStep StepOf(const TGrille& Grid, const Found& Placement);

// The search of one row or column.
class LineSearch {
 public:
  LineSearch(const UnitSets& Sets, HintUnit Line, int Most);
  std::optional<Found> Next(const UnitSets& Sets);
  // Nothing more to find (most units: full, or beyond the reach).
  bool Done() const { return Done_; }

 private:
  int Line_;
  bool ByRow_;
  int Empty_;
  std::uint16_t Left_;    // the positions not yet filled by the search
  std::uint16_t Digits_;  // the missing digits not yet placed
  bool Done_;
};

// What a block search that placed nothing depended on: it places nothing
// again while its block, its rows and its columns keep their digits. Kept per
// block and per reach (4 or 9), valid whenever they match.
class BlockSearchMemo {
 public:
  using Key = std::array<std::uint16_t, 8>;
  BlockSearchMemo();
  static Key Inputs(const UnitSets& Sets, int Block);
  Key& Entry(int Most, int Block) { return Keys_[Most == BlockSearchAny][Block]; }

 private:
  std::array<std::array<Key, 9>, 2> Keys_;
};

// The search of one block (0 to 8).
class BlockSearch {
 public:
  BlockSearch(const UnitSets& Sets, int Block, int Most, BlockSearchMemo& Memo);
  std::optional<Found> Next(const UnitSets& Sets);
  bool Done() const { return Done_; }

 private:
  std::uint16_t PossibleAt(const UnitSets& Sets, int K) const;
  int Block_;
  int Row0_, Col0_;
  int Empty_;
  std::uint16_t Left_;
  std::uint16_t Digits_;
  bool Done_;
  bool Placed_ = false;
  BlockSearchMemo::Key* Memo_ = nullptr;
};

// Cross-hatching in one band (1 to 3) of rows or of columns: each digit that
// stands in exactly two of its blocks, in increasing order.
class CrossHatchSearch {
 public:
  CrossHatchSearch(const UnitSets& Sets, int Band, UnitKind Lines);
  std::optional<Found> Next(const UnitSets& Sets);

 private:
  int First_;
  bool ByRow_;
  std::array<std::uint16_t, 3> InBlock_;
  std::uint16_t Two_;
  int NextDigit_ = 1;
};

// The singles of the levels' candidate techniques, over the candidates: a
// cell with one candidate left, in reading order, and a digit with one place
// left in a unit, digits in increasing order. A search goes on from where it
// stopped; the digits of a unit are counted afresh after each placement.
using CandidateArray = std::array<std::uint16_t, 81>;

class NakedSingleSearch {
 public:
  std::optional<Found> Next(const CandidateArray& Candidates);

 private:
  int Start_ = 0;
};

// The hidden singles of the rows, the columns or the blocks, units in order.
class HiddenSingleSearch {
 public:
  explicit HiddenSingleSearch(UnitKind Units) : Kind_(Units) {}
  std::optional<Found> Next(const CandidateArray& Candidates);

 private:
  UnitKind Kind_;
  int Unit_ = 1;
  int Digit_ = 1;
  std::uint16_t Single_ = 0;
  bool Recount_ = true;
};

// What the levels' eliminations found: Digits go from the cells of Unit at
// Positions (bit p - 1 for position p of a line, bit k for cell k of a block;
// only the cells that hold one of them). A pair or triple that removes
// nothing is still found, with no positions: the hint names every unit where
// one was found once an elimination was made.
struct Elimination {
  Technique Kind = Technique::Pointing;
  HintUnit Unit;
  std::uint16_t Digits = 0;
  std::uint16_t Positions = 0;
};

// Pointing: in each block, in order, a digit of the block's candidates that
// only one of its rows (then columns) can take leaves the rest of that line.
class PointingSearch {
 public:
  std::optional<Elimination> Next(const CandidateArray& Candidates);

 private:
  int Block_ = 0;
  int Direction_ = 0;  // 0 rows, 1 columns
  int Line_ = 0;       // 0 to 2 in the block
  bool Fresh_ = true;  // the block's unions are still to be taken
  std::array<std::array<std::uint16_t, 3>, 2> Unions_{};
};

constexpr int PairSize = 2;
constexpr int TripleSize = 3;

// Naked pairs (PairSize) or triples (TripleSize) in the rows, the columns or (pairs
// only) the blocks, units in order, cells in order. The cells that can belong
// to one are taken again after each removal.
class SubsetSearch {
 public:
  SubsetSearch(const UnitSets& Sets, UnitKind Units, int Size);
  std::optional<Elimination> Next(const CandidateArray& Candidates);

 private:
  int CellAt(int K) const;
  std::uint16_t Fit(const CandidateArray& Candidates) const;
  std::uint16_t Positions(const CandidateArray& Candidates, std::uint16_t Digits) const;
  std::array<std::uint16_t, 9> Filled_;
  const std::array<int, 9>* Cells_ = nullptr;  // the cells of the unit searched
  UnitKind Kind_;
  int Size_;
  int Unit_ = 1;
  std::array<int, 3> Pick_{};             // the cells taken (0 to 8); -1 while the level is not begun
  std::array<std::uint16_t, 2> Union_{};  // digits of the first one and two cells taken
  std::uint16_t Fit_ = 0;
  bool Begun_ = false;
  bool Recount_ = false;
};

}  // namespace basic
