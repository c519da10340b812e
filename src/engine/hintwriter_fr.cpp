// SPDX-License-Identifier: GPL-3.0-or-later
// The French writer: names of thirds and blocks, the clause naming the
// elimination methods, and the sentence of every technique's step.
#include <algorithm>

#include "cellunits.h"
#include "grille.h"
#include "hinttexts.h"
#include "hintwriter.h"

using std::to_string;

std::string PositionName(int third, bool vertical) {
  static const char* const rows[] = {"en haut", "au milieu", "en bas"};
  static const char* const cols[] = {"à gauche", "au centre", "à droite"};
  if (third < 1 || third > 3) return std::string();
  return vertical ? rows[third - 1] : cols[third - 1];
}

std::string BlockName(int bandRow, int bandCol) {
  if (bandRow == 2 && bandCol == 2) return "central";
  return PositionName(bandRow, true) + " " + PositionName(bandCol, false);
}

namespace {

const char* Kind(bool byRow) { return byRow ? "ligne" : "colonne"; }
const char* Cross(bool byRow) { return byRow ? "colonne" : "ligne"; }

// "ligne 2" or "lignes 2, 7"; empty when nothing is recorded.
std::string NumberList(const char* word, const std::array<bool, 10>& flags) {
  std::string numbers;
  int count = 0;
  for (int k = 1; k <= 9; ++k)
    if (flags[k]) {
      if (count++ > 0) numbers += ", ";
      numbers += to_string(k);
    }
  if (count == 0) return std::string();
  return std::string(word) + (count > 1 ? "s" : "") + " " + numbers;
}

std::string BlockList(const std::array<bool, 10>& flags) {
  std::string items;
  int count = 0;
  for (int k = 1; k <= 9; ++k)
    if (flags[k]) {
      if (count++ > 0) items += ", ";
      items += to_string(k) + ", " + BlockName(Band(k), (k - 1) % 3 + 1);
    }
  if (count == 0) return std::string();
  return std::string("bloc") + (count > 1 ? "s" : "") + " " + items;
}

}  // namespace

std::string DescribeMethod(const std::string& Name, const std::array<bool, 10>& Rows, const std::array<bool, 10>& Cols,
                           const std::array<bool, 10>* Blocks) {
  std::string parts;
  for (const std::string& part :
       {NumberList("ligne", Rows), NumberList("colonne", Cols), Blocks ? BlockList(*Blocks) : std::string()}) {
    if (part.empty()) continue;
    if (!parts.empty()) parts += ", ";
    parts += part;
  }
  if (parts.empty()) return std::string();
  return Name + " (" + parts + ")";
}

namespace hinttexts {

std::string EliminationClause(const std::optional<MethodRecordT>& record) {
  if (!record) return std::string();
  const std::string pairs = DescribeMethod("doublons", record->PairsByRow, record->PairsByCol, &record->PairsByBlock);
  const std::string triples = DescribeMethod("triplets", record->TriplesByRow, record->TriplesByCol, nullptr);
  std::string clause = " et avoir éliminé des possibilités en utilisant la méthode des ";
  if (pairs.empty() && triples.empty())
    clause += "alignements dans les blocs";  // only the block-line elimination removed candidates
  else if (!pairs.empty() && !triples.empty())
    clause += pairs + " et celle des " + triples;
  else
    clause += pairs + triples;
  return clause;
}

}  // namespace hinttexts

std::string TGrille::DescribeEliminations() const {
  return hinttexts::EliminationClause(Logic_.EliminationsUsed ? std::optional<MethodRecordT>(Logic_.Record)
                                                              : std::nullopt);
}

