// Basic techniques: they read the digits only, never the candidates.
// Line and block completion, the missing-digit searches, cross-hatching.
#include "grille.h"
#include "hinttexts.h"

namespace {

// Calls one unit technique under the shared progress rule: once a hint has been
// recorded, no further technique runs and the cycle counts as progress.
template <class F>
inline void Step(const TGrille& g, bool hintMode, bool& progress, F&& technique) {
  if (hintMode && g.HintRow != 0) {
    progress = true;
    return;
  }
  if (technique()) progress = true;
}

}  // namespace

bool TGrille::SinglesPass(int Limit, bool Extended, bool HintMode, bool& Progress) {
  for (int line = 1; line <= 9; ++line)
    Step(*this, HintMode, Progress, [&] { return SolveLine(line, true, HintMode, Extended); });
  for (int line = 1; line <= 9; ++line)
    Step(*this, HintMode, Progress, [&] { return SolveLine(line, false, HintMode, Extended); });
  return BlockSinglesPass(Limit, Extended, HintMode, Progress);
}

bool TGrille::BlockSinglesPass(int Limit, bool Extended, bool HintMode, bool& Progress) {
  for (int br = 1; br <= 3; ++br)
    for (int bc = 1; bc <= 3; ++bc)
      Step(*this, HintMode, Progress, [&] { return SolveBlock(br, bc, HintMode, Extended, Limit); });
  return Progress;
}

bool TGrille::BandPass(bool HintMode, bool& Progress) {
  for (int band = 1; band <= 3; ++band)
    Step(*this, HintMode, Progress, [&] { return CrossHatchBand(band, true, HintMode); });
  for (int band = 1; band <= 3; ++band)
    Step(*this, HintMode, Progress, [&] { return CrossHatchBand(band, false, HintMode); });
  return Progress;
}

bool TGrille::SolveLine(int Line, bool ByRow, bool HintMode, bool Extended) {
  // Gap lists: empty positions in order, then missing digits in order; both
  // used with the count of empty positions. A used entry becomes 0.
  std::array<int, 9> pos{}, dig{};
  int n = 0;
  std::uint16_t present = ByRow ? RowDigits_[Line - 1] : ColDigits_[Line - 1];
  for (int p = 1; p <= 9; ++p)
    if (GetDigitInLine(Line, p, ByRow) == 0) pos[n++] = p;
  {
    int k = 0;
    for (int d = 1; d <= 9 && k < 9; ++d)
      if (!(present & (1u << (d - 1)))) dig[k++] = d;
  }
  bool placed = false;

  if (n == 1) {
    PlaceDigitInLine(Line, pos[0], dig[0], ByRow);
    placed = true;
    if (RecordHintCell(Line, pos[0], HintMode, ByRow))
      HintText = hinttexts::LineCompletion(ByRow, Line, dig[0], pos[0]);
    return placed;
  }
  if (!Extended || n > 5) return placed;

  bool restart;
  do {
    restart = false;
    // Cell search: a position whose cross line rules out all digits but one.
    for (int i = 0; i < n && !restart; ++i) {
      const int p = pos[i];
      if (p == 0) continue;
      int count = 0, found = -1;
      for (int j = 0; j < n; ++j)
        if (dig[j] != 0 && !LineHasDigit(p, dig[j], !ByRow)) {
          ++count;
          found = j;
        }
      if (count != 1) continue;
      const int d = dig[found];
      PlaceDigitInLine(Line, p, d, ByRow);
      placed = true;
      if (RecordHintCell(Line, p, HintMode, ByRow)) {
        HintText = hinttexts::LineCellSearch(ByRow, Line, n, p, d);
        return placed;
      }
      pos[i] = 0;
      dig[found] = 0;
      restart = true;
    }
    if (restart) continue;
    // Digit search: a digit that only one position can take.
    for (int j = 0; j < n && !restart; ++j) {
      const int d = dig[j];
      if (d == 0) continue;
      int count = 0, found = -1;
      for (int i = 0; i < n; ++i)
        if (pos[i] != 0 && !LineHasDigit(pos[i], d, !ByRow)) {
          ++count;
          found = i;
        }
      if (count != 1) continue;
      const int p = pos[found];
      PlaceDigitInLine(Line, p, d, ByRow);
      placed = true;
      if (RecordHintCell(Line, p, HintMode, ByRow)) {
        HintText = hinttexts::LineDigitSearch(ByRow, Line, n, p, d);
        return placed;
      }
      pos[found] = 0;
      dig[j] = 0;
      restart = true;
    }
  } while (restart);
  return placed;
}

