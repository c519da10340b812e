// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate techniques: naked and hidden singles, block-line elimination,
// naked pairs and triples. Their finders (basicsearch.h) read the Candidates
// array; here what they find is placed or removed.
#include "grille.h"

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
      const bool e = PointingPass() || NakedPairs(UnitKind::Row) || NakedPairs(UnitKind::Col) ||
                     NakedTriples(UnitKind::Row) || NakedTriples(UnitKind::Col) || NakedPairs(UnitKind::Block);
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

bool TGrille::Eliminate(const basic::Elimination& Found) {
  if (Found.Positions == 0) return false;
  for (int k = 0; k < 9; ++k)
    if (Found.Positions & (1u << k)) {
      std::uint16_t& cand = Candidates[std::size_t(basic::UnitCell(Found.Unit, k))];
      cand = static_cast<std::uint16_t>(cand & ~Found.Digits);
    }
  return true;
}

bool TGrille::PointingPass() {
  basic::PointingSearch search;
  bool changed = false;
  while (const auto found = search.Next(Candidates)) changed = Eliminate(*found) || changed;
  return changed;
}

// Once a removal was made, every later pair or triple of the call is
// recorded, even one that removes nothing.
bool TGrille::NakedSubsets(UnitKind Units, int Size, std::array<bool, 10>& Record) {
  basic::SubsetSearch search(U_, Units, Size);
  bool changed = false;
  while (const auto found = search.Next(Candidates)) {
    changed = Eliminate(*found) || changed;
    if (changed) Record[std::size_t(found->Unit.Number)] = true;
  }
  return changed;
}

bool TGrille::NakedPairs(UnitKind Units) {
  auto& record = Units == UnitKind::Row   ? Logic_.Record.PairsByRow
                 : Units == UnitKind::Col ? Logic_.Record.PairsByCol
                                          : Logic_.Record.PairsByBlock;
  return NakedSubsets(Units, basic::PairSize, record);
}

bool TGrille::NakedTriples(UnitKind Lines) {
  return NakedSubsets(Lines, basic::TripleSize,
                      Lines == UnitKind::Row ? Logic_.Record.TriplesByRow : Logic_.Record.TriplesByCol);
}
