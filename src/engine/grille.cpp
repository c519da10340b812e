// SPDX-License-Identifier: GPL-3.0-or-later
// The grid model: placement rules, candidate bookkeeping, error marks, text form.
#include "grille.h"

#include "gridtext.h"

#include <algorithm>

#include "cellunits.h"

TGrille::TGrille() {
  Clear(false);
  NeedsGuess = false;
}

void TGrille::Clear(bool Empty) {
  Contradiction = false;
  Logic_ = CandidateLogic{};
  Digits.fill(0);
  Candidates.fill(AllDigits);
  Notes.fill(0);
  Marks.fill(0);
  U_ = basic::UnitSets{};
  if (Empty) return;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (Givens[Cell(r, c)] != 0) PlaceDigit(r, c, Givens[Cell(r, c)]);
}

int TGrille::GetCellState(int Row, int Col, int& Kind) const {
  const int i = Cell(Row, Col);
  const int digit = WordDigit(Digits[i]);
  if (Givens[i] != 0)
    Kind = KindGiven;
  else if (digit != 0 && Marks[i] != 0)
    Kind = (Marks[i] & MarkDiffersFromSolution) ? KindWrong : KindBrokeRule;
  else
    Kind = KindPlain;
  return digit;
}

int TGrille::CountEmpty() const {
  int n = 0;
  for (CellWord w : Digits) n += (w == 0);
  return n;
}

std::uint8_t TGrille::CountErrors() const {
  int n = 0;
  for (int i = 0; i < 81; ++i) {
    if (Solution[i] != 0) {
      if (Digits[i] != 0 && Digits[i] != Solution[i]) ++n;
    } else if (Marks[i] != 0) {
      ++n;
    }
  }
  return static_cast<std::uint8_t>(n);
}

// --- Placement ---

void TGrille::RebuildDigitSets() {
  U_ = basic::UnitSets{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const std::uint16_t bit = Digits[r * 9 + c] & AllDigits;
      if (bit == 0) continue;
      const int b = (r / 3) * 3 + c / 3;
      U_.RowDigits[r] |= bit;
      U_.ColDigits[c] |= bit;
      U_.BlockDigits[b] |= bit;
      U_.RowFilled[r] = static_cast<std::uint16_t>(U_.RowFilled[r] | (1u << c));
      U_.ColFilled[c] = static_cast<std::uint16_t>(U_.ColFilled[c] | (1u << r));
      U_.BlockFilled[b] = static_cast<std::uint16_t>(U_.BlockFilled[b] | (1u << ((r % 3) * 3 + c % 3)));
      U_.RowThirds[r][c / 3] |= bit;
      U_.ColThirds[c][r / 3] |= bit;
    }
}

void TGrille::ComputeCandidates() {
  RebuildDigitSets();
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int i = r * 9 + c;
      Candidates[i] = Digits[i] != 0 ? std::uint16_t(0)
                                     : static_cast<std::uint16_t>(AllDigits & ~(U_.RowDigits[r] | U_.ColDigits[c] |
                                                                                U_.BlockDigits[(r / 3) * 3 + c / 3]));
    }
}

