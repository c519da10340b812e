// SPDX-License-Identifier: GPL-3.0-or-later
// Generates the same number of puzzles per level with our generator and with
// Debian's qqwing (levels 1 to 4 paired with simple, easy, intermediate and
// expert, half-turn symmetry; level 5 with none), and prints per level: puzzles per second of
// each, their ratio, the median, 90th and 99th percentile and longest time of
// ours, and how often our fallback was taken. Our times are processor time of
// the generating thread, so that other work on a shared machine does not blur
// them; puzzles per second are wall time.
//
//   orvalis-bench-generate [--count N] [--seed S] [--levels 12345] [--qqwing 0|1]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "bench_common.h"
#include "grille.h"

namespace {

// qqwing has no fifth level: "Diabolique" has no counterpart there.
const char* const kQqwingDifficulty[6] = {"", "simple", "easy", "intermediate", "expert", "-"};

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

bool HaveQqwing() { return std::system("command -v qqwing >/dev/null 2>&1") == 0; }

bool InstallQqwing() {
  if (HaveQqwing()) return true;
  std::fprintf(stderr, "qqwing is missing: installing it with apt-get\n");
  std::system(
      "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq qqwing >/dev/null 2>&1 || "
      "(apt-get update -qq >/dev/null 2>&1 && "
      "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq qqwing >/dev/null 2>&1)");
  return HaveQqwing();
}

// Seconds qqwing takes to generate count puzzles of a difficulty; -1 on failure.
double TimeQqwing(int level, int count, int& produced) {
  const std::string command = "qqwing --generate " + std::to_string(count) + " --difficulty " +
                              kQqwingDifficulty[level] + " --symmetry rotate180 --one-line";
  const double start = bench::NowSeconds();
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return -1;
  produced = 0;
  int ch, length = 0;
  while ((ch = std::fgetc(pipe)) != EOF) {
    if (ch == '.' || (ch >= '1' && ch <= '9')) ++length;
    if (length == 81) {
      ++produced;
      length = 0;
    }
  }
  const int status = pclose(pipe);
  const double seconds = bench::NowSeconds() - start;
  return status == 0 ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  int count = 100;
  std::uint64_t seed = 1;
  std::string levels = "1234";
  bool compare = true;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--count")
      count = std::max(1, std::atoi(argv[i + 1]));
    else if (option == "--seed")
      seed = std::strtoull(argv[i + 1], nullptr, 10);
    else if (option == "--levels")
      levels = argv[i + 1];
    else if (option == "--qqwing")
      compare = std::atoi(argv[i + 1]) != 0;
  }
  const bool qqwing = compare && InstallQqwing();
  if (compare && !qqwing) std::fprintf(stderr, "qqwing could not be installed: its columns stay empty\n");

  std::printf("%d puzzles per level, seeds %llu to %llu\n", count, static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(seed + count - 1));
  std::printf("%-6s %-13s %12s %12s %8s %10s %10s %10s %10s %9s\n", "level", "qqwing", "ours/s", "qqwing/s", "ratio",
              "median ms", "p90 ms", "p99 ms", "max ms", "fallback");
  for (char levelChar : levels) {
    const int level = levelChar - '0';
    if (level < LevelFacile || level > HighestLevel) continue;
    std::vector<double> times;
    int fallbacks = 0;
    const double start = bench::NowSeconds();
    for (int i = 0; i < count; ++i) {
      TGrille grid;
      GenerateOptions options;
      options.Seed = seed + static_cast<std::uint64_t>(i);
      GenerateReport report;
      const double t = ThreadCpuSeconds();
      grid.Generate(level, options, &report);
      times.push_back((ThreadCpuSeconds() - t) * 1000.0);
      fallbacks += report.FallbackTaken;
    }
    const double ours = count / (bench::NowSeconds() - start);
    double theirs = 0;
    if (qqwing && level <= LevelExpert) {
      int produced = 0;
      const double seconds = TimeQqwing(level, count, produced);
      if (seconds > 0 && produced > 0) theirs = produced / seconds;
    }
    std::printf("%-6d %-13s %12.1f %12.1f %8.1f %10.3f %10.3f %10.3f %10.3f %5d/%-3d\n", level,
                kQqwingDifficulty[level], ours, theirs, theirs > 0 ? ours / theirs : 0.0, bench::Percentile(times, 50),
                bench::Percentile(times, 90), bench::Percentile(times, 99), bench::Percentile(times, 100), fallbacks,
                count);
    std::fflush(stdout);
  }
  return 0;
}
