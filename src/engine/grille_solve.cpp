// SPDX-License-Identifier: GPL-3.0-or-later
// The solve driver: the logic passes by level, the depth-first search that
// tells no, one and several solutions apart, the rating, and "Résoudre".
#include <cstring>

#include "advancedhint.h"
#include "grille.h"
#include "hintfocus.h"
#include "hintwriter.h"
#include "solutioncount.h"

namespace {

// Whether any cell has an error mark, eight cells at a time: most solves (the
// generator's, the rating's) run on grids without any.
bool AnyMark(const ByteArray& Marks) {
  std::uint64_t any = Marks[80];
  for (int i = 0; i + 8 <= 80; i += 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, &Marks[i], sizeof chunk);
    any |= chunk;
  }
  return any != 0;
}

}  // namespace

void TGrille::RemoveMarkedDigits() {
  if (!AnyMark(Marks)) return;
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
  if (!AnyMark(Marks)) return;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (Digits[Cell(r, c)] == 0 && (Marks[Cell(r, c)] & MarkDigitBits) != 0)
        SetDigit(r, c, Marks[Cell(r, c)] & MarkDigitBits, true);
}

// The logic passes, the advanced logic and the search; the body of Solve without
// its entry and exit bookkeeping.
bool TGrille::SolveSteps(int Level) {
  for (;;) {
    if (Level != SolveCandidatesOnly) {
      bool progress;
      do {
        progress = SinglesPass(basic::CompletionOnly);
        progress = BandPass() || progress;
        if (Level == LevelMoyen) {
          progress = SinglesPass(basic::ReachMoyen) || progress;
          progress = BlockSinglesPass(basic::ReachMoyen) || progress;
        } else if (Level == LevelDifficile || Level == LevelExpert) {
          progress = SinglesPass(basic::ReachAny) || progress;
          progress = BlockSinglesPass(basic::ReachAny) || progress;
        }
        if (Hinted()) return false;
      } while (progress && !Contradiction);
      if (Contradiction) return false;
    }
    if (Level < LevelExpert) break;
    const bool progress = AdvancedLogic();
    if (Hinted()) return false;
    if (!progress || Contradiction) break;
  }

  if (CountEmpty() == 0) return true;

  if (Level == LevelExpert && !HintSearch_) {
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
    // Below this position the search meets no solution, one, or several, and
    // with at most one the outcome does not depend on the order of the
    // guesses: none, or that solution as the first one. The counter says
    // which, much faster than the techniques at every guess; only with two or
    // more does the search run its own guesses, for the first solution met in
    // its order. (A refused placement ends every branch here at once, and
    // digits that break a rule can make a full grid the counter would not
    // accept: both keep the plain search.)
    if (!Contradiction && DigitsKeepRules()) {
      const SolutionCount found = CountSolutions(Digits, Candidates);
      if (found.Count == 0) return false;
      if (found.Count == 1) {
        if (!FirstSolutionStored) {
          FirstSolution = found.First;
          FirstSolutionStored = true;
        }
        return true;
      }
    }
    const int row = best / 9 + 1, col = best % 9 + 1;
    const std::uint16_t cand = Candidates[best];
    int count = 0;
    Snapshot saved;
    for (int d = 1; d <= 9 && !MultipleSolutions; ++d) {
      if (!(cand & (1u << (d - 1)))) continue;
      TakeSnapshot(saved);
      PlaceDigit(row, col, d);
      if (RunSolve(SolveCall::Branch, LevelExpert)) {
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

  if (HintSearch_ && !(HintOptions_.Advanced && advanced::FindHint(*this, HintOptions_.OneSolution))) GuessHint();
  return false;
}

bool TGrille::IsDeadEnd() const {
  // The digits each row, column and block can still receive in its free cells.
  std::array<std::uint16_t, 9> rowPlaces{}, colPlaces{}, blockPlaces{};
  for (int i = 0; i < 81; ++i) {
    if (Digits[i] != 0) continue;
    const std::uint16_t cand = Candidates[i];
    if (cand == 0) return true;
    const int r = i / 9, c = i % 9;
    rowPlaces[r] |= cand;
    colPlaces[c] |= cand;
    blockPlaces[(r / 3) * 3 + c / 3] |= cand;
  }
  // A unit that lacks a digit no free cell of it can take. (Only where the
  // unit holds no digit twice: then it needs every digit to be full.)
  auto lacks = [](std::uint16_t present, std::uint16_t filled, std::uint16_t places) {
    return CountBits(present) == CountBits(filled) && (present | places) != AllDigits;
  };
  for (int k = 0; k < 9; ++k)
    if (lacks(U_.RowDigits[k], U_.RowFilled[k], rowPlaces[k]) ||
        lacks(U_.ColDigits[k], U_.ColFilled[k], colPlaces[k]) ||
        lacks(U_.BlockDigits[k], U_.BlockFilled[k], blockPlaces[k]))
      return true;
  return false;
}

bool TGrille::DigitsKeepRules() const {
  for (int k = 0; k < 9; ++k)
    if (CountBits(U_.RowDigits[k]) != CountBits(U_.RowFilled[k]) ||
        CountBits(U_.ColDigits[k]) != CountBits(U_.ColFilled[k]) ||
        CountBits(U_.BlockDigits[k]) != CountBits(U_.BlockFilled[k]))
      return false;
  return true;
}

bool TGrille::Solve(int Level) { return RunSolve(SolveCall::Outer, Level); }

bool TGrille::RunSolve(SolveCall Call, int Level) {
  const bool resetErrors = Call != SolveCall::Branch;
  if (resetErrors) {
    Contradiction = false;
    NeedsGuess = false;
    MultipleSolutions = false;
    FirstSolutionStored = false;
  }
  // A hint search that finds nothing leaves the grid as it found it.
  Snapshot entry;
  const bool keepEntry = Call == SolveCall::Hint;
  if (keepEntry) TakeSnapshot(entry);
  if (resetErrors) RemoveMarkedDigits();
  HintRow = 0;
  HintSearch_ = Call == SolveCall::Hint;

  const bool result = SolveSteps(Level);

  HintSearch_ = false;
  if (keepEntry && HintRow == 0) RestoreSnapshot(entry);
  if (resetErrors) PutBackMarkedDigits();
  return result;
}

void TGrille::RecordHint(ReasoningStep Step) {
  Step.Text = hintwriter::FrenchStep(Step);
  HintText = Step.Text;
  HintFocus = HintFocusT{};
  hintfocus::AddStepFocus(Step, HintFocus);
  HintSteps.clear();
  HintSteps.push_back(std::move(Step));
}

void TGrille::GuessHint() {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const int i = Cell(r, c);
      if (Digits[i] != 0 || FirstSolution[i] == 0) continue;
      const int d = WordDigit(FirstSolution[i]);
      PlaceDigit(r, c, d);
      if (RecordHintCell(r, c)) {
        HintText = hintwriter::GuessText(d, HintLanguage::French);
        HintFocus = HintFocusT{};
        HintSteps.clear();
        return;
      }
    }
}

bool TGrille::SolveAtLevel(int Level) {
  Snapshot saved;
  TakeSnapshot(saved);
  const ByteArray savedGivens = Givens;
  FirstSolution.fill(0);
  const bool result = Solve(Level);
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
  if (!Solve(LevelExpert))
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
  Solve(Level);
  const bool solved = CountEmpty() == 0;
  RestoreSnapshot(saved);
  return solved;
}

std::optional<HintStep> TGrille::FindHint(const HintOptions& Options) {
  HintOptions_ = Options;
  HintSteps.clear();
  RunSolve(SolveCall::Hint, LevelExpert);
  HintOptions_ = HintOptions{};
  if (HintRow == 0) return std::nullopt;
  const int digit = GetDigit(HintRow, HintCol);
  return HintStep{HintRow, HintCol, digit, HintDigit, HintText, HintFocus, HintSteps, HintSteps.empty()};
}

void TGrille::ForgetHintAt(int Row, int Col) {
  if (HintRow == Row && HintCol == Col) HintRow = 0;
}
