// The solve driver: the logic passes by level, the depth-first search that
// tells no, one and several solutions apart, the rating, and "Résoudre".
#include "advancedhint.h"
#include "grille.h"
#include "hintfocus.h"
#include "hinttexts.h"

void TGrille::RemoveMarkedDigits() {
  // Only a marked digit still in its cell: a cell that "Résoudre" corrected
  // keeps its mark for the screen but holds the right digit, which must stay
  // (taken out, the wrong digit of the mark would be put back in its place).
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int mark = Marks[Cell(r, c)] & MarkDigitBits;
      if (mark != 0 && mark == GetDigit(r, c)) PlaceDigit(r, c, 0);
    }
}

void TGrille::PutBackMarkedDigits() {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (Digits[Cell(r, c)] == 0 && (Marks[Cell(r, c)] & MarkDigitBits) != 0)
        SetDigit(r, c, Marks[Cell(r, c)] & MarkDigitBits, true);
}

// The logic passes, the advanced logic and the search; the body of Solve without
// its entry and exit bookkeeping.
bool TGrille::SolveSteps(int Level, bool HintMode) {
  for (;;) {
    if (Level < LevelCandidatesOnly) {
      bool progress;
      do {
        progress = false;
        SinglesPass(CompletionOnly, false, HintMode, progress);
        BandPass(HintMode, progress);
        if (Level == LevelMoyen) {
          SinglesPass(BlockSearchMoyen, true, HintMode, progress);
          BlockSinglesPass(BlockSearchMoyen, true, HintMode, progress);
        } else if (Level == LevelDifficile || Level == LevelExpert) {
          SinglesPass(BlockSearchAny, true, HintMode, progress);
          BlockSinglesPass(BlockSearchAny, true, HintMode, progress);
        }
        if (HintMode && HintRow != 0) return false;
      } while (progress && !Contradiction);
      if (Contradiction) return false;
    }
    if (Level < LevelExpert) break;
    const bool progress = AdvancedLogic(HintMode);
    if (HintMode && HintRow != 0) return false;
    if (!progress || Contradiction) break;
  }

  if (CountEmpty() == 0) return true;

  if (Level == LevelExpert && !HintMode) {
    NeedsGuess = true;
    // A position that can never be completed has no solution below it; the
    // search must say so at once, not try every digit of every other cell
    // first (a few givens that contradict each other deep down would keep it
    // busy for hours).
    if (IsDeadEnd()) return false;
    // Branch on the most constrained cell, the first one met on a tie.
    int best = -1, bestCount = 10;
    for (int i = 0; i < 81; ++i) {
      const std::uint16_t cand = Candidates[i];
      if (cand == 0) continue;
      const int count = CountBits(cand);
      if (count < bestCount) {
        bestCount = count;
        best = i;
      }
    }
    if (best < 0) return false;
    const int row = best / 9 + 1, col = best % 9 + 1;
    const std::uint16_t cand = Candidates[best];
    int count = 0;
    Snapshot saved;
    for (int d = 1; d <= 9 && !MultipleSolutions; ++d) {
      if (!(cand & (1u << (d - 1)))) continue;
      TakeSnapshot(saved);
      PlaceDigit(row, col, d);
      if (Solve(false, LevelExpert, false)) {
        ++count;
        if (!FirstSolutionStored) {
          FirstSolution = Digits;
          FirstSolutionStored = true;
        }
      }
      Contradiction = false;
      RestoreSnapshot(saved);
    }
    MultipleSolutions = MultipleSolutions || count > 1;
    return count > 0;
  }

  if (HintMode && !(HintOptions_.Advanced && advanced::FindHint(*this, HintOptions_.OneSolution))) GuessHint();
  return false;
}

