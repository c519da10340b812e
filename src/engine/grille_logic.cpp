// SPDX-License-Identifier: GPL-3.0-or-later
// Basic techniques: they read the digits only, never the candidates.
// Line and block completion, the missing-digit searches, cross-hatching.
#include "grille.h"
#include "hintfocus.h"

// Each unit technique runs under the shared progress rule: once the hint
// search has its hint, no further technique runs and the pass counts as
// progress.
bool TGrille::SinglesPass(int Limit, bool Extended) {
  bool progress = false;
  for (int line = 1; line <= 9; ++line) progress = Hinted() || SolveLine(line, true, Extended) || progress;
  for (int line = 1; line <= 9; ++line) progress = Hinted() || SolveLine(line, false, Extended) || progress;
  return BlockSinglesPass(Limit, Extended) || progress;
}

bool TGrille::BlockSinglesPass(int Limit, bool Extended) {
  bool progress = false;
  for (int br = 1; br <= 3; ++br)
    for (int bc = 1; bc <= 3; ++bc) progress = Hinted() || SolveBlock(br, bc, Extended, Limit) || progress;
  return progress;
}

bool TGrille::BandPass() {
  bool progress = false;
  for (int band = 1; band <= 3; ++band) progress = Hinted() || CrossHatchBand(band, true) || progress;
  for (int band = 1; band <= 3; ++band) progress = Hinted() || CrossHatchBand(band, false) || progress;
  return progress;
}

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

}  // namespace

bool TGrille::SolveLine(int Line, bool ByRow, bool Extended) {
  // Gap lists: the empty positions in order and the missing digits in
  // increasing order, both kept as sets and used with the count n of empty
  // positions. A used position or digit leaves its set.
  std::uint16_t left = static_cast<std::uint16_t>(~(ByRow ? U_.RowFilled : U_.ColFilled)[Line - 1] & AllDigits);
  const int n = CountBits(left);
  if (n == 0 || (n > 1 && (!Extended || n > LineSearchMost))) return false;
  const std::uint16_t present = ByRow ? U_.RowDigits[Line - 1] : U_.ColDigits[Line - 1];
  std::uint16_t digits = FirstMissing(present, n);
  bool placed = false;

  if (n == 1) {
    const int p = LowestDigit(left), d = LowestDigit(digits);
    PlaceDigitInLine(Line, p, d, ByRow);
    placed = true;
    if (RecordHintCell(ByRow ? Line : p, ByRow ? p : Line)) {
      ReasoningStep step =
          hintfocus::Placement(Technique::LineCompletion, LineCell(Line, p, ByRow), d,
                               hintfocus::Line(*this, ByRow, Line, p, d, hintfocus::Search::Completion));
      step.ByRow = ByRow;
      RecordHint(std::move(step));
    }
    return placed;
  }

  // The digits that the cross line through a position already holds.
  const auto& cross = ByRow ? U_.ColDigits : U_.RowDigits;
  for (;;) {
    // Cell search: the first position whose cross line rules out all listed
    // digits but one.
    int p = 0;
    std::uint16_t bit = 0;
    for (std::uint16_t rest = left; rest != 0; rest = static_cast<std::uint16_t>(rest & (rest - 1))) {
      const int q = LowestDigit(rest);
      const std::uint16_t possible = static_cast<std::uint16_t>(digits & ~cross[q - 1]);
      if (possible != 0 && (possible & (possible - 1)) == 0) {
        p = q;
        bit = possible;
        break;
      }
    }
    const bool digitSearch = p == 0;
    if (digitSearch) {
      // Digit search: the smallest listed digit that only one position can take.
      std::uint16_t once = 0, more = 0;
      for (std::uint16_t rest = left; rest != 0; rest = static_cast<std::uint16_t>(rest & (rest - 1))) {
        const std::uint16_t possible = static_cast<std::uint16_t>(digits & ~cross[LowestDigit(rest) - 1]);
        more |= once & possible;
        once |= possible;
      }
      const std::uint16_t single = static_cast<std::uint16_t>(once & ~more);
      if (single == 0) break;
      bit = static_cast<std::uint16_t>(single & -single);
      for (std::uint16_t rest = left; p == 0; rest = static_cast<std::uint16_t>(rest & (rest - 1)))
        if (!(cross[LowestDigit(rest) - 1] & bit)) p = LowestDigit(rest);
    }
    const int d = LowestDigit(bit);
    PlaceDigitInLine(Line, p, d, ByRow);
    placed = true;
    if (RecordHintCell(ByRow ? Line : p, ByRow ? p : Line)) {
      ReasoningStep step = hintfocus::Placement(
          digitSearch ? Technique::LineDigitSearch : Technique::LineCellSearch, LineCell(Line, p, ByRow), d,
          hintfocus::Line(*this, ByRow, Line, p, d,
                          digitSearch ? hintfocus::Search::DigitSearch : hintfocus::Search::CellSearch));
      step.ByRow = ByRow;
      step.EmptyCells = n;
      RecordHint(std::move(step));
      return placed;
    }
    left = static_cast<std::uint16_t>(left & ~(1u << (p - 1)));
    digits = static_cast<std::uint16_t>(digits & ~bit);
  }
  return placed;
}

