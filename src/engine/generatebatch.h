// SPDX-License-Identifier: GPL-3.0-or-later
// Many puzzles of one level at once (a booklet, `orvalis-cli generate`), on
// every core, and the same puzzles from the same seed whatever the number of
// threads: puzzle k is generated from the seed S + k, by itself.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "grille.h"

// Options for a generation that gives the same puzzle on every machine and
// every run: the seed, and a clock that counts the generator's readings of
// it instead of real time, so that the wait before a fallback puzzle is
// taken is a number of removal attempts, not a speed.
GenerateOptions ReproducibleOptions(std::uint64_t Seed);

struct BatchRequest {
  int Level = LevelFacile;
  int Count = 1;
  std::uint64_t Seed = 0;
  // Threads to use; 0 or less: one per core.
  int Jobs = 0;
  // Polled by every generation; when it answers true the batch ends early.
  std::function<bool()> StopRequested;
  // Counts the puzzles finished, for a caller that shows the progress.
  std::atomic<int>* Done = nullptr;
};

// The puzzles 0 to Count - 1 in their order, or none when the batch was
// stopped before its end.
std::vector<TGrille> GenerateBatch(const BatchRequest& Request);

// The threads a batch of Jobs uses: one per core for 0 or less.
int BatchJobs(int Jobs);
