// SPDX-License-Identifier: GPL-3.0-or-later
// What a hint tells besides its sentence: the cells and units it speaks of
// (so that a view can tint them), and, for the advanced techniques, each step
// with the candidates it removed.
//
// Cells are indexes 0 to 80, row by row (Cell(row, col) in grille.h); units are
// numbered 0 to 26: rows 0-8, columns 9-17, blocks 18-26.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class UnitKind : std::uint8_t { Row, Col, Block };

// A row, column or block, numbered 1 to 9.
struct HintUnit {
  UnitKind Kind = UnitKind::Row;
  int Number = 1;
  bool operator==(const HintUnit&) const = default;
};

// A cell a hint speaks of; Group tells apart the two sides of a pattern (the
// two colours of a colouring, the two ends of a chain), 0 otherwise.
struct HintCell {
  int Row = 1;
  int Col = 1;
  int Group = 0;
  bool operator==(const HintCell&) const = default;
};

// Candidates taken out of a cell by a step: digit d in bit d - 1.
struct HintRemoval {
  int Row = 1;
  int Col = 1;
  std::uint16_t Digits = 0;
  bool operator==(const HintRemoval&) const = default;
};

// The cells and units a hint speaks of: the units it names and the cells that
// rule out the other places (or, for an advanced step, its pattern), and the
// candidates its steps removed. The hint's own cell is the hint's Row and Col.
struct HintFocusT {
  std::vector<HintUnit> Units;
  std::vector<HintCell> Cells;
  std::vector<HintRemoval> Removed;
  bool operator==(const HintFocusT&) const = default;
};

// Every technique a hint can use. First those of the game's levels: the basic
// techniques, which read the digits only, then the candidate techniques' singles
// and pointing; then the advanced techniques, simplest first: the order in
// which they are tried.
enum class Technique : std::uint8_t {
  LineCompletion,
  LineCellSearch,
  LineDigitSearch,
  BlockCompletion,
  BlockCellSearch,
  BlockDigitSearch,
  CrossHatch,
  NakedSingle,
  HiddenSingle,
  Pointing,
  LineBlock,
  NakedSubset,
  HiddenSubset,
  XWing,
  Swordfish,
  Jellyfish,
  XYWing,
  XYZWing,
  WWing,
  ColourTrap,
  ColourWrap,
  XChain,
  XYChain,
  UniqueRectangle,
  AlternatingChain,
  // Forcing chains, the last resort before a guess: every candidate of a cell,
  // every place of a digit in a unit, or one candidate alone (to a
  // contradiction), followed by singles.
  CellForcingChain,
  UnitForcingChain,
  ContradictionChain,
};

// The techniques that only "Indices avancés" use.
constexpr bool IsAdvanced(Technique t) { return t >= Technique::LineBlock; }

// The French name a sentence gives the technique, e.g. "X-Wing", "chaîne XY".
const char* TechniqueName(Technique t);

// The pairs and triples that the candidate techniques of the levels used
// before a single, named by its sentence: lines and blocks 1 to 9.
struct MethodRecordT {
  std::array<bool, 10> PairsByRow{};
  std::array<bool, 10> PairsByCol{};
  std::array<bool, 10> PairsByBlock{};
  std::array<bool, 10> TriplesByRow{};
  std::array<bool, 10> TriplesByCol{};
  bool operator==(const MethodRecordT&) const = default;
};

// One step of reasoning: what a technique looked at, what it removes, and the
// digit it places when it places one. Cells are indexes 0 to 80. A step is
// data only; the writers (hintwriter.h) turn it into sentences.
struct ReasoningStep {
  Technique Kind = Technique::XWing;
  // The digit the step is about: the one it removes or places (for a subset
  // and the unique rectangle: 0; their digits are in Pair).
  int Digit = 0;
  std::uint16_t Pair = 0;
  // A line technique's direction (a row when ByRow); fish: the base lines
  // (rows when ByRow) and the cover lines, 1 to 9.
  bool ByRow = true;
  std::vector<int> Base, Cover;
  // The pattern's cells in the order the sentence names them (the pivot
  // first, a chain from one end to the other), with their group. For the
  // levels' techniques: the cells whose digits rule out the other places or
  // digits. An alternating chain also gives the digit of each of its links in
  // ChainDigits, and whether the link that reaches it is strong in Groups.
  std::vector<int> Cells;
  std::vector<int> Groups;
  // The candidates of those cells when the step was found.
  std::vector<std::uint16_t> CellCandidates;
  std::vector<int> ChainDigits;
  std::vector<int> LinkUnits;  // per link: its unit 0 to 26, -1 inside a cell
  // A forcing chain's branches, one after the other: each begins with its
  // assumption (Cells, ChainDigits) and goes on with the placements that
  // follow from it and lead to the conclusion, in order, Groups numbering the
  // branch and LinkUnits the unit where the digit had its last place (-1 for a
  // cell's last digit). A unit forcing names its unit in Units. A branch to a
  // contradiction ends with the cell left without a digit (its ChainDigits 0),
  // or names the unit where the digit of Pair has no place left in Units. The
  // conclusion is the one cell of Removals: Digit placed there (its other
  // candidates removed), or Digit removed.
  // The units the step looks at or that justify it (a strong link's unit, the
  // unit where two cells of one colour meet). A single found in a unit names
  // that unit first.
  std::vector<HintUnit> Units;
  // Candidates removed: (cell, digits).
  std::vector<std::pair<int, std::uint16_t>> Removals;
  // The cell that receives Digit, -1 when the step only removes candidates.
  int Placed = -1;
  // A line or block search: its empty cells when it began. Cross-hatching:
  // whether a free place of the block was ruled out by its cross line.
  int EmptyCells = 0;
  bool Excluded = false;
  // A single of the levels' candidate techniques: the pairs and triples used
  // before it, when some elimination was.
  std::optional<MethodRecordT> Eliminations;
  // The placement that ends an advanced hint, after the steps it follows.
  bool Concludes = false;
  // The sentence of the step alone, in French (set by the hint search).
  std::string Text;
};

// What the hint search may use beyond the techniques of the game's levels.
struct HintOptions {
  // Try the advanced techniques before the guess hint.
  bool Advanced = false;
  // The puzzle is known to have one solution (a generated puzzle, or one
  // verified as such): the unique rectangle may then be used.
  bool OneSolution = false;
};
