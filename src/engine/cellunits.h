// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's geometry for the advanced techniques: the 27 units and their
// cells, the units of a cell, which cells see each other. Cells are indexes 0
// to 80; units 0-8 are the rows, 9-17 the columns, 18-26 the blocks.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "hinttypes.h"

namespace cellunits {

constexpr int RowOf(int cell) { return cell / 9; }
constexpr int ColOf(int cell) { return cell % 9; }
constexpr int BoxOf(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }

constexpr int UnitCell(int unit, int k) {
  return unit < 9    ? unit * 9 + k
         : unit < 18 ? k * 9 + (unit - 9)
                     : ((unit - 18) / 3 * 3 + k / 3) * 9 + (unit - 18) % 3 * 3 + k % 3;
}

inline constexpr auto Units = [] {
  std::array<std::array<int, 9>, 27> u{};
  for (int unit = 0; unit < 27; ++unit)
    for (int k = 0; k < 9; ++k) u[unit][k] = UnitCell(unit, k);
  return u;
}();

// The row, column and block units of a cell.
constexpr std::array<int, 3> UnitsOf(int cell) { return {RowOf(cell), 9 + ColOf(cell), 18 + BoxOf(cell)}; }

// Two different cells that share a unit.
constexpr bool Sees(int a, int b) {
  return a != b && (RowOf(a) == RowOf(b) || ColOf(a) == ColOf(b) || BoxOf(a) == BoxOf(b));
}

// The 20 cells each cell sees.
inline constexpr auto Peers = [] {
  std::array<std::array<int, 20>, 81> peers{};
  for (int cell = 0; cell < 81; ++cell) {
    int n = 0;
    for (int other = 0; other < 81; ++other)
      if (Sees(cell, other)) peers[cell][n++] = other;
  }
  return peers;
}();

constexpr std::uint16_t Bit(int digit) { return static_cast<std::uint16_t>(1u << (digit - 1)); }

inline HintUnit UnitOf(int unit) {
  return {unit < 9 ? UnitKind::Row : unit < 18 ? UnitKind::Col : UnitKind::Block, unit % 9 + 1};
}

inline HintCell CellOf(int cell, int group = 0) { return {RowOf(cell) + 1, ColOf(cell) + 1, group}; }

}  // namespace cellunits