TGrille::BlockSearchKey TGrille::BlockSearchInputs(int BandRow, int BandCol) const {
  const int b = 3 * (BandRow - 1) + BandCol - 1, r = 3 * (BandRow - 1), c = 3 * (BandCol - 1);
  // The filled set is never all ones (the search needs an empty cell), so an
  // all-ones key never matches.
  return {U_.BlockFilled[b],   U_.BlockDigits[b], U_.RowDigits[r],     U_.RowDigits[r + 1],
          U_.RowDigits[r + 2], U_.ColDigits[c],   U_.ColDigits[c + 1], U_.ColDigits[c + 2]};
}

bool TGrille::SolveBlock(int BandRow, int BandCol, bool Extended, int Limit) {
  // The same lists as for a line: the empty cells in reading order (bit k for
  // cell k of the block) and the missing digits.
  const int b = 3 * (BandRow - 1) + BandCol - 1;
  std::uint16_t left = static_cast<std::uint16_t>(~U_.BlockFilled[b] & AllDigits);
  const int n = CountBits(left);
  if (n == 0 || (n > 1 && (!Extended || n > Limit))) return false;
  BlockSearchKey* memo = nullptr;
  if (n > 1 && (Limit == BlockSearchMoyen || Limit == BlockSearchAny)) {
    memo = &EmptyBlockSearch_[Limit == BlockSearchAny][b];
    if (BlockSearchInputs(BandRow, BandCol) == *memo) return false;
  }
  const int r0 = 3 * (BandRow - 1) + 1, c0 = 3 * (BandCol - 1) + 1;
  std::uint16_t digits = FirstMissing(U_.BlockDigits[b], n);
  bool placed = false;

  if (n == 1) {
    const int k = LowestDigit(left) - 1, d = LowestDigit(digits);
    const int r = r0 + k / 3, c = c0 + k % 3;
    PlaceDigit(r, c, d);
    placed = true;
    if (RecordHintCell(r, c))
      RecordHint(hintfocus::Placement(Technique::BlockCompletion, Cell(r, c), d,
                                      hintfocus::Block(*this, r, c, d, hintfocus::Search::Completion)));
    return placed;
  }

  // The listed digits that neither the row nor the column of cell k holds.
  auto possibleAt = [&](int k) {
    return static_cast<std::uint16_t>(digits & ~(U_.RowDigits[r0 + k / 3 - 1] | U_.ColDigits[c0 + k % 3 - 1]));
  };
  for (;;) {
    int k = -1;
    std::uint16_t bit = 0;
    for (std::uint16_t rest = left; rest != 0; rest = static_cast<std::uint16_t>(rest & (rest - 1))) {
      const int q = LowestDigit(rest) - 1;
      const std::uint16_t possible = possibleAt(q);
      if (possible != 0 && (possible & (possible - 1)) == 0) {
        k = q;
        bit = possible;
        break;
      }
    }
    const bool digitSearch = k < 0;
    if (digitSearch) {
      std::uint16_t once = 0, more = 0;
      for (std::uint16_t rest = left; rest != 0; rest = static_cast<std::uint16_t>(rest & (rest - 1))) {
        const std::uint16_t possible = possibleAt(LowestDigit(rest) - 1);
        more |= once & possible;
        once |= possible;
      }
      const std::uint16_t single = static_cast<std::uint16_t>(once & ~more);
      if (single == 0) break;
      bit = static_cast<std::uint16_t>(single & -single);
      for (std::uint16_t rest = left; k < 0; rest = static_cast<std::uint16_t>(rest & (rest - 1)))
        if (possibleAt(LowestDigit(rest) - 1) & bit) k = LowestDigit(rest) - 1;
    }
    const int r = r0 + k / 3, c = c0 + k % 3, d = LowestDigit(bit);
    PlaceDigit(r, c, d);
    placed = true;
    if (RecordHintCell(r, c)) {
      ReasoningStep step = hintfocus::Placement(
          digitSearch ? Technique::BlockDigitSearch : Technique::BlockCellSearch, Cell(r, c), d,
          hintfocus::Block(*this, r, c, d,
                           digitSearch ? hintfocus::Search::DigitSearch : hintfocus::Search::CellSearch));
      step.EmptyCells = n;
      RecordHint(std::move(step));
      return placed;
    }
    left = static_cast<std::uint16_t>(left & ~(1u << k));
    digits = static_cast<std::uint16_t>(digits & ~bit);
  }
  if (!placed && memo) *memo = BlockSearchInputs(BandRow, BandCol);
  return placed;
}

