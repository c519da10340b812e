// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle generation: a random complete grid, then point-symmetric givens drawn
// from it until the level's techniques solve the puzzle and, for the two upper
// levels, the level below does not. "Diabolique" goes the other way: from the
// whole grid down to a minimal symmetric puzzle, kept when "Expert" stops on
// it and the advanced hints finish it.
#include <array>
#include <chrono>
#include <random>

#include "diabolique.h"
#include "grille.h"
#include "solutioncount.h"

namespace {

// How long a held fallback puzzle waits for a puzzle that meets the level
// exactly before it is taken.
constexpr std::int64_t FallbackWaitMs = 10000;

struct LevelParameters {
  int Minimum;        // givens before the first test
  int Extra;          // givens allowed beyond the minimum
  int TestLevel;      // the solve level that must finish the puzzle
  int MustFailLevel;  // the solve level that must not finish it (0: none)
  int FallbackFail;   // the level a fallback must still fail at (0: no fallback)
};

LevelParameters ParametersFor(int level) {
  switch (level) {
    case LevelFacile:
      return {36, 4, LevelFacile, 0, 0};
    case LevelMoyen:
      return {30, 6, LevelMoyen, 0, 0};
    case LevelDifficile:
      return {26, 4, LevelDifficile, LevelMoyen, LevelFacile};
    case LevelExpert:
      return {22, 6, SolveCandidatesOnly, LevelDifficile, LevelMoyen};
    default:
      return {36, 4, level, 0, 0};
  }
}

// Uniform draws that give the same numbers on every machine for the same seed
// (the standard distributions are not specified bit for bit).
class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  int Below(int n) {
    const std::uint64_t range = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t x;
    do {
      x = engine_();
      ++draws_;
    } while (x >= limit);
    return static_cast<int>(x % range);
  }
  // How many numbers the engine has given so far.
  std::uint64_t Draws() const { return draws_; }
  // Takes the generator back to an earlier copy of itself, then on to the
  // moment it had given Draws numbers.
  void Rewind(const Random& earlier, std::uint64_t draws) {
    *this = earlier;
    engine_.discard(draws - draws_);
    draws_ = draws;
  }

 private:
  std::mt19937_64 engine_;
  std::uint64_t draws_ = 0;
};

std::int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// A complete grid, row by row, always filling the most constrained cell.
void FillCompleteGrid(TGrille& grid, Random& random, GenerateReport& report) {
  for (bool complete = false; !complete;) {
    ++report.CompleteGridAttempts;
    grid.Clear(true);
    complete = true;
    for (int r = 1; r <= 9 && complete; ++r)
      for (int step = 0; step < 9; ++step) {
        int col = 1, fewest = 10;
        for (int c = 1; c <= 9; ++c) {
          const std::uint16_t cand = grid.Candidates[Cell(r, c)];
          if (cand != 0 && CountBits(cand) < fewest) {
            fewest = CountBits(cand);
            col = c;
          }
        }
        const std::uint16_t cand = grid.Candidates[Cell(r, col)];
        if (cand == 0) {
          complete = false;
          break;
        }
        int choice = random.Below(CountBits(cand));
        int d = 1;
        for (;; ++d)
          if ((cand & (1u << (d - 1))) && choice-- == 0) break;
        grid.PlaceDigit(r, col, d);
      }
  }
}

// A minimal point-symmetric puzzle of the complete grid Solution: from the
// whole grid, each pair of cells (and the centre) in a random order leaves it
// when the puzzle keeps one solution without them.
WordArray MinimalSymmetricPuzzle(const WordArray& Solution, Random& random) {
  constexpr int Pairs = 41;  // cells 0 to 40, each with its mirror 80 - i
  std::array<int, Pairs> order{};
  for (int i = 0; i < Pairs; ++i) order[i] = i;
  for (int i = Pairs - 1; i > 0; --i) std::swap(order[i], order[random.Below(i + 1)]);
  WordArray puzzle = Solution;
  WordArray candidates{};
  for (const int cell : order) {
    puzzle[cell] = puzzle[80 - cell] = 0;
    candidates[cell] = candidates[80 - cell] = AllDigits;
    if (CountSolutions(puzzle, candidates).Count == 1) continue;
    puzzle[cell] = Solution[cell];
    puzzle[80 - cell] = Solution[80 - cell];
    candidates[cell] = candidates[80 - cell] = 0;
  }
  return puzzle;
}

}  // namespace

