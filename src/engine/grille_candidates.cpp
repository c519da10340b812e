// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate techniques: naked and hidden singles, block-line elimination,
// naked pairs and triples. They work on the Candidates array.
#include <cstring>

#include "grille.h"
#include "hintfocus.h"

namespace {
inline std::uint16_t Bit(int d) { return static_cast<std::uint16_t>(1u << (d - 1)); }
inline std::uint16_t DropLowest(std::uint16_t m) { return static_cast<std::uint16_t>(m & (m - 1)); }
// Bit counts of a set, by clearing its lowest bits (no table, no population count).
inline bool AtMostTwo(std::uint16_t m) { return DropLowest(DropLowest(m)) == 0; }
inline bool ExactlyTwo(std::uint16_t m) { return DropLowest(m) != 0 && AtMostTwo(m); }
inline bool AtMostThree(std::uint16_t m) { return DropLowest(DropLowest(DropLowest(m))) == 0; }
inline bool ExactlyThree(std::uint16_t m) { return DropLowest(DropLowest(m)) != 0 && AtMostThree(m); }
}  // namespace

// Puts the candidate sets saved at the start of AdvancedLogic back, cut by what
// the digits now in the grid allow: digits confirmed since the copy was taken
// keep their effect, and a filled cell has no candidates.
void TGrille::PutBackSavedCandidates() {
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int i = r * 9 + c;
      Candidates[i] = Digits[i] != 0
                          ? std::uint16_t(0)
                          : static_cast<std::uint16_t>(Logic_.Saved[i] & ~(U_.RowDigits[r] | U_.ColDigits[c] |
                                                                           U_.BlockDigits[(r / 3) * 3 + c / 3]));
    }
}

bool TGrille::AdvancedLogic() {
  Logic_.Record = MethodRecordT{};
  Logic_.EliminationsUsed = false;
  Logic_.Saved = Candidates;
  Logic_.Pending = true;

  auto placementStep = [&] { return NakedSingles() || HiddenSingles(); };

  bool result = NakedSingles();
  if (!Hinted()) {
    for (;;) {
      result = placementStep();
      if (HintRow != 0) break;
      const bool e = PointingPass() || LinePairs(true) || LinePairs(false) || LineTriples(true) || LineTriples(false) ||
                     BlockPairs();
      Logic_.EliminationsUsed = Logic_.EliminationsUsed || e;
      if (e) continue;
      if (!HintSearch_) result = placementStep();
      break;
    }
  }

  if (HintSearch_ && Logic_.Pending) PutBackSavedCandidates();
  Logic_.Pending = false;
  return result;
}

void TGrille::RecordSingle(ReasoningStep Step) {
  if (Logic_.EliminationsUsed) Step.Eliminations = Logic_.Record;
  RecordHint(std::move(Step));
}

void TGrille::RestoreBeforeHint(int Row, int Col, int Digit) {
  if (!HintSearch_ || !Logic_.Pending) return;
  if ((Marks[Cell(Row, Col)] & MarkDigitBits) == Digit) return;  // a confirmation, not the hint
  PutBackSavedCandidates();
  Logic_.Pending = false;
}

namespace {

// The first cell at or after Start whose candidate set holds exactly one
// digit, 81 when there is none. Four cells are tested at once, each 16-bit
// lane on its own: Lane - 1 never borrows from the next lane while the lane's
// top bit is set, and candidate sets never reach that bit (a lane that does,
// through SetCandidates, is tested plainly).
int FirstNakedSingle(const WordArray& Candidates, int Start) {
  constexpr std::uint64_t Top = 0x8000800080008000ull, One = 0x0001000100010001ull;
  auto single = [](std::uint16_t c) { return c != 0 && (c & (c - 1)) == 0; };
  for (int i = Start & ~3; i + 4 <= 81; i += 4) {
    std::uint64_t x;
    std::memcpy(&x, &Candidates[i], sizeof x);
    std::uint64_t found;
    if ((x & Top) == 0) {
      const std::uint64_t lowered = (x | Top) - One;  // per lane: top bit set when the lane is not 0
      const std::uint64_t rest = x & lowered;         // per lane: its lowest bit cleared
      found = lowered & ~((rest | Top) - One) & Top;  // lane not 0, and 0 once its lowest bit is gone
    } else {
      found = 0;
      for (int k = 0; k < 4; ++k)
        if (single(Candidates[i + k])) found |= std::uint64_t(0x8000) << (16 * k);
    }
    if (i < Start) found &= ~std::uint64_t(0) << (16 * (Start - i));
    if (found != 0) return i + std::countr_zero(found) / 16;
  }
  return Start <= 80 && single(Candidates[80]) ? 80 : 81;
}

}  // namespace

