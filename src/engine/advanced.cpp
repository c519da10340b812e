// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced techniques in their order, their removals, and the sentences
// and cells of their steps.
#include "advanced.h"

#include <algorithm>

#include "cellunits.h"
#include "grille.h"

namespace advanced {

using cellunits::Bit;
using std::to_string;

const std::vector<TechniqueFinder>& Finders() {
  static const std::vector<TechniqueFinder> finders = {
      {FindLineBlock, false},
      {FindNakedSubset, false},
      {FindHiddenSubset, false},
      {[](const CandidateSets& cand) { return FindFish(cand, 2); }, false},
      {[](const CandidateSets& cand) { return FindFish(cand, 3); }, false},
      {[](const CandidateSets& cand) { return FindFish(cand, 4); }, false},
      {FindXYWing, false},
      {FindXYZWing, false},
      {FindWWing, false},
      {FindColouring, false},
      {FindXChain, false},
      {FindXYChain, false},
      {FindUniqueRectangle, true},
      {FindAlternatingChain, false},
  };
  return finders;
}

std::optional<AdvancedStep> FirstAdvancedStep(const CandidateSets& cand, bool OneSolution) {
  for (const TechniqueFinder& finder : Finders()) {
    if (finder.NeedsOneSolution && !OneSolution) continue;
    std::optional<AdvancedStep> step = finder.Find(cand);
    if (!step) continue;
    for (int cell : step->Cells) step->CellCandidates.push_back(cand[cell]);
    return step;
  }
  return std::nullopt;
}

void ApplyStep(CandidateSets& cand, const AdvancedStep& step) {
  for (const auto& [cell, digits] : step.Removals) cand[cell] = static_cast<std::uint16_t>(cand[cell] & ~digits);
}

namespace {

std::string CellText(int cell) {
  return "(ligne " + to_string(cellunits::RowOf(cell) + 1) + ", colonne " + to_string(cellunits::ColOf(cell) + 1) + ")";
}

// "a", "a et b", "a, b et c".
std::string JoinFr(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) text += k + 1 == items.size() ? " et " : ", ";
    text += items[k];
  }
  return text;
}

std::string Numbers(const std::vector<int>& numbers) {
  std::vector<std::string> items;
  items.reserve(numbers.size());
  for (int n : numbers) items.push_back(to_string(n));
  return JoinFr(items);
}

std::string CellList(const std::vector<int>& cells) {
  std::vector<std::string> items;
  items.reserve(cells.size());
  for (int cell : cells) items.push_back(CellText(cell));
  return JoinFr(items);
}

// "le 3 ou le 7", "le 3, le 5 ou le 7", in the order given.
std::string DigitChoice(const std::vector<int>& digits) {
  std::string text;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0) text += k + 1 == digits.size() ? " ou " : ", ";
    text += "le " + to_string(digits[k]);
  }
  return text;
}

std::vector<int> DigitsOf(std::uint16_t mask) {
  std::vector<int> digits;
  for (int d = 1; d <= 9; ++d)
    if (mask & Bit(d)) digits.push_back(d);
  return digits;
}

// "la ligne 3", "la colonne 5", "le bloc central".
std::string UnitText(const HintUnit& unit) {
  switch (unit.Kind) {
    case UnitKind::Row:
      return "la ligne " + to_string(unit.Number);
    case UnitKind::Col:
      return "la colonne " + to_string(unit.Number);
    case UnitKind::Block:
      break;
  }
  return "le bloc " + BlockName(Band(unit.Number), (unit.Number - 1) % 3 + 1);
}

// "de la ligne 3", "du bloc central".
std::string OfUnit(const HintUnit& unit) {
  const std::string text = UnitText(unit);
  return unit.Kind == UnitKind::Block ? "du" + text.substr(2) : "de " + text;
}

const char* CountWord(int n) {
  static const char* const words[] = {"", "une", "deux", "trois", "quatre"};
  return n >= 0 && n <= 4 ? words[n] : "";
}

std::vector<int> RemovedCells(const AdvancedStep& step) {
  std::vector<int> cells;
  for (const auto& removal : step.Removals) cells.push_back(removal.first);
  return cells;
}

// "de la case (…), qui voit ces deux cases" or "des cases (…) et (…), qui voient ces deux cases".
std::string FromCellsSeeing(const AdvancedStep& step, const char* what) {
  const std::vector<int> cells = RemovedCells(step);
  if (cells.size() == 1) return "de la case " + CellList(cells) + ", qui voit " + what;
  return "des cases " + CellList(cells) + ", qui voient " + what;
}

const char* SubsetWord(int size) {
  static const char* const words[] = {"", "", "doublon", "triplet", "quadruplet"};
  return size >= 2 && size <= 4 ? words[size] : "";
}

