// SPDX-License-Identifier: GPL-3.0-or-later
// The English writer: every step in the words of a Sudoku player ("naked
// pair", "X-Wing", "row 5, column 3").
#include <array>

#include "cellunits.h"
#include "grille.h"
#include "hintwriter.h"

namespace hintwriter {

namespace {

using std::to_string;

std::string Line(bool byRow, int number) { return (byRow ? "row " : "column ") + to_string(number); }

std::string CellText(int cell) {
  return "(row " + to_string(cellunits::RowOf(cell) + 1) + ", column " + to_string(cellunits::ColOf(cell) + 1) + ")";
}

// "a", "a and b", "a, b and c"; Last joins the last two ("and", "or").
std::string Join(const std::vector<std::string>& items, const char* last = " and ") {
  std::string text;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) text += k + 1 == items.size() ? last : ", ";
    text += items[k];
  }
  return text;
}

std::string Numbers(const std::vector<int>& numbers, const char* last = " and ") {
  std::vector<std::string> items;
  items.reserve(numbers.size());
  for (int n : numbers) items.push_back(to_string(n));
  return Join(items, last);
}

std::string CellList(const std::vector<int>& cells) {
  std::vector<std::string> items;
  items.reserve(cells.size());
  for (int cell : cells) items.push_back(CellText(cell));
  return Join(items);
}

// "the top-left box", "the central box".
std::string BlockText(int block) {
  static const char* const rows[] = {"top", "middle", "bottom"};
  static const char* const cols[] = {"left", "centre", "right"};
  if (block == 5) return "the central box";
  return std::string("the ") + rows[(block - 1) / 3] + "-" + cols[(block - 1) % 3] + " box";
}

std::string UnitText(const HintUnit& unit) {
  switch (unit.Kind) {
    case UnitKind::Row:
      return "row " + to_string(unit.Number);
    case UnitKind::Col:
      return "column " + to_string(unit.Number);
    case UnitKind::Block:
      break;
  }
  return BlockText(unit.Number);
}