namespace hinttexts {

static std::string MissingOpening(bool byRow, int line) {
  return std::string("En regardant la ") + Kind(byRow) + " " + to_string(line) + ", on remarque qu'il ne manque ";
}

std::string LineCompletion(bool byRow, int line, int digit, int pos) {
  return MissingOpening(byRow, line) + "qu'un chiffre. En comptant de 1 à 9, on voit qu'il s'agit du chiffre " +
         to_string(digit) + ", que l'on place donc sur la " + Cross(byRow) + " " + to_string(pos);
}

std::string LineCellSearch(bool byRow, int line, int n, int pos, int digit) {
  std::string text;
  if (n <= 3)
    text = MissingOpening(byRow, line) + "que " + to_string(n) +
           " chiffres. Il est donc interessant de regarder pour chaque case le(s) chiffre(s) possible(s).";
  else
    text = std::string("Sur la ") + Kind(byRow) + " " + to_string(line) +
           ", on cherche pour chaque position vide quel(s) chiffre(s) peuve(nt) être placé(s).";
  return text + " On se rend alors compte que dans la case sur la " + Cross(byRow) + " " + to_string(pos) +
         ", on ne peut placer que le chiffre " + to_string(digit);
}

std::string LineDigitSearch(bool byRow, int line, int n, int pos, int digit) {
  std::string text;
  if (n <= 3)
    text = MissingOpening(byRow, line) + "que " + to_string(n) + " chiffres. Il est donc interessant de regarder";
  else
    text = std::string("Sur la ") + Kind(byRow) + " " + to_string(line) + ", on regarde";
  return text + " pour chaque chiffre la ou les cases ou l'on peut le placer. On se rend alors compte que le " +
         to_string(digit) + " ne peut se trouver que dans la case sur la " + Cross(byRow) + " " + to_string(pos);
}

std::string BlockCompletion(int bandRow, int bandCol, int digit, int row, int col) {
  return "En regardant le bloc " + BlockName(bandRow, bandCol) +
         ", on remarque qu'il ne manque qu'un chiffre. En comptant de 1 à 9, on voit qu'il s'agit du chiffre " +
         to_string(digit) + ", que l'on place donc sur la ligne " + to_string(row) + " et la colonne " +
         to_string(col) + ".";
}

std::string BlockCellSearch(int bandRow, int bandCol, int row, int col, int digit) {
  return "Dans le bloc " + BlockName(bandRow, bandCol) +
         ", on cherche pour chaque position vide quel(s) chiffre(s) peuve(nt) être placé(s)."
         " On se rend alors compte que dans la case sur la ligne " +
         to_string(row) + " et sur la colonne " + to_string(col) + ", on ne peut placer que le chiffre " +
         to_string(digit);
}

std::string BlockDigitSearch(int bandRow, int bandCol, int row, int col, int digit) {
  return "Dans le bloc " + BlockName(bandRow, bandCol) +
         ", on regarde pour chaque chiffre la ou les cases ou l'on peut placer ce chiffre. "
         "On se rend alors compte que le " +
         to_string(digit) + " ne peut se trouver que dans la case sur la ligne " + to_string(row) +
         " et sur la colonne " + to_string(col);
}

std::string CrossHatch(bool byRow, int band, int digit, int line, int third, bool excluded, int pos) {
  std::string text = std::string("En regardant les 3 ") + Kind(byRow) + "s " + PositionName(band, byRow) +
                     ", on voit qu'il doit y avoir un " + to_string(digit) + " sur la " + Kind(byRow) + " " +
                     to_string(line) + " dans le bloc " + PositionName(third, !byRow) + ". ";
  if (excluded)
    text += std::string(
                "Après avoir examiné les différentes positions possibles et éliminé celles qui se trouvent dans une ") +
            Cross(byRow) + " qui possède déjà un " + to_string(digit) + ", on trouve que la";
  else
    text += "La";
  return text + " seule position possible est celle sur la " + Cross(byRow) + " " + to_string(pos) + ".";
}

std::string NakedSingle(const std::string& clause, int row, int col, int digit) {
  return "Après avoir repéré les chiffres possibles pour chaque case" + clause +
         ", on s'aperçoit que pour la case de la ligne " + to_string(row) + " et de la colonne " + to_string(col) +
         ", le seul chiffre possible est le " + to_string(digit);
}

std::string HiddenSingleInLine(const std::string& clause, bool byRow, int line, int digit, int pos) {
  return "Après avoir placé les chiffres possibles pour chaque case" + clause + ", on s'aperçoit que sur la " +
         Kind(byRow) + " " + to_string(line) + " la seule place possible pour le chiffre " + to_string(digit) +
         " se trouve sur la " + Cross(byRow) + " " + to_string(pos);
}

std::string HiddenSingleInBlock(const std::string& clause, int bandRow, int bandCol, int digit, int row, int col) {
  return "Après avoir placé les chiffres possibles pour chaque case" + clause + ", on s'aperçoit que dans le bloc " +
         BlockName(bandRow, bandCol) + ", la seule place possible pour le chiffre " + to_string(digit) +
         " se trouve sur la ligne " + to_string(row) + " et sur la colonne " + to_string(col);
}

std::string Guess(int digit) {
  return "La grille ne peut pas être résolue en effectuant un raisonnement logique. Il faut donc faire des "
         "essais pour se rendre compte que le chiffre " +
         to_string(digit) + " peut être placé dans cette case";
}

}  // namespace hinttexts