void TGrille::SetDigit(int Row, int Col, int Digit, bool Force) {
  if (Row < 1 || Row > 9 || Col < 1 || Col > 9 || Digit < 0 || Digit > 9) return;
  const int i = Cell(Row, Col);
  const std::uint16_t m = Digit == 0 ? std::uint16_t(0) : static_cast<std::uint16_t>(1u << (Digit - 1));
  const CellWord w = Digits[i];
  if ((w & AllDigits) == m) return;

  // Taking a digit out frees the candidates of its peers: rebuild them from the
  // digits, keeping the old state in case the new digit is refused.
  const bool held = w != 0;
  WordArray keptCandidates;
  basic::UnitSets keptUnits;
  if (held) {
    if (Digit != 0) {
      keptCandidates = Candidates;
      keptUnits = U_;
    }
    Digits[i] = 0;
    ComputeCandidates();
  }

  if (Digit != 0 && (Candidates[i] & m) == 0) {
    if (!Force && held) {
      Candidates = keptCandidates;
      U_ = keptUnits;
      Digits[i] = w;
    }
    Contradiction = true;
    if (!Force) return;
  }

  Digits[i] = DigitWord(Digit);
  if (Digit == 0) return;

  const int r = Row - 1, c = Col - 1, b = (r / 3) * 3 + c / 3;
  U_.RowDigits[r] |= m;
  U_.ColDigits[c] |= m;
  U_.BlockDigits[b] |= m;
  U_.RowFilled[r] = static_cast<std::uint16_t>(U_.RowFilled[r] | (1u << c));
  U_.ColFilled[c] = static_cast<std::uint16_t>(U_.ColFilled[c] | (1u << r));
  U_.BlockFilled[b] = static_cast<std::uint16_t>(U_.BlockFilled[b] | (1u << ((r % 3) * 3 + c % 3)));
  U_.RowThirds[r][c / 3] |= m;
  U_.ColThirds[c][r / 3] |= m;
  const std::uint16_t keep = static_cast<std::uint16_t>(~m);
  for (int k = 0; k < 9; ++k) {
    Candidates[r * 9 + k] &= keep;
    Candidates[k * 9 + c] &= keep;
  }
  const int r0 = (r / 3) * 3, c0 = (c / 3) * 3;
  for (int dr = 0; dr < 3; ++dr)
    for (int dc = 0; dc < 3; ++dc) Candidates[(r0 + dr) * 9 + c0 + dc] &= keep;
  Candidates[i] = 0;
}

void TGrille::EnterDigit(int Row, int Col, int Digit, bool AsGiven, bool NoteMode) {
  if (Row < 1 || Row > 9 || Col < 1 || Col > 9 || Digit < 0 || Digit > 9) return;
  const int i = Cell(Row, Col);
  if (NoteMode) {
    if (Digit == 0)
      Notes[i] = 0;
    else
      Notes[i] ^= static_cast<std::uint16_t>(1u << (Digit - 1));
    return;
  }
  if (AsGiven) {
    Contradiction = false;
    PlaceDigit(Row, Col, Digit);
    if (!Contradiction) {
      Givens[i] = static_cast<std::uint8_t>(Digit);
      // The error mark of a player's digit typed over (a grid loaded while a
      // puzzle is typed in) goes with it: the hint search and "Résoudre" take
      // marked digits out and put them back, and would put it in a given's place.
      Marks[i] = 0;
    }
    return;
  }
  // A flag left over from an earlier solve must not mark a legal digit as a
  // broken rule.
  Contradiction = false;
  SetDigit(Row, Col, Digit, true);
  if (Digit != 0 && Contradiction)
    Marks[i] = static_cast<std::uint8_t>(Digit);
  else if (Digit != 0 && Solution[i] != 0 && WordDigit(Solution[i]) != Digit)
    Marks[i] = static_cast<std::uint8_t>(Digit | MarkDiffersFromSolution);
  else
    Marks[i] = 0;
  Contradiction = false;
}

bool TGrille::RecordHintCell(int Row, int Col) {
  if (!HintSearch_) return false;
  // A refused placement, or any placement after it in the same search, is not
  // a step the player can follow: it never becomes the hint.
  if (Contradiction) return false;
  const int i = Cell(Row, Col);
  const int markDigit = Marks[i] & MarkDigitBits;
  if (Marks[i] != 0 && markDigit == WordDigit(Digits[i])) {
    Marks[i] = 0;  // the player's digit was right after all
    return false;
  }
  HintDigit = static_cast<std::uint8_t>(markDigit);
  Marks[i] = 0;
  HintRow = static_cast<std::uint8_t>(Row);
  HintCol = static_cast<std::uint8_t>(Col);
  return true;
}

