// SPDX-License-Identifier: GPL-3.0-or-later
// The Sudoku grid model: givens, digits, candidates, pencil marks, error marks,
// the reference solution, and every solving operation that works on them.
//
// Cells are addressed with rows and columns from 1 to 9. The per-cell arrays are
// flat (81 entries, row by row); Cell(row, col) gives the index.
//
// Words and bytes:
// - Cell word (Digits, Solution, FirstSolution): a placed digit d is
//   (d << 9) | (1 << (d - 1)), so bits 9 to 12 hold the digit and bits 0 to 8
//   the same digit as a one-bit set; 0 is an empty cell.
// - Candidate set (Candidates, Notes): digit d in bit d - 1;
//   AllDigits (511) is all nine.
// - Error mark (Marks) of a player's digit: 0 for none; otherwise the digit
//   itself in the bits MarkDigitBits, plus MarkDiffersFromSolution when it is
//   not the reference solution's digit. A mark without that bit means the digit
//   broke a rule when it was entered.
// - Cell kind (GetCellState): KindPlain, KindGiven, KindBrokeRule, KindWrong.
// - Rating byte (RateLevel): the level 1 to 4 in RatingLevelBits, 0 when the
//   puzzle cannot be solved, plus RatingGuess when solving needed guessing and
//   RatingMultiple when there are several solutions. The rating that counts the
//   advanced techniques (RateWithAdvanced, diabolique.h) gives LevelDiabolique,
//   without flags, to a puzzle of one solution that they finish without a guess.
//
// Solve(Level) takes the player's marked digits out first (and puts back those
// the solve did not reach), starts the flags afresh and applies the techniques
// of the level (LevelFacile to LevelExpert, or SolveCandidatesOnly). FindHint
// runs the same techniques as a hint search: it stops at the first step that
// places a digit the player does not already have right and records it.
//
// The engine is a plain value type: fixed-size arrays, no exceptions, no
// allocation on the solving path (strings are built only for hints).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "basicsearch.h"
#include "hinttypes.h"

using CellWord = std::uint16_t;
using WordArray = std::array<std::uint16_t, 81>;
using ByteArray = std::array<std::uint8_t, 81>;

constexpr int Cell(int row, int col) { return (row - 1) * 9 + (col - 1); }
constexpr CellWord DigitWord(int digit) {
  return digit == 0 ? CellWord(0) : CellWord((digit << 9) | (1 << (digit - 1)));
}
constexpr int WordDigit(CellWord w) { return w >> 9; }
constexpr int Band(int n) { return (n - 1) / 3 + 1; }             // 1,1,1,2,2,2,3,3,3
constexpr int BandStart(int n) { return 3 * ((n - 1) / 3) + 1; }  // 1,1,1,4,4,4,7,7,7
constexpr int BlockOf(int row, int col) { return 3 * (Band(row) - 1) + Band(col); }

constexpr std::uint16_t AllDigits = 511;

// The smallest digit of a non-empty candidate set.
inline int LowestDigit(std::uint16_t mask) { return std::countr_zero(mask) + 1; }

