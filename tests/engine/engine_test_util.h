// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the engine tests: a known solution grid, grids from text,
// the puzzle files copied into tests/data.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "grille.h"

namespace testutil {

// A complete, valid grid.
inline const std::string kSolved =
    "534678912"
    "672195348"
    "198342567"
    "859761423"
    "426853791"
    "713924856"
    "961537284"
    "287419635"
    "345286179";

inline int SolvedDigit(int row, int col) { return kSolved[Cell(row, col)] - '0'; }

// kSolved with the listed cells emptied.
inline std::string SolvedWithout(std::initializer_list<std::pair<int, int>> cells) {
  std::string text = kSolved;
  for (auto [r, c] : cells) text[Cell(r, c)] = '0';
  return text;
}

// A text with only the listed givens.
inline std::string Givens(std::initializer_list<std::tuple<int, int, int>> cells) {
  std::string text(81, '0');
  for (auto [r, c, d] : cells) text[Cell(r, c)] = static_cast<char>('0' + d);
  return text;
}

inline std::vector<std::string> ReadLines(const std::string& name) {
  std::ifstream in(std::string(ORVALIS_TEST_DATA) + "/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

// The fourth puzzle of top95: logic alone cannot finish it, and it has one
// solution, found by guessing.
inline std::string GuessingPuzzle() { return ReadLines("puzzles/top95.txt").at(3); }

// True when no digit stands twice in a row, column or block.
inline bool KeepsRules(const std::string& digits) {
  for (int unit = 0; unit < 27; ++unit) {
    int seen = 0;
    for (int k = 0; k < 9; ++k) {
      int r, c;
      if (unit < 9)
        r = unit, c = k;
      else if (unit < 18)
        r = k, c = unit - 9;
      else
        r = (unit - 18) / 3 * 3 + k / 3, c = (unit - 18) % 3 * 3 + k % 3;
      const int d = digits[r * 9 + c] - '0';
      if (d == 0) continue;
      if (seen & (1 << d)) return false;
      seen |= 1 << d;
    }
  }
  return true;
}

// Every candidate set agrees with the digits: 0 in a filled cell, and no digit
// that already stands in the cell's row, column or block.
inline bool CandidatesAgreeWithDigits(const TGrille& g) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::uint16_t cand = g.GetCandidates(r, c);
      if (g.GetDigit(r, c) != 0) {
        if (cand != 0) return false;
        continue;
      }
      for (int k = 1; k <= 9; ++k) {
        const int peers[3] = {g.GetDigit(r, k), g.GetDigit(k, c),
                              g.GetDigit(BandStart(r) + (k - 1) / 3, BandStart(c) + (k - 1) % 3)};
        for (int d : peers)
          if (d != 0 && (cand & (1 << (d - 1)))) return false;
      }
    }
  return true;
}

}  // namespace testutil
