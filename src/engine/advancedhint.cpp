// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced hint search over TGrille's public state: the candidates, the
// candidate techniques' elimination passes, placement and the hint fields.
#include "advancedhint.h"

#include "advanced.h"
#include "cellunits.h"
#include "grille.h"

namespace advanced {

using cellunits::Bit;
using std::to_string;

namespace {

// A digit that can be placed: where, and how it was seen.
struct Single {
  enum Kind { Naked, InRow, InCol, InBlock } kind;
  int cell;
  int digit;
};

// Naked singles in reading order, then hidden singles in the columns, the rows
// and the blocks, as the candidate techniques look for them.
std::optional<Single> FindSingle(const CandidateSets& cand) {
  for (int cell = 0; cell < 81; ++cell)
    if (cand[cell] != 0 && (cand[cell] & (cand[cell] - 1)) == 0)
      return Single{Single::Naked, cell, LowestDigit(cand[cell])};
  constexpr int unitOrder[3] = {9, 0, 18};  // columns, rows, blocks
  constexpr Single::Kind kinds[3] = {Single::InCol, Single::InRow, Single::InBlock};
  for (int group = 0; group < 3; ++group)
    for (int unit = unitOrder[group]; unit < unitOrder[group] + 9; ++unit)
      for (int d = 1; d <= 9; ++d) {
        int where = -1, count = 0;
        for (int cell : cellunits::Units[unit])
          if (cand[cell] & Bit(d)) where = cell, ++count;
        if (count == 1) return Single{kinds[group], where, d};
      }
  return std::nullopt;
}

// An empty cell without candidates, or a unit that lacks a digit with no place:
// the grid holds a wrong digit the search does not know of.
bool Broken(const TGrille& grid) {
  for (int unit = 0; unit < 27; ++unit) {
    std::uint16_t have = 0;
    for (int cell : cellunits::Units[unit]) {
      if (grid.Digits[cell] == 0 && grid.Candidates[cell] == 0) return true;
      have = static_cast<std::uint16_t>(have | grid.Candidates[cell] | (grid.Digits[cell] & AllDigits));
    }
    if (have != AllDigits) return true;
  }
  return false;
}

// The candidate sets saved at the start, cut by the digits now in the grid.
void PutBack(TGrille& grid, const CandidateSets& saved) {
  std::array<std::uint16_t, 27> present{};
  for (int unit = 0; unit < 27; ++unit)
    for (int cell : cellunits::Units[unit])
      present[unit] = static_cast<std::uint16_t>(present[unit] | (grid.Digits[cell] & AllDigits));
  for (int cell = 0; cell < 81; ++cell) {
    std::uint16_t seen = 0;
    for (int unit : cellunits::UnitsOf(cell)) seen = static_cast<std::uint16_t>(seen | present[unit]);
    grid.Candidates[cell] = grid.Digits[cell] != 0 ? 0 : static_cast<std::uint16_t>(saved[cell] & ~seen);
  }
}

// What the candidate techniques' eliminations removed: whether the block-line
// elimination did, and the lines and blocks where pairs and triples did.
struct EliminationsUsed {
  bool Pointing = false;
  MethodRecordT Record{};
};

// Marks, in `flags`, the units (0 rows, 1 columns, 2 blocks) whose candidates changed.
void MarkChanged(const CandidateSets& before, const CandidateSets& after, int kind, std::array<bool, 10>& flags) {
  for (int cell = 0; cell < 81; ++cell)
    if (before[cell] != after[cell]) flags[cellunits::UnitsOf(cell)[kind] % 9 + 1] = true;
}

// The candidate techniques' eliminations until none removes anything, one
// pass at a time so that the sentence can name where each removed something.
EliminationsUsed CandidateEliminations(TGrille& grid) {
  EliminationsUsed used;
  for (;;) {
    const CandidateSets before = grid.Candidates;
    if (grid.PointingPass()) {
      used.Pointing = true;
      continue;
    }
    struct Pass {
      bool (TGrille::*run)(bool);
      bool arg;
      int kind;
      std::array<bool, 10>* flags;
    };
    const Pass passes[] = {{&TGrille::LinePairs, true, 0, &used.Record.PairsByRow},
                           {&TGrille::LinePairs, false, 1, &used.Record.PairsByCol},
                           {&TGrille::LineTriples, true, 0, &used.Record.TriplesByRow},
                           {&TGrille::LineTriples, false, 1, &used.Record.TriplesByCol}};
    bool changed = false;
    for (const Pass& pass : passes)
      if ((grid.*pass.run)(pass.arg)) {
        MarkChanged(before, grid.Candidates, pass.kind, *pass.flags);
        changed = true;
        break;
      }
    if (!changed && grid.BlockPairs()) {
      MarkChanged(before, grid.Candidates, 2, used.Record.PairsByBlock);
      changed = true;
    }
    if (!changed) return used;
  }
}

std::string EliminationsSentence(const EliminationsUsed& used) {
  std::vector<std::string> methods;
  if (used.Pointing) methods.push_back("alignements dans les blocs");
  const MethodRecordT& record = used.Record;
  const std::string pairs = DescribeMethod("doublons", record.PairsByRow, record.PairsByCol, &record.PairsByBlock);
  const std::string triples = DescribeMethod("triplets", record.TriplesByRow, record.TriplesByCol, nullptr);
  if (!pairs.empty()) methods.push_back(pairs);
  if (!triples.empty()) methods.push_back(triples);
  std::string text = "On peut alors éliminer d'autres possibilités en utilisant la méthode des ";
  for (std::size_t k = 0; k < methods.size(); ++k) {
    if (k > 0) text += k + 1 == methods.size() ? " et celle des " : ", celle des ";
    text += methods[k];
  }
  return text + ".";
}

std::string PlacementSentence(const Single& single) {
  const int row = cellunits::RowOf(single.cell) + 1, col = cellunits::ColOf(single.cell) + 1;
  const std::string d = to_string(single.digit);
  std::string text = "On se rend alors compte que ";
  switch (single.kind) {
    case Single::Naked:
      return text + "dans la case sur la ligne " + to_string(row) + " et la colonne " + to_string(col) +
             ", on ne peut placer que le chiffre " + d + ".";
    case Single::InRow:
      return text + "sur la ligne " + to_string(row) + ", le " + d + " ne peut se trouver que dans la case sur la " +
             "colonne " + to_string(col) + ".";
    case Single::InCol:
      return text + "sur la colonne " + to_string(col) + ", le " + d + " ne peut se trouver que dans la case sur la " +
             "ligne " + to_string(row) + ".";
    case Single::InBlock:
      break;
  }
  return text + "dans le bloc " + BlockName(Band(row), Band(col)) + ", le " + d +
         " ne peut se trouver que dans la case sur la ligne " + to_string(row) + " et la colonne " + to_string(col) +
         ".";
}

HintUnit PlacementUnit(const Single& single) {
  const auto units = cellunits::UnitsOf(single.cell);
  return cellunits::UnitOf(single.kind == Single::InRow   ? units[0]
                           : single.kind == Single::InCol ? units[1]
                                                          : units[2]);
}

// "Dans …" after "Ensuite, ": the sentence's first letter in lower case.
std::string Continued(const std::string& sentence) {
  std::string text = sentence;
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
  return "Ensuite, " + text;
}

}  // namespace

bool FindHint(TGrille& grid, bool OneSolution) {
  CandidateSets saved = grid.Candidates;
  std::vector<AdvancedStep> steps;
  std::string text;
  // Each round removes a candidate or places a digit.
  for (int round = 0; round < 81 * 9; ++round) {
    const CandidateSets before = grid.Candidates;
    const EliminationsUsed used = CandidateEliminations(grid);
    if (grid.Candidates != before && !steps.empty()) text += " " + EliminationsSentence(used);
    if (Broken(grid)) break;
    if (const std::optional<Single> single = FindSingle(grid.Candidates)) {
      // Without an advanced step first, the candidate techniques would have
      // found it themselves: only after a confirmed digit (below).
      if (steps.empty()) break;
      PutBack(grid, saved);
      const int row = cellunits::RowOf(single->cell) + 1, col = cellunits::ColOf(single->cell) + 1;
      grid.PlaceDigit(row, col, single->digit);
      if (grid.RecordHintCell(row, col, true, true)) {
        grid.HintText = text + " " + PlacementSentence(*single);
        HintFocusT focus;
        for (const AdvancedStep& step : steps) AddStepFocus(step, focus);
        if (single->kind != Single::Naked) focus.Units.push_back(PlacementUnit(*single));
        grid.HintFocus = std::move(focus);
        grid.HintSteps = std::move(steps);
        return true;
      }
      // The player's marked digit there was right after all: go on from here.
      saved = grid.Candidates;
      steps.clear();
      text.clear();
      continue;
    }
    std::optional<AdvancedStep> step = FirstAdvancedStep(grid.Candidates, OneSolution);
    if (!step) break;
    ApplyStep(grid.Candidates, *step);
    const std::string sentence = StepSentence(*step);
    text += steps.empty() ? sentence : " " + Continued(sentence);
    steps.push_back(std::move(*step));
  }
  PutBack(grid, saved);
  return false;
}

bool HasOneSolution(const TGrille& grid) {
  std::string givens(81, '0');
  for (int cell = 0; cell < 81; ++cell) givens[cell] = static_cast<char>('0' + grid.Givens[cell]);
  TGrille puzzle;
  puzzle.LoadFromText(givens, "");
  const std::uint8_t rating = puzzle.RateLevel();
  return rating != 0 && !(rating & RatingMultiple);
}

}  // namespace advanced
