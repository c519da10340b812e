// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzletext.h"

namespace {

constexpr std::size_t GridCells = 81;
constexpr std::size_t RowCells = 9;
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

bool IsCell(char c) { return c == '.' || (c >= '0' && c <= '9'); }

char CellDigit(char c) { return c == '.' ? '0' : c; }

// The line without its spaces, tabs and line end.
std::string Squeezed(std::string_view Line) {
  std::string out;
  for (const char c : Line)
    if (c != ' ' && c != '\t' && c != '\r') out += c;
  return out;
}

// A line that only draws the grid: "-----------", "---+---+---", "*-----*".
bool IsRule(std::string_view Line) {
  if (Line.find('-') == std::string_view::npos) return false;
  return Line.find_first_not_of("-+*|=") == std::string_view::npos;
}

// The run of cells at the start of the text, as digits.
std::string LeadingCells(std::string_view Text) {
  std::string cells;
  for (const char c : Text) {
    if (!IsCell(c)) break;
    cells += CellDigit(c);
  }
  return cells;
}

}  // namespace

std::vector<std::string> ReadPuzzles(std::string_view Text) {
  if (Text.starts_with(Utf8Mark)) Text.remove_prefix(Utf8Mark.size());
  std::vector<std::string> puzzles;
  std::string rows;  // the rows of nine gathered for the grid being read
  while (!Text.empty()) {
    const std::size_t end = Text.find('\n');
    const std::string line = Squeezed(Text.substr(0, end));
    Text.remove_prefix(end == std::string_view::npos ? Text.size() : end + 1);
    if (line.empty() || line.front() == '#' || IsRule(line)) continue;

    // One puzzle on the line: 81 cells, then the end or a character that
    // is no cell (the grid text form's "|", a comment).
    const std::string cells = LeadingCells(line);
    if (cells.size() == GridCells) {
      puzzles.push_back(cells);
      rows.clear();
      continue;
    }
    // A row of nine, the ".ss" bars between its blocks left out.
    std::string row;
    bool isRow = true;
    for (const char c : line) {
      if (c == '|') continue;
      if (!IsCell(c) || row.size() == RowCells) {
        isRow = false;
        break;
      }
      row += CellDigit(c);
    }
    if (isRow && row.size() == RowCells) {
      rows += row;
      if (rows.size() == GridCells) {
        puzzles.push_back(rows);
        rows.clear();
      }
    } else {
      rows.clear();  // something else: the rows before it were no grid
    }
  }
  return puzzles;
}