std::string Capital(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

// "from the cell (…), which sees both" or "from the cells (…) and (…), which see both".
std::string FromCells(const ReasoningStep& step, const char* what) {
  const std::vector<int> cells = RemovedCells(step);
  if (cells.size() == 1) return "from the cell " + CellList(cells) + ", which sees " + what;
  return "from the cells " + CellList(cells) + ", which see " + what;
}

std::string Clause(const std::optional<MethodRecordT>& record) {
  if (!record) return std::string();
  auto list = [](const char* word, const char* words, const std::array<bool, 10>& flags) {
    std::vector<int> numbers;
    for (int k = 1; k <= 9; ++k)
      if (flags[k]) numbers.push_back(k);
    if (numbers.empty()) return std::string();
    return std::string(numbers.size() > 1 ? words : word) + " " + Numbers(numbers, ", ");
  };
  auto method = [&](const char* name, const MethodRecordT& r, bool pairs) {
    std::vector<std::string> parts;
    for (const std::string& part : {list("row", "rows", pairs ? r.PairsByRow : r.TriplesByRow),
                                    list("column", "columns", pairs ? r.PairsByCol : r.TriplesByCol),
                                    pairs ? list("box", "boxes", r.PairsByBlock) : std::string()})
      if (!part.empty()) parts.push_back(part);
    return parts.empty() ? std::string() : std::string(name) + " (" + Join(parts, ", ") + ")";
  };
  std::vector<std::string> methods;
  for (const std::string& m : {method("naked pairs", *record, true), method("naked triples", *record, false)})
    if (!m.empty()) methods.push_back(m);
  if (methods.empty()) methods.push_back("pointing");
  return " and removing candidates with " + Join(methods);
}

std::string Single(const ReasoningStep& s) {
  const int row = s.Placed / 9 + 1, col = s.Placed % 9 + 1;
  const std::string d = to_string(s.Digit), cell = CellText(s.Placed);
  std::string what;
  if (s.Kind == Technique::NakedSingle) {
    what = "the cell " + cell + " can only take " + d;
  } else {
    const HintUnit& unit = s.Units.front();
    what = "in " + UnitText(unit) + ", " + d + " can only go in " +
           (unit.Kind == UnitKind::Row   ? "column " + to_string(col)
            : unit.Kind == UnitKind::Col ? "row " + to_string(row)
                                         : "the cell " + cell);
  }
  if (s.Concludes) return "So " + what + ".";
  return "After noting each cell's candidates" + Clause(s.Eliminations) + ", " + what + ".";
}

std::string Wing(const ReasoningStep& s) {
  const std::string z = to_string(s.Digit);
  const int x =
      DigitsOf(static_cast<std::uint16_t>(s.CellCandidates[0] & s.CellCandidates[1] & ~cellunits::Bit(s.Digit)))[0];
  std::string text = "The cell " + CellText(s.Cells[0]) + " takes only " + Numbers(Ordered(s, 0, x, s.Digit), " or ") +
                     ", the cell " + CellText(s.Cells[1]) + " only " + Numbers(Ordered(s, 1, x, s.Digit), " or ") +
                     " and the cell " + CellText(s.Cells[2]) + " only " + Numbers(Ordered(s, 2, 0, s.Digit), " or ") +
                     " (" + EnglishTechniqueName(s) + "): ";
  if (s.Kind == Technique::XYWing)
    return text + "whatever the first holds, one of the other two holds " + z + ". So remove " + z + " " +
           FromCells(s, "both of them") + ".";
  return text + "one of the three holds " + z + ". So remove " + z + " " + FromCells(s, "all three") + ".";
}

std::string Colouring(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  std::string text = "For " + d + ", the cells " + CellList(s.Cells) +
                     " form a chain in which each cell and the next are the only two places of " + d +
                     " in a row, column or box; coloured in turn with two colours, one colour holds " + d + " (" +
                     EnglishTechniqueName(s) + "): ";
  if (s.Kind == Technique::ColourTrap)
    return text + "so the cell " + CellText(s.Cells.front()) + " or the cell " + CellText(s.Cells.back()) +
           ", of different colours, holds " + d + ". Remove " + d + " " + FromCells(s, "both of them") + ".";
  return text + "but the cells " + CellText(s.Cells.front()) + " and " + CellText(s.Cells.back()) +
         ", of the same colour, are both in " + UnitText(s.Units[0]) + " and cannot both hold " + d +
         ". Their colour is not " + d + ", so remove " + d +
         " from the cells of that colour: " + CellList(RemovedCells(s)) + ".";
}

std::string Chain(const ReasoningStep& s) {
  const std::string z = to_string(s.Digit);
  std::string text;
  if (s.Kind == Technique::XChain) {
    text = "For " + z + " (X-chain): if the cell " + CellText(s.Cells[0]) + " does not hold " + z;
    for (std::size_t k = 1; k < s.Cells.size(); ++k) {
      text += (k == 1 ? ", the cell " : ", so the cell ") + CellText(s.Cells[k]);
      text += k % 2 == 1 ? " does, the only other place of " + z + " in " + UnitText(s.Units[k - 1]) : " does not";
    }
  } else {
    text = "The cells " + CellList(s.Cells) +
           " take only two digits each and each sees the next (XY-chain): if the cell " + CellText(s.Cells[0]) +
           " does not hold " + z;
    int value = DigitsOf(static_cast<std::uint16_t>(s.CellCandidates[0] & ~cellunits::Bit(s.Digit)))[0];
    text += ", it holds " + to_string(value);
    for (std::size_t k = 1; k < s.Cells.size(); ++k) {
      value = DigitsOf(static_cast<std::uint16_t>(s.CellCandidates[k] & ~cellunits::Bit(value)))[0];
      text += ", so the cell " + CellText(s.Cells[k]) + " holds " + to_string(value);
    }
  }
  return text + ". Either the cell " + CellText(s.Cells.front()) + " or the cell " + CellText(s.Cells.back()) +
         " holds " + z + ": remove " + z + " " + FromCells(s, "both ends") + ".";
}

std::string AlternatingChain(const ReasoningStep& s) {
  std::string text = "Following a chain of deductions (alternating chain): if the cell " + CellText(s.Cells[0]) +
                     " does not hold " + to_string(s.ChainDigits[0]);
  for (std::size_t k = 1; k < s.Cells.size(); ++k) {
    const bool sameCell = s.Cells[k] == s.Cells[k - 1];
    const std::string d = to_string(s.ChainDigits[k]);
    text += k == 1 ? ", " : ", so ";
    text += sameCell ? std::string("it") : "the cell " + CellText(s.Cells[k]);
    if (k % 2 == 0)
      text += " does not hold " + d;
    else if (sameCell)
      text += " holds " + d + ", its only other digit";
    else
      text.append(" holds ")
          .append(d)
          .append(", the only other place of ")
          .append(d)
          .append(" in ")
          .append(UnitText(cellunits::UnitOf(s.LinkUnits[k - 1])));
  }
  std::vector<std::string> removed;
  for (const auto& [cell, digits] : s.Removals)
    removed.push_back(Numbers(DigitsOf(digits)) + " from the cell " + CellText(cell));
  return text + ". So the cell " + CellText(s.Cells.front()) + " holds " + to_string(s.ChainDigits.front()) +
         " or the cell " + CellText(s.Cells.back()) + " holds " + to_string(s.ChainDigits.back()) +
         "; a candidate that would rule out both cannot be true: remove " + Join(removed) + ".";
}

// "the cell (…) holds 4", and for a digit's last place ", the only place of 4
// in column 7"; Verb "holds" or "would hold".
std::string Forced(const ReasoningStep& s, std::size_t k, const char* verb) {
  const std::string d = to_string(s.ChainDigits[k]);
  std::string text = "the cell " + CellText(s.Cells[k]) + " " + verb + " " + d;
  if (s.LinkUnits[k] >= 0) text += ", the only place of " + d + " in " + UnitText(cellunits::UnitOf(s.LinkUnits[k]));
  return text;
}

std::string Branch(const ReasoningStep& s, const std::vector<std::size_t>& branch, const char* verb) {
  std::string text;
  for (std::size_t k = 1; k < branch.size(); ++k) text += (k == 1 ? ", " : ", then ") + Forced(s, branch[k], verb);
  return text;
}

std::string Forcing(const ReasoningStep& s) {
  const std::vector<std::vector<std::size_t>> branches = ForcingBranches(s);
  std::string text;
  if (s.Kind == Technique::CellForcingChain) {
    std::vector<int> digits;
    for (const auto& branch : branches) digits.push_back(s.ChainDigits[branch[0]]);
    text = "The cell " + CellText(s.Cells[0]) + " takes only " + Numbers(digits, " or ") + " (" +
           EnglishTechniqueName(s) + "): ";
  } else {
    std::vector<int> cells;
    for (const auto& branch : branches) cells.push_back(s.Cells[branch[0]]);
    text = "In " + UnitText(s.Units[0]) + ", " + to_string(s.ChainDigits[0]) + " can only go in the cells " +
           CellList(cells) + " (" + EnglishTechniqueName(s) + "): ";
  }
  for (std::size_t b = 0; b < branches.size(); ++b) {
    const std::size_t head = branches[b][0];
    text += b > 0 ? "; if " : "if ";
    text += s.Kind == Technique::CellForcingChain ? "it holds " + to_string(s.ChainDigits[head])
                                                  : "it goes in " + CellText(s.Cells[head]);
    text += Branch(s, branches[b], "holds");
  }
  const auto& [cell, digits] = s.Removals.front();
  const std::string d = to_string(s.Digit);
  if (ForcingPlacement(s))
    return text + ": either way, the cell " + CellText(cell) + " holds " + d + ", so remove " +
           Numbers(DigitsOf(digits)) + " from it.";
  return text + ": either way, the cell " + CellText(cell) + " cannot hold " + d + ", so remove it.";
}

std::string Contradiction(const ReasoningStep& s) {
  const std::vector<std::size_t> branch = ForcingBranches(s)[0];
  const std::string d = to_string(s.Digit), cell = CellText(s.Cells[0]);
  std::string text = "If the cell " + cell + " held " + d + " (" + EnglishTechniqueName(s) + ")" +
                     Branch(s, branch, "would hold") + (branch.size() > 1 ? ", and " : ", ");
  if (s.Units.empty())
    text += "the cell " + CellText(s.Cells.back()) + " would have no digit left";
  else
    text += to_string(DigitsOf(s.Pair)[0]) + " would have no place left in " + UnitText(s.Units[0]);
  return text + ". So the cell " + cell + " does not hold " + d + ": remove it.";
}

}  // namespace

