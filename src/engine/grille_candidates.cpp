// Candidate techniques: naked and hidden singles, block-line elimination,
// naked pairs and triples. They work on the Candidates array.
#include "grille.h"
#include "hintfocus.h"
#include "hinttexts.h"

namespace {
inline std::uint16_t Bit(int d) { return static_cast<std::uint16_t>(1u << (d - 1)); }
}  // namespace

// Puts the candidate sets saved at the start of AdvancedLogic back, cut by what
// the digits now in the grid allow: digits confirmed since the copy was taken
// keep their effect, and a filled cell has no candidates.
void TGrille::PutBackSavedCandidates() {
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int i = r * 9 + c;
      Candidates[i] =
          Digits[i] != 0
              ? std::uint16_t(0)
              : static_cast<std::uint16_t>(SavedCandidates[i] &
                                           ~(U_.RowDigits[r] | U_.ColDigits[c] | U_.BlockDigits[(r / 3) * 3 + c / 3]));
    }
}

bool TGrille::AdvancedLogic(bool HintMode) {
  MethodRecord = MethodRecordT{};
  EliminationsUsed = false;
  SavedCandidates = Candidates;
  LogicRan = true;

  auto placementStep = [&] { return NakedSingles(HintMode) || HiddenSingles(HintMode); };

  bool result = NakedSingles(HintMode);
  if (!(HintMode && HintRow != 0)) {
    for (;;) {
      result = placementStep();
      if (HintRow != 0) break;
      const bool e = PointingPass() || LinePairs(true) || LinePairs(false) || LineTriples(true) ||
                     LineTriples(false) || BlockPairs();
      EliminationsUsed = EliminationsUsed || e;
      if (e) continue;
      if (!HintMode) result = placementStep();
      break;
    }
  }

  if (HintMode && LogicRan) PutBackSavedCandidates();
  LogicRan = false;
  return result;
}

void TGrille::RestoreBeforeHint(int Row, int Col, int Digit, bool HintMode) {
  if (!HintMode || !LogicRan) return;
  if ((Marks[Cell(Row, Col)] & MarkDigitBits) == Digit) return;  // a confirmation, not the hint
  PutBackSavedCandidates();
  LogicRan = false;
}