namespace hintwriter {

namespace {

using cellunits::Bit;

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

const char* CountWord(int n) {
  static const char* const words[] = {"", "une", "deux", "trois", "quatre"};
  return n >= 0 && n <= 4 ? words[n] : "";
}

// "de la case (…), qui voit ces deux cases" or "des cases (…) et (…), qui voient ces deux cases".
std::string FromCellsSeeing(const ReasoningStep& step, const char* what) {
  const std::vector<int> cells = RemovedCells(step);
  if (cells.size() == 1) return "de la case " + CellList(cells) + ", qui voit " + what;
  return "des cases " + CellList(cells) + ", qui voient " + what;
}

// "paire", "triplet", "quadruplet"; hidden: "paire cachée", "triplet caché"...
std::string SubsetWord(int size, bool hidden) {
  static const char* const words[] = {"paire", "triplet", "quadruplet"};
  if (size < 2 || size > 4) return std::string();
  return std::string(words[size - 2]) + (hidden ? (size == 2 ? " cachée" : " caché") : "");
}

// "le 5 et le 7 de la case (…), le 5 de la case (…)": every candidate removed.
std::string RemovedText(const ReasoningStep& s) {
  std::vector<std::string> items;
  for (const auto& [cell, digits] : s.Removals) {
    std::vector<std::string> ds;
    for (int d : DigitsOf(digits)) ds.push_back("le " + to_string(d));
    items.push_back(JoinFr(ds) + " de la case " + CellText(cell));
  }
  return JoinFr(items);
}

std::string PointingSentence(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  const bool row = s.Units[1].Kind == UnitKind::Row;
  return "Dans " + UnitText(s.Units[0]) + ", le " + d + " ne peut se trouver que dans " + UnitText(s.Units[1]) + " (" +
         TechniqueName(s.Kind) + ")\u00a0: on peut donc retirer le " + d + " des autres cases de cette " +
         (row ? "ligne" : "colonne") + ", " + CellList(RemovedCells(s)) + ".";
}

std::string LineBlockSentence(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  const char* name = s.Units[0].Kind == UnitKind::Row ? "réduction ligne-bloc" : "réduction colonne-bloc";
  return "Dans " + UnitText(s.Units[0]) + ", le " + d + " ne peut se trouver que dans " + UnitText(s.Units[1]) + " (" +
         name + ")\u00a0: on peut donc retirer le " + d + " des autres cases de ce bloc, " + CellList(RemovedCells(s)) +
         ".";
}

std::string NakedSubsetSentence(const ReasoningStep& s) {
  const int size = static_cast<int>(s.Cells.size());
  return "Dans " + UnitText(s.Units[0]) + ", les cases " + CellList(s.Cells) + " n'acceptent à elles " +
         CountWord(size) + " que " + DigitChoice(DigitsOf(s.Pair)) + " (" + SubsetWord(size, false) +
         ")\u00a0: ces chiffres leur reviennent, on peut donc retirer " + RemovedText(s) + ".";
}

std::string HiddenSubsetSentence(const ReasoningStep& s) {
  const int size = static_cast<int>(s.Cells.size());
  std::vector<std::string> digits;
  for (int d : DigitsOf(s.Pair)) digits.push_back("le " + to_string(d));
  return "Dans " + UnitText(s.Units[0]) + ", " + JoinFr(digits) + " ne peuvent se trouver que dans les cases " +
         CellList(s.Cells) + " (" + SubsetWord(size, true) +
         ")\u00a0: ces cases leur reviennent, on peut donc retirer " + RemovedText(s) + ".";
}

std::string FishSentence(const ReasoningStep& s) {
  const char* base = s.ByRow ? "lignes" : "colonnes";
  const char* cover = s.ByRow ? "colonnes" : "lignes";
  const std::string d = to_string(s.Digit);
  return std::string("Dans les ") + base + " " + Numbers(s.Base) + ", le " + d + " ne peut se trouver que dans les " +
         cover + " " + Numbers(s.Cover) + " (" + TechniqueName(s.Kind) + ")\u00a0: on peut donc retirer le " + d +
         " des autres cases de ces " + CountWord(static_cast<int>(s.Cover.size())) + " " + cover + ", " +
         CellList(RemovedCells(s)) + ".";
}

std::string WingSentence(const ReasoningStep& s) {
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

std::string WWingSentence(const ReasoningStep& s) {
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

// "Pour le 6, les cases (…) et (…) sont les deux seules places du 6 dans la
// colonne 3, (…) et (…) dans la ligne 5… (coloriage simple) : ".
std::string ColouringOpening(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  std::string text = "Pour le " + d + ", ";
  for (std::size_t k = 1; k < s.Cells.size(); ++k) {
    if (k > 1) text += k + 1 == s.Cells.size() ? " et " : ", ";
    text += CellText(s.Cells[k - 1]) + " et " + CellText(s.Cells[k]);
    if (k == 1) text += " sont les deux seules places du " + d;
    if (k - 1 < s.LinkUnits.size()) text += " dans " + UnitText(cellunits::UnitOf(s.LinkUnits[k - 1]));
  }
  return text + "\u00a0: l'une de deux cases qui se suivent ainsi contient le " + d +
         ". En coloriant ces cases de deux couleurs en alternance, l'une des deux couleurs porte donc le " + d + " (" +
         TechniqueName(s.Kind) + ")\u00a0: ";
}

std::string ColourTrapSentence(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  return ColouringOpening(s) + "la case " + CellText(s.Cells.front()) + " ou la case " + CellText(s.Cells.back()) +
         ", de couleurs différentes, contient donc le " + d + ". On peut retirer le " + d + " " +
         FromCellsSeeing(s, "ces deux cases") + ".";
}

std::string ColourWrapSentence(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  const std::vector<int> cells = RemovedCells(s);
  return ColouringOpening(s) + "or les cases " + CellText(s.Cells.front()) + " et " + CellText(s.Cells.back()) +
         ", de la même couleur, sont toutes deux dans " + UnitText(s.Units[0]) +
         " et ne peuvent pas contenir toutes deux le " + d + ". Leur couleur ne porte donc pas le " + d +
         ", que l'on peut retirer des cases de cette couleur, " + CellList(cells) + ".";
}

std::string XChainSentence(const ReasoningStep& s) {
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

std::string XYChainSentence(const ReasoningStep& s) {
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
std::string AlternatingChainSentence(const ReasoningStep& s) {
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
         " ou la case " + CellText(s.Cells.back()) + " le " + to_string(s.ChainDigits.back()) +
         "\u00a0: on peut retirer " + JoinFr(removed) +
         (removed.size() == 1 ? ", qui empêcherait" : ", qui empêcheraient") + " l'un comme l'autre.";
}

// "la case (…) contient le 4", and for a digit's last place in a unit ", seule
// place du 4 dans la colonne 7"; Verb "contient" or "contiendrait".
std::string ForcedText(const ReasoningStep& s, std::size_t k, const char* verb) {
  const std::string d = to_string(s.ChainDigits[k]);
  std::string text = "la case " + CellText(s.Cells[k]) + " " + verb + " le " + d;
  if (s.LinkUnits[k] >= 0) text += ", seule place du " + d + " dans " + UnitText(cellunits::UnitOf(s.LinkUnits[k]));
  return text;
}

// The placements a branch names after its assumption, joined by "puis".
std::string BranchText(const ReasoningStep& s, const std::vector<std::size_t>& branch, const char* verb) {
  std::string text;
  for (std::size_t k = 1; k < branch.size(); ++k) text += (k == 1 ? ", " : ", puis ") + ForcedText(s, branch[k], verb);
  return text;
}

// What all the branches lead to: "la case (…) contient le 9. On peut donc
// retirer le 1 et le 5 de cette case." or "la case (…) ne peut pas contenir le 6…".
std::string ForcedConclusion(const ReasoningStep& s) {
  const auto& [cell, digits] = s.Removals.front();
  const std::string d = to_string(s.Digit);
  if (ForcingPlacement(s)) {
    std::vector<std::string> others;
    for (int other : DigitsOf(digits)) others.push_back("le " + to_string(other));
    return "la case " + CellText(cell) + " contient le " + d + ". On peut donc retirer " + JoinFr(others) +
           " de cette case.";
  }
  return "la case " + CellText(cell) + " ne peut pas contenir le " + d + ", que l'on peut donc retirer.";
}

// "Si la case (…) contient le 3, … ; si elle contient le 7, … : dans les deux
// cas, …" for a cell; "s'il est dans la case (…), …" for a digit's places.
std::string ForcingSentence(const ReasoningStep& s) {
  const std::vector<std::vector<std::size_t>> branches = ForcingBranches(s);
  std::string text;
  if (s.Kind == Technique::CellForcingChain) {
    std::vector<int> digits;
    for (const auto& branch : branches) digits.push_back(s.ChainDigits[branch[0]]);
    text = "La case " + CellText(s.Cells[0]) + " n'accepte que " + DigitChoice(digits) + " (" + TechniqueName(s.Kind) +
           ")\u00a0: ";
  } else {
    std::vector<int> cells;
    for (const auto& branch : branches) cells.push_back(s.Cells[branch[0]]);
    text = "Dans " + UnitText(s.Units[0]) + ", le " + to_string(s.ChainDigits[0]) +
           " ne peut se trouver que dans les cases " + CellList(cells) + " (" + TechniqueName(s.Kind) + ")\u00a0: ";
  }
  for (std::size_t b = 0; b < branches.size(); ++b) {
    if (b > 0) text += "\u00a0; ";
    const std::size_t head = branches[b][0];
    if (s.Kind == Technique::CellForcingChain)
      text += "si elle contient le " + to_string(s.ChainDigits[head]);
    else
      text += "s'il est dans la case " + CellText(s.Cells[head]);
    text += BranchText(s, branches[b], "contient");
  }
  const int n = static_cast<int>(branches.size());
  text += n <= 4 ? std::string("\u00a0: dans les ") + CountWord(n) + " cas, " : "\u00a0: dans tous les cas, ";
  return text + ForcedConclusion(s);
}

// "Si la case (…) contenait le 3 (raisonnement par l'absurde), la case (…)
// contiendrait le 4, … et la case (…) n'aurait plus aucun chiffre possible."
std::string ContradictionSentence(const ReasoningStep& s) {
  const std::vector<std::size_t> branch = ForcingBranches(s)[0];
  const std::string d = to_string(s.Digit), cell = CellText(s.Cells[0]);
  std::string text = "Si la case " + cell + " contenait le " + d + " (" + TechniqueName(s.Kind) + ")" +
                     BranchText(s, branch, "contiendrait") + (branch.size() > 1 ? ", et " : ", ");
  if (s.Units.empty())
    text += "la case " + CellText(s.Cells.back()) + " n'aurait plus aucun chiffre possible";
  else
    text += "le " + to_string(DigitsOf(s.Pair)[0]) + " n'aurait plus de place dans " + UnitText(s.Units[0]);
  return text + ". La case " + cell + " ne contient donc pas le " + d + ", que l'on peut retirer.";
}

std::string UniqueRectangleSentence(const ReasoningStep& s) {
  const std::vector<int> pair = DigitsOf(s.Pair);
  const std::string a = to_string(pair[0]), b = to_string(pair[1]);
  return "Les cases " + CellList({s.Cells[0], s.Cells[1], s.Cells[2]}) + " n'acceptent que le " + a + " ou le " + b +
         ", et la case " + CellText(s.Cells[3]) +
         " forme avec elles un rectangle sur deux lignes, deux colonnes et deux blocs (" + TechniqueName(s.Kind) +
         ")\u00a0: si elle contenait le " + a + " ou le " + b + ", les quatre cases ne contiendraient que ces deux " +
         "chiffres, que l'on pourrait échanger, et la grille aurait deux solutions. On peut donc retirer le " + a +
         " et le " + b + " de la case " + CellText(s.Cells[3]) + ".";
}

std::string AdvancedSentence(const ReasoningStep& step) {
  switch (step.Kind) {
    case Technique::Pointing:
      return PointingSentence(step);
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
    case Technique::CellForcingChain:
    case Technique::UnitForcingChain:
      return ForcingSentence(step);
    case Technique::ContradictionChain:
      return ContradictionSentence(step);
    default:
      break;
  }
  return std::string();
}

// The placement that ends an advanced hint, or a single of the levels'
// candidate techniques with the clause of what they eliminated first.
std::string SingleSentence(const ReasoningStep& s) {
  const int row = s.Placed / 9 + 1, col = s.Placed % 9 + 1;
  const std::string d = to_string(s.Digit);
  const HintUnit unit = s.Kind == Technique::HiddenSingle ? s.Units.front() : HintUnit{UnitKind::Row, row};
  if (!s.Concludes) {
    const std::string clause = hinttexts::EliminationClause(s.Eliminations);
    if (s.Kind == Technique::NakedSingle) return hinttexts::NakedSingle(clause, row, col, s.Digit);
    if (unit.Kind == UnitKind::Block)
      return hinttexts::HiddenSingleInBlock(clause, Band(row), Band(col), s.Digit, row, col);
    const bool byRow = unit.Kind == UnitKind::Row;
    return hinttexts::HiddenSingleInLine(clause, byRow, byRow ? row : col, s.Digit, byRow ? col : row);
  }
  const std::string text = "On se rend alors compte que ";
  if (s.Kind == Technique::NakedSingle)
    return text + "dans la case sur la ligne " + to_string(row) + " et la colonne " + to_string(col) +
           ", on ne peut placer que le chiffre " + d + ".";
  switch (unit.Kind) {
    case UnitKind::Row:
      return text + "sur la ligne " + to_string(row) + ", le " + d + " ne peut se trouver que dans la case sur la " +
             "colonne " + to_string(col) + ".";
    case UnitKind::Col:
      return text + "sur la colonne " + to_string(col) + ", le " + d + " ne peut se trouver que dans la case sur la " +
             "ligne " + to_string(row) + ".";
    case UnitKind::Block:
      break;
  }
  return text + "dans le bloc " + BlockName(Band(row), Band(col)) + ", le " + d +
         " ne peut se trouver que dans la case sur la ligne " + to_string(row) + " et la colonne " + to_string(col) +
         ".";
}

}  // namespace

std::string FrenchStep(const ReasoningStep& step) {
  const int row = step.Placed / 9 + 1, col = step.Placed % 9 + 1;
  const int line = step.ByRow ? row : col, pos = step.ByRow ? col : row;
  switch (step.Kind) {
    case Technique::LineCompletion:
      return hinttexts::LineCompletion(step.ByRow, line, step.Digit, pos);
    case Technique::LineCellSearch:
      return hinttexts::LineCellSearch(step.ByRow, line, step.EmptyCells, pos, step.Digit);
    case Technique::LineDigitSearch:
      return hinttexts::LineDigitSearch(step.ByRow, line, step.EmptyCells, pos, step.Digit);
    case Technique::BlockCompletion:
      return hinttexts::BlockCompletion(Band(row), Band(col), step.Digit, row, col);
    case Technique::BlockCellSearch:
      return hinttexts::BlockCellSearch(Band(row), Band(col), row, col, step.Digit);
    case Technique::BlockDigitSearch:
      return hinttexts::BlockDigitSearch(Band(row), Band(col), row, col, step.Digit);
    case Technique::CrossHatch:
      return hinttexts::CrossHatch(step.ByRow, Band(line), step.Digit, line, Band(pos), step.Excluded, pos);
    case Technique::NakedSingle:
    case Technique::HiddenSingle:
      return SingleSentence(step);
    default:
      return AdvancedSentence(step);
  }
}

std::string FrenchNudge(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  const std::string name = ::TechniqueName(s.Kind);
  // "une chaîne X", "un X-Wing".
  const bool feminine = name.starts_with("chaîne") || name.starts_with("réduction");
  const std::string article = feminine ? "une " : "un ";
  switch (s.Kind) {
    case Technique::NakedSingle:
      return "Regardez " + UnitText(NudgeUnit(s)) + "\u00a0: une de ses cases n'accepte plus qu'un chiffre.";
    case Technique::Pointing:
      return "Regardez le " + d + " dans " + UnitText(s.Units[0]) + " (" + name + ").";
    case Technique::LineBlock:
      return "Regardez le " + d + " dans " + UnitText(s.Units[0]) + " (" +
             (s.Units[0].Kind == UnitKind::Row ? "réduction ligne-bloc" : "réduction colonne-bloc") + ").";
    case Technique::NakedSubset:
    case Technique::HiddenSubset: {
      const int size = static_cast<int>(s.Cells.size());
      const std::string word = SubsetWord(size, s.Kind == Technique::HiddenSubset);
      return "Cherchez " + std::string(size == 2 ? "une " : "un ") + word + " dans " + UnitText(s.Units[0]) + ".";
    }
    case Technique::UniqueRectangle: {
      const std::vector<int> pair = DigitsOf(s.Pair);
      return "Cherchez un " + name + " du " + to_string(pair[0]) + " et du " + to_string(pair[1]) + ".";
    }
    case Technique::AlternatingChain:
      return "Cherchez " + article + name + ".";
    case Technique::CellForcingChain:
      return "Regardez la case " + CellText(s.Cells[0]) + "\u00a0: chacun de ses chiffres mène à la même conclusion (" +
             name + ").";
    case Technique::UnitForcingChain:
      return "Regardez le " + to_string(s.ChainDigits[0]) + " dans " + UnitText(s.Units[0]) +
             "\u00a0: chacune de ses places mène à la même conclusion (" + name + ").";
    case Technique::ContradictionChain:
      return "Regardez la case " + CellText(s.Cells[0]) + "\u00a0: l'un de ses chiffres mène à une impasse (" + name +
             ").";
    default:
      break;
  }
  if (IsAdvanced(s.Kind)) return "Cherchez " + article + name + " sur le " + d + ".";
  // The levels' techniques: the line or block where the digit is found.
  return "Regardez " + UnitText(NudgeUnit(s)) + ".";
}

std::string TechniqueName(const ReasoningStep& step, HintLanguage language) {
  if (language == HintLanguage::English) return EnglishTechniqueName(step);
  // As the step's sentence names it: a subset by its size ("paire", "triplet
  // caché"), a reduction by its line.
  if (step.Kind == Technique::LineBlock && !step.Units.empty() && step.Units[0].Kind == UnitKind::Col)
    return "réduction colonne-bloc";
  if (step.Kind == Technique::NakedSubset || step.Kind == Technique::HiddenSubset)
    if (std::string word = SubsetWord(static_cast<int>(step.Cells.size()), step.Kind == Technique::HiddenSubset);
        !word.empty())
      return word;
  return ::TechniqueName(step.Kind);
}

}  // namespace hintwriter