std::string EnglishTechniqueName(const ReasoningStep& step) {
  static const char* const naked[] = {"naked pair", "naked triple", "naked quad"};
  static const char* const hidden[] = {"hidden pair", "hidden triple", "hidden quad"};
  const std::size_t size = step.Cells.size();
  if ((step.Kind == Technique::NakedSubset || step.Kind == Technique::HiddenSubset) && size >= 2 && size <= 4)
    return (step.Kind == Technique::NakedSubset ? naked : hidden)[size - 2];
  return TechniqueNames(step.Kind).English;
}

std::string EnglishNudge(const ReasoningStep& s) {
  const std::string d = to_string(s.Digit);
  const std::string name = EnglishTechniqueName(s);
  // "an X-Wing", "a naked pair", "a unique rectangle".
  const std::string article = name.find_first_of("aeioX") == 0 ? "an " : "a ";
  switch (s.Kind) {
    case Technique::NakedSingle:
      return "Look at " + UnitText(NudgeUnit(s)) + ": one of its cells takes only one digit.";
    case Technique::Pointing:
    case Technique::LineBlock:
      return "Look at the " + d + "s in " + UnitText(s.Units[0]) + " (" + name + ").";
    case Technique::NakedSubset:
    case Technique::HiddenSubset:
      return "Look for " + article + name + " in " + UnitText(s.Units[0]) + ".";
    case Technique::UniqueRectangle: {
      const std::vector<int> pair = DigitsOf(s.Pair);
      return "Look for " + article + name + " of " + to_string(pair[0]) + " and " + to_string(pair[1]) + ".";
    }
    case Technique::AlternatingChain:
      return "Look for " + article + name + ".";
    case Technique::CellForcingChain:
      return "Look at cell " + CellText(s.Cells[0]) + ": each of its digits leads to the same conclusion (" + name +
             ").";
    case Technique::UnitForcingChain:
      return "Look at the " + to_string(s.ChainDigits[0]) + "s in " + UnitText(s.Units[0]) +
             ": each of their places leads to the same conclusion (" + name + ").";
    case Technique::ContradictionChain:
      return "Look at cell " + CellText(s.Cells[0]) + ": one of its digits leads to a dead end (" + name + ").";
    default:
      break;
  }
  if (IsAdvanced(s.Kind)) return "Look for " + article + name + " on digit " + d + ".";
  return "Look at " + UnitText(NudgeUnit(s)) + ".";
}