bool TGrille::NakedSingles(bool HintMode) {
  bool placed = false;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::uint16_t cand = Candidates[Cell(r, c)];
      if (cand == 0 || (cand & (cand - 1)) != 0) continue;
      const int d = LowestDigit(cand);
      RestoreBeforeHint(r, c, d, HintMode);
      PlaceDigit(r, c, d);
      placed = true;
      if (RecordHintCell(r, c, HintMode, true)) {
        HintText = hinttexts::NakedSingle(DescribeEliminations(), r, c, d);
        HintFocus = hintfocus::NakedSingle(*this, r, c, d);
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
bool TGrille::HiddenSinglesInLines(bool ByRow, bool HintMode) {
  bool placed = false;
  for (int line = 1; line <= 9; ++line) {
    auto get = [&](int k) { return GetCandidatesInLine(line, k + 1, ByRow); };
    std::uint16_t single = OnlyOnce(get);
    for (int d = 1; d <= 9; ++d) {
      const std::uint16_t bit = Bit(d);
      if (!(single & bit)) continue;
      int where = 1;
      while (!(GetCandidatesInLine(line, where, ByRow) & bit)) ++where;
      if (ByRow)
        RestoreBeforeHint(line, where, d, HintMode);
      else
        RestoreBeforeHint(where, line, d, HintMode);
      PlaceDigitInLine(line, where, d, ByRow);
      placed = true;
      if (RecordHintCell(line, where, HintMode, ByRow)) {
        HintText = hinttexts::HiddenSingleInLine(DescribeEliminations(), ByRow, line, d, where);
        HintFocus = hintfocus::Line(*this, ByRow, line, where, d, hintfocus::Search::HiddenSingle);
        return placed;
      }
      single = OnlyOnce(get);
    }
  }
  return placed;
}

bool TGrille::HiddenSinglesInBlock(int BandRow, int BandCol, bool HintMode) {
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
    RestoreBeforeHint(wr, wc, d, HintMode);
    PlaceDigit(wr, wc, d);
    placed = true;
    if (RecordHintCell(wr, wc, HintMode, true)) {
      HintText = hinttexts::HiddenSingleInBlock(DescribeEliminations(), BandRow, BandCol, d, wr, wc);
      HintFocus = hintfocus::Block(*this, wr, wc, d, hintfocus::Search::HiddenSingle);
      return placed;
    }
    single = OnlyOnce(get);
  }
  return placed;
}

bool TGrille::HiddenSingles(bool HintMode) {
  auto hinted = [&] { return HintMode && HintRow != 0; };
  bool placed = HiddenSinglesInLines(false, HintMode);
  if (hinted()) return placed;
  placed = HiddenSinglesInLines(true, HintMode) || placed;
  if (hinted()) return placed;
  for (int br = 1; br <= 3; ++br)
    for (int bc = 1; bc <= 3; ++bc) {
      placed = HiddenSinglesInBlock(br, bc, HintMode) || placed;
      if (hinted()) return placed;
    }
  return placed;
}

bool TGrille::EliminatePointing(const std::array<std::uint16_t, 3>& Union, int Group, bool ByRow, int Third) {
  bool changed = false;
  for (int k = 1; k <= 3; ++k) {
    // The digits of line k that no other line of the block can take.
    const std::uint16_t only =
        static_cast<std::uint16_t>(Union[k - 1] & ~(Union[k % 3] | Union[(k + 1) % 3]));
    if (only == 0) continue;
    const int line = 3 * (Group - 1) + k;
    for (int p = 1; p <= 9; ++p)
      if (Band(p) != Third && RemoveCandidatesInLine(line, p, ByRow, only)) changed = true;
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

int TGrille::EmptyPositions(int Line, bool ByRow, int (&Positions)[9]) const {
  const std::uint16_t filled = (ByRow ? U_.RowFilled : U_.ColFilled)[Line - 1];
  int n = 0;
  for (int p = 1; p <= 9; ++p)
    if (!(filled & (1u << (p - 1)))) Positions[n++] = p;
  return n;
}

// Candidates are read afresh for every pair or triple: a removal made for one
// may complete another later in the same line.
bool TGrille::LinePairs(bool ByRow) {
  bool changed = false;
  auto& record = ByRow ? MethodRecord.PairsByRow : MethodRecord.PairsByCol;
  for (int line = 1; line <= 9; ++line) {
    int empty[9];
    const int n = EmptyPositions(line, ByRow, empty);
    for (int a = 0; a < n; ++a) {
      if (CountBits(GetCandidatesInLine(line, empty[a], ByRow)) > 2) continue;  // cannot be in a pair
      for (int b = a + 1; b < n; ++b) {
        const std::uint16_t u =
            GetCandidatesInLine(line, empty[a], ByRow) | GetCandidatesInLine(line, empty[b], ByRow);
        if (CountBits(u) != 2) continue;
        changed = RemoveFromLine(line, ByRow, u, empty[a], empty[b], 0) || changed;
        if (changed) record[line] = true;
      }
    }
  }
  return changed;
}

bool TGrille::LineTriples(bool ByRow) {
  bool changed = false;
  auto& record = ByRow ? MethodRecord.TriplesByRow : MethodRecord.TriplesByCol;
  for (int line = 1; line <= 9; ++line) {
    int empty[9];
    const int n = EmptyPositions(line, ByRow, empty);
    for (int a = 0; a < n; ++a) {
      if (CountBits(GetCandidatesInLine(line, empty[a], ByRow)) > 3) continue;
      for (int b = a + 1; b < n; ++b) {
        const std::uint16_t ab =
            GetCandidatesInLine(line, empty[a], ByRow) | GetCandidatesInLine(line, empty[b], ByRow);
        if (CountBits(ab) > 3) continue;  // a third cell can only add digits
        for (int c = b + 1; c < n; ++c) {
          const std::uint16_t u = static_cast<std::uint16_t>(
              GetCandidatesInLine(line, empty[a], ByRow) | GetCandidatesInLine(line, empty[b], ByRow) |
              GetCandidatesInLine(line, empty[c], ByRow));
          if (CountBits(u) != 3) continue;
          changed = RemoveFromLine(line, ByRow, u, empty[a], empty[b], empty[c]) || changed;
          if (changed) record[line] = true;
        }
      }
    }
  }
  return changed;
}

bool TGrille::RemoveFromBlock(int BandRow, int BandCol, int RowA, int ColA, int RowB, int ColB,
                              std::uint16_t Mask) {
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
      for (int a = 0; a < 9; ++a) {
        if (filled & (1u << a)) continue;
        const int ra = r0 + a / 3, ca = c0 + a % 3;
        if (CountBits(Candidates[Cell(ra, ca)]) > 2) continue;  // cannot be in a pair
        for (int b = a + 1; b < 9; ++b) {
          if (filled & (1u << b)) continue;
          const int rb = r0 + b / 3, cb = c0 + b % 3;
          const std::uint16_t u = Candidates[Cell(ra, ca)] | Candidates[Cell(rb, cb)];
          if (CountBits(u) != 2) continue;
          changed = RemoveFromBlock(br, bc, ra, ca, rb, cb, u) || changed;
          if (changed) MethodRecord.PairsByBlock[block] = true;
        }
      }
    }
  return changed;
}