// Number of set bits of a candidate set.
inline int CountBits(std::uint16_t mask) {
  // A nibble table keeps this fast on processors without a population count.
  constexpr std::uint8_t nibble[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
  return nibble[mask & 15] + nibble[(mask >> 4) & 15] + nibble[(mask >> 8) & 15] + nibble[mask >> 12];
}

// Names of thirds and blocks used by the hint sentences.
std::string PositionName(int third, bool vertical);
std::string BlockName(int bandRow, int bandCol);

// The 81 digits of a word array, row by row, "0" for an empty cell.
std::string DigitsText(const WordArray& words);

// The player's levels 1 to 5. The first four are also solve levels, each
// allowing the techniques of the one before and more:
constexpr int LevelFacile = 1;     // line and block completion, cross-hatching
constexpr int LevelMoyen = 2;      // + missing-digit searches in lines (at most 5 empty
                                   //   cells) and in blocks (at most 4)
constexpr int LevelDifficile = 3;  // + missing-digit searches in blocks of any filling
constexpr int LevelExpert = 4;     // + the candidate techniques, then guessing
// "Diabolique": puzzles that the solve of LevelExpert finishes only by
// guessing and the advanced hints finish without a guess (diabolique.h). Not
// a solve level.
constexpr int LevelDiabolique = 5;
constexpr int HighestLevel = LevelDiabolique;
// A solve level of its own: the candidate techniques alone, no guessing (the
// generator's test of an expert puzzle).
constexpr int SolveCandidatesOnly = 6;

// Rating byte: the level in its low bits, plus these flags.
constexpr std::uint8_t RatingLevelBits = 7;
constexpr std::uint8_t RatingGuess = 16;
constexpr std::uint8_t RatingMultiple = 32;

// Error mark of a player's digit (Marks).
constexpr std::uint8_t MarkDigitBits = 15;
constexpr std::uint8_t MarkDiffersFromSolution = 16;

// What GetCellState tells the grid view about a cell.
constexpr int KindPlain = 0;  // empty, or a player's digit without a mark
constexpr int KindGiven = 1;
constexpr int KindBrokeRule = 2;  // a player's digit that broke a rule when entered
constexpr int KindWrong = 3;      // a player's digit that differs from the solution

// Flags returned by SolveGrid (the count of settled cells is in the low byte).
constexpr std::uint16_t SolveNoSolution = 256;
constexpr std::uint16_t SolveMultiple = 512;
constexpr std::uint16_t SolveGuessed = 1024;

// What Generate may be given: a stop request polled once per removal attempt,
// a seed (otherwise the clock seeds the random generator) and a millisecond clock
// for the fallback's time rule (otherwise the steady clock).
struct GenerateOptions {
  std::function<bool()> StopRequested;
  std::optional<std::uint64_t> Seed;
  std::function<std::int64_t()> NowMs;
};

// What a generation did, for the benchmark and the tests.
struct GenerateReport {
  bool FallbackTaken = false;
  int RemovalAttempts = 0;
  int CompleteGridAttempts = 0;
};

// One hint: the cell, the digit now placed there, the player's wrong digit it
// replaced (0 when the cell was empty) and the French explanation; the cells
// and units it speaks of; its steps, the last one the placement, each with its
// own sentence and focus (none for the guess hint); whether it is the guess hint.
struct HintStep {
  int Row = 0;
  int Col = 0;
  int Digit = 0;
  int Replaced = 0;
  std::string Text;
  HintFocusT Focus;
  std::vector<ReasoningStep> Steps;
  bool Guess = false;
};

class TGrille {
 public:
  // --- State (see the header comment for the word layouts) ---
  std::uint8_t HintRow = 0;
  std::uint8_t HintCol = 0;
  std::uint8_t HintDigit = 0;
  std::string HintText;
  // What the last hint speaks of, and its steps (set with HintText).
  HintFocusT HintFocus;
  std::vector<ReasoningStep> HintSteps;
  // The reference solution: what the solve of LevelExpert reaches from the
  // givens (SolveAtLevel); for a puzzle Generate made at LevelDiabolique, its
  // whole solution.
  WordArray Solution{};
  WordArray FirstSolution{};
  bool FirstSolutionStored = false;
  ByteArray Givens{};
  WordArray Digits{};
  WordArray Candidates{};
  WordArray Notes{};
  ByteArray Marks{};
  bool Contradiction = false;
  bool NeedsGuess = false;
  bool MultipleSolutions = false;

  TGrille();

  // --- Reset ---
  void Clear(bool Empty);

  // --- Reading ---
  int GetDigit(int Row, int Col) const { return WordDigit(Digits[Cell(Row, Col)]); }
  std::uint16_t GetCandidates(int Row, int Col) const { return Candidates[Cell(Row, Col)]; }
  void SetCandidates(int Row, int Col, std::uint16_t Mask) { Candidates[Cell(Row, Col)] = Mask; }
  std::uint16_t GetNotes(int Row, int Col) const { return Notes[Cell(Row, Col)]; }
  // The digit of the cell and its kind (KindPlain, KindGiven, KindBrokeRule,
  // KindWrong).
  int GetCellState(int Row, int Col, int& Kind) const;
  int CountEmpty() const;
  std::uint8_t CountErrors() const;

  // --- Line accessor: ByRow reads (Line, Pos) as (row, column), else (column, row) ---
  static int LineCell(int Line, int Pos, bool ByRow) { return ByRow ? Cell(Line, Pos) : Cell(Pos, Line); }

  // --- Placing and entering ---
  void SetDigit(int Row, int Col, int Digit, bool Force);
  void PlaceDigit(int Row, int Col, int Digit) { SetDigit(Row, Col, Digit, false); }
  void ComputeCandidates();
  void EnterDigit(int Row, int Col, int Digit, bool AsGiven, bool NoteMode);
  // Offers a digit just placed to the hint search under way: false outside a
  // hint search, after a contradiction, or when it confirms the player's
  // marked digit there (the mark goes); otherwise the cell is the hint's.
  bool RecordHintCell(int Row, int Col);
  void ShowFirstSolution();
  // Judges the player's digits against a whole solution of the puzzle (a
  // puzzle of one solution that the levels' techniques do not finish): it
  // becomes Solution, and a digit that differs from it is marked wrong.
  void AdoptSolution(const WordArray& Whole);
  // Whether another cell of the row, the column or the block holds Digit.
  bool Clashes(int Row, int Col, int Digit) const;
  // A digit marked for breaking a rule loses its mark once no other cell of
  // its row, column or block holds it any more; other marks stay.
  void ForgetSettledClashes();

  // --- Text form: givens|digits|level|time|hints ---
  std::string SaveToText(bool IncludeDigits, int Level, long long Time, int Hints) const;
  void LoadFromText(std::string_view GivensText, std::string_view DigitsText);

  // --- Solve driver, search and rating ---
  // True when the grid ends up full (at LevelExpert, once the search found a
  // solution); see the header comment.
  bool Solve(int Level);
  bool SolveAtLevel(int Level);
  std::uint8_t RateLevel();
  // Solves the grid as the player's "Résoudre" does: the flags above, with the
  // number of cells settled (modulo 256) in the low byte.
  std::uint16_t SolveGrid();

  // --- Hints ---
  // The hint search, the solve of LevelExpert without guessing: the first step
  // of the techniques, in their order, that places a digit the player does not
  // already have right. The digit stays in the grid (in place of the player's
  // wrong one, if any) and HintRow, HintCol, HintDigit and HintText describe it.
  // Nothing when no step is found: the grid is then as it was, apart from the
  // marks of digits confirmed on the way, and HintText keeps its old text.
  // With Options.Advanced, the advanced techniques (advancedhint.h) are tried
  // before the guess hint.
  std::optional<HintStep> FindHint(const HintOptions& Options = {});
  // The player changed the cell: when it is the hint's cell it no longer is.
  void ForgetHintAt(int Row, int Col);

  // --- Basic techniques ---
  // Each runs its finder (basicsearch.h) and places what it finds until it
  // finds nothing more, and returns whether it placed a digit. The passes
  // return whether they made progress; once a hint search has its hint, no
  // further technique runs and a pass counts as progress.
  bool SinglesPass(basic::SearchReach Reach);
  bool BlockSinglesPass(basic::SearchReach Reach);
  bool BandPass();
  bool SearchLine(HintUnit Line, basic::SearchReach Reach);
  bool SearchBlock(int Block, basic::SearchReach Reach);  // Block 0 to 8
  bool CrossHatchBand(int BandNo, UnitKind Lines);
  // The digits' unit sets the finders read.
  const basic::UnitSets& Units() const { return U_; }

  // --- Candidate techniques ---
  bool AdvancedLogic();
  bool NakedSingles();
  bool HiddenSingles();
  // The eliminations run their finders (basicsearch.h) to the end and
  // return whether they removed a candidate. Triples are looked for in rows
  // and columns only.
  bool PointingPass();
  bool NakedPairs(UnitKind Units);
  bool NakedTriples(UnitKind Lines);

  // --- Hint texts ---
  std::string DescribeEliminations() const;
  // The pairs and triples the candidate techniques' eliminations recorded
  // since the last AdvancedLogic call began, and whether any elimination
  // was used in it.
  const MethodRecordT& UsedMethods() const { return Logic_.Record; }
  bool EliminationsUsed() const { return Logic_.EliminationsUsed; }

  // --- Generation ---
  bool Generate(int Level, const GenerateOptions& Options = {}, GenerateReport* Report = nullptr);
  bool IsSolvedByLogic(int Level);

 private:
  // Generate's way for LevelDiabolique: leaves the puzzle's givens in the grid,
  // false when asked to stop first.
  bool GenerateDiabolique(const GenerateOptions& Options, GenerateReport& Report, std::uint64_t Seed);

  // The digits' unit sets, kept with Digits (basicsearch.h).
  basic::UnitSets U_{};

  // What the block searches that placed nothing depended on.
  basic::BlockSearchMemo BlockMemo_;
  // Places a basic technique's digit; true when it is the hint searched for.
  bool PlaceFound(const basic::Found& Placement);
  // The same for a single of the candidate techniques: in a hint search the
  // candidates their eliminations narrowed are put back first.
  bool PlaceSingle(const basic::Found& Single);

  // What the solvers save and put back around a trial: the digits with their
  // unit sets, and the candidates.
  struct Snapshot {
    WordArray Digits;
    WordArray Candidates;
    basic::UnitSets Units;
  };
  void TakeSnapshot(Snapshot& s) const;
  void RestoreSnapshot(const Snapshot& s);

  // The candidate techniques' working state during one AdvancedLogic call:
  // the candidates as it found them (put back before a hint's digit while
  // Pending), and what its eliminations used, named by a single's sentence.
  struct CandidateLogic {
    WordArray Saved{};
    bool Pending = false;
    MethodRecordT Record{};
    bool EliminationsUsed = false;
  };
  CandidateLogic Logic_{};

  void RebuildDigitSets();
  void RestoreBeforeHint(int Row, int Col, int Digit);
  void PutBackSavedCandidates();
  // Removes what an elimination found; false when it removes nothing.
  bool Eliminate(const basic::Elimination& Found);
  bool NakedSubsets(UnitKind Units, int Size, std::array<bool, 10>& Record);
  void GuessHint();
  // Makes the step the hint: its sentence, focus and steps.
  void RecordHint(ReasoningStep Step);
  // The same for a single of the candidate techniques, naming the pairs and
  // triples they used first.
  void RecordSingle(ReasoningStep Step);
  // The hint search under way, if any, and its options.
  bool HintSearch_ = false;
  HintOptions HintOptions_{};
  // Whether the hint search under way has its hint: then no technique runs.
  bool Hinted() const { return HintSearch_ && HintRow != 0; }
  // How a solve is called: the outer call (the player's marked digits out,
  // the flags afresh), a branch of the search (the flags accumulate), or the
  // hint search (the grid as it was when it finds nothing).
  enum class SolveCall : std::uint8_t { Outer, Branch, Hint };
  bool RunSolve(SolveCall Call, int Level);
  // True when the position can never be completed: a free cell without a
  // candidate, or a unit that lacks a digit none of its free cells can take.
  bool IsDeadEnd() const;
  // No digit stands twice in a row, column or block.
  bool DigitsKeepRules() const;
  void RemoveMarkedDigits();
  void PutBackMarkedDigits();
  bool SolveSteps(int Level);
};

std::string DescribeMethod(const std::string& Name, const std::array<bool, 10>& Rows, const std::array<bool, 10>& Cols,
                           const std::array<bool, 10>* Blocks);
