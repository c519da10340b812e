// SPDX-License-Identifier: GPL-3.0-or-later
// Basic techniques: they read the digits only, never the candidates. Their
// finders (basicsearch.h) say what to place; here it is placed, and the hint
// search takes the first placement the player does not already have right.
#include "grille.h"

bool TGrille::PlaceFound(const basic::Found& Placement) {
  const int row = Placement.Cell / 9 + 1, col = Placement.Cell % 9 + 1;
  PlaceDigit(row, col, Placement.Digit);
  if (!RecordHintCell(row, col)) return false;
  RecordHint(basic::StepOf(*this, Placement));
  return true;
}

// Each unit technique runs under the shared progress rule: once the hint
// search has its hint, no further technique runs and the pass counts as
// progress.
bool TGrille::SinglesPass(basic::SearchReach Reach) {
  bool progress = false;
  for (UnitKind kind : {UnitKind::Row, UnitKind::Col})
    for (int line = 1; line <= 9; ++line) {
      if (Hinted()) return true;
      progress = SearchLine({kind, line}, Reach) || progress;
    }
  return BlockSinglesPass(Reach) || progress;
}

bool TGrille::BlockSinglesPass(basic::SearchReach Reach) {
  bool progress = false;
  for (int block = 0; block < 9; ++block) {
    if (Hinted()) return true;
    progress = SearchBlock(block, Reach) || progress;
  }
  return progress;
}

bool TGrille::BandPass() {
  bool progress = false;
  for (UnitKind lines : {UnitKind::Row, UnitKind::Col})
    for (int band = 1; band <= 3; ++band) {
      if (Hinted()) return true;
      progress = CrossHatchBand(band, lines) || progress;
    }
  return progress;
}

// A search places all it finds, and stops at the hint.
bool TGrille::SearchLine(HintUnit Line, basic::SearchReach Reach) {
  basic::LineSearch search(U_, Line, Reach.LineMost);
  bool placed = false;
  while (const auto found = search.Next(U_)) {
    placed = true;
    if (PlaceFound(*found)) break;
  }
  return placed;
}

bool TGrille::SearchBlock(int Block, basic::SearchReach Reach) {
  basic::BlockSearch search(U_, Block, Reach.BlockMost, BlockMemo_);
  bool placed = false;
  while (const auto found = search.Next(U_)) {
    placed = true;
    if (PlaceFound(*found)) break;
  }
  return placed;
}

bool TGrille::CrossHatchBand(int BandNo, UnitKind Lines) {
  basic::CrossHatchSearch search(U_, BandNo, Lines);
  bool placed = false;
  while (const auto found = search.Next(U_)) {
    placed = true;
    if (PlaceFound(*found)) break;
  }
  return placed;
}