std::string LineBlockSentence(const AdvancedStep& s) {
  const std::string d = to_string(s.Digit);
  return "Dans " + UnitText(s.Units[0]) + ", le " + d + " ne peut se trouver que dans " + UnitText(s.Units[1]) + " (" +
         TechniqueName(s.Kind) + ")\u00a0: on peut donc retirer le " + d + " des autres cases de ce bloc.";
}

std::string NakedSubsetSentence(const AdvancedStep& s) {
  const int size = static_cast<int>(s.Cells.size());
  return "Dans " + UnitText(s.Units[0]) + ", les cases " + CellList(s.Cells) + " n'acceptent à elles " +
         CountWord(size) + " que " + DigitChoice(DigitsOf(s.Pair)) + " (" + SubsetWord(size) +
         ")\u00a0: ces chiffres leur reviennent, on peut donc les retirer des autres cases " + OfUnit(s.Units[0]) + ".";
}

std::string HiddenSubsetSentence(const AdvancedStep& s) {
  const int size = static_cast<int>(s.Cells.size());
  std::vector<std::string> digits;
  for (int d : DigitsOf(s.Pair)) digits.push_back("le " + to_string(d));
  return "Dans " + UnitText(s.Units[0]) + ", " + JoinFr(digits) + " ne peuvent se trouver que dans les cases " +
         CellList(s.Cells) + " (" + SubsetWord(size) +
         " caché)\u00a0: ces cases leur reviennent, on peut donc en retirer les autres chiffres.";
}

std::string FishSentence(const AdvancedStep& s) {
  const char* base = s.ByRow ? "lignes" : "colonnes";
  const char* cover = s.ByRow ? "colonnes" : "lignes";
  const std::string d = to_string(s.Digit);
  return std::string("Dans les ") + base + " " + Numbers(s.Base) + ", le " + d + " ne peut se trouver que dans les " +
         cover + " " + Numbers(s.Cover) + " (" + TechniqueName(s.Kind) + ")\u00a0: on peut donc retirer le " + d +
         " des autres cases de ces " + CountWord(static_cast<int>(s.Cover.size())) + " " + cover + ".";
}

// The candidates of the step's k-th cell, the digit `first` named first.
std::vector<int> Ordered(const AdvancedStep& s, std::size_t k, int first, int last = 0) {
  std::vector<int> digits;
  if (first != 0 && (s.CellCandidates[k] & Bit(first))) digits.push_back(first);
  for (int d : DigitsOf(s.CellCandidates[k]))
    if (d != first && d != last) digits.push_back(d);
  if (last != 0 && (s.CellCandidates[k] & Bit(last))) digits.push_back(last);
  return digits;
}

std::string WingSentence(const AdvancedStep& s) {
  const std::string z = to_string(s.Digit);
  // The pivot's digit shared with the first pincer comes first.
  const int x = DigitsOf(static_cast<std::uint16_t>(s.CellCandidates[0] & s.CellCandidates[1] & ~Bit(s.Digit)))[0];
  std::string text = "La case " + CellText(s.Cells[0]) + " n'accepte que " + DigitChoice(Ordered(s, 0, x, s.Digit)) +
                     ", la case " + CellText(s.Cells[1]) + " que " + DigitChoice(Ordered(s, 1, x, s.Digit)) +
                     " et la case " + CellText(s.Cells[2]) + " que " + DigitChoice(Ordered(s, 2, 0, s.Digit)) + " (" +
                     TechniqueName(s.Kind) + ")\u00a0: ";
  if (s.Kind == Technique::XYWing)
    return text + "quel que soit le chiffre de la première, l'une des deux autres contient le " + z +
           ". On peut donc retirer le " + z + " " + FromCellsSeeing(s, "ces deux cases") + ".";
  return text + "l'une de ces trois cases contient forcément le " + z + ". On peut donc retirer le " + z + " " +
         FromCellsSeeing(s, "ces trois cases") + ".";
}

std::string WWingSentence(const AdvancedStep& s) {
  const std::string x = to_string(s.Digit);
  const std::string y = to_string(DigitsOf(static_cast<std::uint16_t>(s.Pair & ~Bit(s.Digit)))[0]);
  const std::string unit = UnitText(s.Units[0]);
  return "Les cases " + CellText(s.Cells[0]) + " et " + CellText(s.Cells[1]) + " n'acceptent que le " + x + " ou le " +
         y + ", et dans " + unit + ", le " + y + " ne peut se trouver que dans les cases " + CellText(s.Cells[2]) +
         " et " + CellText(s.Cells[3]) + ", qui voient l'une la première case, l'autre la " + "deuxième (" +
         TechniqueName(s.Kind) + ")\u00a0: si aucune des deux premières cases ne contenait le " + x +
         ", elles contiendraient toutes deux le " + y + " et " + unit + " n'aurait plus de place pour le " + y +
         ". L'une d'elles contient donc le " + x + ", que l'on peut retirer " + FromCellsSeeing(s, "ces deux cases") +
         ".";
}

