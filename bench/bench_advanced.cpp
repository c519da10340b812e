// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced hints on puzzle collections: for each file, of the puzzles
// that the techniques of the levels cannot finish without guessing (rating
// 20), how many the hints with the advanced techniques finish without a guess
// hint; the time of each hint search that went on to the advanced techniques
// (median, 99th percentile, worst); and the soundness check: every removal of
// every step used, and of every technique tried on the positions where they
// ran, keeps the solution's digit, and every advanced hint places it; and
// what a player can follow: every advanced hint's removals, applied in order
// to the candidates of the digits alone, leave its digit alone in its cell or
// in the unit it names (the column `unfollowed` counts failures), with the
// length of the hints (steps and words, median and 90th percentile); the
// column `forcing` counts the advanced hints that go through forcing chains.
//
// orvalis-bench-advanced [--limit N] [files or folders...]; by default the
// collections of ../shared/data/puzzles/.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "advanced.h"
#include "advancedhint.h"
#include "bench_common.h"
#include "grille.h"

namespace fs = std::filesystem;

namespace {

// The processor time of this thread: what a search costs, whatever else the
// machine is doing.
double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Figures {
  long puzzles = 0, rated20 = 0, finished = 0, searches = 0, removalsChecked = 0, wrongRemovals = 0, wrongHints = 0;
  long advancedHints = 0, unfollowed = 0, forcingHints = 0;
  std::vector<double> times, cpuTimes, steps, words;
};

// The removals of a step that take out the solution's digit.
int WrongRemovals(const ReasoningStep& step, const WordArray& solution, long& checked) {
  int wrong = 0;
  for (const auto& [cell, digits] : step.Removals) {
    ++checked;
    if (digits & solution[cell] & AllDigits) {
      ++wrong;
      std::fprintf(stderr, "wrong removal by %s at cell %d\n", TechniqueName(step.Kind), cell);
    }
  }
  return wrong;
}

// Every technique once on the candidates the levels' techniques leave.
void CheckEveryTechnique(const TGrille& position, const WordArray& solution, Figures& f) {
  TGrille grid = position;
  grid.Solve(SolveCandidatesOnly);
  for (const advanced::TechniqueFinder& finder : advanced::Finders())
    if (const auto step = finder.Find(grid.Candidates))
      f.wrongRemovals += WrongRemovals(*step, solution, f.removalsChecked);
}

void RunPuzzle(const std::string& line, Figures& f) {
  ++f.puzzles;
  TGrille grid;
  grid.LoadFromText(line, "");
  if (grid.RateLevel() != (LevelExpert | RatingGuess)) return;
  ++f.rated20;
  const WordArray solution = grid.FirstSolution;
  const HintOptions options{true, true};
  for (int n = 0; n < 81; ++n) {
    const TGrille before = grid;
    const double t = bench::NowSeconds(), cpu = CpuSeconds();
    const std::optional<HintStep> hint = grid.FindHint(options);
    const double ms = (bench::NowSeconds() - t) * 1000.0, cpuMs = (CpuSeconds() - cpu) * 1000.0;
    if (!hint) break;
    if (!hint->Guess && !hint->Steps.back().Concludes) continue;  // a hint of the levels' techniques
    ++f.searches;
    f.times.push_back(ms);
    f.cpuTimes.push_back(cpuMs);
    CheckEveryTechnique(before, solution, f);
    if (hint->Guess) return;
    for (const ReasoningStep& step : hint->Steps) f.wrongRemovals += WrongRemovals(step, solution, f.removalsChecked);
    if (WordDigit(solution[Cell(hint->Row, hint->Col)]) != hint->Digit) ++f.wrongHints;
    ++f.advancedHints;
    if (std::any_of(hint->Steps.begin(), hint->Steps.end(),
                    [](const ReasoningStep& step) { return step.Kind >= Technique::CellForcingChain; }))
      ++f.forcingHints;
    if (!advanced::StepsLeadToPlacement(before.Digits, hint->Steps)) ++f.unfollowed;
    f.steps.push_back(static_cast<double>(hint->Steps.size() - 1));
    f.words.push_back(static_cast<double>(std::count(hint->Text.begin(), hint->Text.end(), ' ') + 1));
  }
  if (grid.CountEmpty() == 0) ++f.finished;
}

}  // namespace

int main(int argc, char** argv) {
  long limit = -1;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--limit" && i + 1 < argc)
      limit = std::atol(argv[++i]);
    else
      files.push_back(arg);
  }
  if (files.empty()) files.push_back((fs::path(ORVALIS_SOURCE_DIR) / ".." / "shared" / "data" / "puzzles").string());
  std::vector<std::string> paths;
  for (const std::string& file : files) {
    std::error_code ec;
    if (!fs::is_directory(file, ec)) {
      paths.push_back(file);
      continue;
    }
    for (const auto& entry : fs::directory_iterator(file, ec)) {
      const std::string name = entry.path().filename().string();
      if (entry.path().extension() == ".txt" && name.find('.') == name.rfind('.')) paths.push_back(entry.path());
    }
  }
  std::sort(paths.begin(), paths.end());
  if (paths.empty()) {
    std::fprintf(stderr, "no puzzle files found\n");
    return 1;
  }
  // Times of the searches that went on to the advanced techniques: wall clock
  // (median, 99th percentile, worst), then the processor's (99th percentile,
  // worst), which other programs on the machine do not inflate.
  std::printf("%-32s %7s %7s %8s %6s %8s %7s %7s %7s %8s %8s %8s %5s %6s %8s %7s %10s %9s %9s\n", "file", "puzzles",
              "rate 20", "no guess", "share", "searches", "med ms", "p99 ms", "max ms", "cpu p99", "cpu max",
              "removals", "wrong", "wrongH", "advanced", "forcing", "unfollowed", "steps m/9", "words m/9");
  for (const std::string& path : paths) {
    const std::vector<std::string> lines = bench::ReadLines(path);
    Figures f;
    for (const std::string& line : lines) {
      if (limit >= 0 && f.puzzles >= limit) break;
      RunPuzzle(line, f);
    }
    std::printf(
        "%-32s %7ld %7ld %8ld %5.1f%% %8ld %7.2f %7.2f %7.2f %8.2f %8.2f %8ld %5ld %6ld %8ld %7ld %10ld %4.0f/%-4.0f "
        "%4.0f/%-4.0f\n",
        fs::path(path).filename().c_str(), f.puzzles, f.rated20, f.finished,
        f.rated20 ? 100.0 * static_cast<double>(f.finished) / static_cast<double>(f.rated20) : 0.0, f.searches,
        bench::Percentile(f.times, 50), bench::Percentile(f.times, 99),
        f.times.empty() ? 0.0 : *std::max_element(f.times.begin(), f.times.end()), bench::Percentile(f.cpuTimes, 99),
        f.cpuTimes.empty() ? 0.0 : *std::max_element(f.cpuTimes.begin(), f.cpuTimes.end()), f.removalsChecked,
        f.wrongRemovals, f.wrongHints, f.advancedHints, f.forcingHints, f.unfollowed, bench::Percentile(f.steps, 50),
        bench::Percentile(f.steps, 90), bench::Percentile(f.words, 50), bench::Percentile(f.words, 90));
    std::fflush(stdout);
  }
  return 0;
}