std::string EnglishStep(const ReasoningStep& s) {
  const int row = s.Placed / 9 + 1, col = s.Placed % 9 + 1;
  const int line = s.ByRow ? row : col, pos = s.ByRow ? col : row;
  const std::string d = to_string(s.Digit);
  const std::string name = " (" + EnglishTechniqueName(s) + ")";
  const int block = BlockOf(row, col);
  switch (s.Kind) {
    case Technique::LineCompletion:
      return Capital(Line(s.ByRow, line)) + " lacks only one digit" + name + ": counting from 1 to 9, it is " + d +
             ", which goes in " + Line(!s.ByRow, pos) + ".";
    case Technique::LineCellSearch:
      return "In " + Line(s.ByRow, line) + ", look at which missing digits each empty cell can take" + name +
             ": the cell in " + Line(!s.ByRow, pos) + " can only take " + d + ".";
    case Technique::LineDigitSearch:
      return "In " + Line(s.ByRow, line) + ", look where each missing digit can go" + name + ": " + d +
             " can only go in the cell in " + Line(!s.ByRow, pos) + ".";
    case Technique::BlockCompletion:
      return Capital(BlockText(block)) + " lacks only one digit" + name + ": counting from 1 to 9, it is " + d +
             ", which goes in " + CellText(s.Placed) + ".";
    case Technique::BlockCellSearch:
      return "In " + BlockText(block) + ", look at which missing digits each empty cell can take" + name +
             ": the cell " + CellText(s.Placed) + " can only take " + d + ".";
    case Technique::BlockDigitSearch:
      return "In " + BlockText(block) + ", look where each missing digit can go" + name + ": " + d +
             " can only go in the cell " + CellText(s.Placed) + ".";
    case Technique::CrossHatch: {
      static const char* const rows[] = {"top", "middle", "bottom"};
      static const char* const cols[] = {"left", "centre", "right"};
      static const char* const rowBands[] = {"at the top", "in the middle", "at the bottom"};
      static const char* const colBands[] = {"on the left", "in the centre", "on the right"};
      const int band = (line - 1) / 3, third = (pos - 1) / 3;
      return std::string("In the three ") + (s.ByRow ? "rows " : "columns ") +
             (s.ByRow ? rowBands[band] : colBands[band]) + ", " + d + " stands in two boxes, so " +
             Line(s.ByRow, line) + " needs a " + d + " in its " + (s.ByRow ? cols[third] : rows[third]) + " box" +
             name + "." +
             (s.Excluded ? " The " + std::string(s.ByRow ? "columns" : "rows") + " that already hold a " + d +
                               " rule out the other cells there; the"
                         : " The") +
             " only place left is " + Line(!s.ByRow, pos) + ".";
    }
    case Technique::NakedSingle:
    case Technique::HiddenSingle:
      return Single(s);
    case Technique::Pointing:
      return "In " + UnitText(s.Units[0]) + ", " + d + " can only go in " + UnitText(s.Units[1]) + name + ": remove " +
             d + " from the other cells of " + UnitText(s.Units[1]) + ", " + CellList(RemovedCells(s)) + ".";
    case Technique::LineBlock:
      return "In " + UnitText(s.Units[0]) + ", " + d + " can only go in " + UnitText(s.Units[1]) + name + ": remove " +
             d + " from the other cells of that box, " + CellList(RemovedCells(s)) + ".";
    case Technique::NakedSubset:
      return "In " + UnitText(s.Units[0]) + ", the cells " + CellList(s.Cells) + " take only " +
             Numbers(DigitsOf(s.Pair), " or ") + name + ": these digits belong to them; remove them from " +
             CellList(RemovedCells(s)) + ".";
    case Technique::HiddenSubset:
      return "In " + UnitText(s.Units[0]) + ", " + Numbers(DigitsOf(s.Pair)) + " can only go in the cells " +
             CellList(s.Cells) + name + ": these cells belong to them; remove their other digits.";
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish: {
      const std::string base = s.ByRow ? "rows" : "columns", cover = s.ByRow ? "columns" : "rows";
      return "In " + base + " " + Numbers(s.Base) + ", " + d + " can only go in " + cover + " " + Numbers(s.Cover) +
             name + ": remove " + d + " from the other cells of these " + cover + ", " + CellList(RemovedCells(s)) +
             ".";
    }
    case Technique::XYWing:
    case Technique::XYZWing:
      return Wing(s);
    case Technique::WWing: {
      const std::string y = to_string(DigitsOf(static_cast<std::uint16_t>(s.Pair & ~cellunits::Bit(s.Digit)))[0]);
      return "The cells " + CellText(s.Cells[0]) + " and " + CellText(s.Cells[1]) + " take only " + d + " or " + y +
             ", and in " + UnitText(s.Units[0]) + ", " + y + " can only go in the cells " + CellText(s.Cells[2]) +
             " and " + CellText(s.Cells[3]) + ", which see one the first cell, the other the second" + name +
             ": if neither of the first two held " + d + ", both would hold " + y + " and " + UnitText(s.Units[0]) +
             " would have no place left for " + y + ". One of them holds " + d + ", so remove " + d + " " +
             FromCells(s, "both of them") + ".";
    }
    case Technique::ColourTrap:
    case Technique::ColourWrap:
      return Colouring(s);
    case Technique::XChain:
    case Technique::XYChain:
      return Chain(s);
    case Technique::AlternatingChain:
      return AlternatingChain(s);
    case Technique::CellForcingChain:
    case Technique::UnitForcingChain:
      return Forcing(s);
    case Technique::ContradictionChain:
      return Contradiction(s);
    case Technique::UniqueRectangle: {
      const std::vector<int> pair = DigitsOf(s.Pair);
      const std::string a = to_string(pair[0]), b = to_string(pair[1]);
      return "The cells " + CellList({s.Cells[0], s.Cells[1], s.Cells[2]}) + " take only " + a + " or " + b +
             ", and the cell " + CellText(s.Cells[3]) + " makes a rectangle with them over two rows, two columns " +
             "and two boxes" + name + ": if it held " + a + " or " + b + ", the four cells would hold only " + a +
             " and " + b + ", which could be swapped, and the puzzle would have two solutions. So remove " + a +
             " and " + b + " from the cell " + CellText(s.Cells[3]) + ".";
    }
  }
  return std::string();
}

}  // namespace hintwriter