void TGrille::AdoptSolution(const WordArray& Whole) {
  Solution = Whole;
  for (int i = 0; i < 81; ++i) {
    const int digit = WordDigit(Digits[i]);
    if (Givens[i] == 0 && digit != 0 && Marks[i] == 0 && digit != WordDigit(Whole[i]))
      Marks[i] = static_cast<std::uint8_t>(digit | MarkDiffersFromSolution);
  }
}

void TGrille::ShowFirstSolution() {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (Digits[Cell(r, c)] == 0 && FirstSolution[Cell(r, c)] != 0)
        PlaceDigit(r, c, WordDigit(FirstSolution[Cell(r, c)]));
}

bool TGrille::Clashes(int Row, int Col, int Digit) const {
  if (Row < 1 || Row > 9 || Col < 1 || Col > 9 || Digit < 1 || Digit > 9) return false;
  const int cell = Cell(Row, Col);
  return std::ranges::any_of(cellunits::Peers[std::size_t(cell)],
                             [&](int other) { return WordDigit(Digits[std::size_t(other)]) == Digit; });
}

void TGrille::ForgetSettledClashes() {
  for (int i = 0; i < 81; ++i) {
    const int mark = Marks[i] & MarkDigitBits;
    if (mark == 0 || (Marks[i] & MarkDiffersFromSolution) != 0 || mark != WordDigit(Digits[i])) continue;
    if (!Clashes(i / 9 + 1, i % 9 + 1, mark)) Marks[i] = 0;
  }
}

// --- Snapshots ---

void TGrille::TakeSnapshot(Snapshot& s) const {
  s.Digits = Digits;
  s.Candidates = Candidates;
  s.Units = U_;
}

void TGrille::RestoreSnapshot(const Snapshot& s) {
  Digits = s.Digits;
  Candidates = s.Candidates;
  U_ = s.Units;
}

// --- Text form ---

std::string DigitsText(const WordArray& words) {
  std::string text(81, '0');
  for (int i = 0; i < 81; ++i) text[i] = static_cast<char>('0' + WordDigit(words[i]));
  return text;
}

std::string TGrille::SaveToText(bool IncludeDigits, int Level, long long Time, int Hints) const {
  std::string givens(81, '0');
  for (int i = 0; i < 81; ++i) givens[i] = static_cast<char>('0' + Givens[i] % 10);
  return WriteGridText(givens, IncludeDigits ? DigitsText(Digits) : std::string(), Level, Time, Hints);
}

// A cell's character: "1" to "9" a digit; anything else, and a cell past the
// end of a short text, is empty.
static int CharDigit(std::string_view text, int index) {
  if (index >= static_cast<int>(text.size())) return 0;
  const char ch = text[index];
  return (ch >= '0' && ch <= '9') ? ch - '0' : 0;
}

void TGrille::LoadFromText(std::string_view GivensText, std::string_view DigitsText) {
  // An empty givens text is a puzzle without givens: the previous puzzle's
  // givens must not come back with the next reset.
  Clear(true);
  for (int i = 0; i < 81; ++i) {
    const int d = CharDigit(GivensText, i);
    PlaceDigit(i / 9 + 1, i % 9 + 1, d);
    // A given that breaks a rule of the givens before it (a damaged or
    // hand-edited file) is refused, as when it is typed: the cell stays a
    // free one, so that every given is in the grid and a hint never lands on one.
    Givens[i] = WordDigit(Digits[i]) == d ? static_cast<std::uint8_t>(d) : std::uint8_t(0);
  }
  if (!DigitsText.empty()) {
    RateLevel();
    // The givens stand whatever the digits text says of their cells (it
    // repeats them when it is whole; a short or damaged one must not take
    // them away or change them).
    for (int i = 0; i < 81; ++i)
      if (Givens[i] == 0) EnterDigit(i / 9 + 1, i % 9 + 1, CharDigit(DigitsText, i), false, false);
  }
  SolveAtLevel(LevelExpert);
}