bool TGrille::NakedSingles() {
  bool placed = false;
  // Reading order; a placement narrows the cells after it before they are read.
  for (int i = FirstNakedSingle(Candidates, 0); i < 81; i = FirstNakedSingle(Candidates, i + 1)) {
    const int r = i / 9 + 1, c = i % 9 + 1;
    const int d = LowestDigit(Candidates[i]);
    RestoreBeforeHint(r, c, d);
    PlaceDigit(r, c, d);
    placed = true;
    if (RecordHintCell(r, c)) {
      RecordSingle(hintfocus::Placement(Technique::NakedSingle, i, d, hintfocus::NakedSingle(*this, r, c, d)));
      return true;
    }
  }
  return placed;
}

namespace {
// The digits that appear in exactly one of the given candidate sets.
template <class Get>
inline std::uint16_t OnlyOnce(Get get) {
  std::uint16_t once = 0, more = 0;
  for (int k = 0; k < 9; ++k) {
    const std::uint16_t c = get(k);
    more |= once & c;
    once |= c;
  }
  return static_cast<std::uint16_t>(once & ~more);
}
}  // namespace

// Digits are examined in increasing order and counted afresh after every
// placement, since a placement changes the counts of the digits after it.
bool TGrille::HiddenSinglesInLines(bool ByRow) {
  bool placed = false;
  for (int line = 1; line <= 9; ++line) {
    auto get = [&](int k) { return GetCandidatesInLine(line, k + 1, ByRow); };
    std::uint16_t single = OnlyOnce(get);
    for (int d = 1; d <= 9; ++d) {
      const std::uint16_t bit = Bit(d);
      if (!(single & bit)) continue;
      int where = 1;
      while (!(GetCandidatesInLine(line, where, ByRow) & bit)) ++where;
      const int row = ByRow ? line : where, col = ByRow ? where : line;
      RestoreBeforeHint(row, col, d);
      PlaceDigitInLine(line, where, d, ByRow);
      placed = true;
      if (RecordHintCell(row, col)) {
        RecordSingle(
            hintfocus::Placement(Technique::HiddenSingle, LineCell(line, where, ByRow), d,
                                 hintfocus::Line(*this, ByRow, line, where, d, hintfocus::Search::HiddenSingle)));
        return placed;
      }
      single = OnlyOnce(get);
    }
  }
  return placed;
}

bool TGrille::HiddenSinglesInBlock(int BandRow, int BandCol) {
  bool placed = false;
  const int r0 = 3 * (BandRow - 1) + 1, c0 = 3 * (BandCol - 1) + 1;
  auto get = [&](int k) { return Candidates[Cell(r0 + k / 3, c0 + k % 3)]; };
  std::uint16_t single = OnlyOnce(get);
  for (int d = 1; d <= 9; ++d) {
    const std::uint16_t bit = Bit(d);
    if (!(single & bit)) continue;
    int k = 0;
    while (!(get(k) & bit)) ++k;
    const int wr = r0 + k / 3, wc = c0 + k % 3;
    RestoreBeforeHint(wr, wc, d);
    PlaceDigit(wr, wc, d);
    placed = true;
    if (RecordHintCell(wr, wc)) {
      RecordSingle(hintfocus::Placement(Technique::HiddenSingle, Cell(wr, wc), d,
                                        hintfocus::Block(*this, wr, wc, d, hintfocus::Search::HiddenSingle)));
      return placed;
    }
    single = OnlyOnce(get);
  }
  return placed;
}

