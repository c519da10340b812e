// SPDX-License-Identifier: GPL-3.0-or-later
// The hint sentences: names of thirds and blocks, the clause naming the
// elimination methods, and one sentence per technique.
#include "grille.h"
#include "hinttexts.h"

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

std::string TGrille::DescribeEliminations() const {
  if (!EliminationsUsed) return std::string();
  const std::string pairs =
      DescribeMethod("doublons", MethodRecord.PairsByRow, MethodRecord.PairsByCol, &MethodRecord.PairsByBlock);
  const std::string triples = DescribeMethod("triplets", MethodRecord.TriplesByRow, MethodRecord.TriplesByCol, nullptr);
  std::string clause = " et avoir éliminé des possibilités en utilisant la méthode des ";
  if (pairs.empty() && triples.empty())
    clause += "alignements dans les blocs";  // only the block-line elimination removed candidates
  else if (!pairs.empty() && !triples.empty())
    clause += pairs + " et celle des " + triples;
  else
    clause += pairs + triples;
  return clause;
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
