// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target "grid": the grid text reader, then a rating and a hint search,
// as the game runs them on a puzzle typed in, loaded or given to the tool.
//
// Input: the grid text form "givens|digits|..." (a text without "|" is all
// givens). Besides crashes, it stops on a model that does not hold together:
// a given that is not in the grid, candidates that name a digit of a peer, a
// rating byte with other bits than the level, 16 and 32, a hint outside the
// grid or whose digit is not what the cell now holds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz_util.h"
#include "grille.h"

namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("grid", what); }

// The digits of the cell's row, column and block, the cell left out.
std::uint16_t PeerDigits(const TGrille& grid, int row, int col) {
  std::uint16_t seen = 0;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      if (r == row && c == col) continue;
      if (r != row && c != col && BlockOf(r, c) != BlockOf(row, col)) continue;
      seen = static_cast<std::uint16_t>(seen | (grid.Digits[Cell(r, c)] & AllDigits));
    }
  return seen;
}

void CheckModel(const TGrille& grid) {
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) {
      const int i = Cell(row, col);
      const CellWord word = grid.Digits[i];
      if (word != DigitWord(WordDigit(word))) Fail("a cell word that is not a digit");
      if (grid.Givens[i] > 9) Fail("a given that is not a digit");
      if (grid.Givens[i] != 0 && WordDigit(word) != grid.Givens[i]) Fail("a given that the grid does not show");
      if (word != 0 && grid.Candidates[i] != 0) Fail("candidates in a filled cell");
      if (word == 0 && (grid.Candidates[i] & PeerDigits(grid, row, col)) != 0)
        Fail("a candidate that a peer already holds");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t bar = text.find('|');
  const std::string_view givens = text.substr(0, bar);
  std::string_view digits;
  if (bar != std::string_view::npos) {
    digits = text.substr(bar + 1);
    digits = digits.substr(0, digits.find('|'));
  }

  TGrille grid;
  grid.LoadFromText(givens, digits);
  CheckModel(grid);

  const std::uint8_t rating = grid.RateLevel();
  if ((rating & ~(RatingLevelBits | RatingGuess | RatingMultiple)) != 0 || (rating & RatingLevelBits) > 4)
    Fail("a rating byte out of its form");
  if (rating != 0 && (rating & RatingLevelBits) == 0) Fail("flags without a level");

  const WordArray before = grid.Digits;
  const std::optional<HintStep> hint = grid.FindHint();
  CheckModel(grid);
  if (hint) {
    if (hint->Row < 1 || hint->Row > 9 || hint->Col < 1 || hint->Col > 9) Fail("a hint outside the grid");
    if (hint->Digit < 1 || hint->Digit > 9 || hint->Digit != grid.GetDigit(hint->Row, hint->Col))
      Fail("a hint digit that the cell does not hold");
    if (hint->Replaced != WordDigit(before[Cell(hint->Row, hint->Col)])) Fail("a hint that replaced another digit");
    if (hint->Text.empty()) Fail("a hint without its sentence");
    if (grid.Givens[Cell(hint->Row, hint->Col)] != 0) Fail("a hint on a given");
  } else if (grid.Digits != before) {
    Fail("a hint search that found nothing changed the grid");
  }
  return 0;
}