bool TGrille::GenerateDiabolique(const GenerateOptions& Options, GenerateReport& Report, std::uint64_t Seed) {
  Random random(Seed);
  // Most minimal puzzles fall to the techniques of "Expert": that cheap test
  // comes first, the advanced hints, much slower, only for those it leaves.
  for (;;) {
    ++Report.RemovalAttempts;
    FillCompleteGrid(*this, random, Report);
    const WordArray puzzle = MinimalSymmetricPuzzle(Digits, random);
    for (int i = 0; i < 81; ++i) Givens[i] = static_cast<std::uint8_t>(WordDigit(puzzle[i]));
    Clear(false);
    if (!IsSolvedByLogic(SolveCandidatesOnly) && PlayAdvancedHints(*this, true).Finished) return true;
    if (Options.StopRequested && Options.StopRequested()) break;
  }
  // Stopped: no puzzle, and no givens of one that was turned down.
  Givens.fill(0);
  Clear(true);
  return false;
}

bool TGrille::Generate(int Level, const GenerateOptions& Options, GenerateReport* Report) {
  GenerateReport report;
  const std::uint64_t seed = Options.Seed ? *Options.Seed : ClockSeed();
  auto now = [&] { return Options.NowMs ? Options.NowMs() : SteadyMs(); };
  if (Level == LevelDiabolique) {
    const bool made = GenerateDiabolique(Options, report, seed);
    // The techniques of the levels do not reach every cell: the reference
    // solution is the puzzle's one solution, found by the search.
    if (made) {
      SolveAtLevel(LevelExpert);
      Solution = FirstSolution;
    }
    if (Report) *Report = report;
    return made;
  }
  Random random(seed);

  FillCompleteGrid(*this, random, report);
  const WordArray solution = Digits;

  const LevelParameters params = ParametersFor(Level);
  const std::int64_t t0 = now();
  bool accepted = false;
  bool fallbackHeld = false;
  WordArray fallback{};

  // A removal attempt tests the puzzle after each pair of givens from the
  // minimum on, and keeps the first that the test level solves. More givens
  // of the same solution never keep the techniques from finishing (each of
  // them still applies, or has nothing left to do, with more digits and fewer
  // candidates), so when the attempt's last puzzle, with all its pairs, is not
  // solved, none before it is: the attempt draws all its pairs and tests that
  // one first. Only when it is solved are the puzzles before it tested, in
  // order, and the random generator taken back to where the attempt stopped.
  struct Pair {
    int Row, Col;
    std::uint64_t DrawsAfter;
  };
  std::array<Pair, 81> pairs{};
  for (;;) {
    ++report.RemovalAttempts;
    Clear(true);
    const Random atStart = random;
    int count = 0, placed = 0;
    do {
      const int r = random.Below(9) + 1;
      const int k = random.Below(9) + 1;
      if (Digits[Cell(r, k)] != 0) continue;
      PlaceDigit(r, k, WordDigit(solution[Cell(r, k)]));
      PlaceDigit(10 - r, 10 - k, WordDigit(solution[Cell(10 - r, 10 - k)]));
      placed += 2;
      pairs[count++] = {r, k, random.Draws()};
    } while (placed < params.Minimum + params.Extra);
    accepted = IsSolvedByLogic(params.TestLevel);
    if (accepted) {
      accepted = false;
      Clear(true);
      placed = 0;
      for (int n = 0; n < count && !accepted; ++n) {
        const auto [r, k, drawsAfter] = pairs[n];
        PlaceDigit(r, k, WordDigit(solution[Cell(r, k)]));
        PlaceDigit(10 - r, 10 - k, WordDigit(solution[Cell(10 - r, 10 - k)]));
        placed += 2;
        if (placed < params.Minimum) continue;
        accepted = IsSolvedByLogic(params.TestLevel);
        if (accepted) random.Rewind(atStart, drawsAfter);
      }
    }

    const bool solvedAtTest = accepted;
    if (accepted && params.MustFailLevel != 0) accepted = !IsSolvedByLogic(params.MustFailLevel);
    if (!accepted && !fallbackHeld && solvedAtTest && params.FallbackFail != 0 &&
        !IsSolvedByLogic(params.FallbackFail)) {
      fallback = Digits;
      fallbackHeld = true;
    }

    if (accepted) break;
    if (fallbackHeld && now() - t0 > FallbackWaitMs) break;
    if (Options.StopRequested && Options.StopRequested()) break;
  }

  if (accepted || fallbackHeld) {
    const WordArray& puzzle = accepted ? Digits : fallback;
    for (int i = 0; i < 81; ++i) Givens[i] = static_cast<std::uint8_t>(WordDigit(puzzle[i]));
    Clear(false);
    SolveAtLevel(LevelExpert);
  }
  report.FallbackTaken = !accepted && fallbackHeld;
  if (Report) *Report = report;
  return accepted || fallbackHeld;
}