// "Pour le 6, les cases a, b, … et z se suivent deux à deux … (coloriage simple) : une case sur deux contient le 6".
std::string ColouringOpening(const AdvancedStep& s) {
  const std::string d = to_string(s.Digit);
  return "Pour le " + d + ", les cases " + CellList(s.Cells) +
         " se suivent deux à deux dans une ligne, une colonne ou un bloc où le " + d +
         " n'a que ces deux places\u00a0; en les coloriant de deux couleurs en alternance, l'une des couleurs porte "
         "le " +
         d + " (" + TechniqueName(s.Kind) + ")\u00a0: ";
}

std::string ColourTrapSentence(const AdvancedStep& s) {
  const std::string d = to_string(s.Digit);
  return ColouringOpening(s) + "la case " + CellText(s.Cells.front()) + " ou la case " + CellText(s.Cells.back()) +
         ", de couleurs différentes, contient donc le " + d + ". On peut retirer le " + d + " " +
         FromCellsSeeing(s, "ces deux cases") + ".";
}

std::string ColourWrapSentence(const AdvancedStep& s) {
  const std::string d = to_string(s.Digit);
  const std::vector<int> cells = RemovedCells(s);
  return ColouringOpening(s) + "or les cases " + CellText(s.Cells.front()) + " et " + CellText(s.Cells.back()) +
         ", de la même couleur, sont toutes deux dans " + UnitText(s.Units[0]) +
         " et ne peuvent pas contenir toutes deux le " + d + ". Leur couleur ne porte donc pas le " + d +
         ", que l'on peut retirer " + (cells.size() == 1 ? "de la case " : "des cases ") + CellList(cells) + ".";
}

std::string XChainSentence(const AdvancedStep& s) {
  const std::string d = to_string(s.Digit);
  std::string text = "Pour le " + d + " (" + TechniqueName(s.Kind) + ")\u00a0: si la case " + CellText(s.Cells[0]) +
                     " ne contient pas le " + d;
  for (std::size_t k = 1; k < s.Cells.size(); ++k) {
    text += k == 1 ? ", la case " : ", donc la case ";
    text += CellText(s.Cells[k]);
    if (k % 2 == 1)
      text += " le contient, seule autre place du " + d + " dans " + UnitText(s.Units[k - 1]);
    else
      text += " ne le contient pas";
  }
  return text + ". La case " + CellText(s.Cells.front()) + " ou la case " + CellText(s.Cells.back()) +
         " contient donc le " + d + ", que l'on peut retirer " + FromCellsSeeing(s, "ces deux cases") + ".";
}

std::string XYChainSentence(const AdvancedStep& s) {
  const std::string z = to_string(s.Digit);
  std::string text = "Les cases " + CellList(s.Cells) + " n'acceptent chacune que deux chiffres et chacune voit la " +
                     "suivante (" + TechniqueName(s.Kind) + ")\u00a0: si la case " + CellText(s.Cells[0]) +
                     " ne contient pas le " + z;
  int value = DigitsOf(static_cast<std::uint16_t>(s.CellCandidates[0] & ~Bit(s.Digit)))[0];
  text += ", elle contient le " + to_string(value);
  for (std::size_t k = 1; k < s.Cells.size(); ++k) {
    value = DigitsOf(static_cast<std::uint16_t>(s.CellCandidates[k] & ~Bit(value)))[0];
    text += ", donc la case " + CellText(s.Cells[k]) + " contient le " + to_string(value);
  }
  return text + ". La case " + CellText(s.Cells.front()) + " ou la case " + CellText(s.Cells.back()) +
         " contient donc le " + z + ", que l'on peut retirer " + FromCellsSeeing(s, "ces deux cases") + ".";
}

