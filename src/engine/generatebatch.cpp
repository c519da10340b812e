// SPDX-License-Identifier: GPL-3.0-or-later
#include "generatebatch.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace {

// Readings of the clock that make one of its milliseconds: the generator
// reads it once per removal attempt while it holds a fallback, and an
// "Expert" attempt takes about 1/40 ms on a desktop core, so the wait before
// a fallback is taken stays near the ten seconds of the clock-driven rule.
constexpr std::int64_t ReadingsPerMs = 40;

}  // namespace

GenerateOptions ReproducibleOptions(std::uint64_t Seed) {
  GenerateOptions options;
  options.Seed = Seed;
  auto readings = std::make_shared<std::int64_t>(0);
  options.NowMs = [readings] { return (*readings)++ / ReadingsPerMs; };
  return options;
}

int BatchJobs(int Jobs) {
  if (Jobs > 0) return Jobs;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

std::vector<TGrille> GenerateBatch(const BatchRequest& Request) {
  const int count = Request.Count > 0 ? Request.Count : 0;
  std::vector<TGrille> puzzles(static_cast<std::size_t>(count));
  std::atomic<int> next{0};
  std::atomic<bool> stopped{false};
  const auto stopRequested = [&] {
    if (!stopped && Request.StopRequested && Request.StopRequested()) stopped = true;
    return stopped.load();
  };
  // Each thread takes the next puzzle not yet taken until none is left.
  const auto work = [&] {
    for (int k = next++; k < count && !stopRequested(); k = next++) {
      GenerateOptions options = ReproducibleOptions(Request.Seed + static_cast<std::uint64_t>(k));
      options.StopRequested = stopRequested;
      if (!puzzles[static_cast<std::size_t>(k)].Generate(Request.Level, options))
        stopped = true;
      else if (Request.Done)
        ++*Request.Done;
    }
  };
  {
    std::vector<std::jthread> threads;
    const int jobs = std::min(BatchJobs(Request.Jobs), std::max(count, 1));
    for (int j = 1; j < jobs; ++j) threads.emplace_back(work);
    work();
  }
  if (stopped) puzzles.clear();
  return puzzles;
}
