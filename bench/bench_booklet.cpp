// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzles of a booklet ("Imprimer un carnet"): COUNT puzzles of a level
// generated as the booklet does, with one thread and then with one per core;
// prints the wall time and CPU time of each, the speed-up, and whether both
// runs gave the same puzzles (they must: puzzle k comes from seed S + k).
//
//   orvalis-bench-booklet [--count N] [--level L] [--seed S]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "bench_common.h"
#include "generatebatch.h"

namespace {

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
  int count = 100, level = LevelExpert;
  std::uint64_t seed = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--count")
      count = std::atoi(argv[i + 1]);
    else if (option == "--level")
      level = std::atoi(argv[i + 1]);
    else if (option == "--seed")
      seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
  std::vector<std::string> first;
  double oneJob = 0;
  for (const int jobs : {1, BatchJobs(0)}) {
    BatchRequest request;
    request.Level = level;
    request.Count = count;
    request.Seed = seed;
    request.Jobs = jobs;
    const double wall = bench::NowSeconds();
    const double cpu = CpuSeconds();
    const std::vector<TGrille> puzzles = GenerateBatch(request);
    const double seconds = bench::NowSeconds() - wall;
    std::vector<std::string> texts;
    texts.reserve(puzzles.size());
    for (const TGrille& grid : puzzles) texts.push_back(grid.SaveToText(false, level, 0, 0));
    if (jobs == 1) {
      first = texts;
      oneJob = seconds;
    }
    std::printf("booklet of %d puzzles at level %d, seed %llu, %d job(s): %.2f s wall, %.2f s CPU%s\n", count, level,
                static_cast<unsigned long long>(seed), jobs, seconds, CpuSeconds() - cpu,
                jobs == 1 ? "" : (texts == first ? ", same puzzles" : ", DIFFERENT puzzles"));
    if (jobs != 1) std::printf("speed-up with %d jobs: %.2fx\n", jobs, oneJob / seconds);
  }
  return 0;
}