bool TGrille::HiddenSingles() {
  bool placed = HiddenSinglesInLines(false);
  if (Hinted()) return placed;
  placed = HiddenSinglesInLines(true) || placed;
  if (Hinted()) return placed;
  for (int br = 1; br <= 3; ++br)
    for (int bc = 1; bc <= 3; ++bc) {
      placed = HiddenSinglesInBlock(br, bc) || placed;
      if (Hinted()) return placed;
    }
  return placed;
}

bool TGrille::EliminatePointing(const std::array<std::uint16_t, 3>& Union, int Group, bool ByRow, int Third) {
  bool changed = false;
  const int stride = ByRow ? 1 : 9;
  for (int k = 1; k <= 3; ++k) {
    // The digits of line k that no other line of the block can take.
    const std::uint16_t only = static_cast<std::uint16_t>(Union[k - 1] & ~(Union[k % 3] | Union[(k + 1) % 3]));
    if (only == 0) continue;
    const int line = 3 * (Group - 1) + k;
    std::uint16_t* cell = &Candidates[LineCell(line, 1, ByRow)];
    for (int p = 0; p < 9; ++p, cell += stride) {
      if (p / 3 + 1 == Third || (*cell & only) == 0) continue;
      *cell = static_cast<std::uint16_t>(*cell & ~only);
      changed = true;
    }
  }
  return changed;
}

bool TGrille::PointingPass() {
  bool changed = false;
  for (int br = 1; br <= 3; ++br)
    for (int bc = 1; bc <= 3; ++bc) {
      std::array<std::uint16_t, 3> rowUnion{}, colUnion{};
      const int r0 = 3 * (br - 1) + 1, c0 = 3 * (bc - 1) + 1;
      for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j) {
          rowUnion[k] |= Candidates[Cell(r0 + k, c0 + j)];
          colUnion[k] |= Candidates[Cell(r0 + j, c0 + k)];
        }
      if (EliminatePointing(rowUnion, br, true, bc)) changed = true;
      if (EliminatePointing(colUnion, bc, false, br)) changed = true;
    }
  return changed;
}

bool TGrille::RemoveFromLine(int Line, bool ByRow, std::uint16_t Mask, int P1, int P2, int P3) {
  bool removed = false;
  for (int p = 1; p <= 9; ++p)
    if (p != P1 && p != P2 && p != P3 && RemoveCandidatesInLine(Line, p, ByRow, Mask)) removed = true;
  return removed;
}

namespace {
// The positions of Empty, in a line, whose candidate sets hold at most Most
// (2 or 3) digits: the only ones that can be part of a pair (triple).
std::uint16_t FewCandidates(const TGrille& g, int line, bool byRow, std::uint16_t empty, int most) {
  std::uint16_t set = 0;
  for (std::uint16_t rest = empty; rest != 0; rest = DropLowest(rest)) {
    const std::uint16_t cand = g.GetCandidatesInLine(line, LowestDigit(rest), byRow);
    if (most == 2 ? AtMostTwo(cand) : AtMostThree(cand)) set = static_cast<std::uint16_t>(set | (rest & -rest));
  }
  return set;
}
}  // namespace

// Candidates are read afresh for every pair or triple: a removal made for one
// may complete another later in the same line. Only a cell with at most two
// (three) candidates can be part of a pair (triple), so the loops run over
// those cells only; the set of them is taken again after every removal.
bool TGrille::LinePairs(bool ByRow) {
  bool changed = false;
  auto& record = ByRow ? Logic_.Record.PairsByRow : Logic_.Record.PairsByCol;
  for (int line = 1; line <= 9; ++line) {
    const std::uint16_t empty =
        static_cast<std::uint16_t>(~(ByRow ? U_.RowFilled : U_.ColFilled)[line - 1] & AllDigits);
    auto small = [&] { return FewCandidates(*this, line, ByRow, empty, 2); };
    std::uint16_t pairable = small();
    for (int a = 1; a <= 9; ++a) {
      if (!(pairable & Bit(a))) continue;
      const std::uint16_t ca = GetCandidatesInLine(line, a, ByRow);
      for (int b = a + 1; b <= 9; ++b) {
        if (!(pairable & Bit(b))) continue;
        const std::uint16_t u = ca | GetCandidatesInLine(line, b, ByRow);
        if (!ExactlyTwo(u)) continue;
        if (RemoveFromLine(line, ByRow, u, a, b, 0)) {
          changed = true;
          pairable = small();
        }
        if (changed) record[line] = true;
      }
    }
  }
  return changed;
}