bool TGrille::SolveBlock(int BandRow, int BandCol, bool HintMode, bool Extended, int Limit) {
  std::array<int, 9> rows{}, cols{}, dig{};
  int n = 0;
  const int r0 = 3 * (BandRow - 1) + 1, c0 = 3 * (BandCol - 1) + 1;
  for (int r = r0; r < r0 + 3; ++r)
    for (int c = c0; c < c0 + 3; ++c)
      if (GetDigit(r, c) == 0) {
        rows[n] = r;
        cols[n] = c;
        ++n;
      }
  {
    const std::uint16_t present = BlockDigits_[3 * (BandRow - 1) + BandCol - 1];
    int k = 0;
    for (int d = 1; d <= 9 && k < 9; ++d)
      if (!(present & (1u << (d - 1)))) dig[k++] = d;
  }
  bool placed = false;

  if (n == 1) {
    PlaceDigit(rows[0], cols[0], dig[0]);
    placed = true;
    if (RecordHintCell(rows[0], cols[0], HintMode, true))
      HintText = hinttexts::BlockCompletion(BandRow, BandCol, dig[0], rows[0], cols[0]);
    return placed;
  }
  if (!Extended || n > Limit) return placed;

  auto possible = [&](int i, int d) {
    return !LineHasDigit(rows[i], d, true) && !LineHasDigit(cols[i], d, false);
  };
  bool restart;
  do {
    restart = false;
    for (int i = 0; i < n && !restart; ++i) {
      if (rows[i] == 0) continue;
      int count = 0, found = -1;
      for (int j = 0; j < n; ++j)
        if (dig[j] != 0 && possible(i, dig[j])) {
          ++count;
          found = j;
        }
      if (count != 1) continue;
      const int d = dig[found], r = rows[i], c = cols[i];
      PlaceDigit(r, c, d);
      placed = true;
      if (RecordHintCell(r, c, HintMode, true)) {
        HintText = hinttexts::BlockCellSearch(BandRow, BandCol, r, c, d);
        return placed;
      }
      rows[i] = cols[i] = 0;
      dig[found] = 0;
      restart = true;
    }
    if (restart) continue;
    for (int j = 0; j < n && !restart; ++j) {
      const int d = dig[j];
      if (d == 0) continue;
      int count = 0, found = -1;
      for (int i = 0; i < n; ++i)
        if (rows[i] != 0 && possible(i, d)) {
          ++count;
          found = i;
        }
      if (count != 1) continue;
      const int r = rows[found], c = cols[found];
      PlaceDigit(r, c, d);
      placed = true;
      if (RecordHintCell(r, c, HintMode, true)) {
        HintText = hinttexts::BlockDigitSearch(BandRow, BandCol, r, c, d);
        return placed;
      }
      rows[found] = cols[found] = 0;
      dig[j] = 0;
      restart = true;
    }
  } while (restart);
  return placed;
}

bool TGrille::CrossHatchBand(int BandNo, bool ByRow, bool HintMode) {
  const int first = 3 * (BandNo - 1) + 1;
  bool placed = false;
  for (int d = 1; d <= 9; ++d) {
    // Which blocks of the band hold d, and on which of the band's lines.
    bool thirdHas[4] = {false, false, false, false};
    bool lineHas[3] = {false, false, false};
    int held = 0;
    for (int k = 1; k <= 3; ++k) {
      for (int li = 0; li < 3 && !thirdHas[k]; ++li)
        for (int p = 3 * (k - 1) + 1; p <= 3 * k; ++p)
          if (GetDigitInLine(first + li, p, ByRow) == d) {
            thirdHas[k] = true;
            lineHas[li] = true;
            ++held;
            break;
          }
    }
    if (held != 2) continue;

    const int g = !thirdHas[1] ? 1 : (!thirdHas[2] ? 2 : 3);
    int L = 0;
    for (int li = 0; li < 3; ++li)
      if (!lineHas[li]) L = first + li;
    bool excluded = false;
    int count = 0, where = 0;
    for (int p = 3 * (g - 1) + 1; p <= 3 * g; ++p) {
      if (GetDigitInLine(L, p, ByRow) != 0) continue;
      if (LineHasDigit(p, d, !ByRow)) {
        excluded = true;
        continue;
      }
      ++count;
      where = p;
    }
    if (count != 1) continue;
    PlaceDigitInLine(L, where, d, ByRow);
    placed = true;
    if (RecordHintCell(L, where, HintMode, ByRow)) {
      HintText = hinttexts::CrossHatch(ByRow, BandNo, d, L, g, excluded, where);
      return placed;
    }
  }
  return placed;
}