bool TGrille::IsDeadEnd() const {
  for (int i = 0; i < 81; ++i)
    if (Digits[i] == 0 && Candidates[i] == 0) return true;
  // A unit that lacks a digit no free cell of it can take. (Only where the
  // unit holds no digit twice: then it needs every digit to be full.)
  for (int unit = 0; unit < 27; ++unit) {
    std::uint16_t present = 0, places = 0;
    int filled = 0;
    for (int k = 0; k < 9; ++k) {
      const int i = unit < 9    ? unit * 9 + k                                       // row
                    : unit < 18 ? k * 9 + (unit - 9)                                 // column
                                : ((unit - 18) / 3 * 3 + k / 3) * 9 + (unit - 18) % 3 * 3 + k % 3;  // block
      if (Digits[i] != 0) {
        present = static_cast<std::uint16_t>(present | (Digits[i] & AllDigits));
        ++filled;
      } else {
        places = static_cast<std::uint16_t>(places | Candidates[i]);
      }
    }
    if (CountBits(present) == filled && (present | places) != AllDigits) return true;
  }
  return false;
}

bool TGrille::Solve(bool ResetErrors, int Level, bool HintMode) {
  if (ResetErrors) {
    Contradiction = false;
    NeedsGuess = false;
    MultipleSolutions = false;
    FirstSolutionStored = false;
  }
  // A hint search that finds nothing leaves the grid as it found it.
  Snapshot entry;
  const bool keepEntry = HintMode;
  if (keepEntry) TakeSnapshot(entry);
  if (ResetErrors) RemoveMarkedDigits();
  HintRow = 0;

  const bool result = SolveSteps(Level, HintMode);

  if (keepEntry && HintRow == 0) RestoreSnapshot(entry);
  if (ResetErrors) PutBackMarkedDigits();
  return result;
}

void TGrille::GuessHint() {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int i = Cell(r, c);
      if (Digits[i] != 0 || FirstSolution[i] == 0) continue;
      const int d = WordDigit(FirstSolution[i]);
      PlaceDigit(r, c, d);
      if (RecordHintCell(r, c, true, true)) {
        HintText = hinttexts::Guess(d);
        HintFocus = HintFocusT{};
        return;
      }
    }
}

bool TGrille::SolveAtLevel(int Level) {
  Snapshot saved;
  TakeSnapshot(saved);
  const ByteArray savedGivens = Givens;
  FirstSolution.fill(0);
  const bool result = Solve(true, Level, false);
  Solution = Digits;
  RestoreSnapshot(saved);
  Givens = savedGivens;
  return result;
}

std::uint8_t TGrille::RateLevel() {
  for (int level = LevelFacile; level <= LevelExpert; ++level)
    if (SolveAtLevel(level)) {
      int rating = level;
      if (NeedsGuess) rating += RatingGuess;
      if (MultipleSolutions) rating += RatingMultiple;
      return static_cast<std::uint8_t>(rating);
    }
  return 0;
}

std::uint16_t TGrille::SolveGrid() {
  const int before = CountEmpty() + CountErrors();
  int flags;
  if (!Solve(true, LevelExpert, false))
    flags = SolveNoSolution;
  else if (!NeedsGuess)
    flags = 0;
  else if (MultipleSolutions)
    flags = SolveMultiple;
  else {
    ShowFirstSolution();
    flags = SolveGuessed;
  }
  const int after = CountEmpty() + CountErrors();
  return static_cast<std::uint16_t>(flags | ((before - after) & 0xFF));
}

bool TGrille::IsSolvedByLogic(int Level) {
  Snapshot saved;
  TakeSnapshot(saved);
  Solve(true, Level, false);
  const bool solved = CountEmpty() == 0;
  RestoreSnapshot(saved);
  return solved;
}

std::optional<HintStep> TGrille::FindHint(const HintOptions& Options) {
  HintOptions_ = Options;
  HintSteps.clear();
  Solve(true, LevelExpert, true);
  HintOptions_ = HintOptions{};
  if (HintRow == 0) return std::nullopt;
  const int digit = GetDigit(HintRow, HintCol);
  return HintStep{HintRow,  HintCol,   digit,     HintDigit,
                  HintText, HintFocus, HintSteps, HintSteps.empty() && HintText == hinttexts::Guess(digit)};
}

void TGrille::ForgetHintAt(int Row, int Col) {
  if (HintRow == Row && HintCol == Col) HintRow = 0;
}