bool TGrille::LineTriples(bool ByRow) {
  bool changed = false;
  auto& record = ByRow ? Logic_.Record.TriplesByRow : Logic_.Record.TriplesByCol;
  for (int line = 1; line <= 9; ++line) {
    const std::uint16_t empty =
        static_cast<std::uint16_t>(~(ByRow ? U_.RowFilled : U_.ColFilled)[line - 1] & AllDigits);
    auto small = [&] { return FewCandidates(*this, line, ByRow, empty, 3); };
    std::uint16_t fit = small();
    if (CountBits(fit) < 3) continue;
    for (int a = 1; a <= 9; ++a) {
      if (!(fit & Bit(a))) continue;
      const std::uint16_t ca = GetCandidatesInLine(line, a, ByRow);
      for (int b = a + 1; b <= 9; ++b) {
        if (!(fit & Bit(b))) continue;
        const std::uint16_t ab = ca | GetCandidatesInLine(line, b, ByRow);
        if (!AtMostThree(ab)) continue;  // a third cell can only add digits
        for (int c = b + 1; c <= 9; ++c) {
          if (!(fit & Bit(c))) continue;
          const std::uint16_t u = ab | GetCandidatesInLine(line, c, ByRow);
          if (!ExactlyThree(u)) continue;
          if (RemoveFromLine(line, ByRow, u, a, b, c)) {
            changed = true;
            fit = small();
          }
          if (changed) record[line] = true;
        }
      }
    }
  }
  return changed;
}

bool TGrille::RemoveFromBlock(int BandRow, int BandCol, int RowA, int ColA, int RowB, int ColB, std::uint16_t Mask) {
  bool removed = false;
  const int r0 = 3 * (BandRow - 1) + 1, c0 = 3 * (BandCol - 1) + 1;
  for (int r = r0; r < r0 + 3; ++r) {
    if (r == RowA || r == RowB) continue;
    for (int c = c0; c < c0 + 3; ++c) {
      if (c == ColA || c == ColB) continue;
      std::uint16_t& cand = Candidates[Cell(r, c)];
      if (cand & Mask) {
        cand = static_cast<std::uint16_t>(cand & ~Mask);
        removed = true;
      }
    }
  }
  return removed;
}

bool TGrille::BlockPairs() {
  bool changed = false;
  for (int br = 1; br <= 3; ++br)
    for (int bc = 1; bc <= 3; ++bc) {
      const int block = 3 * (br - 1) + bc;
      const int r0 = 3 * (br - 1) + 1, c0 = 3 * (bc - 1) + 1;
      const std::uint16_t filled = U_.BlockFilled[block - 1];
      auto cand = [&](int k) { return Candidates[Cell(r0 + k / 3, c0 + k % 3)]; };
      // The empty cells that can be part of a pair, taken again after a removal.
      auto small = [&] {
        std::uint16_t set = 0;
        for (int k = 0; k < 9; ++k)
          if (!(filled & (1u << k)) && AtMostTwo(cand(k))) set = static_cast<std::uint16_t>(set | (1u << k));
        return set;
      };
      std::uint16_t pairable = small();
      if (DropLowest(pairable) == 0) continue;
      for (int a = 0; a < 9; ++a) {
        if (!(pairable & (1u << a))) continue;
        const int ra = r0 + a / 3, ca = c0 + a % 3;
        for (int b = a + 1; b < 9; ++b) {
          if (!(pairable & (1u << b))) continue;
          const int rb = r0 + b / 3, cb = c0 + b % 3;
          const std::uint16_t u = cand(a) | cand(b);
          if (!ExactlyTwo(u)) continue;
          if (RemoveFromBlock(br, bc, ra, ca, rb, cb, u)) {
            changed = true;
            pairable = small();
          }
          if (changed) Logic_.Record.PairsByBlock[block] = true;
        }
      }
    }
  return changed;
}
