// SPDX-License-Identifier: GPL-3.0-or-later
// A solution counter over candidate sets: singles and hidden singles settle
// what they can, then the cell with the fewest candidates is tried digit by
// digit, each try on a copy of the board.
#include "solutioncount.h"

namespace {

struct Geometry {
  std::array<std::array<std::uint8_t, 9>, 27> UnitCells{};  // rows, columns, blocks
  std::array<std::array<std::uint8_t, 20>, 81> Peers{};

  Geometry() {
    for (int k = 0; k < 9; ++k)
      for (int j = 0; j < 9; ++j) {
        UnitCells[k][j] = static_cast<std::uint8_t>(k * 9 + j);
        UnitCells[9 + k][j] = static_cast<std::uint8_t>(j * 9 + k);
        UnitCells[18 + k][j] = static_cast<std::uint8_t>((k / 3 * 3 + j / 3) * 9 + k % 3 * 3 + j % 3);
      }
    for (int i = 0; i < 81; ++i) {
      int n = 0;
      for (int p = 0; p < 81; ++p) {
        const bool sameRow = p / 9 == i / 9, sameCol = p % 9 == i % 9;
        const bool sameBlock = p / 27 == i / 27 && p % 9 / 3 == i % 9 / 3;
        if (p != i && (sameRow || sameCol || sameBlock)) Peers[i][n++] = static_cast<std::uint8_t>(p);
      }
    }
  }
};

const Geometry& Grid() {
  static const Geometry geometry;
  return geometry;
}

bool Single(std::uint16_t m) { return (m & (m - 1)) == 0; }

// Candidate sets of the 81 cells; a cell whose set is single is settled, and
// Spread tells whether its digit has already been taken from its peers.
struct Board {
  std::array<std::uint16_t, 81> Sets;
  std::array<bool, 81> Spread;
};

class Counter {
 public:
  explicit Counter(const Geometry& g) : g_(g) {}

  void Search(Board& b) {
    if (!Settle(b)) return;
    int best = -1, fewest = 10;
    for (int i = 0; i < 81; ++i) {
      if (Single(b.Sets[i])) continue;
      const int n = CountBits(b.Sets[i]);
      if (n < fewest) {
        fewest = n;
        best = i;
        if (n == 2) break;
      }
    }
    if (best < 0) {
      if (++result_.Count == 1)
        for (int i = 0; i < 81; ++i) result_.First[i] = DigitWord(LowestDigit(b.Sets[i]));
      return;
    }
    for (std::uint16_t rest = b.Sets[best]; rest != 0 && result_.Count < 2;
         rest = static_cast<std::uint16_t>(rest & (rest - 1))) {
      Board trial = b;
      trial.Sets[best] = static_cast<std::uint16_t>(rest & -rest);
      Search(trial);
    }
  }

  const SolutionCount& Result() const { return result_; }

 private:
  // Spreads settled digits and places hidden singles until nothing changes;
  // false when a cell or a unit has no way left.
  bool Settle(Board& b) const {
    for (bool again = true; again;) {
      again = false;
      for (int i = 0; i < 81; ++i) {
        if (b.Spread[i] || !Single(b.Sets[i])) continue;
        b.Spread[i] = true;
        const std::uint16_t bit = b.Sets[i];
        for (std::uint8_t p : g_.Peers[i]) {
          std::uint16_t& set = b.Sets[p];
          if (!(set & bit)) continue;
          set = static_cast<std::uint16_t>(set & ~bit);
          if (set == 0) return false;
          if (Single(set) && p < i) again = true;  // settled behind the scan
        }
      }
      for (const auto& unit : g_.UnitCells) {
        std::uint16_t once = 0, more = 0;
        for (std::uint8_t c : unit) {
          more = static_cast<std::uint16_t>(more | (once & b.Sets[c]));
          once |= b.Sets[c];
        }
        if (once != AllDigits) return false;
        const std::uint16_t only = static_cast<std::uint16_t>(once & ~more);
        if (only == 0) continue;
        for (std::uint8_t c : unit) {
          const std::uint16_t hit = static_cast<std::uint16_t>(b.Sets[c] & only);
          if (hit == 0 || hit == b.Sets[c]) continue;
          if (!Single(hit)) return false;  // one cell would need two digits
          b.Sets[c] = hit;
          again = true;
        }
      }
    }
    return true;
  }

  const Geometry& g_;
  SolutionCount result_;
};

}  // namespace

SolutionCount CountSolutions(const WordArray& Digits, const WordArray& Candidates) {
  const Geometry& g = Grid();
  Board board{};
  for (int i = 0; i < 81; ++i)
    board.Sets[i] = static_cast<std::uint16_t>((Digits[i] != 0 ? Digits[i] : Candidates[i]) & AllDigits);
  for (int i = 0; i < 81; ++i)
    if (Digits[i] != 0)
      for (std::uint8_t p : g.Peers[i])
        if (Digits[p] == 0) board.Sets[p] = static_cast<std::uint16_t>(board.Sets[p] & ~Digits[i]);
  for (int i = 0; i < 81; ++i)
    if (board.Sets[i] == 0) return {};
  Counter counter(g);
  counter.Search(board);
  return counter.Result();
}