// Each link in words: "la case (…) contient le 8, seule autre place du 8 dans
// la colonne 3", "elle contient le 4", "la case (…) ne contient pas le 8"...
std::string AlternatingChainSentence(const AdvancedStep& s) {
  const std::size_t n = s.Cells.size();
  std::string text = "En suivant une chaîne de déductions (" + std::string(TechniqueName(s.Kind)) +
                     ")\u00a0: si la case " + CellText(s.Cells[0]) + " ne contient pas le " +
                     to_string(s.ChainDigits[0]);
  for (std::size_t k = 1; k < n; ++k) {
    const bool strong = k % 2 == 1;
    const bool sameCell = s.Cells[k] == s.Cells[k - 1];
    const std::string d = to_string(s.ChainDigits[k]);
    text += k == 1 ? ", " : ", donc ";
    text += sameCell ? std::string("elle") : "la case " + CellText(s.Cells[k]);
    if (!strong)
      text += " ne contient pas le " + d;
    else if (sameCell)
      text += " contient le " + d + ", son seul autre chiffre";
    else
      text.append(" contient le ")
          .append(d)
          .append(", seule autre place du ")
          .append(d)
          .append(" dans ")
          .append(UnitText(cellunits::UnitOf(s.LinkUnits[k - 1])));
  }
  std::vector<std::string> removed;
  for (const auto& [cell, digits] : s.Removals) {
    std::vector<std::string> ds;
    for (int d : DigitsOf(digits)) ds.push_back("le " + to_string(d));
    removed.push_back(JoinFr(ds) + " de la case " + CellText(cell));
  }
  return text + ". La case " + CellText(s.Cells.front()) + " contient donc le " + to_string(s.ChainDigits.front()) +
         " ou la case " + CellText(s.Cells.back()) + " le " + to_string(s.ChainDigits.back()) + " : on peut retirer " +
         JoinFr(removed) + ".";
}

std::string UniqueRectangleSentence(const AdvancedStep& s) {
  const std::vector<int> pair = DigitsOf(s.Pair);
  const std::string a = to_string(pair[0]), b = to_string(pair[1]);
  return "Les cases " + CellList({s.Cells[0], s.Cells[1], s.Cells[2]}) + " n'acceptent que le " + a + " ou le " + b +
         ", et la case " + CellText(s.Cells[3]) +
         " forme avec elles un rectangle sur deux lignes, deux colonnes et deux blocs (" + TechniqueName(s.Kind) +
         ")\u00a0: si elle n'acceptait elle aussi que le " + a + " ou le " + b +
         ", on pourrait échanger ces deux chiffres dans le rectangle et la grille aurait deux solutions. On peut "
         "donc retirer le " +
         a + " et le " + b + " de la case " + CellText(s.Cells[3]) + ".";
}

}  // namespace

std::string StepSentence(const AdvancedStep& step) {
  switch (step.Kind) {
    case Technique::LineBlock:
      return LineBlockSentence(step);
    case Technique::NakedSubset:
      return NakedSubsetSentence(step);
    case Technique::HiddenSubset:
      return HiddenSubsetSentence(step);
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish:
      return FishSentence(step);
    case Technique::XYWing:
    case Technique::XYZWing:
      return WingSentence(step);
    case Technique::WWing:
      return WWingSentence(step);
    case Technique::ColourTrap:
      return ColourTrapSentence(step);
    case Technique::ColourWrap:
      return ColourWrapSentence(step);
    case Technique::XChain:
      return XChainSentence(step);
    case Technique::XYChain:
      return XYChainSentence(step);
    case Technique::AlternatingChain:
      return AlternatingChainSentence(step);
    case Technique::UniqueRectangle:
      return UniqueRectangleSentence(step);
  }
  return std::string();
}

void AddStepFocus(const AdvancedStep& step, HintFocusT& focus) {
  for (const HintUnit& unit : step.Units)
    if (std::find(focus.Units.begin(), focus.Units.end(), unit) == focus.Units.end()) focus.Units.push_back(unit);
  for (std::size_t k = 0; k < step.Cells.size(); ++k)
    focus.Cells.push_back(cellunits::CellOf(step.Cells[k], k < step.Groups.size() ? step.Groups[k] : 0));
  for (const auto& [cell, digits] : step.Removals)
    focus.Removed.push_back({cellunits::RowOf(cell) + 1, cellunits::ColOf(cell) + 1, digits});
}

}  // namespace advanced

const char* TechniqueName(Technique t) {
  switch (t) {
    case Technique::LineBlock:
      return "réduction ligne-bloc";
    case Technique::NakedSubset:
      return "sous-ensemble";
    case Technique::HiddenSubset:
      return "sous-ensemble caché";
    case Technique::XWing:
      return "X-Wing";
    case Technique::Swordfish:
      return "Swordfish";
    case Technique::Jellyfish:
      return "Jellyfish";
    case Technique::XYWing:
      return "XY-Wing";
    case Technique::XYZWing:
      return "XYZ-Wing";
    case Technique::WWing:
      return "W-Wing";
    case Technique::ColourTrap:
    case Technique::ColourWrap:
      return "coloriage simple";
    case Technique::XChain:
      return "chaîne X";
    case Technique::XYChain:
      return "chaîne XY";
    case Technique::AlternatingChain:
      return "chaîne alternée";
    case Technique::UniqueRectangle:
      return "rectangle unique";
  }
  return "";
}
