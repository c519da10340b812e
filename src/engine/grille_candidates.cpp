// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate techniques: naked and hidden singles, block-line elimination,
// naked pairs and triples. They work on the Candidates array.
#include "grille.h"

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

bool TGrille::PlaceSingle(const basic::Found& Single) {
  const int row = Single.Cell / 9 + 1, col = Single.Cell % 9 + 1;
  RestoreBeforeHint(row, col, Single.Digit);
  PlaceDigit(row, col, Single.Digit);
  if (!RecordHintCell(row, col)) return false;
  RecordSingle(basic::StepOf(*this, Single));
  return true;
}

bool TGrille::NakedSingles() {
  basic::NakedSingleSearch search;
  bool placed = false;
  while (const auto found = search.Next(Candidates)) {
    placed = true;
    if (PlaceSingle(*found)) break;
  }
  return placed;
}

// Columns first, then rows, then blocks.
bool TGrille::HiddenSingles() {
  bool placed = false;
  for (UnitKind units : {UnitKind::Col, UnitKind::Row, UnitKind::Block}) {
    basic::HiddenSingleSearch search(units);
    while (const auto found = search.Next(Candidates)) {
      placed = true;
      if (PlaceSingle(*found)) return placed;
    }
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
