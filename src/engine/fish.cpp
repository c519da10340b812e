// SPDX-License-Identifier: GPL-3.0-or-later
// Basic fish: X-Wing, Swordfish and Jellyfish. When, in Size rows, a digit's
// candidates all lie in the same Size columns, those rows take the digit in
// those columns, so the other cells of the columns lose it (and the same with
// rows and columns exchanged).
#include <bit>

#include "advanced.h"
#include "cellunits.h"

namespace advanced {

using cellunits::Bit;

namespace {

// Positions (bit p for position p, 0 to 8) of the digit's candidates in each
// line: rows when ByRow, columns otherwise.
std::array<std::uint16_t, 9> Positions(const CandidateSets& cand, int digit, bool byRow) {
  std::array<std::uint16_t, 9> pos{};
  for (int line = 0; line < 9; ++line)
    for (int p = 0; p < 9; ++p) {
      const int cell = byRow ? line * 9 + p : p * 9 + line;
      if (cand[cell] & Bit(digit)) pos[line] = static_cast<std::uint16_t>(pos[line] | (1u << p));
    }
  return pos;
}

struct FishSearch {
  const CandidateSets& cand;
  int digit;
  bool byRow;
  int size;
  std::array<std::uint16_t, 9> pos;
  int chosen[4] = {};

  // Chooses the next base line from `from` on, with `depth` lines chosen so far
  // and `cover` the union of their positions.
  std::optional<ReasoningStep> Choose(int from, int depth, std::uint16_t cover) {
    if (depth == size) return Check(cover);
    for (int line = from; line < 9; ++line) {
      const int n = std::popcount(pos[line]);
      if (n < 2 || n > size) continue;
      const std::uint16_t u = static_cast<std::uint16_t>(cover | pos[line]);
      if (std::popcount(u) > size) continue;
      chosen[depth] = line;
      if (auto step = Choose(line + 1, depth + 1, u)) return step;
    }
    return std::nullopt;
  }

  std::optional<ReasoningStep> Check(std::uint16_t cover) {
    ReasoningStep step;
    step.Kind = size == 2 ? Technique::XWing : size == 3 ? Technique::Swordfish : Technique::Jellyfish;
    step.Digit = digit;
    step.ByRow = byRow;
    for (int k = 0; k < size; ++k) step.Base.push_back(chosen[k] + 1);
    std::uint16_t baseMask = 0;
    for (int k = 0; k < size; ++k) baseMask = static_cast<std::uint16_t>(baseMask | (1u << chosen[k]));
    for (int p = 0; p < 9; ++p) {
      if (!(cover & (1u << p))) continue;
      step.Cover.push_back(p + 1);
      for (int line = 0; line < 9; ++line) {
        const int cell = byRow ? line * 9 + p : p * 9 + line;
        if (baseMask & (1u << line)) {
          if (cand[cell] & Bit(digit)) step.Cells.push_back(cell);
        } else if (cand[cell] & Bit(digit)) {
          step.Removals.emplace_back(cell, Bit(digit));
        }
      }
    }
    if (step.Removals.empty()) return std::nullopt;
    for (int line : step.Base) step.Units.push_back({byRow ? UnitKind::Row : UnitKind::Col, line});
    for (int line : step.Cover) step.Units.push_back({byRow ? UnitKind::Col : UnitKind::Row, line});
    return step;
  }
};

}  // namespace

std::optional<ReasoningStep> FindFish(const CandidateSets& cand, int Size) {
  for (int digit = 1; digit <= 9; ++digit)
    for (bool byRow : {true, false}) {
      FishSearch search{cand, digit, byRow, Size, Positions(cand, digit, byRow)};
      if (auto step = search.Choose(0, 0, 0)) return step;
    }
  return std::nullopt;
}

}  // namespace advanced
