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

// The candidate techniques' eliminations until none removes anything; true when
// one did. Their record names the pairs and triples used.
bool CandidateEliminations(TGrille& grid) {
  grid.MethodRecord = MethodRecordT{};
  bool any = false;
  while (grid.PointingPass() || grid.LinePairs(true) || grid.LinePairs(false) || grid.LineTriples(true) ||
         grid.LineTriples(false) || grid.BlockPairs())
    any = true;
  return any;
}

std::string EliminationsSentence(const MethodRecordT& record) {
  const std::string pairs = DescribeMethod("doublons", record.PairsByRow, record.PairsByCol, &record.PairsByBlock);
  const std::string triples = DescribeMethod("triplets", record.TriplesByRow, record.TriplesByCol, nullptr);
  std::string methods;
  if (pairs.empty() && triples.empty())
    methods = "alignements dans les blocs";
  else if (!pairs.empty() && !triples.empty())
    methods = pairs + " et celle des " + triples;
  else
    methods = pairs + triples;
  return "On peut alors éliminer d'autres possibilités en utilisant la méthode des " + methods + ".";
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
    case Single::InBlock: break;
  }
  return text + "dans le bloc " + BlockName(Band(row), Band(col)) + ", le " + d +
         " ne peut se trouver que dans la case sur la ligne " + to_string(row) + " et la colonne " + to_string(col) +
         ".";
}

HintUnit PlacementUnit(const Single& single) {
  const auto units = cellunits::UnitsOf(single.cell);
  return cellunits::UnitOf(single.kind == Single::InRow ? units[0] : single.kind == Single::InCol ? units[1] : units[2]);
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
    const bool eliminated = CandidateEliminations(grid);
    if (eliminated && !steps.empty()) text += " " + EliminationsSentence(grid.MethodRecord);
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