bool TGrille::CrossHatchBand(int BandNo, bool ByRow) {
  const int first = 3 * (BandNo - 1) + 1;
  const auto& thirds = ByRow ? U_.RowThirds : U_.ColThirds;
  const auto& filled = ByRow ? U_.RowFilled : U_.ColFilled;
  const auto& cross = ByRow ? U_.ColDigits : U_.RowDigits;
  // The digits that stand in exactly two of the band's three blocks; a
  // placement only adds its own digit, so the set holds for the whole call.
  std::uint16_t inBlock[3];
  for (int k = 0; k < 3; ++k)
    inBlock[k] = static_cast<std::uint16_t>(thirds[first - 1][k] | thirds[first][k] | thirds[first + 1][k]);
  const std::uint16_t two =
      static_cast<std::uint16_t>((inBlock[0] & inBlock[1] & ~inBlock[2]) | (inBlock[0] & ~inBlock[1] & inBlock[2]) |
                                 (~inBlock[0] & inBlock[1] & inBlock[2]));
  bool placed = false;
  for (int d = 1; d <= 9; ++d) {
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (d - 1));
    if (!(two & bit)) continue;
    // The block without d, and the line of each other block where d stands
    // (the first line met in that block).
    int g = 0;
    bool lineHas[3] = {false, false, false};
    for (int k = 0; k < 3; ++k) {
      if (!(inBlock[k] & bit)) {
        g = k + 1;
        continue;
      }
      for (int li = 0; li < 3; ++li)
        if (thirds[first - 1 + li][k] & bit) {
          lineHas[li] = true;
          break;
        }
    }
    int L = 0;
    for (int li = 0; li < 3; ++li)
      if (!lineHas[li]) L = first + li;
    bool excluded = false;
    int count = 0, where = 0;
    for (int p = 3 * (g - 1) + 1; p <= 3 * g; ++p) {
      if (filled[L - 1] & (1u << (p - 1))) continue;
      if (cross[p - 1] & bit) {
        excluded = true;
        continue;
      }
      ++count;
      where = p;
    }
    if (count != 1) continue;
    PlaceDigitInLine(L, where, d, ByRow);
    placed = true;
    if (RecordHintCell(ByRow ? L : where, ByRow ? where : L)) {
      ReasoningStep step = hintfocus::Placement(Technique::CrossHatch, LineCell(L, where, ByRow), d,
                                                hintfocus::CrossHatch(*this, ByRow, L, g, where, d));
      step.ByRow = ByRow;
      step.Excluded = excluded;
      RecordHint(std::move(step));
      return placed;
    }
  }
  return placed;
}
